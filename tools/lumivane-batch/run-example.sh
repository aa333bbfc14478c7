#!/usr/bin/env bash
# Runs lumivane-batch on the bundled offline example site and tells where the thumbnails are.
#   run-example.sh BIN_DIR [lumivane-batch options...]
# The thumbnails and the report go to BIN_DIR/../example-thumbnails (inside the build folder).
set -euo pipefail
bin=$(cd "${1:?run-example.sh: give the folder lumivane-batch was built into}" && pwd)
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(dirname "$bin")/example-thumbnails
mkdir -p "$out"
"$root/examples/make-urls.sh" "$out/urls.txt" >/dev/null
status=0
"$bin/lumivane-batch" --list-format pipe --folder "$out" --no-skip --report "$out/report.csv" \
    "$@" "$out/urls.txt" || status=$?
echo "Thumbnails of the offline example: $out (report: $out/report.csv)"
exit "$status"
