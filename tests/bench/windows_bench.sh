#!/usr/bin/env bash
# Builds the main window benchmark for Windows (Release) and runs it under
# Wine the way test.sh runs the window tests: a private Xvfb display, a Wine
# prefix of its own, LANG=C.UTF-8, the 32-bit build where this machine runs
# 32-bit programs and the 64-bit one otherwise. Prints the benchmark's table.
# NUMEREL_WINDOWS_BENCH_BUILD moves the build folder (default
# build/windows-bench, with -64 added for the 64-bit build); the prefix is
# the folder beside it ending in -wineprefix.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/.ci/wine_session.sh"
wine_session_choose_arch
build="${NUMEREL_WINDOWS_BENCH_BUILD:-$root/build/windows-bench}"
[ "$NUMEREL_WIN_ARCH" = x86_64 ] && build="$build-64"
echo "windows_bench.sh: the $NUMEREL_WIN_ARCH build ($NUMEREL_WIN_ARCH_WHY)"
mkdir -p "$(dirname "$build")"
build="$(cd "$(dirname "$build")" && pwd)/$(basename "$build")"

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(wine_session_toolchain "$NUMEREL_WIN_ARCH")" >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target windows_benchmark -j "$(nproc)" >"$build.build.log" 2>&1 ||
  { cat "$build.build.log"; exit 1; }

cd "$root" || exit 1
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
export LANG=C.UTF-8 LC_ALL=C.UTF-8
wine_session_start_display || exit 1
wine_session_prefix "$build-wineprefix" unmanaged || { echo "windows_bench.sh: no Wine prefix" >&2; exit 1; }
"$root/cmake/wine_run.sh" "$build/tests/bench/windows_benchmark.exe" "$@"
status=$?
# A one-instance start keeps its marker file open until the process ends:
# those program folders outlive the run.
rm -rf "$build-wineprefix"/drive_c/users/*/Temp/numerel-test-*
exit $status
