#!/bin/sh
# The real editor killed after an edit: the next start offers the unsaved work, and Yes brings
# it back. Usage: recovery_program_test.sh MIRELA2 SCENARIO. Runs on a display of its own (Xvfb)
# under openbox and types with xdotool; exits 77 (skipped) when one of them is not installed.
set -u
mirela=$1
scenario=$2
for tool in Xvfb openbox xdotool; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done
dir=$(mktemp -d)
editor=
cleanup() {
    [ -n "$editor" ] && kill -9 $editor 2>/dev/null
    kill $wm $xvfb 2>/dev/null
    wait 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    ls -la "$copies" 2>/dev/null
    cat "$dir/editor.log" 2>/dev/null
    xdotool getactivewindow getwindowname 2>/dev/null
    exit 1
}
# Waits up to 20 s for a shell condition.
within() {
    i=0
    while ! eval "$1"; do
        i=$((i + 1))
        [ $i -gt 200 ] && return 1
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
within '[ -s "$dir/display" ]' || fail "Xvfb did not start"
DISPLAY=:$(cat "$dir/display")
export DISPLAY
openbox --sm-disable --startup "touch $dir/wm-ready" >"$dir/wm.log" 2>&1 &
wm=$!
within '[ -e "$dir/wm-ready" ]' || fail "openbox did not start"

# A home of its own: the copies, the window placement and the recent files stay in it.
export HOME="$dir/home" XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config"
export QT_QPA_PLATFORM=xcb ALSOFT_DRIVERS=null
copies="$XDG_DATA_HOME/vek2/obnova"
mkdir -p "$HOME" "$dir/work"
cp "$scenario" "$dir/work/hra.scn"
cd "$dir/work"

start_editor() {
    "$mirela" hra.scn >>"$dir/editor.log" 2>&1 &
    editor=$!
}
activate_editor() {
    window=$(xdotool search --onlyvisible --name "Editor sc" | tail -1)
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    within '[ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]' || fail "editor not active"
    sleep 0.3
}
copy_holds_new_window() {
    for f in "$copies"/*.scn; do
        [ -e "$f" ] && grep -aq "NOVEOKNO=Nov" "$f" && return 0
    done
    return 1
}

start_editor
within 'xdotool search --onlyvisible --name "Editor sc" >/dev/null 2>&1' || fail "no editor window"
activate_editor
xdotool key Insert  # a new window, from the window selector that has the focus at start
within copy_holds_new_window || fail "no recovery copy with the new window"
kill -9 $editor
wait $editor 2>/dev/null
editor=

start_editor
within 'xdotool search --onlyvisible --name "^Ot" >/dev/null 2>&1' || fail "no question at start"
question=$(xdotool search --onlyvisible --name "^Ot" | head -1)
xdotool windowactivate --sync $question >/dev/null 2>&1
xdotool key --window $question Return 2>/dev/null  # "Yes", the default
within '! xdotool search --onlyvisible --name "^Ot" >/dev/null 2>&1' || fail "the question stays"
activate_editor
# Saved to the scenario's own file. On a busy machine the key may come while the restored
# scenario is still being taken in and go nowhere: pressed again, as a person would.
saved() {
    xdotool key ctrl+s
    within 'grep -aq "NOVEOKNO=Nov" hra.scn' 2>/dev/null
}
saved || { activate_editor && saved; } || fail "the restored edit was not saved into hra.scn"
within '[ -z "$(ls -A "$copies")" ]' || fail "the save left a copy behind"
activate_editor
xdotool key alt+F4  # openbox asks the window to close, as the title bar's button does
within '! kill -0 $editor 2>/dev/null' || fail "the editor did not end"
wait $editor
status=$?
editor=
[ $status -eq 0 ] || fail "the editor ended with $status"
echo "recovered and saved"
