#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
build=${LUMIVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); the desktop program needs one." >&2
    exit 1
fi
exec "$build/bin/lumivane" "$@"
