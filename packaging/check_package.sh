#!/usr/bin/env bash
# Checks the Debian package that scripts/package made, without installing it:
# unpacks it into a temporary root, checks its control fields and layout,
# validates the desktop entry and the metainfo, and starts the unpacked game
# on the offscreen platform until its main window has been drawn.
# Usage: packaging/check_package.sh [PACKAGE.deb]
set -euo pipefail
[ $# -gt 0 ] && deb=$(realpath "$1")
cd "$(dirname "$0")/.."
deb=${deb:-$(realpath build/package/kelmar_*.deb)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
root="$work/root"
dpkg-deb -x "$deb" "$root"

# Debian's own checks: no error and no warning.
lintian_rc=0
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || lintian_rc=$?
grep -v '^running with root privileges' "$work/lintian" || true
[ "$lintian_rc" -eq 0 ] || fail "lintian"

# The control fields.
[ "$(dpkg-deb -f "$deb" Package)" = kelmar ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-ipafont-gothic libqt6widgets6 libc6; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done

# The layout, and nothing of the tests or benchmarks.
for f in usr/games/kelmar usr/games/kelmar-sim usr/lib/games/kelmar/kelmar \
    usr/share/games/kelmar/Wrestler.txt usr/share/games/kelmar/Kelmar.hlp \
    usr/share/games/kelmar/rikishi-en.bmp usr/share/games/kelmar/title-en.bmp \
    usr/share/applications/org.example.kelmar.desktop \
    usr/share/metainfo/org.example.kelmar.metainfo.xml \
    usr/share/man/man6/kelmar.6.gz usr/share/man/man6/kelmar-sim.6.gz \
    usr/share/doc/kelmar/copyright usr/share/doc/kelmar/changelog.gz; do
    [ -e "$root/$f" ] || fail "$f not in the package"
done
for size in 48 256; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/kelmar.png" |
        grep -q "PNG image data, $size x $size" || fail "no $size px icon"
done
if dpkg-deb -c "$deb" | grep -Ei 'test|bench|gtest|\.a$'; then
    fail "the package holds test or benchmark files"
fi
head -n 1 "$root/usr/share/doc/kelmar/copyright" |
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright not in the machine-readable format"

# The desktop's metadata.
desktop-file-validate "$root/usr/share/applications/org.example.kelmar.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.kelmar.metainfo.xml"

# The unpacked game, started by its launcher into a fresh game folder: the
# program prints the time of its main window's first paint and ends
# (KELMAR_STARTUP_PROBE).
drawn=$(XDG_DATA_HOME="$work/home" KELMAR_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen \
    timeout 60 "$root/usr/games/kelmar" 2>"$work/stderr") || {
    cat "$work/stderr" >&2
    fail "the unpacked game did not draw its main window"
}
[[ "$drawn" =~ ^[0-9]+$ ]] || fail "the unpacked game printed \"$drawn\", not the time of a paint"
for f in Wrestler.txt Match.txt juryo.txt Kelmar.hlp Rank.txt; do
    [ -f "$work/home/kelmar/$f" ] || fail "the launcher did not put $f into the game folder"
done

# The simulator plays a basho from the shipped data files.
(cd "$root/usr/share/games/kelmar" && "$root/usr/games/kelmar-sim" --basho 1 >"$work/line") ||
    fail "kelmar-sim"
[ "$(wc -l <"$work/line")" -eq 1 ] || fail "kelmar-sim wrote no line"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes; Depends: $depends"
