#!/usr/bin/env bash
# The report and the audit shown in README.md are the sample store's, as the acceptance suite
# expects them.
#
#   readme_sample_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
# The first fenced block after the line that starts with $1, less a leading "$ command" line.
shown() {
    awk -v start="$1" 'index($0, start) == 1 { inside = 1 } inside && /^```$/ { if (open) exit; open = 1; next } open' README.md |
        sed '1{/^\$ /d}'
}
status=0
compare() {
    if [ "$(shown "$1")" != "$(cat "$2")" ]; then
        echo "FAIL: README.md shows under '$1' another output than $2:"
        diff <(cat "$2") <(shown "$1") || true
        status=1
    fi
}
compare '## A report' tests/acceptance/cases/sample-store/expected-stdout
compare 'The audit of the sample store' tests/acceptance/cases/sample-store-check/expected-stdout
[ "$status" = 0 ] && echo "PASS README samples"
exit "$status"
