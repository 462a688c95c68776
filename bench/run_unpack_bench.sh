#!/usr/bin/env bash
# The unpack benchmark: one deterministic payload (57 files, 8 directories,
# about 5.9 MB stored at zlib level 6), extracted side by side by
#   host:  ydzpack extract, the floor (inflate + bare write loop), Info-ZIP
#          unzip of a zip of the same files at the same level, bsdtar if present;
#   Wine:  the Windows ydzpack extract against the Windows floor.
# Prints each median wall time and its ratio to the floor of the same run.
#   bench/run_unpack_bench.sh HOST_BUILD [WIN64_BUILD] [RUNS]
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
host=$(cd "${1:?usage: run_unpack_bench.sh HOST_BUILD [WIN64_BUILD] [RUNS]}" && pwd)
win=${2:-}
[ -n "$win" ] && win=$(cd "$win" && pwd)
runs=${3:-11}
work=$host/bench/unpack
rm -rf "$work" && mkdir -p "$work"

"$host/bench/make_payload" "$work/payload" > /dev/null || exit 1
SOURCE_DATE_EPOCH=1700000000 "$host/tools/ydzpack/ydzpack" pack "$work/payload" "$work/payload.ydz" --level 6 || exit 1
(cd "$work/payload" && zip -q -6 -r -X "$work/payload.zip" .) || exit 1
echo "payload: $(find "$work/payload" -type f | wc -l) files, $(find "$work/payload" -type d | wc -l) directories," \
     "$(stat -c %s "$work/payload.ydz") bytes stored (zip: $(stat -c %s "$work/payload.zip")), $runs runs each"

now_ns() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# bench NAME COMMAND... : runs the command `runs` times into a fresh $work/out
# (removed before each run, not timed); appends "name median_ns" to results.
results=$work/results.txt
: > "$results"
declare -a names=()
declare -A commands=()
add() { names+=("$1"); commands[$1]=$2; }

add floor "'$host/bench/inflate_floor' '$work/payload.ydz' '$work/out'"
add "ydzpack extract" "'$host/tools/ydzpack/ydzpack' extract '$work/payload.ydz' '$work/out'"
add "unzip" "unzip -q -o '$work/payload.zip' -d '$work/out'"
if command -v bsdtar > /dev/null; then add "bsdtar" "mkdir -p '$work/out' && bsdtar -xf '$work/payload.zip' -C '$work/out'"; fi

wine_names=()
if [ -n "$win" ] && [ -x "$win/tools/ydzpack/ydzpack.exe" ] && [ -x "$win/bench/inflate_floor.exe" ]; then
  "$repo/scripts/wine-session" start || exit 1
  wine_run="$repo/scripts/wine-run"
  add "wine floor" "'$wine_run' '$win/bench/inflate_floor.exe' '$work/payload.ydz' '$work/out'"
  add "wine ydzpack extract" "'$wine_run' '$win/tools/ydzpack/ydzpack.exe' extract '$work/payload.ydz' '$work/out'"
  wine_names=("wine floor" "wine ydzpack extract")
fi

# Interleaved rounds, so that drift on a shared machine hits every command.
declare -A times=()
for round in $(seq 0 "$runs"); do
  for name in "${names[@]}"; do
    rm -rf "$work/out"
    start=$(now_ns)
    bash -c "${commands[$name]}" > /dev/null 2>&1 || { echo "$name failed"; exit 1; }
    end=$(now_ns)
    [ "$round" -eq 0 ] && continue  # warm-up
    times[$name]="${times[$name]:-} $((end - start))"
  done
done
# The extracted tree must equal the payload (last run of the last command).
for name in "${names[@]}"; do
  rm -rf "$work/out"; bash -c "${commands[$name]}" > /dev/null 2>&1
  diff -r "$work/payload" "$work/out" > /dev/null || { echo "$name: extracted tree differs from the payload"; exit 1; }
done

print_group() {  # print_group FLOOR NAMES...
  local floor=$1; shift
  local floor_ns
  floor_ns=$(echo "${times[$floor]}" | tr ' ' '\n' | grep . | median)
  for name in "$@"; do
    local ns
    ns=$(echo "${times[$name]}" | tr ' ' '\n' | grep . | median)
    awk -v n="$name" -v t="$ns" -v f="$floor_ns" 'BEGIN { printf "  %-22s median %8.1f ms   %5.2fx %s\n", n, t / 1e6, t / f, "of the floor" }'
  done
}
echo "host:"
host_names=()
for name in "${names[@]}"; do case $name in wine*) ;; *) host_names+=("$name") ;; esac; done
print_group floor "${host_names[@]}"
if [ ${#wine_names[@]} -gt 0 ]; then
  echo "wine (win64):"
  print_group "wine floor" "${wine_names[@]}"
fi

# Instructions counted by callgrind: repeatable on a busy machine, where the
# wall times above move by tens of percent between runs.
if command -v valgrind > /dev/null; then
  count() {
    rm -rf "$work/out"
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 > /dev/null | awk '/Collected/ {print $4}'
  }
  floor_ir=$(count "$host/bench/inflate_floor" "$work/payload.ydz" "$work/out")
  ydz_ir=$(count "$host/tools/ydzpack/ydzpack" extract "$work/payload.ydz" "$work/out")
  awk -v f="$floor_ir" -v y="$ydz_ir" 'BEGIN { printf "host instructions (callgrind): floor %d, ydzpack extract %d   %5.3fx of the floor\n", f, y, y / f }'
fi
