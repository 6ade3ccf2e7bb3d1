#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ and prints their figures beside baselines from the same run.
#   bash tools/bench.sh [--runs N] [--xvfb]
#   bash tools/bench.sh --soak [--actions N] [--seed S] [--xvfb]
# --runs N   start-ups per probe (default 31); the handlers run five times as often
# --xvfb     measure in a real X server (Xvfb) instead of Qt's offscreen platform
# --soak     the memory of a long session instead: the random pupil through N actions (default
#            20000, seed S, default 1) beside a minimal Qt window, sampled every 2000 actions
# Nothing passes or fails here: the figures are for reading, and for the README.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=31
xvfb=0
soak=0
actions=20000
seed=1
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=$2; shift 2 ;;
    --xvfb) xvfb=1; shift ;;
    --soak) soak=1; shift ;;
    --actions) actions=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    *) echo "usage: bash tools/bench.sh [--runs N] [--xvfb] | --soak [--actions N] [--seed S] [--xvfb]" >&2
       exit 2 ;;
    esac
done

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$soak" -eq 1 ]; then
    cmake --build build-bench --target quorvel_soak >/dev/null
    bench=(build-bench/bench/quorvel_soak --actions "$actions" --seed "$seed")
else
    cmake --build build-bench --target quorvel_bench quorvel_startup_probe >/dev/null
    bench=(build-bench/bench/quorvel_bench --runs "$runs")
fi

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
export QT_LOGGING_RULES='qt.qpa.*=false'
if [ "$xvfb" -eq 1 ]; then
    command -v Xvfb >/dev/null || { echo "bench.sh: Xvfb is not installed" >&2; exit 2; }
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    server=$!
    trap 'kill "$server" 2>/dev/null || true' EXIT
    sleep 1
    DISPLAY=$display QT_QPA_PLATFORM=xcb "${bench[@]}" 2> >(grep -v -e "does not support" -e XDG_RUNTIME >&2)
else
    QT_QPA_PLATFORM=offscreen "${bench[@]}" 2> >(grep -v -e "does not support" -e XDG_RUNTIME >&2)
fi
