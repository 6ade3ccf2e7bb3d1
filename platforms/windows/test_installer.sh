#!/usr/bin/env bash
# The installer under Wine, in a fresh Wine prefix. First as someone who opens it: its licence
# dialog, photographed, where Cancel installs nothing and Install installs Quorvel and ends on a
# page saying where it is. Then as school IT uses it: a silent install for the whole machine, the
# installed program started from Program Files and photographed. Each is uninstalled silently,
# after which nothing it installed may be left.
#   test_installer.sh QUORVEL.msi SCREENSHOT.png
# The dialogs' pictures go beside the program's: installer-licence.png, installer-finished.png.
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
source "$(dirname "$0")/../../tools/own_display.sh"
start_own_display 1280x1024

"$wine" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
drive=$WINEPREFIX/drive_c
listing() { (cd "$drive" && find . -path ./windows -prune -o -print | sort); }
listing >"$scratch/before"
windows_path() { echo "Z:${1//\//\\}"; }

failures=()
check() { "$@" || failures+=("$*"); }
check_not() { if "$@"; then failures+=("not $*"); fi; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
registered() { "$wine" reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r'; }
# (grep reads to the end: under pipefail, an early exit could fail the writer.)
in_add_remove_programs() { registered | grep 'DisplayName.*Quorvel' >/dev/null; }

# The prefix as it was before any install: no file more, nothing registered.
nothing_left() {
    listing >"$scratch/after"
    echo "left behind:"
    comm -13 "$scratch/before" "$scratch/after" | sed 's/^/  + /'
    check cmp -s "$scratch/before" "$scratch/after"
    check_not in_add_remove_programs
}

uninstall_cleanly() {
    echo "msiexec /x $(basename "$msi") /qn"
    "$wine" msiexec /x "$(windows_path "$msi")" /qn
    /usr/lib/wine/wineserver -w
    nothing_left
    check_not "$wine" reg query 'HKLM\Software\Quorvel' >/dev/null 2>&1
}

# The installer's dialogs, found by their title and told apart by their shape; a button is pressed
# where it is in dialog units (installer_ui.py), scaled to the dialog's window.
dialogs() { xdotool search --onlyvisible --name '^Quorvel Setup$' 2>/dev/null; }
pixels() { # a window's width and height
    xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x/\1 /p'
}
dialog_window() { # WIDTH HEIGHT in dialog units; prints the window once it is painted
    local width=$1 height=$2 picture="" previous="" across down off
    for _ in $(seq 150); do
        for window in $(dialogs); do
            read -r across down < <(pixels "$window") || continue
            off=$((across * height / width - down))
            [ "${off#-}" -le 3 ] || continue
            # Painted when two pictures of it in a row are the same.
            picture=$(import -window "$window" rgb:- 2>/dev/null | md5sum)
            [ "$picture" = "$previous" ] && { echo "$window"; return 0; }
            previous=$picture
        done
        sleep 0.2
    done
    return 1
}
# Clicks DIALOG's CONTROL until the dialog closes; if it does not, ends the installer.
press() {
    local width height x y window across down
    read -r width height x y < <(python3 "$(dirname "$0")/installer_ui.py" "$1" "$2")
    if ! window=$(dialog_window "$width" "$height"); then
        echo "no $1 dialog"
        /usr/lib/wine/wineserver -k
        return 1
    fi
    for _ in 1 2 3; do
        read -r across down < <(pixels "$window") || return 0
        xdotool mousemove --window "$window" $((x * across / width)) $((y * down / height)) click 1
        for _ in $(seq 50); do
            dialogs | grep -qx "$window" || return 0
            sleep 0.1
        done
    done
    echo "$2 in the $1 dialog did nothing"
    /usr/lib/wine/wineserver -k
    return 1
}
photograph() { # DIALOG PICTURE
    local width height window
    read -r width height < <(python3 "$(dirname "$0")/installer_ui.py" "$1")
    window=$(dialog_window "$width" "$height") || return 1
    import -window root "$2"
    echo "wrote $2"
}
open_installer() { # runs msiexec /i as a double click does, in the background
    echo "msiexec /i $(basename "$msi")"
    "$wine" msiexec /i "$(windows_path "$msi")" &
    msiexec_pid=$!
}
ended() { # EXIT_STATUS: waits for the installer to end with that status
    local status=0
    wait "$msiexec_pid" || status=$?
    /usr/lib/wine/wineserver -w
    [ "$status" -eq "$1" ] || { echo "msiexec ended with $status, not $1"; return 1; }
}

open_installer
check photograph LicenceDlg "$(dirname "$shot")/installer-licence.png"
check press LicenceDlg Cancel
# Windows Installer's "the user cancelled" (1602), of which a Unix exit status keeps 66.
check ended 66
nothing_left

open_installer
check press LicenceDlg Install
check photograph FinishedDlg "$(dirname "$shot")/installer-finished.png"
check press FinishedDlg Finish
check ended 0
check test -f "$drive/Program Files/Quorvel/quorvel.exe"
check in_add_remove_programs
uninstall_cleanly

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

uninstall_cleanly

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    exit 1
fi
echo "licence shown, cancelled and accepted; installed, started and uninstalled without a trace"
