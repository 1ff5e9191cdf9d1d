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
lanes=(native fuzz win64 release win32)
overall=0

lane() {  # lane NAME COMMAND...
    local name=$1
    shift
    echo
    echo "=== lane $name"
    local start=$SECONDS
    if "$@"; then
        [ -n "${result[$name]:-}" ] || result[$name]="passed ($((SECONDS - start)) s)"
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

# The Windows tests of one build (win64 or win32) under Wine, with the small
# drive K: for the full-disk case and a display of their own when none is set.
windows_lane() {
    local arch=$1
    cmake --preset "$arch" >/dev/null && cmake --build --preset "$arch" || return 1
    local prefix=$root/build/$arch/wineprefix
    scripts/wine-run.sh "$prefix" || return 1
    scripts/full-drive.sh "$prefix" up
    local own_display=
    if [ -z "${DISPLAY:-}" ]; then
        . scripts/display.sh
        start_display || return 1
        own_display=1
    fi
    ctest --preset "$arch"
    local status=$?
    [ -n "$own_display" ] && stop_display
    scripts/full-drive.sh "$prefix" down
    return $status
}

win64_lane() { windows_lane win64; }

release_lane() {
    # Built twice in different folders: the packages must come out identical.
    bash scripts/release.sh build/release-check/a build/release-check/a-build >/dev/null &&
        bash scripts/release.sh build/release-check/b build/release-check/elsewhere/b-build >/dev/null || return 1
    local ok=0 f
    for f in build/release-check/a/*; do
        if cmp -s "$f" "build/release-check/b/$(basename "$f")"; then
            echo "release: $(basename "$f") identical on a second build"
        else
            echo "release: $(basename "$f") DIFFERS between two builds"; ok=1
        fi
    done
    # How the guide's name reads: GBK in the name field (Compressed Folders),
    # and through the Unicode Path field as unzip reads it. The listing is
    # read whole first: grep -q leaves at its first match, and unzip, which
    # writes line by line, would die of SIGPIPE and fail the pipeline.
    for f in build/release-check/a/*.zip; do
        python3 scripts/check-zip.py "$f" kelvara.exe 使用说明.txt || ok=1
        listing=$(LC_ALL=C.UTF-8 unzip -l "$f")
        if grep -q ' 使用说明\.txt$' <<<"$listing"; then
            echo "release: unzip -l $(basename "$f") lists 使用说明.txt"
        else
            echo "release: unzip -l $(basename "$f") does not list 使用说明.txt"; ok=1
        fi
    done
    scripts/check-exe.sh build/release-check/a-build/win64/bin/kelvara.exe x86_64-w64-mingw32-objdump 307200 || ok=1
    scripts/check-exe.sh build/release-check/a-build/win32/bin/kelvara.exe i686-w64-mingw32-objdump 358400 || ok=1
    return $ok
}

# The i686 exe and its tests under 32-bit Wine. Where the kernel cannot run
# 32-bit programs at all the lane says so, with the probe's own words, and
# does not pass; where it can, the lane must run (setup installed wine32).
win32_lane() {
    local probe
    if ! probe=$(python3 scripts/probe-ia32.py 2>&1); then
        result[win32]="NOT RUN: $probe; the 32-bit exe is built and checked in the release lane"
        return 0
    fi
    echo "win32: $probe"
    if [ ! -x /usr/lib/wine/wine ]; then
        echo "win32: 32-bit programs run here but wine32 is missing (setup should have installed it)" >&2
        return 1
    fi
    windows_lane win32
}

lane native native_lane
lane fuzz fuzz_lane
lane win64 win64_lane
lane release release_lane
lane win32 win32_lane

echo
echo "=== summary"
passed=0 failed=0 skipped=0
for l in "${lanes[@]}"; do
    printf '%-8s %s\n' "$l" "${result[$l]}"
    case "${result[$l]}" in
        passed*) passed=$((passed + 1)) ;;
        NOT\ RUN*) skipped=$((skipped + 1)) ;;
        *) failed=$((failed + 1)) ;;
    esac
done
echo "lanes: $passed passed, $failed failed, $skipped skipped"
exit $overall
