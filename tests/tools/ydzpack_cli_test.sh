#!/usr/bin/env bash
# ydzpack pack/list from the command line: determinism, listing format,
# attributes, exit codes and messages.
set -u
ydzpack=$1
work=$2
rm -rf "$work" && mkdir -p "$work/src/bin/deep" "$work/src/empty-dir"
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; failures=$((failures + 1)); fi
}

printf 'hello' > "$work/src/bin/a.exe"
head -c 200000 /dev/zero | tr '\0' 'z' > "$work/src/bin/deep/big.dat"
: > "$work/src/empty.txt"
printf 'ro' > "$work/src/readonly.txt" && chmod a-w "$work/src/readonly.txt"
printf 'u' > "$work/src/网络.txt"

export SOURCE_DATE_EPOCH=1700000000
"$ydzpack" pack "$work/src" "$work/one.ydz"; check "pack exits 0" [ $? -eq 0 ]
sleep 1; touch "$work/src/bin/a.exe"
"$ydzpack" pack "$work/src" "$work/two.ydz"
check "same folder, same bytes" cmp -s "$work/one.ydz" "$work/two.ydz"

"$ydzpack" list "$work/one.ydz" > "$work/list.txt"; check "list exits 0" [ $? -eq 0 ]
check "header line" grep -q '^type   attrs         decoded       stored conv  path$' "$work/list.txt"
check "entry count" [ "$(wc -l < "$work/list.txt")" -eq 9 ]
check "nested path with backslashes" grep -Eq '^file +00000020 +200000 +[0-9]+ +1  bin\\deep\\big\.dat$' "$work/list.txt"
check "directory line" grep -Eq '^dir +00000010 +0 +0 +0  empty-dir$' "$work/list.txt"
check "read-only attribute" grep -Eq '^file +00000021 +2 +[0-9]+ +1  readonly\.txt$' "$work/list.txt"
check "unicode name" grep -q '网络.txt$' "$work/list.txt"
check "children sorted" [ "$(awk 'NR>1 {print $6}' "$work/list.txt" | head -n 3 | tr '\n' ' ')" = 'bin bin\a.exe bin\deep ' ]
check "big file compresses" [ "$(awk '$6=="bin\\deep\\big.dat" {print ($4 < 5000)}' "$work/list.txt")" = 1 ]

"$ydzpack" pack "$work/src" "$work/store.ydz" --store
check "--store uses converter 0" grep -Eq '^file +00000020 +200000 +200000 +0  bin\\deep\\big\.dat$' \
  <("$ydzpack" list "$work/store.ydz")
"$ydzpack" pack "$work/src" "$work/l0.ydz" --level 0
"$ydzpack" pack "$work/src" "$work/l9.ydz" --level 9
check "level 0 is larger than level 9" [ "$(stat -c %s "$work/l0.ydz")" -gt "$(stat -c %s "$work/l9.ydz")" ]

# Malformed archives: exit 1 with the code and detail.
cp "$work/one.ydz" "$work/bad.ydz"
printf '\x01' | dd of="$work/bad.ydz" bs=1 seek=8 count=1 conv=notrunc 2>/dev/null  # root becomes a file: trailing bytes
"$ydzpack" list "$work/bad.ydz" > /dev/null 2> "$work/err.txt"
check "bad table exits 1" [ $? -eq 1 ]
check "bad table message" grep -q 'format error 0x30000001 detail 8' "$work/err.txt"
cp "$work/one.ydz" "$work/v2.ydz"
printf '\x02' | dd of="$work/v2.ydz" bs=1 seek=3 count=1 conv=notrunc 2>/dev/null
"$ydzpack" list "$work/v2.ydz" > /dev/null 2> "$work/err.txt"
check "version 2 exits 1" [ $? -eq 1 ]
check "version message" grep -q 'format error 0x30000001 detail 3' "$work/err.txt"
head -c 5 "$work/one.ydz" > "$work/short.ydz"
"$ydzpack" list "$work/short.ydz" > /dev/null 2>&1; check "short archive exits 1" [ $? -eq 1 ]

# Usage and I/O problems: exit 2.
"$ydzpack" list "$work/missing.ydz" > /dev/null 2>&1; check "missing archive exits 2" [ $? -eq 2 ]
"$ydzpack" > /dev/null 2>&1; check "no command exits 2" [ $? -eq 2 ]
"$ydzpack" pack "$work/src" > /dev/null 2>&1; check "pack without archive exits 2" [ $? -eq 2 ]
"$ydzpack" pack "$work/src" "$work/x.ydz" --level 12 > /dev/null 2>&1; check "bad level exits 2" [ $? -eq 2 ]
"$ydzpack" pack "$work/nothing" "$work/x.ydz" > /dev/null 2>&1; check "missing folder exits 2" [ $? -eq 2 ]

# A name no archive may hold.
mkdir -p "$work/reserved" && : > "$work/reserved/aux.txt"
"$ydzpack" pack "$work/reserved" "$work/r.ydz" > /dev/null 2> "$work/err.txt"
check "reserved name exits 1" [ $? -eq 1 ]
check "reserved name message" grep -q 'aux.txt' "$work/err.txt"

chmod -R u+w "$work"
[ $failures -eq 0 ] && echo "ydzpack CLI: all checks passed"
exit $((failures > 0))
