#!/usr/bin/env bash
# Builds the engine benchmark natively in Release and runs it. Arguments go to
# the benchmark (for example --benchmark_filter=fraction).
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${NUMEREL_BENCH_BUILD:-$root/build/bench}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DNUMEREL_SANITIZE=OFF >/dev/null
cmake --build "$build" --target engine_benchmark -j "$(nproc)" >/dev/null
exec "$build/tests/bench/engine_benchmark" "$@"
