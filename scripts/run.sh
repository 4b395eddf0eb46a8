#!/usr/bin/env bash
# Installs what is missing, builds Chimewise and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHIMEWISE_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)" --target chimewise
# The program finds its tick sounds in sounds/ under its working folder.
cd build
exec ./chimewise "$@"
