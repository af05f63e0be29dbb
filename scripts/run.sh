#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window. Without a display the
# window is opened on a virtual one instead, pictured to a PNG and closed.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! bash scripts/install-deps.sh; then
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
        sudo bash scripts/install-deps.sh
    else
        exit 1
    fi
fi

cmake --preset default
cmake --build --preset default

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/window/varnolt
fi

screenshot="${VARNOLT_SCREENSHOT:-$PWD/build/varnolt-window.png}"
echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): opening the window on a virtual X display (Xvfb)."
VARNOLT_SCREENSHOT="$screenshot" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" build/window/varnolt >/dev/null
echo "Screenshot of the window: $screenshot"
