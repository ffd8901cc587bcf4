#!/usr/bin/env bash
# Installs what is missing, builds Veilrunner, its demo screensavers, the installer and the
# portable zip, and starts Veilrunner under Wine. On your X display ($DISPLAY) it runs until you
# close it. Without a display, or with VR_SCREENSHOT_DISPLAY, it runs for a few seconds and leaves
# a screenshot.
#
#   VR_BUILD_DIR            build root (default: build)
#   WINEPREFIX              Wine prefix to run in (default: <build root>/run-prefix, created when missing)
#   VR_SCREENSHOT_DISPLAY   an X display for the screenshot run (default: a virtual one of its own)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
source "$repo/scripts/lib/virtual-display.sh"
source "$repo/scripts/lib/windows-build.sh"

bash "$repo/scripts/install-deps.sh"
configure_windows_build "$build/win"
cmake --build "$build/win" --target Veilrunner VeilrunnerScreensaver demo_savers installer portable_zip
echo "The installer and the portable zip are in $build/win"

export WINEPREFIX="${WINEPREFIX:-$build/run-prefix}" WINEDEBUG="${WINEDEBUG:--all}"
[[ -f "$WINEPREFIX/system.reg" ]] || bash "$repo/scripts/wine-prefix.sh"

# Installed like a user would: the program with Veilrunner.scr in its own folder (its settings
# live beside it), the screensavers in the system folder, where "Win + Sys" looks for them.
install_dir="$WINEPREFIX/drive_c/Program Files/Veilrunner"
mkdir -p "$install_dir"
cp "$build/win/Veilrunner.exe" "$build/win/Veilrunner.scr" "$install_dir/"
cp "$build/win/savers/demo/"*.scr "$WINEPREFIX/drive_c/windows/system32/"
program="C:\\Program Files\\Veilrunner\\Veilrunner.exe"

if [[ -z "${VR_SCREENSHOT_DISPLAY:-}" && -n "${DISPLAY:-}" ]]; then
  echo "Starting Veilrunner on $DISPLAY (prefix $WINEPREFIX)"
  exec wine "$program"
fi

if [[ -n "${VR_SCREENSHOT_DISPLAY:-}" ]]; then
  export DISPLAY="$VR_SCREENSHOT_DISPLAY"
else
  start_virtual_display
fi
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
echo "Ran Veilrunner on $DISPLAY for a few seconds; screenshot saved to $shot"
