#!/usr/bin/env bash
# Takes the README's screenshots: Numerel under Wine on a private Xvfb
# screen, in several skins, with a menu open or the appearance window shown,
# cropped to PNG files in docs/. Needs what test.sh installs; the key presses
# come from docs/press_keys.c, built here with the cross compiler.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source .ci/wine_session.sh
wine_session_choose_arch
build=$root/build/windows
[ "$NUMEREL_WIN_ARCH" = x86_64 ] && build=$root/build/windows64
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(wine_session_toolchain "$NUMEREL_WIN_ARCH")" >/dev/null
cmake --build "$build" -j"$(nproc)" --target Numerel >/dev/null
press_keys=$build/press_keys.exe
"$NUMEREL_WIN_ARCH-w64-mingw32-gcc" -O1 -o "$press_keys" docs/press_keys.c

screen=$(mktemp -d)
trap 'wine_session_stop; rm -rf "$screen"' EXIT
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
wine_session_start_display "$screen"
wine_session_prefix "$root/build/wineprefix-shots" unmanaged

# One program folder per picture: its settings and a text to show.
shot() {
  local name=$1 skin=$2 keys=$3
  local folder="$WINEPREFIX/drive_c/numerel-$name"
  rm -rf "$folder"
  mkdir -p "$folder/Numerin运行文件"
  cp "$build/app/Numerel.exe" "$folder/"
  printf '[运行设置]\r\n软件皮肤=%s\r\n[其他设置]\r\n允许多开=真\r\n退出保存=真\r\n[启动窗口位置]\r\n_启动窗口.左边=20\r\n_启动窗口.顶边=20\r\n_启动窗口.宽度=760\r\n_启动窗口.高度=460\r\n' "$skin" |
    iconv -f UTF-8 -t GBK >"$folder/Numerin运行文件/Numerin配置文件.ini"
  printf '1+2+3=6+3+1=10\r\nsin30+cos60=1\r\n1∟2+1∟3=0.833333333333\r\n√2×π=4.442882938158\r\nmax(3,7,2)×2=14\r\n12÷5=2.4\r\n' |
    iconv -f UTF-8 -t GBK >"$folder/Numerin运行文件/Numerin备份文件.txt"
  "$NUMEREL_WINE" "$folder/Numerel.exe" >/dev/null 2>&1 &
  sleep 6
  # shellcheck disable=SC2086 # the keys are separate words
  [ -n "$keys" ] && "$NUMEREL_WINE" "$press_keys" $keys >/dev/null 2>&1 &
  sleep 4
  # The main window as placed above, 760 × 460 at (20, 20), with room for
  # what opens over it.
  python3 docs/xwd_to_png.py "$screen/Xvfb_screen0" "docs/$name.png" 20 20 800 500
  wineserver -k || true
  sleep 1
  wine_session_prefix "$root/build/wineprefix-shots" unmanaged
}

shot screenshot-skin8-menu 8 alt+e
shot screenshot-skin21-menu 21 alt+s
shot screenshot-skin5-menu 5 alt+k
shot screenshot-skin12-menu 12 alt+h
shot screenshot-skin31-appearance 31 ctrl+u
echo "docs/screenshot-*.png written"
