#!/bin/bash
# Runs a Windows test program as the unprivileged user nobody, with a Wine
# prefix of its own: Wine run as root ignores the read-only attribute, which
# Windows enforces for every user. Without root to switch users, it says so
# and runs nothing. Usage: run-unprivileged.sh BUILD_FOLDER PROGRAM.exe [ARGS...]
# nobody's prefix and home lie under /tmp (the checkout may be where nobody
# cannot reach, a clone under /root, say), one per build folder.
set -euo pipefail
base=/tmp/kelvara-unprivileged-$(realpath -m "$1" | md5sum | cut -c1-12)
prefix=$base/prefix
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "run-unprivileged: not root, cannot switch to nobody: not run"
    exit 0
fi
program=$1
shift
# nobody gets its own copies of the program and the scripts.
here=$(dirname "$(realpath "$0")")
mkdir -p "$base/bin"
cp "$program" "$base/bin/"
cp "$here/wine-run.sh" "$here/display.sh" "$here/probe-ia32.py" "$base/bin/"
chown -R 65534:65534 "$base"
# A folder nobody may read but not write, as Program Files is for a user
# without administrator rights.
locked=$base/locked
mkdir -p "$locked"
printf 'conf-old' >"$locked/webd.conf"
printf 'bak-old' >"$locked/webd.conf.bak"
chown -R 0:0 "$locked"
chmod 755 "$locked"
chmod 644 "$locked/webd.conf" "$locked/webd.conf.bak"
cd "$base"
exec setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$base" USER=nobody KELVARA_UNPRIVILEGED=1 KELVARA_LOCKED_FOLDER="Z:${locked//\//\\}" \
    "$base/bin/wine-run.sh" "$prefix" "$base/bin/$(basename "$program")" "$@"
