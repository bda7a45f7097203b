#!/usr/bin/env bash
# Starts the program's window from a build folder.
set -euo pipefail
build=${1:-build/default}
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to show the window on: run it under a virtual display with 'xvfb-run -a make run', or from a desktop session." >&2
    exit 1
fi
exec "$top/$build/app/orvandel"
