#!/bin/sh
# Makes the clock's tick sounds with sox. The noise is seeded (-R), so running this again
# gives byte-identical files.
#
# A tick is a 1.5 ms burst of noise struck through two narrow resonances, like a small
# wooden case knocked by the escapement: the low one (1.85 kHz) gives the body and rings
# for ~30 ms, the higher one (3.9 kHz) dies sooner, and a little high-passed noise gives
# the crisp attack. 16-bit PCM, because some players cannot read sox's default 32 bits; 48 kHz,
# the rate the program plays ticks at, so nothing is converted when it starts.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sox="sox -R"
fmt="-r 48000 -c 1 -b 16"

$sox -n $fmt "$work/strike.wav" synth 0.0015 whitenoise pad 0 0.0385
$sox "$work/strike.wav" "$work/body.wav" bandpass 1850 30q gain -n -6
$sox "$work/strike.wav" "$work/ring.wav" bandpass 3900 20q gain -n -12
$sox "$work/strike.wav" "$work/click.wav" highpass 2500 gain -n -10
$sox -m -v 1 "$work/body.wav" -v 1 "$work/ring.wav" -v 1 "$work/click.wav" \
    -b 16 "$here/1tic.wav" gain -n -6 fade t 0 0.04 0.008

# Four ticks a quarter of a second apart, one second in all.
$sox "$here/1tic.wav" "$work/slot.wav" pad 0 0.21
$sox "$work/slot.wav" "$work/slot.wav" "$work/slot.wav" "$work/slot.wav" -b 16 "$here/4tics.wav"
