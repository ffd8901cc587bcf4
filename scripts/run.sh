#!/usr/bin/env bash
# Installs what is missing, builds Veilrunner and its demo screensavers, and starts it under Wine.
# On your X display ($DISPLAY) it runs until you close it. Without a display it runs on a virtual
# one for a few seconds and leaves a screenshot.
#
#   VR_BUILD_DIR   build root (default: build)
#   WINEPREFIX     Wine prefix to run in (default: <build root>/run-prefix, created when missing)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
source "$repo/scripts/lib/virtual-display.sh"
source "$repo/scripts/lib/windows-build.sh"

bash "$repo/scripts/install-deps.sh"
configure_windows_build "$build/win"
cmake --build "$build/win" --target Veilrunner demo_savers

export WINEPREFIX="${WINEPREFIX:-$build/run-prefix}" WINEDEBUG="${WINEDEBUG:--all}"
[[ -f "$WINEPREFIX/system.reg" ]] || bash "$repo/scripts/wine-prefix.sh"

# Installed like a user would: the program in its own folder (its settings live beside it), the
# screensavers in the system folder, where "Win + Sys" looks for them.
install_dir="$WINEPREFIX/drive_c/Program Files/Veilrunner"
mkdir -p "$install_dir"
cp "$build/win/Veilrunner.exe" "$install_dir/"
cp "$build/win/savers/demo/"*.scr "$WINEPREFIX/drive_c/windows/system32/"
program="C:\\Program Files\\Veilrunner\\Veilrunner.exe"

if [[ -n "${DISPLAY:-}" ]]; then
  echo "Starting Veilrunner on $DISPLAY (prefix $WINEPREFIX)"
  exec wine "$program"
fi

start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
wine "$program" >/dev/null 2>&1 &
# Give it time to start, show its windows and play a preview.
for ((waited = 0; waited < 150; waited++)); do
  xdotool search --name "Quillion's Veilrunner" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 4
shot="$build/veilrunner-screenshot.png"
import -display "$DISPLAY" -window root "$shot"
echo "No display was given: ran Veilrunner on a virtual display; screenshot saved to $shot"
