#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. The prefix and the display come from the
# caller (scripts/test.sh prepares both); Wine's debug chatter is silenced.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name a prepared prefix (scripts/wine-prefix.sh)}"
: "${DISPLAY:?DISPLAY must name an X display (scripts/test.sh starts Xvfb)}"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
