#!/bin/sh
# The study of how a tick is started at the sound server (bench_leadin), on a quiet machine
# and then beside two processes that keep both cores busy, against a private sound server.
#   bench/run-leadin-bench.sh [build-folder] [ticks per way]   (defaults: build, 200)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
ticks=${2:-200}
cmake --build "$build" --target bench_leadin >/dev/null
"$here/../tests/with-pulse.sh" sh -c '
    hogs=""
    trap "kill \$hogs 2>/dev/null" EXIT
    echo "## quiet"
    "$1/bench/bench_leadin" "$1/sounds/1tic.wav" "$2"
    sha256sum /dev/zero & hogs="$hogs $!"
    sha256sum /dev/zero & hogs="$hogs $!"
    echo "## two processes keeping both cores busy"
    "$1/bench/bench_leadin" "$1/sounds/1tic.wav" "$2"' - "$build" "$ticks"
