#!/usr/bin/env bash
# The report shown in README.md is the sample store's report as the acceptance suite expects it.
#
#   readme_sample_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
shown=$(awk '/^## A report/ { inside = 1 } inside && /^```$/ { if (open) exit; open = 1; next } open' README.md)
expected=$(cat tests/acceptance/cases/sample-store/expected-stdout)
if [ "$shown" != "$expected" ]; then
    echo "FAIL: README.md shows another report than the sample store's:"
    diff <(echo "$expected") <(echo "$shown") || true
    exit 1
fi
echo "PASS README sample"
