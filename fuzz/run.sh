#!/usr/bin/env bash
# Builds the libFuzzer targets (clang preset "fuzz") and runs each for a
# bounded time, starting from its committed seed corpus: the archive's
# (fuzz/corpus) and the skin parsers' (fuzz/corpus-skin, -descriptor,
# -markup). New inputs go to a scratch corpus in the build folder, never
# into the committed ones. Exits non-zero on any finding (crash, sanitizer
# report, leak, timeout).
#   fuzz/run.sh [SECONDS_PER_TARGET]      (default 30)
#   FUZZ_BUILD=build/xyz fuzz/run.sh      (default build/fuzz)
#   FUZZ_TARGETS="skin_fuzzer" fuzz/run.sh  (default: every target)
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${FUZZ_BUILD:-$repo/build/fuzz}
jobs=${JOBS:-2}
targets=${FUZZ_TARGETS:-toc_fuzzer unpack_fuzzer skin_fuzzer descriptor_fuzzer markup_fuzzer}

# Seed corpus and longest input of each target.
corpus_of() {
  case $1 in
    skin_fuzzer) echo "$repo/fuzz/corpus-skin" ;;
    descriptor_fuzzer) echo "$repo/fuzz/corpus-descriptor" ;;
    markup_fuzzer) echo "$repo/fuzz/corpus-markup" ;;
    *) echo "$repo/fuzz/corpus" ;;
  esac
}
max_len_of() {
  case $1 in
    descriptor_fuzzer|markup_fuzzer) echo 4096 ;;  # attribute values and texts are short
    *) echo 65536 ;;
  esac
}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset fuzz -S "$repo" -B "$build" > /dev/null || exit 1
fi
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $targets || exit 1

rc=0
for target in $targets; do
  scratch="$build/fuzz/$target-corpus"
  mkdir -p "$scratch"
  echo "== $target for ${seconds}s"
  failed=0
  ( cd "$build/fuzz" && "./$target" -max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 "$scratch" "$(corpus_of "$target")" ) > "$build/fuzz/$target.log" 2>&1 ||
    failed=1
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|ERROR|SUMMARY|^Done' "$build/fuzz/$target.log"
  if [ $failed -ne 0 ]; then
    rc=1
    echo "$target: finding, see $build/fuzz/$target.log (crash inputs in $build/fuzz)"
  fi
done
exit $rc
