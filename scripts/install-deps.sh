#!/usr/bin/env bash
# Installs what building and testing Veilrunner needs on Debian 12. Safe to run again: with
# everything present it only checks and returns.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(
  # native build and unit tests
  cmake ninja-build g++ make libgtest-dev googletest libjpeg-dev
  # the fuzz targets: Clang with its libFuzzer and sanitizer runtimes; with lld, the second
  # compiler of the Windows programs
  clang libclang-rt-dev lld
  # the Windows program, cross-compiled (googletest above also provides the sources built for it)
  g++-mingw-w64-x86-64-posix dpkg-dev
  # the Windows installer (3.08 brings the amd64-unicode stubs and plugins); signing it and the
  # programs, the throwaway certificates the test signs with, the token it signs from and the
  # timestamp server it stamps with
  nsis osslsigncode openssl softhsm2 libengine-pkcs11-openssl python3
  # running it: Wine on a virtual X display, with the fonts the program asks for
  wine wine64 fonts-wine xvfb x11-utils xdotool
  # two monitors side by side, nested in the virtual display, for the scenarios about them
  xserver-xephyr
  # screenshots
  imagemagick x11-apps
)

missing=()
for package in "${packages[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  # Root installs directly (a fresh container has no sudo); anyone else needs sudo for it.
  sudo=()
  if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}; run this as root or install sudo" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Libraries that Debian only packages for Linux are built for MinGW by scripts of their own.
if [[ -f "$repo/scripts/build-libjpeg-mingw.sh" ]]; then
  bash "$repo/scripts/build-libjpeg-mingw.sh"
fi
