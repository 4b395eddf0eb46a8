#!/usr/bin/env bash
# Installs what is missing, builds Chimewise and runs every test: the formatting check, the
# normal build and all its tests, a second build under AddressSanitizer and UBSan of the
# tests that run threads or read input, and a third, of the sound and voice tests, under
# ThreadSanitizer. Each build's tests run while the next build compiles, so both cores stay
# busy; the tests do not depend on how busy the machine is. Says how long each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs=$(nproc)
logs=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-test.XXXXXX")
# A stage that fails ends the one running beside it.
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$logs"' EXIT
times=()
began=$(date +%s)

now() { date +%s; }

# stage NAME COMMAND...: runs it, says how long it took, and stops everything if it failed.
stage() {
    local name=$1 start
    shift
    echo "== $name"
    start=$(now)
    "$@" || { echo "== $name failed after $(($(now) - start)) s"; exit 1; }
    times+=("$(printf '%-44s %4d s' "$name" $(($(now) - start)))")
}

# The same, in the background, its output kept until it ends: started with `begin`, its
# outcome told by `finish`, so another stage can run meanwhile.
declare -A started pids
begin() {
    local name=$1
    shift
    started[$name]=$(now)
    ("$@") >"$logs/$name.log" 2>&1 &
    pids[$name]=$!
}
finish() {
    local name=$1 status=0
    wait "${pids[$name]}" || status=$?
    echo "== $name"
    cat "$logs/$name.log"
    [ $status -eq 0 ] || { echo "== $name failed after $(($(now) - ${started[$name]})) s"; exit 1; }
    times+=("$(printf '%-44s %4d s' "$name" $(($(now) - ${started[$name]})))")
}

# Ninja keeps both cores busy across targets; a folder made before keeps its generator.
generator() {
    if [ -f "$1/CMakeCache.txt" ]; then
        sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$1/CMakeCache.txt"
    elif command -v ninja >/dev/null; then
        echo Ninja
    else
        echo "Unix Makefiles"
    fi
}
configure() {
    local dir=$1
    shift
    local linker=()
    command -v ld.lld >/dev/null && linker=(-DCHIMEWISE_LINKER=lld)
    cmake -S . -B "$dir" -G "$(generator "$dir")" -DBUILD_TESTING=ON -DCHIMEWISE_WERROR=ON \
        "${linker[@]}" "$@" >/dev/null
}
configure_all() {
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
        configure build-asan -DCMAKE_BUILD_TYPE=Debug -DCHIMEWISE_SANITIZE=ON &&
        configure build-tsan -DCMAKE_BUILD_TYPE=Debug -DCHIMEWISE_TSAN=ON
}
build() { cmake --build "$1" -j"$jobs"; }
check() { ctest --test-dir "$1" --output-on-failure -j"$jobs"; }

formatting() {
    { git ls-files '*.cpp' '*.h' 2>/dev/null ||
        find app clockface speech practice platform tests bench pictures -name '*.cpp' -o -name '*.h'; } |
        xargs clang-format --dry-run --Werror
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
# A voice tries its data in a forked child, where espeak-ng starts a thread of its own.
export TSAN_OPTIONS=suppressions=$PWD/tests/tsan.supp:halt_on_error=1:second_deadlock_stack=1:die_after_fork=0

stage "Formatting" formatting
stage "Configure the three builds" configure_all
stage "Build" build build
begin "Test" check build
stage "Build with AddressSanitizer and UBSan" build build-asan
finish "Test"
begin "Test with AddressSanitizer and UBSan" check build-asan
stage "Build with ThreadSanitizer" build build-tsan
finish "Test with AddressSanitizer and UBSan"
stage "Test with ThreadSanitizer" check build-tsan

echo "== Times (each test stage ran beside the next build)"
printf '%s\n' "${times[@]}"
printf '%-44s %4d s\n' "All" $(($(now) - began))
