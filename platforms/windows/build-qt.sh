#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source of the Qt that Debian ships, once, into a
# cache folder named by its version and options, and prints that folder. A later run finds it
# and returns at once. Needs the packages that build.sh windows installs.
#   bash platforms/windows/build-qt.sh            prints the Qt prefix, building it if need be
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache_root=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}

# The same Qt as Debian's own (6.4.2 on Debian 12): the host tools (moc, rcc, uic) come from
# Debian's qt6-base-dev-tools and must match the target's version.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)

# Only what Quorvel uses: Core, Gui, Widgets, Test and Print Support, static, so that the program
# is one .exe with nothing beside it. Qt's own copies of the image and font libraries, so that
# nothing but Windows itself is needed. The MinGW headers lack what tablet events need.
options=(-release -static -static-runtime -nomake tests -nomake examples
         -no-opengl -no-dbus -no-icu -no-sql-sqlite
         -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
         -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre)
cmake_options=(-DFEATURE_tabletevent=OFF)
tag=$(printf '%s\n' "${options[@]}" "${cmake_options[@]}" "$(cat "$here/mingw-toolchain.cmake")" \
      | sha256sum | cut -c1-10)
prefix=$cache_root/qt-${version//[:+~]/_}-mingw64-static-$tag

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$prefix.work
mkdir -p "$work"
cd "$work"
if [ ! -d src ]; then
    # apt-get source needs a deb-src line: the same mirror and suite as the deb line. A one-line
    # list, so that tools reading the machine's .sources files still find one mirror there.
    if ! apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -x Sources >/dev/null; then
        mirror=$(grep -h -E '^URIs:.*debian/?$' /etc/apt/sources.list.d/*.sources 2>/dev/null \
                 | awk '{print $2; exit}')
        [ -n "$mirror" ] || mirror=$(awk '/^deb .*debian/ {print $2; exit}' /etc/apt/sources.list)
        suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $suite main" \
            >/etc/apt/sources.list.d/quorvel-deb-src.list
        apt-get update -qq
    fi
    rm -rf download && mkdir download
    (cd download && apt-get source -qq "qt6-base=$version" >/dev/null)
    mv "$(find download -mindepth 1 -maxdepth 1 -type d | head -1)" src
    rm -rf download
fi

rm -rf build && mkdir build
cd build
../src/configure -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr "${options[@]}" -- \
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${cmake_options[@]}" >configure.log
cmake --build . --parallel "$(nproc)" >build.log
cmake --install . >install.log
cd /
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
