#!/usr/bin/env bash
# Signs a Release build with a throwaway certificate and checks that every file it ships carries
# a signature: the program, the playlist screensaver, the demo screensavers, the installer and, when WINEPREFIX names a
# prepared prefix, the uninstaller that the installer writes. Without a certificate the same
# build signs nothing.
#
#   signing.sh <multi-configuration build dir, reused when present>
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

version="$(sed -n 's/^project(Veilrunner VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")"
shipped=("$dir/Release/Veilrunner.exe" "$dir/Release/Veilrunner.scr")
for saver in Starfield Plasma Ribbons; do shipped+=("$dir/savers/demo/Release/$saver.scr"); done
shipped+=("$dir/installer/Release/ClosePlayers.exe")  # runs from the installer's temporary folder
shipped+=("$dir/Release/Veilrunner-$version-setup.exe")

# extract-signature will not overwrite its output.
signed() { rm -f "$work/signature"; osslsigncode extract-signature -in "$1" -out "$work/signature" >/dev/null 2>&1; }

build() {
  cmake -S "$repo" -B "$dir" -G "Ninja Multi-Config" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" "$@" >"$work/configure.log"
  cmake --build "$dir" --config Release --target installer portable_zip >/dev/null
}

# Unsigned: nothing carries a signature, and configuring says so.
build -DVR_SIGN_PKCS12= -DVR_SIGN_PASSWORD=
grep -q "Not signing" "$work/configure.log" || { echo "an unsigned build did not say it signs nothing"; exit 1; }
for file in "${shipped[@]}"; do
  if signed "$file"; then echo "signed without a certificate: $file"; exit 1; fi
done

# A throwaway code-signing certificate, valid for a day.
password="throwaway pass; \"quoted\""
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Veilrunner test signing" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/test.pfx" \
  -passout "pass:$password"

build -DVR_SIGN_PKCS12="$work/test.pfx" -DVR_SIGN_PASSWORD="$password"
status=0
for file in "${shipped[@]}"; do
  signed "$file" || { echo "no signature: $file"; status=1; }
done

# The uninstaller exists only once the installer has run: install into a folder of its own.
if [[ -n "${WINEPREFIX:-}" && -f "$WINEPREFIX/system.reg" ]]; then
  target="$WINEPREFIX/drive_c/signing-check"
  rm -rf "$target"
  WINEDEBUG=-all wine "${shipped[-1]}" /S '/D=C:\signing-check' >/dev/null 2>&1 || true
  if [[ -f "$target/uninstall.exe" ]]; then
    signed "$target/uninstall.exe" || { echo "no signature: the uninstaller"; status=1; }
    # The uninstaller goes on from a copy of itself: wait until it has taken the folder away.
    WINEDEBUG=-all wine "$target/uninstall.exe" /S >/dev/null 2>&1 || true
    for ((waited = 0; waited < 300; waited++)); do [[ -d "$target" ]] || break; sleep 0.1; done
  else
    echo "the signed installer did not install"; status=1
  fi
  rm -rf "$target"
else
  echo "no Wine prefix: the uninstaller's signature is not checked"
fi

# The certificate goes with this script; the folder's next build signs nothing.
cmake -S "$repo" -B "$dir" -DVR_SIGN_PKCS12= -DVR_SIGN_PASSWORD= >/dev/null
((status == 0)) && echo "signing: ${#shipped[@]} files and the uninstaller signed"
exit "$status"
