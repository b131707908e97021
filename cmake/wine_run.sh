#!/usr/bin/env bash
# Runs a Windows executable under Wine for ctest. The caller provides
# WINEPREFIX and DISPLAY (test.sh sets up both); Wine's CR LF output is
# turned into plain LF so ctest shows clean lines.
set -o pipefail
if [ -z "${DISPLAY:-}" ]; then
  echo "wine_run.sh: DISPLAY is not set (run the Windows tests through test.sh)" >&2
  exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine "$@" 2>&1 | tr -d '\r'
