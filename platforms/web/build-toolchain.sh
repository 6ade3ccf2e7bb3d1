#!/usr/bin/env bash
# Makes the toolchain for the browser build, once, into a cache folder named by its versions and
# options, and prints that folder: a Debian 13 system (whose emscripten is new enough for Qt 6;
# Debian 12's is not) holding Qt for WebAssembly, built from Debian 13's own source of Qt, beside
# Debian's host Qt tools of the same version. A later run finds it and returns at once.
#   bash platforms/web/build-toolchain.sh        prints the folder; its root/ is the system
# Needs root (chroot and mounts) and mmdebstrap.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache_root=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
suite=trixie

# What the system holds: emscripten, Qt's host tools and what Quorvel's own build needs (its
# translations, its fonts and their subsetting).
packages=(emscripten ca-certificates cmake ninja-build dpkg-dev python3 qt6-base-dev
          qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          qt6-translations-l10n fonts-liberation2 fonts-noto-cjk fonts-noto-core python3-fonttools)
# Only what Quorvel uses, as for Windows; static and single-threaded, as Qt for WebAssembly is
# by default, so that any web server can serve it without special headers.
options=(-release -static -nomake tests -nomake examples -no-dbus -no-icu -no-sql-sqlite
         -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
         -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)
tag=$(printf '%s\n' "$suite" "${packages[@]}" "${options[@]}" | sha256sum | cut -c1-10)
folder=$cache_root/web-$suite-$tag
root=$folder/root

if [ -f "$folder/.complete" ]; then
    echo "$folder"
    exit 0
fi
mkdir -p "$folder"

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

if [ ! -f "$folder/.system" ]; then
    rm -rf "$root"
    # The same mirror as this machine's, for Debian 13, with its sources for apt-get source.
    mirror=$(grep -h -m1 -E '^URIs:.*debian/?$' /etc/apt/sources.list.d/*.sources 2>/dev/null \
             | awk '{print $2; exit}')
    [ -n "$mirror" ] || mirror=$(grep -h -m1 -E '^deb .*debian' /etc/apt/sources.list | awk '{print $2}')
    mmdebstrap --variant=apt --include="$(IFS=,; echo "${packages[*]}")" "$suite" "$root" \
        "deb $mirror $suite main" "deb-src $mirror $suite main" >"$folder/mmdebstrap.log" 2>&1
    touch "$folder/.system"
fi

for fs in proc dev; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done

version=$(chroot "$root" dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
echo "$version" >"$folder/qt-version"
# Qt's configure looks for an emsdk; Debian's emscripten stands in for one. The host Qt's CMake
# files are in Debian's multiarch folder, where emscripten's find root does not look unless told.
cat >"$root/opt/build-qt-wasm.sh" <<EOF
set -euo pipefail
mkdir -p /opt/emsdk/upstream
ln -sfn /usr/share/emscripten /opt/emsdk/upstream/emscripten
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >/opt/emsdk/.emscripten
export EMSDK=/opt/emsdk HOME=/root
mkdir -p /opt/qt-work && cd /opt/qt-work
# mmdebstrap fetched the binary lists only; the source lists come with an update.
if [ ! -d src ]; then
    apt-get update -qq
    apt-get source -qq "qt6-base=$version" >source.log 2>&1
    mv qt6-base-*/ src
fi
rm -rf build && mkdir build && cd build
../src/configure -prefix /opt/qt-wasm -xplatform wasm-emscripten -qt-host-path /usr ${options[*]} \
    -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    >configure.log 2>&1
cmake --build . --parallel \$(nproc) >build.log 2>&1
cmake --install . >install.log 2>&1
cd / && rm -rf /opt/qt-work
EOF
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin bash /opt/build-qt-wasm.sh
touch "$folder/.complete"
echo "$folder"
