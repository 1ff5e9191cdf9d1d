#!/bin/bash
# Sourced: start_display starts a private Xvfb with the openbox window manager
# (frames drawn, no 2 s stalls when windows close) and exports DISPLAY;
# stop_display ends both. The screen is large enough for the window at
# 192 DPI (1840 px wide), which a smaller screen would clamp.
kelvara_screen=${KELVARA_SCREEN:-3840x2160}
_kelvara_xvfb_pid=
_kelvara_wm_pid=

start_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${kelvara_screen}x24" -nolisten tcp >/dev/null 2>&1 &
        _kelvara_xvfb_pid=$!
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$_kelvara_xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        if [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            if command -v openbox >/dev/null; then
                openbox >/dev/null 2>&1 &
                _kelvara_wm_pid=$!
                sleep 0.3
            fi
            return 0
        fi
    done
    echo "display: could not start Xvfb" >&2
    return 1
}

stop_display() {
    [ -n "$_kelvara_wm_pid" ] && kill "$_kelvara_wm_pid" 2>/dev/null
    # The display is gone: a later lane must not take the stale name for a live one.
    [ -n "$_kelvara_xvfb_pid" ] && kill "$_kelvara_xvfb_pid" 2>/dev/null && unset DISPLAY
    _kelvara_wm_pid=
    _kelvara_xvfb_pid=
    return 0
}
