#!/usr/bin/env bash
# Builds the .deb from a build folder, checks what it holds and what it depends on, and runs lintian
# on it: any error or warning fails (info tags are printed).
#   check_package.sh BUILD_FOLDER ICON_SIZE...
set -euo pipefail

build=$(realpath "$1")
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; exit 1; }
package=$(find "$scratch" -maxdepth 1 -name 'quorvel_*.deb' | head -n 1)
[ -n "$package" ] || { echo "no package was made" >&2; cat "$scratch/cpack.log" >&2; exit 1; }

failed=0
expect() {
    if eval "$2"; then
        echo "ok      $1"
    else
        echo "FAILED  $1" >&2
        failed=1
    fi
}

contents=$(dpkg-deb --contents "$package" | awk '{ print $6 }')
depends=$(dpkg-deb --field "$package" Depends)
recommends=$(dpkg-deb --field "$package" Recommends)
holds() { grep -qx "./usr/$1" <<<"$contents"; }

expect "the program is /usr/bin/quorvel" 'holds bin/quorvel'
expect "the desktop entry" 'holds share/applications/org.quorvel.quorvel.desktop'
expect "the AppStream metadata" 'holds share/metainfo/org.quorvel.quorvel.metainfo.xml'
for size in "$@"; do
    expect "the icon at ${size} px" "holds share/icons/hicolor/${size}x${size}/apps/quorvel.png"
done
expect "the scalable icon" 'holds share/icons/hicolor/scalable/apps/quorvel.svg'
expect "the manual page" 'holds share/man/man1/quorvel.1.gz'
expect "the copyright file" 'holds share/doc/quorvel/copyright'
# Every teacher's guide of the sources, in each language it is written in.
for guide in "$(dirname "$0")"/../docs/teachers-guide*.md; do
    expect "the teacher's guide $(basename "$guide")" "holds share/doc/quorvel/$(basename "$guide")"
done
expect "the changelog" 'holds share/doc/quorvel/changelog.gz'
# debian/changelog is the Debian package's changelog too: its latest entry must be this release.
version=$(dpkg-deb --field "$package" Version)
latest=$(dpkg-deb --fsys-tarfile "$package" | tar -xOf - ./usr/share/doc/quorvel/changelog.gz \
    | gzip -dc | dpkg-parsechangelog -l - -S Version)
expect "the changelog's latest entry is the package's version ($version)" '[ "$latest" = "$version" ]'
expect "depends on Qt's widget library, found by dpkg-shlibdeps" \
    'grep -q "libqt6widgets6" <<<"$depends"'
expect "depends on Qt's platform plugins" 'grep -q "qt6-qpa-plugins" <<<"$depends"'
expect "recommends Qt's Wayland plugin" 'grep -qw "qt6-wayland" <<<"$recommends"'
echo "Depends: $depends"
echo "Recommends: $recommends"

# lintian fails on an error or warning and on a run that goes wrong; info tags are only shown.
# (As root it says on stderr that root is not recommended: nothing to do with the package.)
expect "lintian reports no error and no warning" \
    'lintian -EvIL +pedantic --fail-on error,warning "$package" 2> >(grep -v "root privileges" >&2)'
exit "$failed"
