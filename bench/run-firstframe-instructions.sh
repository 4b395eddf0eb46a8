#!/bin/sh
# The work each process does until its first frame, counted in instructions by callgrind
# (every thread, the program's own and the libraries'), for the program and the bare window,
# phase by phase. Unlike the milliseconds of run-bench.sh, which scatter by a tenth of the
# ratio between runs on a small machine, these counts stay within a few tenths of a percent
# whatever else the machine does, so a change of a few hundred microseconds shows. They count work,
# not waiting: the X server's time and the time a thread waits for another are not in them.
# Usage: bench/run-firstframe-instructions.sh [build-folder] (default: build). Needs valgrind.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
cmake --build "$build" --target chimewise chimewise-sound bench_bare_window >/dev/null
out=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-instructions.XXXXXX")
trap 'rm -rf "$out"' EXIT

# A dump before each milestone is logged: the first three are the work until the application
# object is made, until the window is shown, and until its first frame.
cat >"$out/run.sh" <<EOF
#!/bin/sh
cd '$build'
export QT_LOGGING_RULES=chimewise.timing.info=true DBUS_SESSION_BUS_ADDRESS=disabled:
for exe in chimewise bench/bench_bare_window; do
    name=\$(basename \$exe)
    valgrind --tool=callgrind --dump-before='logMilestone(char const*, std::chrono*' \\
        --callgrind-out-file="$out/\$name.%p" "./\$exe" >/dev/null 2>&1 &
    # Stopped once its first frame is counted, or after a minute.
    for _ in \$(seq 600); do
        ls "$out/\$name".*.3 >/dev/null 2>&1 && break
        sleep 0.1
    done
    kill \$! 2>/dev/null
    wait \$! 2>/dev/null || true
done
EOF
chmod +x "$out/run.sh"
"$here/../tests/with-pulse.sh" "$here/with-screen.sh" "$out/run.sh"

# Instructions in the n-th dump of a program, 0 when it has none.
phase() {
    file=$(ls "$out/$1".*."$2" 2>/dev/null | head -n 1)
    [ -n "$file" ] || { echo 0; return; }
    awk '/^(summary|totals):/ { print $2; exit }' "$file"
}
for name in chimewise bench_bare_window; do
    if ! ls "$out/$name".*.3 >/dev/null 2>&1; then
        echo "$name logged no first frame under valgrind" >&2
        exit 1
    fi
done
for n in 1 2 3; do
    echo "$n $(phase bench_bare_window $n) $(phase chimewise $n)"
done | awk '
    BEGIN { name[1] = "start -> application object made"; name[2] = "-> window shown"
            name[3] = "-> first frame"
            printf "%-34s %12s %12s\n", "millions of instructions", "bare window", "the program" }
    { printf "%-34s %12.1f %12.1f\n", name[$1], $2 / 1e6, $3 / 1e6; bare += $2; program += $3 }
    END { printf "%-34s %12.1f %12.1f   (%.2f x)\n", "start -> first frame", bare / 1e6,
                 program / 1e6, bare ? program / bare : 0 }'
