#!/usr/bin/env bash
# Builds the Debian packages from the source tree as the archive would, on a machine that has the
# build-dependencies (mk-build-deps), and checks them:
#   - the source package is made from the tree, and unpacked in two folders at different depths;
#   - the first is built with its tests (CTest's summary goes to ctest-summary.txt), the second
#     without them, and the packages of the two must be the same, bit for bit;
#   - lintian checks the source and binary packages: any error or warning fails.
#   debian_build.sh OUT_FOLDER [HOST_ARCH]
# OUT_FOLDER receives the packages, the logs and sha256sums.txt. HOST_ARCH (arm64) cross-builds
# with platforms/HOST_ARCH/toolchain.cmake, whose emulator runs the tests; JOBS sets the number of
# parallel jobs (default: every processor).
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
arch=${2:-}
jobs=${JOBS:-$(nproc)}
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)

log() { echo "debian_build.sh: $*" >&2; }
# run LOG COMMAND...: the command's output goes to LOG; on failure its tail is shown.
run() {
    local log=$1; shift
    "$@" >"$log" 2>&1 || { tail -n 60 "$log" >&2; log "failed: $* (see $log)"; return 1; }
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The source package, as the archive would hold it (dpkg-source leaves out what
# debian/source/options names), and two copies of it: the packages may not depend on the folder.
mkdir -p "$scratch/source/quorvel-$version"
tar -C "$source" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . \
    | tar -C "$scratch/source/quorvel-$version" -xf -
(cd "$scratch/source" && run "$out/source.log" dpkg-source -b "quorvel-$version")
cp "$scratch/source/quorvel_$version".{dsc,tar.*} "$out/"
first=$scratch/a
second=$scratch/elsewhere/second-build
for folder in "$first" "$second"; do
    mkdir -p "$folder"
    # (It warns that the package is unsigned: it was made just now.)
    (cd "$folder" && dpkg-source -x "$scratch/source/quorvel_$version.dsc" >/dev/null 2>&1)
done

# build FOLDER LOG BUILD_OPTIONS [DPKG_BUILDPACKAGE_OPTION...]
build() {
    local folder=$1 log=$2 options=$3; shift 3
    local cross=()
    if [ -n "$arch" ]; then
        cross=(-a "$arch")
        # CMake takes the toolchain file from the environment, besides the cross compilers that
        # debhelper names: its emulator runs the programs the build makes, the tests among them.
        export CMAKE_TOOLCHAIN_FILE=$folder/quorvel-$version/platforms/$arch/toolchain.cmake
        options="$options crossbuildcanrunhostbinaries"
    fi
    (cd "$folder/quorvel-$version" && DEB_BUILD_OPTIONS="$options parallel=$jobs" \
        run "$log" dpkg-buildpackage "${cross[@]}" -us -uc "$@")
}

log "building the packages of $version${arch:+ for $arch}, with the tests"
status=0
build "$first" "$out/build.log" "" || status=$?
# CTest's summary, from the build's test step.
awk '/tests passed, /{on=1} on && /^(make|dh_|\tcd )/{exit} on' "$out/build.log" \
    >"$out/ctest-summary.txt"
[ "$status" -eq 0 ] || exit "$status"

log "the same source package again, in another folder, without the tests"
build "$second" "$out/build-second.log" nocheck -Pnocheck -b
failed=0
(cd "$scratch" && sha256sum a/*.deb elsewhere/second-build/*.deb) >"$out/sha256sums.txt"
cat "$out/sha256sums.txt" >&2
for deb in "$first"/*.deb; do
    if cmp -s "$deb" "$second/$(basename "$deb")"; then
        log "the same in both builds: $(basename "$deb")"
    else
        log "FAILED: $(basename "$deb") differs between the two builds"
        failed=1
    fi
done
cp "$first"/*.deb "$first"/*.buildinfo "$first"/*.changes "$out/"

log "lintian $(dpkg-query -W -f '${Version}' lintian)"
# As root, lintian says on stderr that root is not recommended: nothing to do with the package.
lint=0
lintian -EvIL +pedantic --fail-on error,warning "$first"/quorvel_"$version"_*.changes \
    >"$scratch/lintian.txt" 2>&1 || lint=$?
grep -v "root privileges" "$scratch/lintian.txt" | tee "$out/lintian.txt" >&2 || true
[ "$lint" -eq 0 ] || { log "FAILED: lintian reports an error or a warning"; failed=1; }
exit "$failed"
