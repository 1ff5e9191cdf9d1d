#!/bin/bash
# Sets everything up, builds kelvara.exe and starts it under Wine in a folder
# of its own (C:\Kelvara in the build's Wine prefix) beside a stand-in
# webd.exe. With a display it stays open until you close it; without one it
# runs under a private Xvfb, saves a screenshot and closes again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target kelvara webd_standin

prefix=$PWD/build/win64/wineprefix
scripts/wine-run.sh "$prefix"
folder=$prefix/drive_c/Kelvara
mkdir -p "$folder"
cp build/win64/bin/kelvara.exe "$folder/kelvara.exe"
cp build/win64/bin/standin/webd.exe "$folder/webd.exe"
echo "run: C:\\Kelvara holds kelvara.exe and a stand-in webd.exe ($folder)"

if [ -n "${DISPLAY:-}" ]; then
    exec scripts/wine-run.sh "$prefix" 'C:\Kelvara\kelvara.exe'
fi

. scripts/display.sh
start_display
trap stop_display EXIT
scripts/wine-run.sh "$prefix" 'C:\Kelvara\kelvara.exe' &
app=$!
sleep 5
shot=$PWD/build/kelvara-screenshot.png
# The window is centred: cut its neighbourhood out of the screen.
screen_w=${kelvara_screen%x*} screen_h=${kelvara_screen#*x}
import -window root -crop "960x320+$(((screen_w - 960) / 2))+$(((screen_h - 320) / 2))" +repage "$shot"
echo "run: no display set; screenshot saved to $shot"
kill "$app" 2>/dev/null || true
pkill -f 'C:\\Kelvara\\kelvara.exe' 2>/dev/null || true
wait "$app" 2>/dev/null || true
