#!/usr/bin/env bash
# Sets up a Debian 12 machine for Quorvel, builds it, and starts it or runs every test.
#   bash build.sh run    install what is missing, build, start the program
#   bash build.sh test   install what is missing, build, run every test, then build and run them
#                        again with sanitizers in build-asan (CTest's summary last)
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
# fonts-liberation2 gives the font the program carries; qt6-wayland runs it natively on Wayland;
# the Qt tools compile the translations, and Qt's own translations name the standard buttons.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
          fonts-liberation2 qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
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
*)
    echo "usage: bash build.sh run|test" >&2
    exit 2
    ;;
esac
