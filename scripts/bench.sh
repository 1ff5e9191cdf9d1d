#!/bin/bash
# Measures kelvara.exe against two floors side by side under the same Wine
# and display (its own window without its logic, and a bare Win32 window),
# and the start-up scan as processes grow; prints tables of medians. Usage: bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target kelvara_bench same_window >/dev/null
# The screen of the earlier measurements: a larger one slows every start alike.
export KELVARA_SCREEN=${KELVARA_SCREEN:-1280x800}
exec scripts/wine-run.sh "$PWD/build/win64/wineprefix" build/win64/bin/kelvara_bench.exe "${1:-20}"
