#!/bin/sh
# Runs a command on a private virtual screen of 1280 x 800, whose display number the X server
# chooses itself (-displayfd), so no two tests ever race for one. The command sees DISPLAY;
# the server ends with it. Exit status: the command's own.
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 command [args...]" >&2
    exit 2
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-x.XXXXXX") || exit 1
mkfifo "$base/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$base/display" 2>"$base/log" &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -rf "$base"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server writes its number once it takes connections; nothing, if it could not start.
read -r number <"$base/display"
if [ -z "$number" ]; then
    echo "with-display.sh: the virtual screen did not start:" >&2
    cat "$base/log" >&2
    exit 1
fi
export DISPLAY=":$number"
"$@"
