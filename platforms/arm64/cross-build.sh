#!/usr/bin/env bash
# Builds Quorvel's Debian packages for arm64 (the Raspberry Pi) on an amd64 Debian, in a chroot of
# each Debian release asked for, and checks them there (platforms/arm64/in-chroot.sh):
#   - dpkg-buildpackage -a arm64 cross-builds the source package made from this tree, and CTest
#     runs every test that needs no display server, each arm64 program under qemu (the toolchain
#     file's emulator); the same source package is built again in another folder, without its
#     tests, and the two builds' packages must be the same, bit for bit; lintian checks them
#     (packaging/debian_build.sh);
#   - the package is installed and the real program started under qemu and Xvfb for the README's
#     screenshots, which are compared with the ones in docs/;
#   - the packages, logs and screenshots go to build-arm64/<release>/, and CTest's summaries come
#     last.
# The chroot, with both architectures, the cross compilers, qemu and the package's arm64
# build-dependencies (mk-build-deps --host-arch arm64), is made once by mmdebstrap and kept as a
# tarball in a cache folder outside the tree, named by release and package set; every run unpacks
# a fresh copy of it.
#   bash platforms/arm64/cross-build.sh [bookworm|trixie]...    (as root; default: both)
# QUORVEL_CACHE sets the cache folder; QUORVEL_ARM64_KEEP=1 keeps each run's chroot for a look.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
project=$(cd "$here/../.." && pwd)
cache_root=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
out_root=$project/build-arm64

# It makes and enters a chroot: that takes root.
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=QUORVEL_CACHE,QUORVEL_ARM64_KEEP bash "$0" "$@"
fi
command -v mmdebstrap >/dev/null || { echo "cross-build.sh: needs mmdebstrap" >&2; exit 2; }

suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(bookworm trixie)
for suite in "${suites[@]}"; do
    case "$suite" in
    bookworm | trixie) ;;
    *) echo "cross-build.sh: a release is bookworm (Debian 12) or trixie (Debian 13)" >&2; exit 2 ;;
    esac
done

# The mirror this machine's apt uses, for the chroot's own sources.
mirror=$(sed -n 's|^URIs: *\(\S*/debian\)/*$|\1|p' /etc/apt/sources.list.d/*.sources 2>/dev/null \
         | head -n 1)
[ -n "$mirror" ] || mirror=$(sed -n 's|^deb \(\[[^]]*\] \)\{0,1\}\(\S*/debian\)/* .*|\2|p' \
                              /etc/apt/sources.list 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}

# What the chroot holds besides the package's own build-dependencies: the cross compilers, the
# packaging tools, qemu, the X server, xdotool and ImageMagick for the screenshots, and the
# program's own run-time dependencies for arm64.
tools=(build-essential crossbuild-essential-arm64 dpkg-dev debhelper devscripts equivs fakeroot
       lintian xvfb xauth xdotool imagemagick qt6-qpa-plugins:arm64)

# chroot_tarball SUITE: the cached chroot of a release, made if missing; prints its path.
chroot_tarball() {
    local suite=$1 qemu=qemu-user-static
    # Debian 13's qemu-user holds the static emulators; qemu-user-static is only a pointer there.
    [ "$suite" = bookworm ] || qemu=qemu-user
    local packages=("${tools[@]}" "$qemu")
    # The package set names the tarball: the tools above, and the package's build-dependencies.
    local tag
    tag=$(printf '%s\n' "${packages[@]}" "$(sed -n '/^Build-Depends:/,/^[^ ]/p' \
          "$project/debian/control")" | sha256sum | cut -c1-10)
    local tarball=$cache_root/arm64-chroot-$suite-$tag.tar
    if [ ! -s "$tarball" ]; then
        echo "cross-build.sh: making the $suite chroot for arm64 (once, several minutes)" >&2
        mkdir -p "$cache_root"
        local work
        work=$(mktemp -d "$cache_root/arm64-chroot-$suite.XXXX")
        local sources=("deb $mirror $suite main" "deb $mirror $suite-updates main"
                       "deb ${mirror%/debian}/debian-security $suite-security main")
        mmdebstrap --variant=apt --architectures=amd64,arm64 \
            --include="$(IFS=,; echo "${packages[*]}")" \
            --customize-hook="copy-in $project/debian/control /tmp" \
            --customize-hook='chroot "$1" sh -c "cd /tmp && mk-build-deps --host-arch arm64 \
                --install --remove --tool \"apt-get -y -q --no-install-recommends\" control \
                && rm -f control quorvel-*build-deps_*"' \
            "$suite" "$work/chroot.tar" "${sources[@]}" >"$work/mmdebstrap.log" 2>&1 \
            || { tail -n 30 "$work/mmdebstrap.log" >&2; echo "cross-build.sh: mmdebstrap failed" >&2
                 exit 1; }
        mv "$work/chroot.tar" "$tarball"
        rm -rf "$work"
    fi
    echo "$tarball"
}

# build_suite SUITE: everything above, for one release. (Called as "build_suite ... || failed", so
# the shell's -e is off in it: each step says when it failed.)
build_suite() {
    local suite=$1 tarball root status=0
    tarball=$(chroot_tarball "$suite") || return 1
    rm -rf "${out_root:?}/$suite" && mkdir -p "$out_root/$suite"
    root=$(mktemp -d "$cache_root/arm64-run-$suite.XXXX") || return 1
    # shellcheck disable=SC2064 # the folder is fixed now
    trap "release_chroot '$root'" EXIT
    build_in_chroot "$tarball" "$root" "$suite" || status=$?
    cp -a "$root/build/out/." "$out_root/$suite/" 2>/dev/null || true
    release_chroot "$root"
    trap - EXIT
    return "$status"
}

# build_in_chroot TARBALL ROOT SUITE: a fresh chroot from the tarball, and the build inside it.
build_in_chroot() {
    local tarball=$1 root=$2 suite=$3
    tar -C "$root" -xf "$tarball" || return 1
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
    mount -t proc proc "$root/proc" && mount --rbind /dev "$root/dev" || return 1
    # The tree as it stands, without its version control and build folders.
    mkdir -p "$root/build/quorvel"
    tar -C "$project" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . \
        | tar -C "$root/build/quorvel" -xf - || return 1
    echo "cross-build.sh: building the arm64 package for $suite in $root" >&2
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        TERM=dumb bash /build/quorvel/platforms/arm64/in-chroot.sh /build/out </dev/null
}

release_chroot() {
    local root=$1
    umount -R -l "$root/dev" 2>/dev/null || true
    umount -l "$root/proc" 2>/dev/null || true
    if [ -n "${QUORVEL_ARM64_KEEP:-}" ]; then
        echo "cross-build.sh: kept $root" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}

failed=()
for suite in "${suites[@]}"; do
    build_suite "$suite" || failed+=("$suite")
done
# CTest's summaries last, one for each release.
for suite in "${suites[@]}"; do
    echo
    echo "== arm64, $suite: CTest's summary of the tests run under qemu"
    cat "$out_root/$suite/ctest-summary.txt" 2>/dev/null || echo "(no tests ran)"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "cross-build.sh: failed for ${failed[*]}; the logs are in $out_root/<release>/" >&2
    exit 1
fi
