#!/usr/bin/env bash
# Builds a release of Zenka for Windows and writes the package a Windows
# user unpacks anywhere: build/dist/zenka-<version>-win64.zip, holding the
# folder Zenka with zenka.exe, the Icon folder, Zenka.chm and readme.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
# build/win is the Release build; it makes the package as well.
"$root/scripts/build.sh"

version=$(sed -n 's/.*kVersionText = "\([^"]*\)".*/\1/p' "$root/common/version.h")
name=zenka-$version-win64.zip
mkdir -p "$root/build/dist"
cp "$root/build/win/dist/$name" "$root/build/dist/$name"
echo "Wrote build/dist/$name"
