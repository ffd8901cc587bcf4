#!/usr/bin/env bash
# Signs a Release build and checks that every file it ships verifies against the certificate: the
# program, the playlist screensaver, the demo screensavers, the helper the installer carries, the
# installer and, when WINEPREFIX names a prepared prefix, the uninstaller that the installer
# writes. It signs with a .pfx whose password is in a file and no timestamp, which configuring
# must warn of, then with a key on a PKCS#11 token (a SoftHSM token made here) and timestamps
# from a server of its own on 127.0.0.1; neither the password nor the PIN may stand anywhere in
# the build folder. Without a key the same build signs nothing.
#
#   signing.sh <multi-configuration build dir, reused when present>
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dir="$1"
work="$(mktemp -d)"
stamps=""
trap '[[ -z "$stamps" ]] || kill "$stamps" 2>/dev/null; rm -rf "$work"' EXIT

version="$(sed -n 's/^project(Veilrunner VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")"
shipped=("$dir/Release/Veilrunner.exe" "$dir/Release/Veilrunner.scr")
for saver in Starfield Plasma Ribbons; do shipped+=("$dir/savers/demo/Release/$saver.scr"); done
shipped+=("$dir/installer/Release/ClosePlayers.exe")  # runs from the installer's temporary folder
shipped+=("$dir/Release/Veilrunner-$version-setup.exe")
no_key=(-DVR_SIGN_PKCS12= -DVR_SIGN_PASSWORD_FILE= -DVR_SIGN_PKCS11_MODULE= -DVR_SIGN_KEY= -DVR_SIGN_CERT=
        -DVR_SIGN_PIN_FILE= -DVR_SIGN_TIMESTAMP_URL=)

# extract-signature will not overwrite its output.
signed() { rm -f "$work/signature"; osslsigncode extract-signature -in "$1" -out "$work/signature" >/dev/null 2>&1; }
# verifies <file> <certificate>: the signature verifies, and is timestamped when the build stamps.
verifies() {
  osslsigncode verify -CAfile "$2" -TSA-CAfile "$work/tsa.pem" -in "$1" >"$work/verify.log" 2>&1 &&
    { [[ -z "$stamps" ]] || grep -q "Timestamp Server Signature verification: ok" "$work/verify.log"; } ||
    { cat "$work/verify.log"; false; }
}

build() {
  cmake -S "$repo" -B "$dir" -G "Ninja Multi-Config" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" "${no_key[@]}" "$@" >"$work/configure.log" 2>&1
  cmake --build "$dir" --config Release --target installer portable_zip >"$work/build.log" 2>&1 ||
    { cat "$work/build.log"; false; }
}

# <what> <certificate> <secret>: every shipped file verifies, and the secret is nowhere in the folder.
check() {
  local status=0 file
  if [[ -z "$stamps" ]] && ! grep -q "carry no timestamp" "$work/configure.log"; then
    echo "$1: configuring did not warn that the signatures carry no timestamp"; status=1
  fi
  for file in "${shipped[@]}"; do verifies "$file" "$2" || { echo "$1: does not verify: $file"; status=1; }; done
  if grep -rlF -- "$3" "$dir"; then echo "$1: the secret stands in the files above"; status=1; fi
  return "$status"
}

# A throwaway certificate, valid for a day: certificate <name> [extended key usage].
certificate() {
  openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Veilrunner test $1" \
    -addext "extendedKeyUsage=${2:-codeSigning}" -keyout "$work/$1.key" -out "$work/$1.pem" 2>/dev/null
}
certificate tsa critical,timeStamping

# Unsigned: nothing carries a signature, and configuring says so.
build
grep -q "Not signing" "$work/configure.log" || { echo "an unsigned build did not say it signs nothing"; exit 1; }
for file in "${shipped[@]}"; do
  if signed "$file"; then echo "signed without a key: $file"; exit 1; fi
done

status=0
checked="${#shipped[@]} files"
# A .pfx, its password in a file.
certificate pfx
password="pfx-$(openssl rand -hex 12) \"quoted\""
printf '%s\n' "$password" >"$work/password"
openssl pkcs12 -export -inkey "$work/pfx.key" -in "$work/pfx.pem" -out "$work/test.pfx" -passout "file:$work/password"
build -DVR_SIGN_PKCS12="$work/test.pfx" -DVR_SIGN_PASSWORD_FILE="$work/password"
check ".pfx" "$work/pfx.pem" "$password" || status=1

# A key on a token: a SoftHSM token of its own, in this folder, holding another certificate's key.
export SOFTHSM2_CONF="$work/softhsm2.conf"
mkdir "$work/tokens"
printf 'directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n' "$work/tokens" >"$SOFTHSM2_CONF"
module=""
for candidate in /usr/lib/softhsm/libsofthsm2.so /usr/lib/x86_64-linux-gnu/softhsm/libsofthsm2.so; do
  [[ -f "$candidate" ]] && module="$candidate" && break
done
[[ -n "$module" ]] || { echo "no SoftHSM module (Debian: apt-get install softhsm2)"; exit 1; }
pin="pin-$(openssl rand -hex 12)"
printf '%s\n' "$pin" >"$work/pin"
softhsm2-util --init-token --free --label veilrunner-test --pin "$pin" --so-pin "so-$pin" >/dev/null
certificate token
openssl pkcs8 -topk8 -nocrypt -in "$work/token.key" -out "$work/token.p8"
softhsm2-util --import "$work/token.p8" --token veilrunner-test --label signing --id 01 --pin "$pin" >/dev/null
rm "$work/token.key" "$work/token.p8"  # from here on the key is on the token only
# ...and every signature timestamped by an RFC 3161 server on this machine.
echo 01 >"$work/tsa.serial"
printf '%s\n' "[tsa]" "default_tsa = stamps" "[stamps]" "serial = $work/tsa.serial" \
  "signer_cert = $work/tsa.pem" "signer_key = $work/tsa.key" "signer_digest = sha256" \
  "default_policy = 1.2.3.4.1" "digests = sha256" "ess_cert_id_alg = sha256" >"$work/tsa.cnf"
python3 "$repo/scripts/checks/timestamp-server.py" "$work/tsa.cnf" "$work/tsa.port" &
stamps=$!
for ((waited = 0; waited < 300; waited++)); do [[ -s "$work/tsa.port" ]] && break; sleep 0.1; done
[[ -s "$work/tsa.port" ]] || { echo "the timestamp server did not start"; exit 1; }
export no_proxy=127.0.0.1 NO_PROXY=127.0.0.1
build -DVR_SIGN_PKCS11_MODULE="$module" -DVR_SIGN_KEY="pkcs11:token=veilrunner-test;object=signing;type=private" \
  -DVR_SIGN_CERT="$work/token.pem" -DVR_SIGN_PIN_FILE="$work/pin" \
  -DVR_SIGN_TIMESTAMP_URL="http://127.0.0.1:$(cat "$work/tsa.port")"
check "token" "$work/token.pem" "$pin" || status=1

# The uninstaller exists only once the installer has run: install into a folder of its own.
if [[ -n "${WINEPREFIX:-}" && -f "$WINEPREFIX/system.reg" ]]; then
  target="$WINEPREFIX/drive_c/signing-check"
  rm -rf "$target"
  WINEDEBUG=-all wine "${shipped[-1]}" /S '/D=C:\signing-check' >/dev/null 2>&1 || true
  if [[ -f "$target/uninstall.exe" ]]; then
    checked+=" and the uninstaller"
    verifies "$target/uninstall.exe" "$work/token.pem" || { echo "token: the uninstaller does not verify"; status=1; }
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

# The keys go with this script; the folder's next build signs nothing.
cmake -S "$repo" -B "$dir" "${no_key[@]}" >/dev/null 2>&1
((status == 0)) && echo "signing: $checked verify, from a .pfx and from a token with timestamps"
exit "$status"
