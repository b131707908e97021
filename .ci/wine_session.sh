# Sourced by test.sh and run.sh: a private Wine prefix and, when needed, a
# private Xvfb display. Call wine_session_stop when done (both scripts do it
# from an EXIT trap).

WINE_SESSION_XVFB_PID=""
WINE_SESSION_CUPSD_PID=""
WINE_SESSION_CUPS_DIR=""
WINE_SESSION_CUPS_PDF_CONF=""
WINE_SESSION_PRINTER_TRIED=""

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
  [ -n "$WINE_SESSION_PRINTER_TRIED" ] || wine_session_start_printer private || true
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
  wine_session_stop_printer
  WINE_SESSION_PRINTER_TRIED=""
  if [ -n "$WINE_SESSION_XVFB_PID" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    WINE_SESSION_XVFB_PID=""
  fi
}

# Gives Wine a printer named "PDF" (the cups-pdf backend) as its default:
# starts a CUPS scheduler of this session's own, its configuration, spool,
# log and socket in a fresh folder under /tmp, and exports CUPS_SERVER, its
# socket. Wine asks CUPS for the printers each time a program loads its
# spooler, so this may run before or after the prefix starts. With $1
# "home" the PDF files go where /etc/cups/cups-pdf.conf says (~/PDF of the
# printing user); otherwise into a folder private to this session, exported
# as NUMEREL_PDF_DIR. Where that is not possible it says why on stderr and
# in NUMEREL_PDF_PRINTER_ERROR (the printing test reports it) and returns 1.
wine_session_start_printer() {
  local mode=${1:-private} ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd dir name uri tries need
  # Started by wine_session_as_sudo_user: root runs the printer, and its
  # variables (or the reason there is none) came with the environment.
  if [ -n "${NUMEREL_PRINTER_FROM_ROOT:-}" ]; then
    WINE_SESSION_PRINTER_TRIED=1
    [ -z "${NUMEREL_PDF_PRINTER_ERROR:-}" ]
    return
  fi
  WINE_SESSION_PRINTER_TRIED=1
  unset NUMEREL_PDF_DIR NUMEREL_PDF_PRINTER_ERROR
  if [ "$(id -u)" != 0 ]; then
    wine_session_printer_failed "the scheduler runs the cups-pdf backend as root: run as root"
    return 1
  fi
  for need in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf "$ppd" /usr/bin/lpstat; do
    [ -e "$need" ] || { wine_session_printer_failed "$need is missing (.ci/setup.sh installs it)"; return 1; }
  done
  dir=$(mktemp -d /tmp/numerel-cups.XXXXXX) || { wine_session_printer_failed "no folder under /tmp"; return 1; }
  WINE_SESSION_CUPS_DIR=$dir
  name=$(basename "$dir")
  # The backend's filters run as the user lp: they must reach the spool.
  chmod 755 "$dir"
  mkdir -p "$dir/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log"
  cp "$ppd" "$dir/ppd/PDF.ppd"
  cat >"$dir/cups-files.conf" <<EOF_FILES
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
EOF_FILES
  cat >"$dir/cupsd.conf" <<EOF_CUPSD
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
EOF_CUPSD
  uri=cups-pdf:/
  if [ "$mode" != home ]; then
    # cups-pdf reads /etc/cups/cups-pdf-NAME.conf for the device cups-pdf:/NAME.
    uri=cups-pdf:/$name
    WINE_SESSION_CUPS_PDF_CONF=/etc/cups/cups-pdf-$name.conf
    printf 'Out %s/pdf\n' "$dir" >"$WINE_SESSION_CUPS_PDF_CONF" ||
      { wine_session_printer_failed "cannot write $WINE_SESSION_CUPS_PDF_CONF"; return 1; }
    export NUMEREL_PDF_DIR=$dir/pdf
  fi
  cat >"$dir/printers.conf" <<EOF_PRINTERS
<DefaultPrinter PDF>
Info PDF
DeviceURI $uri
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
EOF_PRINTERS
  /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  WINE_SESSION_CUPSD_PID=$!
  export CUPS_SERVER=$dir/cups.sock
  for tries in $(seq 1 100); do
    if ! kill -0 "$WINE_SESSION_CUPSD_PID" 2>/dev/null; then
      wine_session_printer_failed "cupsd ended at once: $(cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -3)"
      return 1
    fi
    LC_ALL=C lpstat -d 2>/dev/null | grep -q 'destination: PDF$' && return 0
    sleep 0.05
  done
  wine_session_printer_failed "cupsd did not answer within 5 s: $(tail -3 "$dir/log/error_log" 2>/dev/null)"
  return 1
}

wine_session_printer_failed() {
  echo "wine_session: no PDF printer: $1" >&2
  export NUMEREL_PDF_PRINTER_ERROR="$1"
  unset NUMEREL_PDF_DIR
  wine_session_stop_printer
}

wine_session_stop_printer() {
  if [ -n "$WINE_SESSION_CUPSD_PID" ]; then
    kill "$WINE_SESSION_CUPSD_PID" 2>/dev/null || true
    wait "$WINE_SESSION_CUPSD_PID" 2>/dev/null || true
    WINE_SESSION_CUPSD_PID=""
  fi
  [ -n "$WINE_SESSION_CUPS_PDF_CONF" ] && rm -f "$WINE_SESSION_CUPS_PDF_CONF"
  if [ -n "$WINE_SESSION_CUPS_DIR" ]; then
    [ "${CUPS_SERVER:-}" = "$WINE_SESSION_CUPS_DIR/cups.sock" ] && unset CUPS_SERVER
    rm -rf "$WINE_SESSION_CUPS_DIR"
  fi
  WINE_SESSION_CUPS_PDF_CONF="" WINE_SESSION_CUPS_DIR=""
}

# Run as root through sudo: starts the PDF printer as root (the cups-pdf
# backend needs it; $1 is the printer's mode, as for
# wine_session_start_printer), runs the script $2 as the user who asked,
# with the printer's variables, then stops the printer, also when
# interrupted. Returns the script's status.
wine_session_as_sudo_user() {
  local mode=$1 script=$2 status=0 given=(NUMEREL_PRINTER_FROM_ROOT=1)
  trap wine_session_stop_printer EXIT
  trap 'exit 130' INT TERM
  if wine_session_start_printer "$mode"; then
    given+=(CUPS_SERVER="$CUPS_SERVER")
    if [ -n "${NUMEREL_PDF_DIR:-}" ]; then
      mkdir -p "$NUMEREL_PDF_DIR" && chown "$SUDO_USER" "$NUMEREL_PDF_DIR"
      given+=(NUMEREL_PDF_DIR="$NUMEREL_PDF_DIR")
    fi
  else
    given+=(NUMEREL_PDF_PRINTER_ERROR="$NUMEREL_PDF_PRINTER_ERROR")
  fi
  runuser -u "$SUDO_USER" -- env "${given[@]}" "$script" || status=$?
  wine_session_stop_printer
  return $status
}
