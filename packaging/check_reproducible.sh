#!/usr/bin/env bash
# Builds the sources once more in another folder and checks that CPack's .deb comes out the same,
# bit for bit, as the one from the build folder given: nothing of the folder a build runs in may
# reach the package. The copy lies at another depth under another name, and so does its build
# folder; both packages are dated by the changelog (SOURCE_DATE_EPOCH, if set, dates both).
#   check_reproducible.sh BUILD_FOLDER SOURCE_FOLDER CMAKE_OPTION...
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The sources as they are now, without version control and without any build folder in them.
copy=$scratch/elsewhere/quorvel-copy
mkdir -p "$copy"
tar -C "$source" --exclude=.git --exclude-tag-all=CMakeCache.txt -cf - . | tar -C "$copy" -xf -
run() {
    local log=$1; shift
    "$@" >"$log" 2>&1 || { tail -n 50 "$log" >&2; echo "failed: $*" >&2; exit 1; }
}
run "$scratch/configure.log" cmake -S "$copy" -B "$copy/out" -DBUILD_TESTING=OFF "$@"
run "$scratch/build.log" cmake --build "$copy/out"

packages=()
for tree in "$build" "$copy/out"; do
    output=$(mktemp -d "$scratch/package.XXXX")
    run "$output.log" cpack --config "$tree/CPackConfig.cmake" -G DEB -B "$output"
    packages+=("$(find "$output" -maxdepth 1 -name 'quorvel_*.deb')")
done
sha256sum "${packages[@]}" | sed "s|$scratch/||"
if ! cmp -s "${packages[0]}" "${packages[1]}"; then
    echo "FAILED  the two packages differ; the files that differ:" >&2
    for i in 0 1; do
        mkdir -p "$scratch/unpacked$i"
        dpkg-deb --raw-extract "${packages[$i]}" "$scratch/unpacked$i"
    done
    diff -r --brief "$scratch/unpacked0" "$scratch/unpacked1" >&2 || true
    exit 1
fi
echo "ok      the package from another folder is the same, bit for bit"
