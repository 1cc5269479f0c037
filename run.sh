#!/usr/bin/env bash
# Installs what is missing, builds the viewer and starts it from a sample server's root
# folder (build/server: the program beside Vek200/Config/Command.ini).
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target qzcmdview
exec build/server/qzcmdview
