#!/bin/sh
# Measures how long after a request the program's sounds are heard, against a private
# sound server with a null sink. Usage: bench/run-audio-bench.sh [build-folder]
# (default: build, which must be configured already).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target bench_audio_latency >/dev/null
# Sounds are looked up in the working folder first, and the build keeps a copy there.
cd "$build"
exec "$here/../tests/with-pulse.sh" "$build/bench/bench_audio_latency"
