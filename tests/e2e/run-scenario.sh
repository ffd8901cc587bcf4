#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. The prefix and the display come from the
# caller (scripts/test.sh prepares both); Wine's debug chatter is silenced.
#
# Wine's helper processes (services, winedevice, plugplay) started during a scenario inherit its
# output and outlive it, so CTest would wait for them until the timeout. The output goes through
# a file instead and is printed once the scenario has ended. Saving a shell link would start the
# menu builder, which never ends; the scenarios need no menu entries.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name a prepared prefix (scripts/wine-prefix.sh)}"
: "${DISPLAY:?DISPLAY must name an X display (scripts/test.sh starts Xvfb)}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
output="$(mktemp)"
trap 'cat "$output"; rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1 </dev/null
# A server that died under the scenario took the program's windows and processes with it: what
# the scenario saw afterwards proves nothing, even where the test program itself exited 0.
if grep -q 'wineserver crashed' "$output"; then
  echo "run-scenario.sh: the wineserver crashed during the scenario" >&2
  exit 1
fi
