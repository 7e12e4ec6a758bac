#!/usr/bin/env bash
# Makes the release package:
#   tools/package_zip.sh ZIP VERSION ZENKA_EXE ICON_FOLDER HELP_FILE README
# The zip holds one folder, Zenka, with zenka.exe, the Icon folder, Zenka.chm
# and readme.txt. The readme's source is UTF-8; the package has it in code
# page 932 with CR LF, which every Japanese Windows's Notepad reads.
set -euo pipefail
zip=$1 version=$2 exe=$3 icons=$4 help=$5 readme=$6

stage=$zip.stage
rm -rf "$stage"
mkdir -p "$stage/Zenka"
cp "$exe" "$stage/Zenka/zenka.exe"
cp -R "$icons" "$stage/Zenka/Icon"
cp "$help" "$stage/Zenka/Zenka.chm"
sed "s/@VERSION@/$version/" "$readme" | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' >"$stage/Zenka/readme.txt"

# Names in a fixed order, and no Unix attributes beyond the usual.
rm -f "$zip.tmp"
(cd "$stage" && find Zenka | LC_ALL=C sort | zip -q -X -9 -@ "$zip.tmp")
mv "$zip.tmp" "$zip"
rm -rf "$stage"
