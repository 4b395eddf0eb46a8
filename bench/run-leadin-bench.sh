#!/bin/sh
# The study of how a tick is started at the sound server and what each way costs between
# sounds (bench_leadin), against a private sound server: on a quiet machine and beside two
# processes that keep both cores busy, then again with module-suspend-on-idle loaded, as a
# desktop has it (the first tick after the sink was suspended, and the cost between sounds).
#   bench/run-leadin-bench.sh [build-folder] [bench_leadin options]
# A full run takes about two hours; "--ticks 20 --gaps 0.1,0.3 --suspended 3" is a quick look.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
[ $# -gt 0 ] && shift
cmake --build "$build" --target bench_leadin >/dev/null
"$here/../tests/with-pulse.sh" sh -c '
    build=$1
    shift
    hogs=""
    trap "kill \$hogs 2>/dev/null" EXIT
    study() { "$build/bench/bench_leadin" "$build/sounds/1tic.wav" "$@"; }
    busy() { sha256sum /dev/zero & hogs="$hogs $!"; sha256sum /dev/zero & hogs="$hogs $!"; }
    load() { echo "   (load average $(cut -d" " -f1-3 /proc/loadavg), $(date +%H:%M))"; }
    echo "## quiet"
    load
    study "$@"
    busy
    echo "## two processes keeping both cores busy"
    load
    study "$@" --no-cpu
    kill $hogs && hogs=""
    pactl load-module module-suspend-on-idle >/dev/null
    echo "## quiet, module-suspend-on-idle loaded"
    load
    study "$@" --ticks 0
    busy
    echo "## two processes keeping both cores busy, module-suspend-on-idle loaded"
    load
    study "$@" --ticks 0 --no-cpu' - "$build" "$@"
