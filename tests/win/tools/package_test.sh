#!/usr/bin/env bash
# The release package's test: unpacks the zip into a fresh Wine prefix, in a
# folder whose name has Japanese and a blank as a user's might, and runs the
# ReleasePackage test of zenka_win_tests.exe on it.
#   tests/win/tools/package_test.sh ZIP ZENKA_WIN_TESTS_EXE
set -euo pipefail
zip=$1 tests=$2
source "$(dirname "$0")/../../../scripts/wine-env.sh"

zenka_wine_throwaway package

place="$WINEPREFIX/drive_c/ダウンロード/新しい フォルダー"
mkdir -p "$place"
unzip -q "$zip" -d "$place"
export ZENKA_PACKAGE_DIR='C:\ダウンロード\新しい フォルダー\Zenka'
wine "$tests" --gtest_filter='ReleasePackage.*' </dev/null
