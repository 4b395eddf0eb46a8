#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a scratch root and
# starts the program from there, in a folder without sounds/, to see that it finds its
# installed sound module and tick sounds; then once more without the module, which leaves
# it silent and saying why.
#   package-test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/chimewise-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/chimewise_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
# The sound module is loaded at run time, but the package's library scan must still see it.
for lib in libpulse0 libflite1 libsndfile1 libsamplerate0 libespeak-ng1; do
    case "$depends" in *"$lib "*) ;; *) echo "the package does not depend on $lib"; exit 1 ;; esac
done
command -v lintian >/dev/null || { echo "lintian is missing (scripts/deps.sh test installs it)"; exit 1; }
# Errors, warnings and the hardening and stripping notes fail the test; pedantic notes show.
lintian --pedantic --display-info --fail-on error,warning,info "$deb" 2>/dev/null
echo "lintian: clean"
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/bin/chimewise usr/share/chimewise/sounds/1tic.wav usr/share/chimewise/sounds/4tics.wav \
    usr/share/chimewise/sounds/softtic.wav usr/share/chimewise/sounds/chime.wav \
    usr/share/applications/org.example.chimewise.desktop \
    usr/share/metainfo/org.example.chimewise.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/org.example.chimewise.png \
    usr/share/man/man6/chimewise.6.gz usr/share/doc/chimewise/copyright; do
    [ -e "$scratch/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$scratch/root/usr/share/applications/org.example.chimewise.desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/org.example.chimewise.metainfo.xml"
fi

version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$scratch/root/usr/bin/chimewise" --version)
[ "$version" = "chimewise $(dpkg-deb -f "$deb" Version)" ] ||
    { echo "the program says '$version', the package $(dpkg-deb -f "$deb" Version)"; exit 1; }

mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
set +e
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="chimewise.sound.debug=true" \
    timeout -s TERM 8 "$scratch/root/usr/bin/chimewise" 2>"$scratch/log"
set -e
if grep -q "usr/share/chimewise/sounds/4tics.wav" "$scratch/log"; then
    echo "the installed program found its ticks"
else
    echo "the installed program did not find its ticks; its log:"
    cat "$scratch/log"
    exit 1
fi

module=$(find "$scratch/root" -name 'libchimewise-sound.so')
[ -n "$module" ] || { echo "missing from the package: the sound module"; exit 1; }
mv "$module" "$module.away"
set +e
QT_QPA_PLATFORM=offscreen timeout -s TERM 4 "$scratch/root/usr/bin/chimewise" 2>"$scratch/log"
status=$?
set -e
said=$(grep -c "No sound: cannot find libchimewise-sound.so" "$scratch/log" || true)
if [ "$status" -eq 124 ] && [ "$said" -eq 1 ]; then
    echo "without its sound module the program ran silently and said why once"
else
    echo "without its sound module the program ended with $status and said:"
    cat "$scratch/log"
    exit 1
fi
