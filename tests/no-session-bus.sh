#!/usr/bin/env bash
# Runs the program on a virtual screen with no session bus, as in a kiosk or a bare X
# session, and checks that it starts no bus of its own and writes nothing: no new entry in
# a home, a temporary folder and a runtime folder of its own, nor a bus socket in /tmp, and
# no dbus-launch or dbus-daemon left running for its display.
#   no-session-bus.sh <program>
set -euo pipefail
program=$(realpath "$1")
command -v dbus-launch >/dev/null ||
    { echo "dbus-launch is missing (scripts/deps.sh test installs it), so nothing is shown"; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-nobus.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/tmp" "$scratch/xvfb"
mkdir -m 700 "$scratch/run"
buses_before=$(ls -d /tmp/dbus-* 2>/dev/null || true)

# What the program sees: no bus address, and a runtime folder without a bus socket.
cat >"$scratch/run-it.sh" <<'INNER'
set -u
cd "$SCRATCH/tmp"
env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
    HOME="$SCRATCH/home" TMPDIR="$SCRATCH/tmp" XDG_RUNTIME_DIR="$SCRATCH/run" \
    PULSE_SERVER=unix:/nonexistent/chimewise-no-server \
    QT_LOGGING_RULES="chimewise.timing.info=true" \
    timeout -s TERM 4 "$PROGRAM" 2>"$SCRATCH/log"
# A bus started for the program is found by its display; give a late one time to appear.
sleep 1
for pid in $(pgrep -x dbus-launch) $(pgrep -x dbus-daemon); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
        echo "left running: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
        kill -KILL "$pid"
    fi
done >"$SCRATCH/left"
INNER
SCRATCH=$scratch PROGRAM=$program TMPDIR="$scratch/xvfb" \
    xvfb-run -a -s "-screen 0 1280x800x24" bash "$scratch/run-it.sh"

grep -q "milestone shown" "$scratch/log" || { echo "the program never showed its window:"; cat "$scratch/log"; exit 1; }
failed=0
if [ -s "$scratch/left" ]; then
    cat "$scratch/left"
    failed=1
fi
written=$(find "$scratch/home" "$scratch/tmp" "$scratch/run" -mindepth 1)
new_buses=$(comm -13 <(echo "$buses_before") <(ls -d /tmp/dbus-* 2>/dev/null || true))
if [ -n "$written$new_buses" ]; then
    echo "written:"
    printf '%s\n' $written $new_buses
    rm -rf $new_buses
    failed=1
fi
[ $failed -eq 0 ] && echo "no bus started, nothing written"
exit $failed
