#!/usr/bin/env bash
# Runs the scripted session of the real program natively on Wayland, under a headless weston of
# its own, and fails on anything the program prints beyond its one summary line.
#   wayland_session.sh SCRIPTED_SESSION_BINARY     (exit 77: weston could not start, skipped)
set -uo pipefail

session=$(realpath "$1")
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

socket=quorvel-test
command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start: skipped"
    cat "$runtime/weston.log"
    exit 77
fi

# A clean environment for Qt: the Wayland platform and nothing inherited that would pick X11.
output=$(env -u DISPLAY -u QT_QPA_PLATFORM -u QT_LOGGING_RULES XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$session" 2>&1)
status=$?
echo "$output"
[ "$status" -eq 0 ] || { echo "the session ended with status $status" >&2; exit 1; }
expected='^[0-9]+ experiments, quit asked [0-9]+ times, ended by Yes$'
if [ "$(wc -l <<<"$output")" -ne 1 ] || ! grep -Eq "$expected" <<<"$output"; then
    echo "the session printed more than its summary" >&2
    exit 1
fi
echo "ended cleanly on Wayland, nothing else printed"
