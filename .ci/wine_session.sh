# Sourced by test.sh and run.sh: a private Wine prefix and, when needed, a
# private Xvfb display. Call wine_session_stop when done (both scripts do it
# from an EXIT trap).

WINE_SESSION_XVFB_PID=""

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

# Uses (and on first use creates) the 32-bit prefix in directory $1, then
# keeps its wineserver running so every later Wine start is quick. With $2
# "unmanaged" Wine leaves its windows to no window manager: on a bare Xvfb
# that saves a two-second wait each time a window is hidden or destroyed.
wine_session_prefix() {
  export WINEPREFIX="$1"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -e "$WINEPREFIX/.numerel-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i </dev/null >/dev/null 2>&1 || return 1
    # A crash must fail the run, not wait on a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || return 1
    if [ "${2:-}" = unmanaged ]; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || return 1
    fi
    wineserver -w
    touch "$WINEPREFIX/.numerel-ready"
  fi
  # The server and Wine's own services outlive the program that starts them:
  # start them here with no terminal or pipe of ours as their output.
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot </dev/null >/dev/null 2>&1
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
