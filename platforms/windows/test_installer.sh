#!/usr/bin/env bash
# What school IT does with the installer, under Wine: a silent install for the whole machine into
# a fresh Wine prefix, the installed program started from Program Files and photographed, then a
# silent uninstall, after which nothing it installed may be left.
#   test_installer.sh QUORVEL.msi SCREENSHOT.png
# Needs wine64, xvfb, xdotool and imagemagick. Exits 77 (CTest's skip) when one is missing.
set -euo pipefail

msi=$(realpath "$1")
shot=$2
mkdir -p "$(dirname "$shot")"
wine=/usr/lib/wine/wine64
for tool in "$wine" Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all
xvfb_pid=""
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$display_fd" display_number
export DISPLAY=":$display_number"

"$wine" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
drive=$WINEPREFIX/drive_c
listing() { (cd "$drive" && find . -path ./windows -prune -o -print | sort); }
listing >"$scratch/before"
windows_path() { echo "Z:${1//\//\\}"; }

failures=()
check() { "$@" || failures+=("$*"); }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
registered() { "$wine" reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r'; }

echo "msiexec /i $(basename "$msi") /qn"
"$wine" msiexec /i "$(windows_path "$msi")" /qn
/usr/lib/wine/wineserver -w
listing >"$scratch/installed"
echo "installed:"
comm -13 "$scratch/before" "$scratch/installed" | sed 's/^/  + /'
program="$drive/Program Files/Quorvel/quorvel.exe"
check test -f "$program"
# The machine's Start menu on Windows; Wine files a machine's shortcuts under the user's.
check grep -q 'Start Menu/Programs/Quorvel.lnk$' "$scratch/installed"
registered >"$scratch/registry"
# (Wine's installer service writes no DisplayIcon; Windows takes it from ARPPRODUCTICON.)
for value in 'DisplayName.*Quorvel' 'DisplayVersion.*[0-9]' 'Publisher.*Quorvel developers'; do
    check grep -q "$value" "$scratch/registry"
done
grep -E 'DisplayName|DisplayVersion|Publisher|DisplayIcon' "$scratch/registry" | sed 's/^ */  /'

# The installed program, started as the Start menu starts it.
(cd "$drive/Program Files/Quorvel" && "$wine" quorvel.exe >/dev/null 2>&1 &)
window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --class quorvel.exe 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
check test -n "$window"
if [ -n "$window" ]; then
    sleep 2
    import -window root "$shot"
    echo "wrote $shot"
fi
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w || true

echo "msiexec /x $(basename "$msi") /qn"
"$wine" msiexec /x "$(windows_path "$msi")" /qn
/usr/lib/wine/wineserver -w
listing >"$scratch/after"
echo "left behind:"
comm -13 "$scratch/before" "$scratch/after" | sed 's/^/  + /'
check cmp -s "$scratch/before" "$scratch/after"
registered >"$scratch/registry"
check bash -c "! grep -q 'DisplayName.*Quorvel' '$scratch/registry'"
check bash -c "! '$wine' reg query 'HKLM\\Software\\Quorvel' >/dev/null 2>&1"

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    exit 1
fi
echo "installed, started and uninstalled without a trace"
