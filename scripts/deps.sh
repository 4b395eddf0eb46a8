#!/usr/bin/env bash
# Installs the Debian packages Chimewise needs that this machine lacks.
#   scripts/deps.sh run    what building and running need
#   scripts/deps.sh test   that, plus what the tests need
set -euo pipefail

build_pkgs=(cmake g++ make pkg-config qt6-base-dev libgl-dev flite1-dev libpulse-dev
    libsamplerate0-dev fonts-comic-neue fonts-dejavu-core)
test_pkgs=(libsndfile1-dev pulseaudio pulseaudio-utils sox xvfb xauth imagemagick clang-format
    desktop-file-utils appstream dpkg-dev file)

wanted=("${build_pkgs[@]}")
[ "${1:-run}" = test ] && wanted+=("${test_pkgs[@]}")

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These Debian packages are missing and I cannot install them without root or sudo:" >&2
    echo "  ${missing[*]}" >&2
    echo "Ask an administrator to run: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
