#!/usr/bin/env bash
# The Windows program's real windows under Wine and an X server, in English, Arabic and Chinese,
# photographed as the README's screenshots are; the English ones are compared with Debian's, to be
# looked at: Wine draws text with its own rasteriser, so only the layout can be the same.
#   test_screens.sh QUORVEL.exe FOLDER
# Exits 77 (CTest's skip) when Xvfb, xdotool or imagemagick is missing.
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "$1")
folder=$2
for tool in /usr/lib/wine/wine64 Xvfb xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
export WINEDEBUG=-all QUORVEL_RUNNER=/usr/lib/wine/wine64 QUORVEL_WINDOW_CLASS=quorvel.exe
for language in en ar zh_CN; do
    case $language in
    en) locale=en_US.UTF-8 ;;
    ar) locale=ar_EG.UTF-8 ;;
    zh_CN) locale=zh_CN.UTF-8 ;;
    esac
    LANG=$locale bash tools/screenshots.sh "$program" "$folder/$language"
    /usr/lib/wine/wineserver -k 2>/dev/null || true
done
for shot in design results results-healthy results-projector; do
    pixels=$(compare -metric AE "docs/$shot.png" "$folder/en/$shot.png" null: 2>&1 || true)
    echo "$shot.png: $pixels pixels differ from Debian's (docs/$shot.png)"
done
