#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
# The window tests run on Qt's offscreen platform; a few need a real X server, which
# xvfb-run provides.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j2 --timeout 300
