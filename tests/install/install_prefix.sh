#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the installation elsewhere, and plays the
# demo with the installed player from a fresh, empty home directory. The player must find its
# data relative to its own executable, play the demo with its recordings exactly as the build
# tree does, and write nothing outside the per-user game directory of that home.
#
#   install_prefix.sh BUILD_DIR WORK_DIR BUILT_VEK2 DEMO_CASE_DIR
set -euo pipefail

build=$1 work=$2 built_player=$3 demo=$4
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/first/usr" >"$work/install.log"
# Anywhere else works as well as where it was installed.
mkdir -p "$work/moved"
mv "$work/first/usr" "$work/moved/usr"
prefix=$work/moved/usr

while read -r file; do
    case "$file" in '' | '#'*) continue ;; esac
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done <"$here/installed-files.txt"
for name in vek.cfg sx00.wav temp .recordings.stamp; do
    [ ! -e "$prefix/share/vek2/$name" ] || fail "installed but written by a player: $name"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop entries"
else
    echo "desktop-file-validate not installed: desktop entries not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "AppStream"
else
    echo "appstreamcli not installed: AppStream metadata not validated"
fi

# What a desktop needs beyond what the validators check.
apps=$prefix/share/applications
grep -qx 'Categories=Game;AdventureGame;' "$apps/cz.kvelmora.VEK2.desktop" || fail "VEK2 not a game"
grep -qx 'Categories=Development;' "$apps/cz.kvelmora.Mirela2.desktop" || fail "Mirela2 category"
grep -qx 'Name\[cs\]=Upravit v editoru' "$apps/cz.kvelmora.VEK2.edit.desktop" ||
    fail "no \"Upravit v editoru\""
grep -qx 'Exec=Mirela2 %f' "$apps/cz.kvelmora.VEK2.edit.desktop" || fail "the editor's action"
covers() { # PAGE OPTION...: the installed manual page names every option
    local page=$1 text option
    shift
    text=$(zcat "$prefix/share/man/$page" | sed 's/\\-/-/g')
    for option in "$@"; do
        [[ "$text" == *"--$option"* ]] || fail "$page lacks --$option"
    done
}
for page in man6/VEK2.6.gz cs/man6/VEK2.6.gz; do
    covers "$page" walk seed timestamps trace help version
done
for page in man1/Mirela2.1.gz cs/man1/Mirela2.1.gz; do
    covers "$page" check export-text convert password encode plain help version
done

# The scenario type is recognised by its header even where another type claims "*.scn"; a double
# click plays it and the editor comes second.
if command -v update-mime-database >/dev/null && command -v update-desktop-database >/dev/null &&
    command -v gio >/dev/null && [ -f /usr/share/mime/packages/freedesktop.org.xml ]; then
    share=$work/share
    mkdir -p "$share/mime/packages"
    cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/"*.xml \
        "$share/mime/packages/"
    cp -R "$apps" "$share/applications"
    update-mime-database "$share/mime" >/dev/null 2>&1
    update-desktop-database "$share/applications"
    desktop=(env LC_ALL=C PATH="$prefix/bin:$PATH" XDG_DATA_DIRS="$share"
        XDG_DATA_HOME="$work/none" XDG_CONFIG_HOME="$work/none" XDG_CONFIG_DIRS="$work/none")
    type=$("${desktop[@]}" gio info -a standard::content-type "$prefix/share/vek2/borvatin.scn" |
        sed -n 's/.*content-type: //p')
    [ "$type" = application/x-vek2-scenario ] || fail "borvatin.scn recognised as '$type'"
    handlers=$("${desktop[@]}" gio mime application/x-vek2-scenario |
        sed -n '/^Registered/,/^Recommended/{s/^[[:space:]]\+//p}' | tr '\n' ' ')
    [ "$handlers" = "cz.kvelmora.VEK2.desktop cz.kvelmora.VEK2.edit.desktop " ] ||
        fail "scenario files open with: $handlers"
else
    echo "gio, update-mime-database or update-desktop-database missing: file type not checked"
fi

"$prefix/bin/Mirela2" --version >/dev/null || fail "the installed editor does not start"

# The reference: the build tree's player in a copy of the build's game directory.
mkdir -p "$work/reference"
cp -R "$build/game/." "$work/reference/"
(cd "$work/reference" &&
    "$built_player" --walk "$demo/keys.txt" --timestamps >"$work/reference.txt")

snapshot() { (cd "$prefix" && find . -printf '%p %y %s %T@\n' | sort); }
snapshot >"$work/prefix.before"
home=$work/home
mkdir -p "$home"
(cd "$home" && env -u XDG_DATA_HOME HOME="$home" \
    "$prefix/bin/VEK2" --walk "$demo/keys.txt" --timestamps >"$work/installed.txt")
# The installed demo opened by a double click: played from the installation, which it must not
# write to, with its positions in the per-user directory of another fresh home.
clicked=$work/clicked
mkdir -p "$clicked"
(cd "$clicked" && env -u XDG_DATA_HOME HOME="$clicked" "$prefix/bin/VEK2" --walk \
    "$demo/keys.txt" --timestamps "$prefix/share/vek2/borvatin.scn" >"$work/clicked.txt")
snapshot >"$work/prefix.after"

# Equal ticks mean equal recordings: a missing one would have been skipped at once.
diff -u "$work/reference.txt" "$work/installed.txt" || fail "the installed player plays differently"
diff -u "$work/reference.txt" "$work/clicked.txt" || fail "the clicked demo plays differently"
[ -f "$clicked/.local/share/vek2/vek.cfg" ] || fail "the clicked demo keeps no vek.cfg"
sed 's/^\[[0-9]*\] //' "$work/installed.txt" | diff -u "$demo/expected.txt" - ||
    fail "the installed player's transcript differs from the demo walkthrough"

diff -u "$work/prefix.before" "$work/prefix.after" || fail "the player wrote into its installation"
games=$home/.local/share/vek2
outside=$(cd "$home" && find . -mindepth 1 | grep -v -e '^\./\.local$' -e '^\./\.local/share$' \
    -e '^\./\.local/share/vek2\(/\|$\)' || true)
[ -z "$outside" ] || fail "written outside the per-user game directory: $outside"
[ -f "$games/vek.cfg" ] || fail "no vek.cfg in the per-user game directory"
[ -f "$games/sx00.wav" ] || fail "no sx00.wav in the per-user game directory"
[ -d "$games/temp" ] || fail "no temp folder in the per-user game directory"
[ "$(readlink "$games/wave")" = "$prefix/share/vek2/wave" ] ||
    fail "the default recordings are not linked: $(readlink "$games/wave")"

# The user's files and the player's own recordings, as a user who is not root: root may write
# into a read-only folder.
if [ "$(id -u)" != 0 ]; then
    bash "$here/user_files.sh" "$prefix" "$demo/keys.txt" "$work/reference.txt" "$work/user" ||
        fail "the user's files"
elif id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null; then
    # Somewhere that user can reach: the build may lie in a folder only root may enter.
    shared=$(mktemp -d)
    chmod 755 "$shared"
    cp -a "$prefix" "$shared/usr"
    cp "$demo/keys.txt" "$work/reference.txt" "$here/user_files.sh" "$shared/"
    mkdir "$shared/work"
    chown nobody "$shared/work"
    user_env=(env -u XDG_RUNTIME_DIR)
    suppressions=${LSAN_OPTIONS:-}
    suppressions=${suppressions#*suppressions=}
    suppressions=${suppressions%%:*}
    if [ -n "$suppressions" ] && [ -f "$suppressions" ]; then
        cp "$suppressions" "$shared/lsan.supp"
        user_env+=(LSAN_OPTIONS="suppressions=$shared/lsan.supp:print_suppressions=0")
    fi
    "${user_env[@]}" setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups \
        bash "$shared/user_files.sh" "$shared/usr" "$shared/keys.txt" "$shared/reference.txt" \
        "$shared/work" || fail "the user's files"
    rm -rf "$shared"
else
    echo "no user but root to play as: the user's files not checked"
fi

exit "$failed"
