#!/bin/sh
# Installs the game into a fresh prefix and starts the installed `kelmar`
# launcher twice: into an empty game folder, and into one holding the
# player's own saved game and top ten, which must come out untouched.
# Usage: install_test.sh <build dir> <source data dir>
set -eu
build=$1
source_data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
desktop=share/applications/org.example.kelmar.desktop
for f in games/kelmar lib/games/kelmar/kelmar share/games/kelmar/Wrestler.txt "$desktop" \
    share/icons/hicolor/48x48/apps/kelmar.png share/icons/hicolor/256x256/apps/kelmar.png; do
    [ -e "$work/prefix/$f" ] || fail "$f not installed"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/prefix/$desktop" || fail "desktop entry"
fi

# Starts the launcher. With KELMAR_STARTUP_PROBE the game prints the time of
# its main window's first paint and ends by itself: started is what has
# painted and ended with 0. A launcher or game that hangs is stopped by the
# timeout and fails, as does one that ends without painting.
start() {
    rc=0
    painted=$(XDG_DATA_HOME="$1" QT_QPA_PLATFORM=offscreen KELMAR_STARTUP_PROBE=1 \
        timeout 25 "$work/prefix/games/kelmar" 2>/dev/null) || rc=$?
    [ "$rc" -ne 124 ] || fail "the game did not start within 25 s (hung)"
    [ "$rc" -eq 0 ] || fail "the game ended with exit $rc"
    case $painted in
        '' | *[!0-9]*) fail "the game ended without painting its window (printed '$painted')" ;;
    esac
}

# A first start: the folder is made, the data copied, an empty top ten made.
start "$work/fresh"
folder="$work/fresh/kelmar"
for f in "$source_data"/*.txt; do
    name=$(basename "$f")
    [ "$name" = Rank.txt ] && continue
    cmp -s "$f" "$folder/$name" || fail "$name not copied"
done
[ "$(wc -l < "$folder/Rank.txt")" -eq 20 ] || fail "no empty top ten"

# The player's files stay as they are; a missing data file comes back.
mkdir -p "$work/player/kelmar"
printf 'mine\r\n' > "$work/player/kelmar/Kelmar.ini"
printf 'Tester\r\n4321\r\n' > "$work/player/kelmar/Rank.txt"
printf 'edited\r\n' > "$work/player/kelmar/juryo.txt"
start "$work/player"
[ "$(cat "$work/player/kelmar/Kelmar.ini")" = "$(printf 'mine\r')" ] || fail "Kelmar.ini overwritten"
[ "$(head -n 1 "$work/player/kelmar/Rank.txt")" = "$(printf 'Tester\r')" ] || fail "Rank.txt overwritten"
[ "$(cat "$work/player/kelmar/juryo.txt")" = "$(printf 'edited\r')" ] || fail "a present file overwritten"
cmp -s "$source_data/Match.txt" "$work/player/kelmar/Match.txt" || fail "Match.txt not copied"
echo "install and launcher: ok"
