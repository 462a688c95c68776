#!/usr/bin/env bash
# ydzpack pack/list/extract/verify from the command line: determinism,
# listing format, attributes, round trips, exit codes and messages.
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

# extract: the same tree, bytes, modes and times come back.
"$ydzpack" extract "$work/one.ydz" "$work/out/new"; check "extract exits 0" [ $? -eq 0 ]
check "extracted tree equals the source" diff -r "$work/src" "$work/out/new"
check "read-only mode" [ "$(stat -c %a "$work/out/new/readonly.txt")" = 444 ]
check "last-write time kept (SOURCE_DATE_EPOCH)" [ "$(stat -c %Y "$work/out/new/bin/deep/big.dat")" = 1700000000 ]
"$ydzpack" extract "$work/one.ydz" "$work/out/new"; check "extract over itself exits 0" [ $? -eq 0 ]
"$ydzpack" extract "$work/store.ydz" "$work/out/store"; check "stored archive extracts" diff -r "$work/src" "$work/out/store"

# extract: a target that is a file stops with 3, naming code, path and error.
: > "$work/out/plain"
"$ydzpack" extract "$work/one.ydz" "$work/out/plain" 2> "$work/err.txt"; check "target file exits 3" [ $? -eq 3 ]
check "target file message" grep -q "error 0x10000003 at $work/out/plain: system error 183" "$work/err.txt"
mkdir -p "$work/out/blocked" && : > "$work/out/blocked/bin"
"$ydzpack" extract "$work/one.ydz" "$work/out/blocked" 2> "$work/err.txt"; check "file over a directory exits 3" [ $? -eq 3 ]
check "file over a directory message" grep -q "directory $work/out/blocked/bin" "$work/err.txt"
"$ydzpack" extract "$work/bad.ydz" "$work/out/bad" 2> "$work/err.txt"; check "extract bad table exits 1" [ $? -eq 1 ]
check "extract bad table message" grep -q 'format error 0x30000001 detail 8' "$work/err.txt"
"$ydzpack" extract "$work/v2.ydz" "$work/out/bad" 2> "$work/err.txt"; check "extract version 2 exits 1" [ $? -eq 1 ]
check "extract version message" grep -q 'format error 0x30000001 detail 3' "$work/err.txt"
"$ydzpack" extract "$work/one.ydz" > /dev/null 2>&1; check "extract without folder exits 2" [ $? -eq 2 ]
"$ydzpack" extract "$work/missing.ydz" "$work/out/m" > /dev/null 2>&1; check "extract missing archive exits 2" [ $? -eq 2 ]

# verify: good archives pass; a damaged stream is named, one line per entry.
"$ydzpack" verify "$work/one.ydz" > "$work/verify.txt"; check "verify exits 0" [ $? -eq 0 ]
check "verify says ok" grep -qx ok "$work/verify.txt"
cp "$work/store.ydz" "$work/damaged.ydz"
"$ydzpack" pack "$work/src" "$work/damaged.ydz" --level 6
# The last stored byte belongs to the last file in table order (网络.txt):
# flipping it breaks that stream's Adler-32 trailer.
size=$(stat -c %s "$work/damaged.ydz")
last=$(od -An -tu1 -j $((size - 1)) -N1 "$work/damaged.ydz" | tr -d ' ')
printf "\\$(printf %03o $(( (last + 1) % 256 )))" | dd of="$work/damaged.ydz" bs=1 seek=$((size - 1)) count=1 conv=notrunc 2>/dev/null
"$ydzpack" verify "$work/damaged.ydz" > "$work/verify.txt"; check "verify damaged exits 1" [ $? -eq 1 ]
check "verify names the entry" grep -q '^bad entry 网络.txt: corrupt or truncated stream' "$work/verify.txt"
check "verify prints one line" [ "$(wc -l < "$work/verify.txt")" -eq 1 ]
"$ydzpack" extract "$work/damaged.ydz" "$work/out/damaged" 2> "$work/err.txt"; check "extract damaged exits 1" [ $? -eq 1 ]
check "extract damaged names the entry" grep -q "网络.txt cannot be decoded" "$work/err.txt"
"$ydzpack" verify "$work/bad.ydz" > /dev/null 2>&1; check "verify bad table exits 1" [ $? -eq 1 ]
"$ydzpack" verify > /dev/null 2>&1; check "verify without archive exits 2" [ $? -eq 2 ]

chmod -R u+w "$work"
[ $failures -eq 0 ] && echo "ydzpack CLI: all checks passed"
exit $((failures > 0))
