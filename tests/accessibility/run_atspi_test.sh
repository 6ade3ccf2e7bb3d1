#!/usr/bin/env bash
# Runs a screen-reader test script against the real program in a private X server and D-Bus
# session; the tools after the script are the ones it needs besides the X server and the bus.
#   run_atspi_test.sh PROGRAM tst_accessibility.py
#   run_atspi_test.sh PROGRAM tst_orca_speech.py xdotool orca
# Exits 77 (CTest's skip) when the X server, D-Bus or the AT-SPI client library is missing.
set -euo pipefail

program=$(realpath "$1")
script=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
# Debian's own interpreter: the AT-SPI bindings are installed for it, not for any other.
python=/usr/bin/python3

for tool in Xvfb dbus-run-session "$python" "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null \
    || { echo "skipped: the AT-SPI client (python3-pyatspi) is not installed"; exit 77; }

scratch=$(mktemp -d)
chmod 700 "$scratch"
xvfb_pid=""
session_pid=""
# The session's own processes (the bus, the accessibility services it starts, Orca and the
# program) go before the X server they talk to: stopped the other way round, a service that
# outlives the server says on stderr that its connection broke.
stop_session() {
    [ -n "$session_pid" ] || return 0
    kill -TERM -- "-$session_pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 -- "-$session_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$session_pid" 2>/dev/null || true
    session_pid=""
}
cleanup() {
    stop_session
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

source "$here/../../tools/own_display.sh"
start_own_display 1280x1024 "$scratch/xvfb.log"

# The session's services (the accessibility bus and its registry) live in this folder and end
# with the session; their chatter goes to a log rather than into the test's output.
export XDG_RUNTIME_DIR="$scratch"
export HOME="$scratch"
unset QT_SCALE_FACTOR QT_QPA_PLATFORM SESSION_MANAGER
# The session runs in a process group of its own (setsid), so that whatever it started can be
# stopped as one, after its verdict and before the X server.
setsid timeout --kill-after=10 240 dbus-run-session -- "$python" "$here/$script" \
    "$program" 2> >(grep -v -e 'fd limit' -e 'dbus-daemon\[' -e 'SpiRegistry daemon' >&2) &
session_pid=$!
status=0
wait "$session_pid" || status=$?
stop_session
exit "$status"
