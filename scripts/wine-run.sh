#!/bin/bash
# Runs one Windows program under Wine as the tests expect it: a project-local
# prefix (made once, beside the build), code page 936, no Wine debug output,
# and a display (a private Xvfb when none is set).
# Usage: wine-run.sh PREFIX_DIR [PROGRAM.exe [ARGS...]]
set -euo pipefail
prefix=$(realpath -m "$1")
shift

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts: the tool needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine=wine
if [ -x /usr/lib/wine/wine ]; then
    if python3 "$(dirname "$0")/probe-ia32.py" >/dev/null 2>&1; then
        # A prefix made before wine32 was installed has an empty syswow64
        # and cannot start 32-bit programs: make it anew.
        if [ -f "$prefix/system.reg" ] && ! ls "$prefix/drive_c/windows/syswow64/"*.dll >/dev/null 2>&1; then
            echo "wine-run: remaking $prefix for 32-bit programs" >&2
            wineserver -k 2>/dev/null || true
            rm -rf "$prefix"
        fi
    else
        # wine32 installed where 32-bit programs cannot run: /usr/bin/wine
        # would pick its loader and start nothing at all.
        wine=/usr/lib/wine/wine64
        export WINELOADER=$wine
    fi
fi

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            echo "wine-run: making the Wine prefix $prefix" >&2
            env LC_ALL=zh_CN.UTF-8 "$wine" wineboot -i >/dev/null 2>&1 || true
            wineserver -w || true
            [ -f "$prefix/system.reg" ] || { echo "wine-run: could not make $prefix" >&2; exit 1; }
        fi
    ) 9>"$prefix.lock"
fi

# With no program: only make the prefix.
[ $# -eq 0 ] && exit 0

if [ -z "${DISPLAY:-}" ]; then
    # shellcheck source=display.sh
    . "$(dirname "$0")/display.sh"
    start_display
    trap stop_display EXIT
fi

# LC_ALL through env: bash itself would warn that the locale is not generated,
# while Wine only needs the name to choose code page 936.
status=0
env LC_ALL=zh_CN.UTF-8 "$wine" "$@" || status=$?
exit "$status"
