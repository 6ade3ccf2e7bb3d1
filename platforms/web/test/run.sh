#!/usr/bin/env bash
# The browser build's tests: the served folder in headless Chromium, driven by puppeteer-core.
#   run.sh SITE_FOLDER                     the tests
#   run.sh SITE_FOLDER --bench FLOOR_FOLDER the benchmark, against the empty page in FLOOR_FOLDER
# puppeteer-core (which downloads no browser) is installed once from npm into the cache folder;
# Debian's chromium is the browser. Ends with a line of passed and failed.
set -euo pipefail
site=$(realpath "$1")
[ "${2:-}" != --bench ] || floor=$(basename "$(realpath "$3")")
cd "$(dirname "$0")"
cache_root=${QUORVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel}
tools=$cache_root/web-test-puppeteer-core-24
if [ ! -f "$tools/.complete" ]; then
    mkdir -p "$tools"
    npm install --prefix "$tools" --no-audit --no-fund --silent puppeteer-core@24 >/dev/null
    touch "$tools/.complete"
fi
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
# The folder above the site's, so that the benchmark's floor is served from the same place.
python3 -m http.server --bind 127.0.0.1 --directory "$(dirname "$site")" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
shots=$(dirname "$site")/screens
mkdir -p "$shots"
base=http://127.0.0.1:$port
# Wait for the server to answer.
for _ in $(seq 50); do python3 -c "import urllib.request; urllib.request.urlopen('$base/')" 2>/dev/null && break; sleep 0.1; done
if [ "${2:-}" = --bench ]; then
    NODE_PATH=$tools/node_modules exec node bench.cjs "$site" "$base/$(basename "$site")/quorvel.html" \
        "$base/$floor/quorvel_web_floor.html"
fi
NODE_PATH=$tools/node_modules node web_test.cjs "$base/$(basename "$site")/quorvel.html" "$shots"
