#!/usr/bin/env bash
# Builds Numerel.exe and starts it under Wine with a Chinese locale.
# Without a DISPLAY it runs on a private Xvfb screen. Where this machine
# cannot run 32-bit programs (or NUMEREL_FORCE_WIN64=1) the 64-bit build
# starts instead, under 64-bit Wine. NUMEREL_BUILD_DIR moves the build
# folders and the Wine prefix elsewhere (default: build).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
out=${NUMEREL_BUILD_DIR:-build}

# Root installs what is missing; anyone else only checks. Started through
# sudo, it then builds and runs as the user who asked, so that build/ and the
# Wine prefix stay theirs (Wine refuses a prefix of another user).
if [ "$(id -u)" = 0 ]; then
  bash .ci/setup.sh
  if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    source .ci/wine_session.sh
    wine_session_as_sudo_user home "$root/run.sh"
    exit $?
  fi
else
  bash .ci/setup.sh --check ./run.sh
fi

source .ci/wine_session.sh
wine_session_check_owner "$out"

# 打印 under Wine prints to the printer "PDF" of a CUPS scheduler of this
# session's own, when run.sh runs as root; cups-pdf writes its files where
# Out in /etc/cups/cups-pdf.conf says, by default ~/PDF.
start_pdf_printer() {
  if wine_session_start_printer home; then
    echo "打印 prints to the printer PDF: its files land in ~$(id -un)/PDF (Out in /etc/cups/cups-pdf.conf)."
  fi
}
wine_session_choose_arch
build=$out/windows
[ "$NUMEREL_WIN_ARCH" = x86_64 ] && build=$out/windows64
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(wine_session_toolchain "$NUMEREL_WIN_ARCH")" >/dev/null
cmake --build "$build" -j"$(nproc)" --target Numerel

trap wine_session_stop EXIT
trap 'exit 130' INT TERM
out=$(cd "$out" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  wine_session_start_display "$out"
  echo "No DISPLAY: Numerel runs on the virtual screen $DISPLAY;"
  echo "its picture is kept up to date in $out/Xvfb_screen0 (an XWD image)."
fi
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
start_pdf_printer
wine_session_prefix "$out/wineprefix-run-$NUMEREL_WIN_ARCH"
echo "Starting the $NUMEREL_WIN_ARCH build of Numerel ($NUMEREL_WIN_ARCH_WHY);"
echo "close its window or press Ctrl+C to end."
"$NUMEREL_WINE" "$(cd "$build" && pwd)/app/Numerel.exe"
