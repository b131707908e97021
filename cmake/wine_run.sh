#!/usr/bin/env bash
# Runs a Windows executable under Wine for ctest. The caller provides
# WINEPREFIX and DISPLAY, and NUMEREL_WINE, the loader of the executable's
# architecture (test.sh sets up all three). The output goes through a
# file, not a pipe: Wine's helper processes may keep a pipe open after the
# program ends. Wine's CR LF line ends become LF.
if [ -z "${DISPLAY:-}" ]; then
  echo "wine_run.sh: DISPLAY is not set (run the Windows tests through test.sh)" >&2
  exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"${NUMEREL_WINE:-wine}" "$@" >"$output" 2>&1 </dev/null
status=$?
tr -d '\r' <"$output"
exit $status
