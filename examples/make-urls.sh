#!/usr/bin/env bash
# Writes urls.txt beside this script: the pages of site/ as file:// URLs with
# absolute paths, in the "ID|URL" format the import dialog reads.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/urls.txt}
: > "$out"
for page in text images table tall iframe; do
    printf '%s|file://%s/site/%s.html\n' "$page" "$here" "$page" >> "$out"
done
echo "wrote $out"
