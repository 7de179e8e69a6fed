#!/usr/bin/env bash
# Builds Vireon and starts it. Without a display it runs under Xvfb and saves build/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$(nproc)" --target vireon
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then exec build/vireon; fi
exec xvfb-run -a -s '-screen 0 1280x1024x24' scripts/screenshot.sh build/vireon build/screenshot.png
