#!/usr/bin/env bash
# Creates a fresh Wine prefix for the end-to-end tests at $WINEPREFIX. With --keep, a prefix
# that is there already is kept as it is and only given the test settings and fonts below. With
# --two-monitors, Wine takes the monitors from Xinerama (the two-monitor display's only source):
# its XRandR view of a nested Xephyr is one screen.
# Usage: WINEPREFIX=/abs/path bash scripts/wine-prefix.sh [--keep] [--two-monitors]
set -euo pipefail
keep=false
xrandr=Y
for option in "$@"; do
  case "$option" in
    --keep) keep=true ;;
    --two-monitors) xrandr=N ;;
    *) echo "unknown option $option" >&2; exit 2 ;;
  esac
done

: "${WINEPREFIX:?WINEPREFIX must name the prefix folder to create}"
case "$WINEPREFIX" in
  /*) ;;
  *) echo "WINEPREFIX must be an absolute path" >&2; exit 2 ;;
esac
export WINEPREFIX WINEDEBUG=-all

if ! $keep || [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  # Stop a server left over from an earlier run of the same prefix before wiping it.
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  # An empty override list keeps wineboot from offering to install Mono and Gecko.
  WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
fi

# Managed=N: without a window manager every top-level destroy otherwise stalls ~2 s, and Wine
# draws the frames itself so caption drags give real move messages.
# ShowCrashDialog=0: a crashing program would otherwise hang behind an invisible dialog.
# Wine has no "Microsoft Sans Serif", the windows' font, and would pick whatever sans serif face
# the host's fontconfig offers first; Tahoma (from fonts-wine, which Windows itself puts in for
# its dialogs) is TrueType, scales at every DPI and has the same ascent at 11 pixels.
settings="$(mktemp --suffix=.reg)"
trap 'rm -f "$settings"' EXIT
cat >"$settings" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"UseXRandR"="$xrandr"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"Microsoft Sans Serif"="Tahoma"
REG
wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1

# "MS Sans Serif" and "Tahoma" only resolve when their files lie in the prefix's font folder.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/* "$fonts/"

# Let the server write the registry to disk before anyone copies or inspects the prefix.
wineserver -w
