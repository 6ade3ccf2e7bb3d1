#!/usr/bin/env bash
# The arm64 build and its checks, inside the chroot that cross-build.sh prepares from this tree:
# the packages, built twice, their tests under qemu and lintian (packaging/debian_build.sh), then
# the package installed and the real program's screens under qemu and Xvfb.
#   in-chroot.sh OUT_FOLDER
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
failed=0

log() { echo "cross-build.sh: $*" >&2; }

log "cross-building with Qt $(dpkg-query -W -f '${Version}' qt6-base-dev:arm64)"
bash "$source/packaging/debian_build.sh" "$out" arm64 || failed=$?
[ -f "$out/quorvel_$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)_arm64.deb" ] \
    || exit 1

log "installing the package, and the program's screens under qemu and Xvfb"
apt-get install -y -q --no-install-recommends "$out"/quorvel_*_arm64.deb >"$out/install.log" 2>&1 \
    || { tail -n 30 "$out/install.log" >&2; exit 1; }
emulator=$(command -v qemu-aarch64-static || command -v qemu-aarch64)
cd "$source"
if QUORVEL_RUNNER=$emulator bash tools/screenshots.sh /usr/bin/quorvel "$out/screenshots" \
    >"$out/screenshots.log" 2>&1; then
    # How far each screen is from the README's, taken on Debian 12 amd64: the pixels that differ.
    for shot in "$out"/screenshots/*.png; do
        name=$(basename "$shot")
        pixels=$(compare -metric AE "$shot" "docs/$name" null: 2>&1 || true)
        echo "$name: $pixels pixels differ from docs/$name"
    done | tee "$out/screenshots/compare.txt" >&2
else
    tail -n 20 "$out/screenshots.log" >&2
    log "FAILED: the screenshots"
    failed=1
fi
exit "$failed"
