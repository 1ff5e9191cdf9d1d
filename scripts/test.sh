#!/bin/bash
# The whole test run: installs what is missing, then builds and runs every
# lane — native (gcc, ASan/UBSan), fuzz (clang, libFuzzer), and the Windows
# build under Wine with code page 936 — and prints a summary per lane. Any lane
# that fails or cannot run fails the whole command.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
fuzz_seconds=${KELVARA_FUZZ_SECONDS:-5}

bash scripts/setup.sh || { echo "test: setup failed" >&2; exit 1; }

declare -A result
lanes=(native fuzz win64)
overall=0

lane() {  # lane NAME COMMAND...
    local name=$1
    shift
    echo
    echo "=== lane $name"
    local start=$SECONDS
    if "$@"; then
        result[$name]="passed ($((SECONDS - start)) s)"
    else
        result[$name]="FAILED ($((SECONDS - start)) s)"
        overall=1
    fi
}

native_lane() {
    cmake --preset native >/dev/null &&
        cmake --build --preset native &&
        ctest --preset native
}

fuzz_lane() {
    cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || return 1
    local t ok=0
    for t in fuzz_text fuzz_path_validity fuzz_config_text; do
        mkdir -p "build/fuzz/corpus/$t"
        if build/fuzz/tests/fuzz/$t "build/fuzz/corpus/$t" "tests/fuzz/seeds/$t" \
            -max_total_time="$fuzz_seconds" -print_final_stats=0 >"build/fuzz/$t.log" 2>&1; then
            echo "fuzz: $t $(grep -o 'Done [0-9]* runs' "build/fuzz/$t.log")"
        else
            echo "fuzz: $t FAILED"; tail -30 "build/fuzz/$t.log"; ok=1
        fi
    done
    return $ok
}

win64_lane() {
    cmake --preset win64 >/dev/null && cmake --build --preset win64 || return 1
    local prefix=$root/build/win64/wineprefix
    scripts/wine-run.sh "$prefix" || return 1
    scripts/full-drive.sh "$prefix" up
    local own_display=
    if [ -z "${DISPLAY:-}" ]; then
        . scripts/display.sh
        start_display || return 1
        own_display=1
    fi
    ctest --preset win64
    local status=$?
    [ -n "$own_display" ] && stop_display
    scripts/full-drive.sh "$prefix" down
    return $status
}

lane native native_lane
lane fuzz fuzz_lane
lane win64 win64_lane

echo
echo "=== summary"
for l in "${lanes[@]}"; do printf '%-8s %s\n' "$l" "${result[$l]}"; done
exit $overall
