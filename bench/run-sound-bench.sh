#!/bin/sh
# Start-up and sound figures of one or more builds of the program, in one run on one
# machine, so a change can be compared with the program before it. Each build gets a fresh
# virtual 1280x800 screen (no window manager) and a fresh private sound server, and is run
# from its own folder, where it finds its sounds.
#   bench/run-sound-bench.sh [bench_sound options] build-folder-or-executable...
#   e.g. bench/run-sound-bench.sh /tmp/before/build build
#        bench/run-sound-bench.sh --cycles 5 --quiet 10 --hung-rounds 1 build   (a quick look)
# Options (defaults): --cycles 20 (click cycles per phase), --quiet 60 (seconds of quiet
# before the lone click), --hung-rounds 3 and --hung-quiet 12 (clicks with the sound server
# stopped, each round after that many seconds of quiet), --language (the desktop's; e.g. de
# is handed to the program). A full run takes about 7 minutes per build. The benchmarks are
# built in this checkout's build folder (BENCH_BUILD to change it). Needs Xvfb,
# pulseaudio, parec, sha256sum and libxtst-dev.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
options=""
while [ $# -gt 0 ]; do
    case $1 in
    --*) options="$options $1 $2" && shift 2 ;;
    *) break ;;
    esac
done
if [ $# -eq 0 ]; then
    sed -n '2,14s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
if ! pkg-config --exists x11 xtst; then
    echo "bench_sound clicks through XTest: apt-get install libxtst-dev" >&2
    exit 1
fi
bench=${BENCH_BUILD:-$here/../build}
[ -f "$bench/CMakeCache.txt" ] || cmake -S "$here/.." -B "$bench" >/dev/null
cmake "$bench" >/dev/null # finds libxtst-dev if it came after configuring
cmake --build "$bench" --target bench_startup bench_bare_window bench_sound >/dev/null
bench=$(cd "$bench" && pwd)

for target in "$@"; do
    exe=$target
    [ -d "$exe" ] && exe=$exe/chimewise
    if [ ! -x "$exe" ]; then
        echo "no program at $exe" >&2
        exit 1
    fi
    exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
    echo
    echo "######## $exe ($(git -C "$(dirname "$exe")" log -1 --format='%h %s' 2>/dev/null || echo 'not in git'))"
    (cd "$(dirname "$exe")" &&
        "$here/../tests/with-pulse.sh" "$here/with-screen.sh" sh -c '
            # bench_sound stops the sound server for a moment; never leave it stopped.
            trap "kill -CONT \$PA_PID 2>/dev/null" EXIT
            trap "exit 130" INT TERM
            "$1/bench/bench_startup" "$2" "$1/bench/bench_bare_window" 20 &&
            "$1/bench/bench_sound" "$2" $3' - \
            "$bench" "$exe" "$options")
done
