#!/usr/bin/env bash
# Builds the benchmarks and runs them under Wine on a virtual display. They print figures only
# and never fail on a time.
#
#   bash bench/run.sh                 every benchmark
#   bash bench/run.sh player_bench    only the named ones
#
#   VR_BUILD_DIR   build root (default: build); the benchmarks use <root>/win and <root>/bench-prefix
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VR_BUILD_DIR:-$repo/build}"
[[ "$build" = /* ]] || build="$repo/$build"
source "$repo/scripts/lib/virtual-display.sh"
source "$repo/scripts/lib/two-monitor-display.sh"
source "$repo/scripts/lib/windows-build.sh"

benches=("$@")
if ((${#benches[@]} == 0)); then
  for source in "$repo"/bench/*.cpp; do benches+=("$(basename "$source" .cpp)"); done
fi

bash "$repo/scripts/install-deps.sh"
configure_windows_build "$build/win"
cmake --build "$build/win" --target "${benches[@]}"

start_virtual_display
export WINEPREFIX="$build/bench-prefix" WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; stop_two_monitor_display; stop_virtual_display' EXIT
bash "$repo/scripts/wine-prefix.sh"
rm -rf "$WINEPREFIX-two-monitors"
cp -a "$WINEPREFIX" "$WINEPREFIX-two-monitors"
# One server for the whole run, warmed up, as the end-to-end scenarios run.
wineserver -p
wine wineboot >/dev/null 2>&1
for bench in "${benches[@]}"; do
  echo "== $bench"
  wine "$build/win/bench/$bench.exe"
done
wineserver -k 2>/dev/null || true

# Veilrunner.scr on more than one monitor: the same benchmark on the display of two.
if [[ " ${benches[*]} " == *" screensaver_bench "* ]]; then
  echo "== screensaver_bench on two monitors"
  start_two_monitor_display
  export DISPLAY="$VR_TWO_MONITOR_DISPLAY" WINEPREFIX="$WINEPREFIX-two-monitors"
  bash "$repo/scripts/wine-prefix.sh" --keep --two-monitors
  wineserver -p
  wine wineboot >/dev/null 2>&1
  wine "$build/win/bench/screensaver_bench.exe"
fi
