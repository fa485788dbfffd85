#!/usr/bin/env bash
# Plays the demo with the installed player as an ordinary user, started the ways a desktop
# starts it, and checks that the user's own files stay untouched and that every game sounds as
# the build tree's (equal ticks mean equal recordings: a missing one would have been skipped):
#   - from a home folder that holds a scenario and a temp/ folder of the user's;
#   - a copy of the demo, without the player's own recordings, double-clicked in a writable
#     download folder and in a read-only folder;
#   - with a per-user game directory that cannot be made.
# Runs as the user who calls it; root may write into read-only folders, so install_prefix.sh
# calls it as another user.
#
#   user_files.sh PREFIX KEYS REFERENCE WORK_DIR
set -euo pipefail

prefix=$1 keys=$2 reference=$3 work=$4
player=$prefix/bin/VEK2
data=$prefix/share/vek2
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
trap 'chmod -R u+w "$work" 2>/dev/null || true' EXIT

# The files of a folder with their sizes and times (folders without their times), the per-user
# game directory left out.
snapshot() {
    (cd "$1" && find . -path ./.local -prune -o -type d -printf '%p d\n' -o \
        -printf '%p %y %s %T@\n' | LC_ALL=C sort)
}
# HOME DIR ARGS...: the walkthrough started in DIR by the user whose home is HOME.
play() {
    local home=$1 dir=$2
    shift 2
    (cd "$dir" && env -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$home" TMPDIR="$work/tmp" \
        "$player" --walk "$keys" --timestamps "$@")
}
# A copy of the demo as a downloaded game comes: the scenario with its recordings only.
demo_copy() {
    mkdir -p "$1"
    cp -RL "$data/." "$1/"
    rm -rf "$1/Help" "$1"/sx0*.wav "$1"/wave/tch*.wav "$1"/wave/[0-9].wav
    mkdir -p "$1/temp"
    printf 'zaloha' >"$1/temp/zaloha.tmp"
}

mkdir -p "$work/tmp"
home=$work/home
mkdir -p "$home/temp"
cp "$data/borvatin.scn" "$home/stazeny.scn"
printf 'zaloha' >"$home/temp/zaloha.tmp"
printf 'moje' >"$home/temp/kolekce.zvk.SZjdi.tmp"

# Started from the desktop menu, in a home folder that looks like a game directory.
before=$(snapshot "$home")
play "$home" "$home" >"$work/from-home.txt"
diff -u "$reference" "$work/from-home.txt" || fail "started at home, the demo plays differently"
[ "$(snapshot "$home")" = "$before" ] || fail "the home folder was changed"
[ -f "$home/.local/share/vek2/sx00.wav" ] || fail "no sx00.wav in the per-user game directory"

# Double-clicked in a writable folder: only the configuration and positions go beside it.
downloads=$home/Stažené
demo_copy "$downloads"
before=$(snapshot "$downloads")
play "$home" "$home" "$downloads/borvatin.scn" >"$work/downloads.txt"
diff -u "$reference" "$work/downloads.txt" ||
    fail "double-clicked in a writable folder, the demo plays differently"
after=$(snapshot "$downloads")
changed=$(comm -23 <(echo "$before") <(echo "$after"))
[ -z "$changed" ] || fail "changed or removed in the download folder: $changed"
added=$(comm -13 <(echo "$before") <(echo "$after") | cut -d' ' -f1 |
    grep -vx -e './vek\.cfg' -e './vek-volby\.cfg' -e './Pozice[0-9]\.sav' -e './autosave\.sav' ||
    true)
[ -z "$added" ] || fail "written into the download folder: $added"

# Double-clicked in a folder the user cannot write to: nothing changes there.
readonly_dir="$work/Hry z CD"
demo_copy "$readonly_dir"
chmod -R a-w "$readonly_dir"
before=$(snapshot "$readonly_dir")
play "$home" "$home" "$readonly_dir/borvatin.scn" >"$work/read-only.txt"
diff -u "$reference" "$work/read-only.txt" ||
    fail "double-clicked in a read-only folder, the demo plays differently"
[ "$(snapshot "$readonly_dir")" = "$before" ] || fail "the read-only folder was changed"
chmod -R u+w "$readonly_dir"

# A per-user game directory that cannot be made: said in a box, the game still plays, nothing is
# written into the home folder, and the directory made for the run is gone afterwards.
blocked=$work/blocked
mkdir -p "$blocked"
printf 'no folder' >"$blocked/.local"
before=$(find "$blocked" -printf '%p %s %T@\n' | LC_ALL=C sort)
play "$blocked" "$blocked" >"$work/blocked.txt"
grep -q '^\[0\] message Upozornění: Herní adresář nelze vytvořit' "$work/blocked.txt" ||
    fail "a per-user game directory that cannot be made is not told"
grep -v 'message Upozornění' "$work/blocked.txt" | diff -u "$reference" - ||
    fail "without a per-user game directory, the demo plays differently"
[ "$(find "$blocked" -printf '%p %s %T@\n' | LC_ALL=C sort)" = "$before" ] ||
    fail "written into the home folder without a per-user game directory"
[ -z "$(ls -A "$work/tmp")" ] || fail "left behind: $(ls -A "$work/tmp")"

exit "$failed"
