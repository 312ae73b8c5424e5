#!/usr/bin/env bash
# Case-insensitive matching under the Turkish user locale (dotted and dotless i): the Windows
# build under Wine, whose user locale follows LC_ALL (LANG alone is not enough).
set -euo pipefail
build=$(cd "$1" && pwd)
flavour=$2
[ "$flavour" = wine ] || exit 77
source_dir=${VELANTO_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
out=$(LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 VELANTO_WINE_BUILD="$build" \
  bash "$source_dir/tests/wine-run.sh" "$build/tests/unit_tests.exe" \
  --gtest_filter='SelectTurkish*:CaseTables.Turkish*' 2>&1) || { echo "$out"; exit 1; }
echo "$out"
# Skipped means Wine did not give the Turkish locale: that is a failure here, not a pass.
if grep -q '\[  SKIPPED \]' <<<"$out"; then echo "Turkish locale not in effect"; exit 1; fi
grep -q '\[  PASSED  \] [1-9]' <<<"$out"
