#!/usr/bin/env bash
# Builds the engine fuzzer and the skin file parser's fuzzer (clang,
# libFuzzer, ASan, UBSan); runs the parser's for 10 s, then the engine's for
# a bounded time, seeded with the engine's examples. Exits non-zero on any
# crash, broken rule, hang (2 s per input) or memory blow-up; the input is
# left in <build>/findings/ and replays with: <build>/engine_fuzzer <file>
# Usage: run_fuzzer.sh [seconds, default 60] [build dir, default build/fuzz] [more libFuzzer flags]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-60}
build=${2:-$root/build/fuzz}
shift $(($# < 2 ? $# : 2))

mkdir -p "$build"
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"

rm -rf "$build/seeds"
bash "$here/make_seeds.sh" "$here/seed_lines.txt" "$build/seeds"
# The corpus grows from run to run; the seeds are rebuilt every time.
mkdir -p "$build/corpus" "$build/findings"
echo "fuzzing for $seconds s (log: $build/fuzz.log)"
# The skin file parser first, briefly: its input is a few dozen bytes.
mkdir -p "$build/skin-corpus" "$build/skin-seeds"
"$build/make_skin_seeds" "$build/skin-seeds"
"$build/skin_fuzzer" -max_total_time=10 -max_len=256 -timeout=2 -artifact_prefix="$build/findings/skin-" \
  "$build/skin-corpus" "$build/skin-seeds" >"$build/skin-fuzz.log" 2>&1 ||
  { grep -a -A4 -E 'ERROR: |runtime error|SUMMARY' "$build/skin-fuzz.log" | head -20; exit 1; }
grep -a -E '^Done' "$build/skin-fuzz.log" | sed 's/^/skin parser: /'
if "$build/engine_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=2 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$build/findings/" "$@" "$build/corpus" "$build/seeds" \
  >"$build/fuzz.log" 2>&1; then
  grep -a -E '^(Done|stat::)' "$build/fuzz.log"
else
  status=$?
  # The finding first: the broken rule or sanitizer report, the input, the file.
  grep -a -A4 -E 'engine rule broken|ERROR: |runtime error|SUMMARY' "$build/fuzz.log" | head -40
  grep -a -E 'Test unit written|^0x|Base64' "$build/fuzz.log" | tail -3
  exit $status
fi
