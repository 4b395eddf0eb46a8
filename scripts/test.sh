#!/usr/bin/env bash
# Installs what is missing, builds Chimewise and runs every test: the normal build, the
# formatting check, a second build under AddressSanitizer and UBSan, and a third, of the
# sound and voice tests only, under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
jobs=$(nproc)

echo "== Formatting"
{ git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find app clockface speech practice platform tests bench pictures -name '*.cpp' -o -name '*.h'; } |
    xargs clang-format --dry-run --Werror

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DCHIMEWISE_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCHIMEWISE_SANITIZE=ON -DBUILD_TESTING=ON -DCHIMEWISE_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Build and test the sound and voice with ThreadSanitizer"
sound_tests=(test_voice test_filewaveplayer test_badsounds test_audio_live test_audio_live_voice
    test_audio_live_storm)
export TSAN_OPTIONS=suppressions=$PWD/tests/tsan.supp:halt_on_error=1:second_deadlock_stack=1
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DCHIMEWISE_TSAN=ON -DBUILD_TESTING=ON -DCHIMEWISE_WERROR=ON >/dev/null
cmake --build build-tsan -j"$jobs" --target "${sound_tests[@]}"
ctest --test-dir build-tsan --output-on-failure -j"$jobs" \
    -R "^($(IFS='|'; echo "${sound_tests[*]}"))\$"
