#!/usr/bin/env bash
# Signs an update folder for the Updater: lists every file below <folder>/files with its
# SHA-256 in the [FILES] section of <folder>/mainappupdate.inf (the [APPLICATION] section is
# kept) and writes the Ed25519 signature of that file to mainappupdate.inf.sig.
#
# usage: tools/sign-update.sh <update folder> <private key PEM> [version]
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 <update folder> <private key PEM> [version]" >&2
    exit 2
fi
folder=$1
key=$2
version=${3:-}
manifest="$folder/mainappupdate.inf"
name=Lumivane

if [ ! -d "$folder/files" ]; then
    echo "$0: $folder/files is not a folder" >&2
    exit 1
fi
if [ -z "$version" ] && [ -f "$manifest" ]; then
    version=$(sed -n 's/\r$//; s/^[[:space:]]*[Vv]ersion[[:space:]]*=[[:space:]]*//p' "$manifest" | head -n 1)
fi
if [ -f "$manifest" ]; then
    found=$(sed -n 's/\r$//; s/^[[:space:]]*[Nn]ame[[:space:]]*=[[:space:]]*//p' "$manifest" | head -n 1)
    name=${found:-$name}
fi
if [ -z "$version" ]; then
    echo "$0: no version given and none found in $manifest" >&2
    exit 1
fi
if find "$folder/files" -mindepth 1 ! -type f ! -type d | grep -q .; then
    echo "$0: $folder/files holds something that is neither a file nor a folder" >&2
    exit 1
fi

# A manifest line is "path=hash", trimmed, with ";" starting a comment and "[" a section, so
# a name the Updater would read differently (or skip) is refused here rather than at install.
paths=()
while IFS= read -r -d '' path; do
    path=${path#./}
    case $path in
    *=* | *\\* | \;* | \[* | [[:space:]]* | *[[:space:]] | *[[:cntrl:]]*)
        echo "$0: a manifest cannot list the file name '$path'; rename it" >&2
        exit 1
        ;;
    esac
    paths+=("$path")
done < <(cd "$folder/files" && find . -type f -print0 | LC_ALL=C sort -z)
if [ ${#paths[@]} -eq 0 ]; then
    echo "$0: $folder/files holds no file" >&2
    exit 1
fi

tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
{
    printf '[APPLICATION]\r\nName=%s\r\nVersion=%s\r\n\r\n[FILES]\r\n' "$name" "$version"
    for path in "${paths[@]}"; do
        hash=$(cd "$folder/files" && sha256sum -- "$path" | cut -d' ' -f1)
        printf '%s=%s\r\n' "$path" "$hash"
    done
} >"$tmp"
cp "$tmp" "$manifest"
openssl pkeyutl -sign -rawin -inkey "$key" -in "$manifest" -out "$manifest.sig"
echo "signed $manifest (version $version)"
