#!/bin/bash
# Installs what building and testing need on Debian 12, and nothing when all
# of it is present. Run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev googletest
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    wine wine64 xvfb xauth openbox xdotool x11-utils
    fonts-wine fonts-wqy-microhei imagemagick locales python3 unzip
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_if_needed apt-get update -q
    # No recommends: they would pull in wine32, which is installed below
    # only where the kernel can run it.
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The 32-bit side (the i686 exe's tests): only where the kernel runs 32-bit
# programs. Elsewhere wine32 would make /usr/bin/wine pick a 32-bit loader
# that cannot start, and with it every 64-bit run too.
if python3 "$(dirname "$0")/probe-ia32.py" >/dev/null 2>&1; then
    if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
        echo "setup: installing wine32:i386 for the 32-bit tests"
        # Not fatal here: the 32-bit lane then fails and says why, the others run.
        {
            dpkg --print-foreign-architectures | grep -qx i386 || sudo_if_needed dpkg --add-architecture i386
            sudo_if_needed apt-get update -q &&
                sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386
        } || echo "setup: could not install wine32:i386; the 32-bit lane will fail" >&2
    fi
fi

# Wine takes code page 936 from LC_ALL=zh_CN.UTF-8 even without the locale,
# but then cannot name non-ASCII files on the Linux side (error 2): generate it.
if ! grep -qi '^zh_CN\.utf-\?8$' <<<"$(locale -a 2>/dev/null)"; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    sudo_if_needed localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
echo "setup: all tools present"
