# Sourced by test.sh and run.sh: a private Wine prefix and, when needed, a
# private Xvfb display. Call wine_session_stop when done (both scripts do it
# from an EXIT trap).

WINE_SESSION_XVFB_PID=""

# Chooses, by trying, which Windows build runs under Wine here: the 32-bit
# one where this machine can execute 32-bit programs (the shipped program),
# the 64-bit one where its kernel cannot (the 32-bit loader then fails with
# "Exec format error"), or when NUMEREL_FORCE_WIN64=1 asks for it. Exports
# NUMEREL_WIN_ARCH (i686 or x86_64), NUMEREL_WINE (the Wine loader to start
# programs with), WINEARCH and WINELOADER, and sets NUMEREL_WIN_ARCH_WHY.
wine_session_choose_arch() {
  if [ "${NUMEREL_FORCE_WIN64:-0}" = 1 ]; then
    NUMEREL_WIN_ARCH=x86_64
    NUMEREL_WIN_ARCH_WHY="forced by NUMEREL_FORCE_WIN64=1"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    NUMEREL_WIN_ARCH=i686
    NUMEREL_WIN_ARCH_WHY="this machine runs 32-bit programs"
  else
    NUMEREL_WIN_ARCH=x86_64
    NUMEREL_WIN_ARCH_WHY="this machine cannot run 32-bit programs"
  fi
  if [ "$NUMEREL_WIN_ARCH" = i686 ]; then
    export NUMEREL_WINE=/usr/lib/wine/wine WINEARCH=win32
  else
    export NUMEREL_WINE=/usr/lib/wine/wine64 WINEARCH=win64
  fi
  export NUMEREL_WIN_ARCH WINELOADER=$NUMEREL_WINE
}

# The CMake toolchain file of a Windows architecture (i686 or x86_64).
wine_session_toolchain() {
  echo "$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-$1-posix.cmake"
}

# Starts Xvfb on the first free display number and exports DISPLAY. With a
# folder in $1 the screen is also kept there as the XWD image Xvfb_screen0.
wine_session_start_display() {
  local n fbdir=()
  [ -n "${1:-}" ] && fbdir=(-fbdir "$1")
  for n in $(seq 90 189); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp "${fbdir[@]}" >/dev/null 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    local tries
    for tries in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$WINE_SESSION_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    # Lost a race for this number, or too slow: try the next one.
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null
    WINE_SESSION_XVFB_PID=""
  done
  echo "wine_session: no free X display found" >&2
  return 1
}

# The faces the program and its dialogs name (the box's default font, the
# printing font, the dialogs' "MS Shell Dlg", which Wine turns into SimSun
# under a Chinese locale, and the common Chinese faces a settings file may
# name), each with the installed font of the same kind that Wine shows in
# its place: none of them exists on Linux. Bump WINE_SESSION_FONTS when the
# list changes, and every prefix gets it again.
WINE_SESSION_FONTS=fonts-1
WINE_SESSION_FACES=(
  "Times New Roman=Liberation Serif"
  "Arial=Liberation Sans"
  "Courier New=Liberation Mono"
  "宋体=AR PL UMing CN" "SimSun=AR PL UMing CN"
  "新宋体=AR PL UMing CN" "NSimSun=AR PL UMing CN"
  "黑体=WenQuanYi Micro Hei" "SimHei=WenQuanYi Micro Hei"
  "微软雅黑=WenQuanYi Micro Hei" "Microsoft YaHei=WenQuanYi Micro Hei"
)

# Fails with a clear message when a folder of ours exists but belongs to
# another user (made by root, or by root for another user): Wine refuses a
# prefix that is not the caller's own, and the build cannot write there.
wine_session_check_owner() {
  [ -e "$1" ] || return 0
  local owner
  owner=$(stat -c %U "$1")
  [ "$(stat -c %u "$1")" = "$(id -u)" ] && return 0
  echo "$1 belongs to $owner, not to $(id -un): run the command as $owner," >&2
  echo "or remove that folder (or choose another with NUMEREL_BUILD_DIR)." >&2
  return 1
}

# Gives the prefix Wine's own fonts (marlett draws the caption buttons;
# Debian's wine does not look in fonts-wine's folder by itself) and maps the
# faces above onto installed fonts: one registry import, about a second.
wine_session_fonts() {
  local wine_fonts=/usr/share/wine/fonts entry
  [ -d "$wine_fonts" ] && ln -sf "$wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
  {
    printf '\xff\xfe'
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      for entry in "${WINE_SESSION_FACES[@]}"; do
        printf '"%s"="%s"\r\n' "${entry%%=*}" "${entry#*=}"
      done
    } | iconv -f UTF-8 -t UTF-16LE
  } >"$WINEPREFIX/drive_c/numerel-fonts.reg"
  "$NUMEREL_WINE" reg import 'C:\numerel-fonts.reg' </dev/null >/dev/null 2>&1 || return 1
  rm -f "$WINEPREFIX/drive_c/numerel-fonts.reg"
}

# Uses (and on first use creates) a prefix of the chosen architecture
# (wine_session_choose_arch, called here when it has not been) in $1, then
# keeps its wineserver running so every later Wine start is quick. With $2
# "unmanaged" Wine leaves its windows to no window manager: on a bare Xvfb
# that saves a two-second wait each time a window is hidden or destroyed.
# .numerel-ready holds the architecture and the font list's version; a
# prefix of an older font list only gets the fonts again.
wine_session_prefix() {
  [ -n "${NUMEREL_WINE:-}" ] || wine_session_choose_arch
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wine_session_check_owner "$WINEPREFIX" || return 1
  local ready
  ready=$(cat "$WINEPREFIX/.numerel-ready" 2>/dev/null) || ready=""
  # A prefix made for the other architecture is made anew.
  if [ "${ready%% *}" != "$WINEARCH" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$NUMEREL_WINE" wineboot -i </dev/null >/dev/null 2>&1 || return 1
    # A crash must fail the run, not wait on a dialog.
    "$NUMEREL_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1 || return 1
    if [ "${2:-}" = unmanaged ]; then
      "$NUMEREL_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || return 1
    fi
    ready=$WINEARCH
  fi
  if [ "$ready" != "$WINEARCH $WINE_SESSION_FONTS" ]; then
    wine_session_fonts || return 1
    wineserver -w
    echo "$WINEARCH $WINE_SESSION_FONTS" >"$WINEPREFIX/.numerel-ready"
  fi
  # The server and Wine's own services outlive the program that starts them:
  # start them here with no terminal or pipe of ours as their output.
  wineserver -p </dev/null >/dev/null 2>&1
  "$NUMEREL_WINE" wineboot </dev/null >/dev/null 2>&1
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$WINE_SESSION_XVFB_PID" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=""
  fi
}
