#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests) in build-deb/ and makes
# the Debian package there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh package
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/chimewise_*.deb)
echo "The package is $PWD/$deb"
echo "Install it with: sudo apt install ./$deb"
