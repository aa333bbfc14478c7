#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the desktop program.
# run.sh --brand FOLDER [ARGS...] starts a branded copy: the program and the brand's files
# (made by FOLDER/build.sh, or FOLDER's dbsettings.dat, banner<N>.dat, mainskin.dat and
# main.ico as they are) go into a temporary program folder that is removed afterwards.
# run.sh --batch [OPTIONS...], or run.sh without a display, runs the headless lumivane-batch on
# the offline example instead and tells where the thumbnails are.
set -euo pipefail
batch=""
if [ "${1:-}" = "--batch" ]; then
    batch=1
    shift
fi
brand=""
if [ "${1:-}" = "--brand" ]; then
    brand=$(cd "${2:?run.sh: --brand needs a folder}" && pwd)
    shift 2
fi
cd "$(dirname "$0")"

./scripts/install-deps.sh
build=${LUMIVANE_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2

if [ -n "$batch" ] || { [ -z "$brand" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; }; then
    if [ -z "$batch" ]; then
        echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the headless lumivane-batch on the offline example." >&2
    fi
    exec tools/lumivane-batch/run-example.sh "$build/bin" "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); the desktop program needs one." >&2
    exit 1
fi
if [ -z "$brand" ]; then
    exec "$build/bin/lumivane" "$@"
fi

# The program reads its brand files next to itself, so the branded copy gets its own folder.
run=$(mktemp -d "${TMPDIR:-/tmp}/lumivane-brand.XXXXXX")
trap 'rm -rf "$run"' EXIT
cp "$build/bin/lumivane" "$run/"
if [ -x "$build/bin/Updater" ]; then
    cp "$build/bin/Updater" "$run/"
fi
if [ -x "$brand/build.sh" ]; then
    "$brand/build.sh" "$run" "$(cd "$build/bin" && pwd)/lumivane-brand"
else
    for file in "$brand"/dbsettings.dat "$brand"/banner*.dat "$brand"/mainskin.dat "$brand"/main.ico; do
        if [ -f "$file" ]; then
            cp "$file" "$run/"
        fi
    done
fi
echo "run.sh: branded copy in $run (removed when the program ends)"
"$run/lumivane" "$@"
