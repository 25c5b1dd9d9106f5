#!/usr/bin/env bash
# Output that cannot be written is a failure in every mode: with standard output on a full
# device the tool says so in one line on stderr and exits 1 (never 0, never --check's 3).
#
#   full_output_test.sh TOOL STORE
set -uo pipefail
tool=$(realpath "$1")
cd "$2" || exit 1
[ -w /dev/full ] || { echo "SKIP: no /dev/full here"; exit 0; }
expected="mailfolder: standard output: No space left on device"
failures=0
for mode in "" --json --check "--check --json" --help --version; do
    # shellcheck disable=SC2086 # the mode is one or two words, or none
    err=$(timeout 60 "$tool" $mode 2>&1 > /dev/full)
    status=$?
    if [ "$status" != 1 ] || [ "$err" != "$expected" ]; then
        echo "FAIL full output with '$mode': status $status (expected 1), stderr: $err"
        failures=$((failures + 1))
    else
        echo "PASS full output with '$mode'"
    fi
done
[ "$failures" = 0 ]
