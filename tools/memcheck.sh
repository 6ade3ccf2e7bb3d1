#!/usr/bin/env bash
# Runs a scripted session of the real program under valgrind's memcheck and fails on any invalid
# read, write or free, and on any definite leak whose allocation passes through the project's code.
#   bash tools/memcheck.sh                 build build-memcheck/ and check the scripted session
#   bash tools/memcheck.sh <session> [n]   check an already built quorvel_scripted_session
# Errors that lie wholly inside Qt or system libraries are listed but do not fail the check.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v valgrind >/dev/null || { echo "memcheck.sh: valgrind is not installed" >&2; exit 2; }

session=${1:-}
experiments=${2:-12}
if [ -z "$session" ]; then
    cmake -S . -B build-memcheck -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-memcheck --target quorvel_scripted_session
    session=build-memcheck/tools/quorvel_scripted_session
fi

log=$(mktemp "${TMPDIR:-/tmp}/quorvel-memcheck.XXXXXX")
output=$(mktemp "${TMPDIR:-/tmp}/quorvel-session.XXXXXX")
trap 'rm -f "$log" "$output"' EXIT
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=40 --log-file="$log" \
    "$session" "$experiments" >"$output" 2>&1 || { cat "$output"; exit 1; }
# The offscreen platform remarks on every raise(); the rest of what the session said is shown.
grep -v -e "does not support" -e "XDG_RUNTIME_DIR" "$output" || true

# One record per valgrind report; a frame in namespace quorvel or in the session is the project's.
awk '
    /^==[0-9]+== *$/ {
        if (record != "") {
            ours = record ~ /quorvel::|scripted_session/
            if (record ~ /Invalid (read|write|free)|Mismatched free|Source and destination overlap/) {
                printf "%s\n", record; bad++
            } else if (record ~ /definitely lost in loss record/ && ours) {
                printf "%s\n", record; bad++
            } else if (record ~ /definitely lost in loss record|uninitialised|Syscall param/) {
                printf "outside the project:\n%s\n", record
            }
        }
        record = ""
        next
    }
    /^==[0-9]+==/ { record = record $0 "\n" }
    END { exit bad > 0 }
' "$log" && verdict=0 || verdict=1

grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:|total heap usage" "$log" \
    | sed 's/^==[0-9]*== */memcheck: /'
if [ "$verdict" -ne 0 ]; then
    echo "memcheck: FAILED: invalid memory access or a leak from the project's code (above)" >&2
    exit 1
fi
echo "memcheck: no invalid read or write, no definite leak from the project's code"
