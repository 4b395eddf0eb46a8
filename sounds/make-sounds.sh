#!/bin/sh
# Makes the clock's tick and chime sounds with sox. The noise is seeded (-R), so running this again
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

# The soft tick of a hand landing on a mark while the child sets the clock: the same strike
# with half the body, so it is lighter and shorter, and about 19 dB quieter, since a drag
# makes several a second.
$sox -m -v 0.5 "$work/body.wav" -v 1 "$work/ring.wav" -v 0.5 "$work/click.wav" \
    -b 16 "$here/softtic.wav" gain -n -24 fade t 0 0.025 0.006

# The chime of a right answer: a small bell struck once, on C6 and C7, clear of the A5 and
# E6 of the chime the player makes when a file is missing, and three times as long, so the
# two are never confused. Its partials are a bell's (hum, prime, minor third, fifth,
# nominal); the higher ones die sooner, and a logarithmic fade gives each the quick drop and
# long tail of a struck bell.
partial() { # frequency, amplitude in dB, seconds its fade would take to silence
    $sox -n $fmt "$work/p$1.wav" synth "$3" sine "$1" gain "$2" fade l 0.002 "$3" "$3"
}
partial 1046.5 -14 2.4
partial 2093 -6 2.0
partial 2489 -16 1.2
partial 3136 -18 0.9
partial 4186 -20 0.6
$sox -m "$work/p1046.5.wav" "$work/p2093.wav" "$work/p2489.wav" "$work/p3136.wav" \
    "$work/p4186.wav" -b 16 "$here/chime.wav" trim 0 0.8 gain -n -6 fade t 0 0.8 0.15
