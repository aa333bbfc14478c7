#!/usr/bin/env bash
# Builds the files of the sample brand into a program folder:
#   dbsettings.dat   profile.txt encrypted with lumivane-brand
#   banner1.dat      promo.gif   (Banner1 names promo.gif)
#   banner2.dat      partner.jpg (Banner2 names partner.jpg)
#   mainskin.dat     skin.qss, gzip-compressed
#   main.ico         the brand's icon
# Usage: build.sh OUTPUT-FOLDER [LUMIVANE-BRAND]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:?usage: build.sh OUTPUT-FOLDER [LUMIVANE-BRAND]}
tool=${2:-$here/../../build/bin/lumivane-brand}

if [ ! -x "$tool" ]; then
    echo "build.sh: $tool not found; build the lumivane-brand target first." >&2
    exit 1
fi
mkdir -p "$out"
"$tool" encrypt "$here/profile.txt" "$out/dbsettings.dat"
cp "$here/promo.gif" "$out/banner1.dat"
cp "$here/partner.jpg" "$out/banner2.dat"
gzip -9 -n -c "$here/skin.qss" > "$out/mainskin.dat"
cp "$here/main.ico" "$out/main.ico"
echo "Sample brand written to $out"
