#!/usr/bin/env bash
# Runs the program on a virtual screen with no session bus, as in a kiosk or a bare X
# session, and checks that it starts no bus of its own and writes nothing: no new entry in
# a home, a temporary folder and a runtime folder of its own, nor a bus socket in /tmp, and
# no dbus-launch or dbus-daemon left running for its display. Run through with-pulse.sh, it
# plays to that live server and must have reached it; otherwise there is no server at all.
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
if [ -n "${PA_PID:-}" ]; then
    server=$PULSE_SERVER
else
    server=unix:/nonexistent/chimewise-no-server
fi

# What the program sees: no bus address, and a runtime folder without a bus socket. It runs
# through start-up, which ends with the current time said, and then until the live server,
# if there is one, lists it as a client: libpulse has looked for its cookie by then.
cat >"$scratch/run-it.sh" <<'INNER'
set -u
cd "$SCRATCH/tmp"
env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME \
    HOME="$SCRATCH/home" TMPDIR="$SCRATCH/tmp" XDG_RUNTIME_DIR="$SCRATCH/run" \
    PULSE_SERVER="$SERVER" QT_LOGGING_RULES="chimewise.timing.info=true" \
    "$PROGRAM" 2>"$SCRATCH/log" &
program=$!
until grep -q "milestone announced" "$SCRATCH/log" || ! kill -0 "$program" 2>/dev/null; do
    sleep 0.1
done
if [ -n "${PA_PID:-}" ]; then
    until pactl list clients 2>/dev/null | grep -q 'application.name = "Chimewise"' ||
        ! kill -0 "$program" 2>/dev/null; do
        sleep 0.1
    done
    pactl list clients 2>/dev/null | grep -q 'application.name = "Chimewise"' &&
        touch "$SCRATCH/reached"
fi
kill -TERM "$program" 2>/dev/null
wait "$program"
# A bus started for the program is found by its display; give a late one time to appear.
sleep 1
for pid in $(pgrep -x dbus-launch) $(pgrep -x dbus-daemon); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
        echo "left running: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
        kill -KILL "$pid"
    fi
done >"$SCRATCH/left"
INNER
SCRATCH=$scratch PROGRAM=$program SERVER=$server TMPDIR="$scratch/xvfb" \
    "$(dirname "$0")/with-display.sh" bash "$scratch/run-it.sh"

grep -q "milestone shown" "$scratch/log" || { echo "the program never showed its window:"; cat "$scratch/log"; exit 1; }
failed=0
if [ -n "${PA_PID:-}" ] && [ ! -e "$scratch/reached" ]; then
    echo "the program never reached the sound server:"
    cat "$scratch/log"
    failed=1
fi
rm -f "$scratch/reached"
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
