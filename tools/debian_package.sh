#!/usr/bin/env bash
# Builds and checks the Debian packages on this machine's own Debian (12 or 13), as the archive
# would: the build-dependencies installed by mk-build-deps, the packages built twice in two
# folders and compared, lintian (packaging/debian_build.sh), then the package's autopkgtests
# against it, installed on this machine (autopkgtest's null server). As root; it installs the
# package and what its tests need. Writes build-debian/.
#   bash tools/debian_package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "debian_package.sh: run it as root" >&2; exit 2; }

echo "debian_package.sh: installing the packaging tools and the build-dependencies" >&2
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    build-essential devscripts equivs lintian autopkgtest >/dev/null
# mk-build-deps leaves its own package's files where it runs.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && DEBIAN_FRONTEND=noninteractive mk-build-deps --install --remove \
    --tool "apt-get -y -q --no-install-recommends" "$OLDPWD/debian/control" \
    >mk-build-deps.log 2>&1) || { tail -n 30 "$scratch/mk-build-deps.log" >&2; exit 1; }

rm -rf build-debian
bash packaging/debian_build.sh build-debian

echo "debian_package.sh: the autopkgtests" >&2
autopkgtest build-debian/quorvel_*_"$(dpkg --print-architecture)".changes -- null
