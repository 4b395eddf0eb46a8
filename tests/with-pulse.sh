#!/bin/sh
# Runs a command against a private PulseAudio server with one null sink, so sound tests
# can record what the program played. Works as root, without D-Bus or a display. The
# server's home and runtime folders live in a fresh temporary folder, removed afterwards.
#
# The command sees PULSE_SERVER (the socket) and PA_PID (the server, for tests that kill
# it). A test that starts a server of its own appends its pid to CHIMEWISE_EXTRA_SERVERS,
# so it is stopped here even if the test dies first. Exit status: the command's own.
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 command [args...]" >&2
    exit 2
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-pulse.XXXXXX") || exit 1
export HOME="$base/home" XDG_RUNTIME_DIR="$base/xdg"
# Qt wants the runtime folder to be private, as a session makes it.
mkdir -p "$HOME" && mkdir -p -m 700 "$XDG_RUNTIME_DIR/pulse" && chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
export CHIMEWISE_EXTRA_SERVERS="$base/extra-servers"

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$XDG_RUNTIME_DIR/pulse/native" \
    --load="module-null-sink sink_name=nullsink rate=48000" 2>"$base/pulse.log" &
PA_PID=$!
export PA_PID

cleanup() {
    kill "$PA_PID" 2>/dev/null
    wait "$PA_PID" 2>/dev/null
    if [ -f "$CHIMEWISE_EXTRA_SERVERS" ]; then
        while read -r pid; do
            kill "$pid" 2>/dev/null
        done <"$CHIMEWISE_EXTRA_SERVERS"
    fi
    rm -rf "$base"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ready=no
for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
        ready=yes
        break
    fi
    sleep 0.1
done
if [ "$ready" != yes ]; then
    echo "with-pulse.sh: the private sound server did not start:" >&2
    cat "$base/pulse.log" >&2
    exit 1
fi

"$@"
status=$?
exit $status
