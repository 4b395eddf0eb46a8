#!/bin/sh
# Runs a command on a private virtual screen of 1280 x 800 (Xvfb, no window manager), on a
# display number the X server picks itself, so runs side by side never take each other's.
# The command sees DISPLAY. Exit status: the command's own.
set -u
if [ $# -eq 0 ]; then
    echo "usage: $0 command [args...]" >&2
    exit 2
fi
fifo=$(mktemp -u "${TMPDIR:-/tmp}/chimewise-screen.XXXXXX")
mkfifo "$fifo" || exit 1
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fifo"' EXIT
trap 'exit 130' INT TERM
read -r display <"$fifo"
if [ -z "$display" ]; then
    echo "with-screen.sh: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=:$display "$@"
