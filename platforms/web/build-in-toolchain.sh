#!/usr/bin/env bash
# Builds Quorvel for the browser inside the toolchain's Debian 13 system, from this source tree
# (mounted there), into build-web/, and gathers the files a web server serves into build-web/site.
#   build-in-toolchain.sh TOOLCHAIN_FOLDER [TARGET...]     (default: quorvel_site)
# Needs root (chroot and mounts). The icons are drawn beforehand into build-web/icons.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$1/root
shift
targets=${*:-quorvel_site}
source_tree=$PWD

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
mkdir -p "$root/src"
for pair in /proc:/proc /dev:/dev "$source_tree:/src"; do
    mount --bind "${pair%%:*}" "$root${pair#*:}"
    mounted+=("$root${pair#*:}")
done

# Dated as the other builds are, so that rcc's resource dates repeat. Debian's hardening is for
# programs the processor runs; the browser's own sandbox keeps WebAssembly in bounds instead.
# Debian's Qt leaves a static build's plugins out unless asked: the browser's platform plugin is
# one of them.
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root EMSDK=/opt/emsdk \
    SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-0}" TARGETS="$targets" bash -c '
    set -euo pipefail
    cd /src
    /opt/qt-wasm/bin/qt-cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQUORVEL_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
        -DQUORVEL_WEB_ICONS=/src/build-web/icons -DQUORVEL_WERROR=ON -DQUORVEL_HARDENING=OFF \
        >/dev/null
    cmake --build build-web --target $TARGETS'
