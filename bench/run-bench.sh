#!/bin/sh
# Every figure in one run, against a private sound server and a virtual 1280x800 screen:
# start-up (first frame, pause, memory, idle processor use), click to repaint, and the
# tick and speech latencies. Usage: bench/run-bench.sh [build-folder] (default: build).
# To compare builds, as heard and clicked from outside: run-sound-bench.sh.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target chimewise bench_startup bench_bare_window bench_click \
    bench_audio_latency >/dev/null
cd "$build"
"$here/../tests/with-pulse.sh" sh -c "
    '$here/with-screen.sh' '$build/bench/bench_startup' '$build/chimewise' \
        '$build/bench/bench_bare_window' 20 &&
    QT_QPA_PLATFORM=offscreen '$build/bench/bench_click' &&
    '$build/bench/bench_audio_latency'"
