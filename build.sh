#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvel, builds it, and starts it or runs every test.
#   bash build.sh run    install what is missing, build, start the program
#   bash build.sh test   install what is missing, build, run every test, then build and run them
#                        again with sanitizers in build-asan (CTest's summary last)
#   bash build.sh windows        Quorvel for Windows in build-windows/: an .msi and a portable .zip
#                                (builds Qt for Windows once, most of an hour, into a cache folder)
#   bash build.sh windows-test   the same, then its tests as Windows programs under Wine
#   bash build.sh arm64 [bookworm|trixie]   the Debian package for arm64 (Raspberry Pi) in
#                                build-arm64/, cross-built in a Debian 12 and a 13 chroot (or the
#                                one named), its tests under qemu (as root; platforms/arm64)
#   bash build.sh web            Quorvel for the browser in build-web/site/, built in a Debian 13
#                                system with its emscripten (made once, most of an hour, into a
#                                cache folder; as root)
#   bash build.sh web-test       the same, then its tests in headless Chromium
#   bash build.sh web-bench      the same, then its sizes and timings in headless Chromium against
#                                an empty Qt widget window's page
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
# fonts-liberation2 gives the font the program carries; qt6-wayland runs it natively on Wayland;
# the Qt tools compile the translations, and Qt's own translations name the standard buttons;
# the Noto fonts and fontTools give the Chinese and Arabic fonts the program carries, cut down to
# the characters of their translations.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
          fonts-liberation2 qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          fonts-noto-cjk fonts-noto-core python3-fonttools)
# For the tests only: an X server, D-Bus and the AT-SPI bus with its client for the screen-reader
# test, the desktop-entry and AppStream validators, and dpkg-shlibdeps for the .deb.
test_packages=(xvfb dbus at-spi2-core python3-pyatspi desktop-file-utils appstream dpkg-dev file)
# lintian for the .deb, hardening-check (devscripts), man for the manual page's warnings, and a
# headless weston for the Wayland session.
test_packages+=(lintian devscripts man-db weston)
# valgrind runs a scripted session of the program under memcheck.
test_packages+=(valgrind)
# The Orca screen reader, run headless beside the program, and xdotool to press its keys.
test_packages+=(orca xdotool)

# For Windows: the MinGW-w64 cross compiler, Qt's source (apt-get source) and its host tools,
# Wine to run the tests, msitools for the installer, faketime to date it at the release.
windows_packages=(g++-mingw-w64-x86-64-posix dpkg-dev qt6-base-dev-tools qt6-tools-dev-tools
                  wine64 wixl msitools faketime python3)
# For the Windows tests: an X server for the real window, xdotool and ImageMagick to drive and
# photograph it.
windows_test_packages=(xvfb xdotool imagemagick)

# For the browser: mmdebstrap makes the Debian 13 system the build runs in. Its tests run in
# Chromium, driven by puppeteer-core from npm, over the folder served by Python's web server.
web_packages=(mmdebstrap)
web_test_packages=(chromium python3 imagemagick)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "build.sh: installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# configure_and_build DIR [--target T] [CMAKE_OPTION...]
configure_and_build() {
    local dir=$1; shift
    local target=()
    if [ "${1:-}" = "--target" ]; then target=(--target "$2"); shift 2; fi
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" "${target[@]}"
}

case "$mode" in
run)
    install_missing "${packages[@]}"
    # The program alone: the tests, tools and benchmarks are built by the test command. Same
    # options as the test command, so switching between the two never rebuilds everything.
    configure_and_build build --target quorvel -DQUORVEL_WERROR=ON
    exec ./build/quorvel
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    configure_and_build build -DQUORVEL_WERROR=ON
    ctest --test-dir build --output-on-failure
    # The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
    configure_and_build build-asan -DQUORVEL_WERROR=ON -DQUORVEL_SANITIZE=ON
    ctest --test-dir build-asan --output-on-failure
    ;;
windows | windows-test)
    install_missing "${packages[@]}" "${windows_packages[@]}"
    [ "$mode" = windows ] || install_missing "${windows_test_packages[@]}"
    qt=$(bash platforms/windows/build-qt.sh)
    # Dated at the changelog's latest entry, as the Debian package is: rcc writes each resource's
    # date into the program, and the installer is dated too.
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -d "$(dpkg-parsechangelog -S Date)" +%s)}
    export SOURCE_DATE_EPOCH
    # The icon is drawn by the program's own code, so by a native build of its exporter.
    configure_and_build build --target quorvel_icon_export -DQUORVEL_WERROR=ON
    "$qt/bin/qt-cmake" -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/platforms/windows/mingw-toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQUORVEL_QT_TRANSLATIONS_DIR=/usr/share/qt6/translations \
        -DQUORVEL_ICON_EXPORT="$PWD/build/packaging/quorvel_icon_export" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64 -DQUORVEL_WERROR=ON >/dev/null
    if [ "$mode" = windows ]; then
        cmake --build build-windows --target quorvel
    else
        cmake --build build-windows
    fi
    rm -rf build-windows/stage
    cmake --install build-windows --prefix build-windows/stage >/dev/null
    version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    python3 platforms/windows/make_packages.py build-windows/stage "$version" "$SOURCE_DATE_EPOCH" \
        build-windows/platforms/windows/quorvel.ico build-windows
    [ "$mode" = windows ] && exit 0
    # Every Windows program under Wine, in a Wine prefix of the build's own.
    export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all
    [ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    ctest --test-dir build-windows --output-on-failure -j2
    ;;
web | web-test | web-bench)
    install_missing "${packages[@]}" "${web_packages[@]}"
    if [ "$mode" != web ]; then
        install_missing "${web_test_packages[@]}"
        # Node.js and npm from Debian, unless the machine has its own.
        command -v npm >/dev/null || install_missing nodejs npm
    fi
    toolchain=$(bash platforms/web/build-toolchain.sh)
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -d "$(dpkg-parsechangelog -S Date)" +%s)}
    export SOURCE_DATE_EPOCH
    # The icon is drawn by the program's own code, so by a native build of its exporter.
    configure_and_build build --target quorvel_icon_export -DQUORVEL_WERROR=ON
    rm -rf build-web/icons
    build/packaging/quorvel_icon_export build-web/icons 128 256
    for size in 128 256; do
        cp "build-web/icons/${size}x${size}/apps/quorvel.png" "build-web/icons/quorvel-$size.png"
    done
    if [ "$mode" = web-bench ]; then
        bash platforms/web/build-in-toolchain.sh "$toolchain" quorvel_site quorvel_web_floor_site
        exec bash platforms/web/test/run.sh build-web/site --bench build-web/floor
    fi
    bash platforms/web/build-in-toolchain.sh "$toolchain"
    [ "$mode" = web ] && exit 0
    exec bash platforms/web/test/run.sh build-web/site
    ;;
arm64)
    install_missing mmdebstrap
    exec bash platforms/arm64/cross-build.sh "${@:2}"
    ;;
*)
    echo "usage: bash build.sh run|test|windows|windows-test|arm64 [bookworm|trixie]|web|web-test|web-bench" >&2
    exit 2
    ;;
esac
