#!/usr/bin/env bash
# Tries the three Debian packages on a clean Debian 12 made by mmdebstrap
# (variant minbase), as a user and a developer would: apt-get installs them
# with nothing but their dependencies, ostraval-ctl reads the simulated
# sensor, the window opens (offscreen), the ldconfig trigger has run, a small
# C program builds with pkg-config and talks to the library, and apt-get
# purge leaves none of their files behind.
#
# Needs root, mmdebstrap and Debian's mirror, and takes some minutes; it is
# not part of the test suite.
#
# usage: scripts/check-clean-root.sh [DEB-FOLDER]
#   Without a folder, builds the packages in build-deb/ as the README does.
set -euo pipefail
cd "$(dirname "$0")/.."
version=1.1.1
packages=(ostraval-config libkv3rapi1 libkv3rapi-dev)

if ! command -v mmdebstrap >/dev/null; then
    echo "mmdebstrap is not installed: apt-get install mmdebstrap" >&2
    exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "mmdebstrap needs root here: run this script as root" >&2
    exit 2
fi

debs=${1:-build-deb}
if [ $# -eq 0 ]; then
    cmake -S . -B build-deb -DBUILD_TESTING=OFF -DOSTRAVAL_HARDENING=ON
    cmake --build build-deb -j "$(nproc)"
    (cd build-deb && rm -f ./*.deb && cpack -G DEB)
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/clean-root"
for p in "${packages[@]}"; do
    cp "$debs/${p}_${version}_$(dpkg --print-architecture).deb" "$stage/clean-root/"
done

# What runs inside the new root.
cat >"$stage/clean-root/inside.sh" <<'INSIDE'
set -euo pipefail
cd /tmp/clean-root
export DEBIAN_FRONTEND=noninteractive
packages=(ostraval-config libkv3rapi1 libkv3rapi-dev)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

echo "== apt-get install of the three packages"
apt-get install -y ./*.deb >apt.log 2>&1 || { cat apt.log; echo "FAIL: apt-get install"; exit 1; }
sed -n '/NEW packages will be installed/,/upgraded,/p' apt.log
dpkg-query -L "${packages[@]}" | sort -u >owned

echo "== ostraval-ctl show"
ostraval-ctl show || fail "ostraval-ctl show"

echo "== the window opens and stays open (offscreen, 3 s)"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 ostraval-config >window.log 2>&1 || status=$?
[ $status -eq 124 ] || fail "ostraval-config ended with status $status: $(cat window.log)"

echo "== the ldconfig trigger has run"
ldconfig -p | grep 'libKV3RAPI.so.1 ' || fail "libKV3RAPI.so.1 is not in the linker cache"

echo "== a C program through pkg-config"
apt-get install -y --no-install-recommends gcc libc6-dev pkgconf >apt.log 2>&1 \
    || { cat apt.log; echo "FAIL: installing gcc and pkgconf"; exit 1; }
cat >use.c <<'C'
#include <kv3rapi.h>
#include <stdio.h>
int main(void)
{
    int32_t version = 0;
    SonarParms sonar = {0};
    if (!USBConnect(&version) || !ReadCfg() || !GetSonarParms(&sonar))
        return 1;
    printf("detection range %d inches\n", sonar.MaxDist);
    return USBDisconnect() ? 0 : 1;
}
C
echo "pkg-config --cflags --libs kv3rapi: $(pkg-config --cflags --libs kv3rapi)"
# shellcheck disable=SC2046
gcc use.c -o use $(pkg-config --cflags --libs kv3rapi) && ./use || fail "the C program"

echo "== apt-get purge of the three packages"
apt-get purge -y "${packages[@]}" >apt.log 2>&1 || { cat apt.log; echo "FAIL: apt-get purge"; exit 1; }
left=0
while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        fail "left behind: $path"
        left=1
    fi
done <owned
for p in "${packages[@]}"; do
    [ ! -e "/usr/share/doc/$p" ] || fail "left behind: /usr/share/doc/$p"
    ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -qv 'not-installed$' \
        || fail "$p is still known to dpkg: $(dpkg-query -W -f='${Status}' "$p")"
done
[ $left -ne 0 ] || echo "none of the $(wc -l <owned) paths the packages held is left but shared folders"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "The packages install, work and purge cleanly on a clean Debian 12."
INSIDE

mmdebstrap --variant=minbase \
    --customize-hook="copy-in $stage/clean-root /tmp" \
    --customize-hook='chroot "$1" bash /tmp/clean-root/inside.sh' \
    bookworm /dev/null
