#!/usr/bin/env bash
# Builds the engine benchmark natively in Release and runs it. Arguments go to
# the benchmark (for example --benchmark_filter=fraction).
#   ./bench.sh windows   the main window under Wine instead (tests/bench/windows_bench.sh);
#                        ./bench.sh windows commands|files|bases|lines|repaint: only the
#                        commands on whole texts, the file menu and replace all, base
#                        conversion, Enter on one long line, or the main window's repaint
#                        in several skins
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" = windows ]; then
  shift
  exec bash "$root/tests/bench/windows_bench.sh" "$@"
fi
build="${NUMEREL_BENCH_BUILD:-$root/build/bench}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DNUMEREL_SANITIZE=OFF >/dev/null
cmake --build "$build" --target engine_benchmark -j "$(nproc)" >/dev/null
exec "$build/tests/bench/engine_benchmark" "$@"
