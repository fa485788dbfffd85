#!/bin/sh
# Runs a test program on a display of its own (Xvfb) under the openbox window manager, where
# windows are activated and given the focus as on a desktop. Exits 77 (skipped) when Xvfb or
# openbox is not installed.
if ! command -v Xvfb >/dev/null 2>&1 || ! command -v openbox >/dev/null 2>&1; then
    echo "Xvfb or openbox is not installed: skipped"
    exit 77
fi
dir=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
while [ ! -s "$dir/display" ]; do
    kill -0 $xvfb 2>/dev/null || { cat "$dir/xvfb.log"; exit 1; }
    sleep 0.05
done
DISPLAY=:$(cat "$dir/display")
export DISPLAY
# openbox runs its start-up command once it manages the screen.
openbox --sm-disable --startup "touch $dir/wm-ready" >"$dir/wm.log" 2>&1 &
wm=$!
while [ ! -e "$dir/wm-ready" ]; do
    kill -0 $wm 2>/dev/null || { cat "$dir/wm.log"; exit 1; }
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"
