#!/usr/bin/env bash
# Installs the Debian packages Chimewise needs that this machine lacks.
#   scripts/deps.sh run      what building and running need (and, on a machine without a
#                            display, the virtual screen xvfb-run needs)
#   scripts/deps.sh package  what building and making the Debian package need
#   scripts/deps.sh test     all of that, plus what the tests need
set -euo pipefail

# qt6-l10n-tools: lrelease, which turns the translations/*.ts into the texts the program embeds.
# libespeak-ng-dev and espeak-ng-data: the voice of German, French, Spanish and Dutch.
build_pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-l10n-tools libgl-dev flite1-dev
    libpulse-dev libsndfile1-dev libsamplerate0-dev libespeak-ng-dev espeak-ng-data
    fonts-comic-neue fonts-dejavu-core)
screen_pkgs=(xvfb xauth)
package_pkgs=(dpkg-dev file)
# ninja-build and lld: the test command's builds keep both cores busy and link in a fraction
# of the time.
test_pkgs=(pulseaudio pulseaudio-utils sox imagemagick clang-format
    desktop-file-utils appstream lintian xdotool dbus-x11 ninja-build lld)

wanted=("${build_pkgs[@]}")
case "${1:-run}" in
run)
    why="To build and run Chimewise"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        wanted+=("${screen_pkgs[@]}")
        why="$why on a virtual screen (there is no display here)"
    fi
    ;;
package)
    wanted+=("${package_pkgs[@]}")
    why="To make the Chimewise package"
    ;;
test)
    wanted+=("${screen_pkgs[@]}" "${package_pkgs[@]}" "${test_pkgs[@]}")
    why="To build and test Chimewise"
    ;;
*)
    echo "usage: $0 run|package|test" >&2
    exit 2
    ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

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
echo "== $why, installing the Debian packages this machine lacks${as_root:+, through sudo}:"
echo "   ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
