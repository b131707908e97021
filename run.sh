#!/usr/bin/env bash
# Builds Numerel.exe and starts it under Wine with a Chinese locale.
# Without a DISPLAY it runs on a private Xvfb screen. NUMEREL_BUILD_DIR
# moves the build folder and the Wine prefix elsewhere (default: build).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
out=${NUMEREL_BUILD_DIR:-build}

if [ "$(id -u)" = 0 ]; then
  bash .ci/setup.sh
else
  bash .ci/setup.sh --check
fi

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root" -B "$out/windows" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-posix.cmake" >/dev/null
cmake --build "$out/windows" -j"$(nproc)" --target Numerel

source .ci/wine_session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
out=$(cd "$out" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  wine_session_start_display "$out"
  echo "No DISPLAY: Numerel runs on the virtual screen $DISPLAY;"
  echo "its picture is kept up to date in $out/Xvfb_screen0 (an XWD image)."
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
wine_session_prefix "$out/wineprefix-run"
echo "Starting Numerel (close its window or press Ctrl+C to end)."
wine "$out/windows/mainwindow/Numerel.exe"
