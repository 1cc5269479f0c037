#!/usr/bin/env bash
# Starts the viewer from the sample server folder on a virtual X screen and saves a
# screenshot of the whole screen (default: build/shot.png), to look at as a user would.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/shot.png}

bash scripts/install-deps.sh --screenshot
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target qzcmdview >/dev/null

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  QT_QPA_PLATFORM=xcb build/server/qzcmdview &
  viewer=$!
  for _ in $(seq 50); do
    xwininfo -root -tree 2>/dev/null | grep -q "qz" && break
    sleep 0.2
  done
  sleep 1
  import -window root "$1"
  kill $viewer
' _ "$out"
echo "saved $out"
