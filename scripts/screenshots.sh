#!/bin/bash
# Takes the README's pictures of the window at 100 % and 150 % display scale
# (docs/screenshot.png, docs/screenshot-150.png) under Wine and a private
# Xvfb, with a prefix of its own so the scale does not leak into the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target kelvara webd_standin >/dev/null
prefix=$PWD/build/screenshots/wineprefix
scripts/wine-run.sh "$prefix"
folder=$prefix/drive_c/Kelvara
mkdir -p "$folder"
cp build/win64/bin/kelvara.exe "$folder/kelvara.exe"

export KELVARA_SCREEN=2560x1440
. scripts/display.sh
start_display
trap stop_display EXIT
for dpi in 96 144; do
    scripts/wine-run.sh "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    scripts/wine-run.sh "$prefix" 'C:\Kelvara\kelvara.exe' &
    app=$!
    sleep 6
    # The window is centred; a margin of its own size around it.
    w=$(((920 * dpi + 48) / 96 + 40)) h=$(((279 * dpi + 48) / 96 + 40))
    name=docs/screenshot.png
    [ "$dpi" = 96 ] || name=docs/screenshot-$((dpi * 100 / 96)).png
    import -window root -crop "${w}x${h}+$(((2560 - w) / 2))+$(((1440 - h) / 2))" +repage "$name"
    echo "screenshots: $name at $dpi DPI"
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    wait "$app" 2>/dev/null || true
done
