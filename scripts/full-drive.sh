#!/bin/bash
# Maps a tiny tmpfs into the Wine prefix as drive K:, so that a test can fill
# it and see how a full disk is handled. Needs root for the mount; without it
# the test that wants K: says so and is skipped.
# Usage: full-drive.sh PREFIX_DIR {up|down}
set -euo pipefail
prefix=$(realpath -m "$1")
mountpoint=$prefix.full-drive
case "$2" in
    up)
        mkdir -p "$mountpoint" "$prefix/dosdevices"
        if ! mountpoint -q "$mountpoint"; then
            mount -t tmpfs -o size=256k tmpfs "$mountpoint" 2>/dev/null || { echo "full-drive: cannot mount (not root?)" >&2; exit 0; }
        fi
        touch "$mountpoint/kelvara-full-drive"
        ln -sfn "$mountpoint" "$prefix/dosdevices/k:"
        ;;
    down)
        rm -f "$prefix/dosdevices/k:"
        mountpoint -q "$mountpoint" && umount "$mountpoint" || true
        ;;
esac
