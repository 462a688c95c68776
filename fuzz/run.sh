#!/usr/bin/env bash
# Builds the archive's libFuzzer targets (clang preset "fuzz") and runs each
# for a bounded time, starting from the committed seed corpus. New inputs go
# to a scratch corpus in the build folder, never into fuzz/corpus. Exits
# non-zero on any finding (crash, sanitizer report, leak, timeout).
#   fuzz/run.sh [SECONDS_PER_TARGET]      (default 30)
#   FUZZ_BUILD=build/xyz fuzz/run.sh      (default build/fuzz)
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${FUZZ_BUILD:-$repo/build/fuzz}
jobs=${JOBS:-2}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset fuzz -S "$repo" -B "$build" > /dev/null || exit 1
fi
cmake --build "$build" -j "$jobs" --target toc_fuzzer unpack_fuzzer || exit 1

rc=0
for target in toc_fuzzer unpack_fuzzer; do
  scratch="$build/fuzz/$target-corpus"
  mkdir -p "$scratch"
  echo "== $target for ${seconds}s"
  ( cd "$build/fuzz" && "./$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "$scratch" "$repo/fuzz/corpus" ) > "$build/fuzz/$target.log" 2>&1 || rc=1
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|ERROR|SUMMARY|^Done' "$build/fuzz/$target.log"
  [ $rc -eq 0 ] || echo "$target: finding, see $build/fuzz/$target.log (crash inputs in $build/fuzz)"
done
exit $rc
