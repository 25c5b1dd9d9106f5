#!/usr/bin/env bash
# A report that cannot be written is a failure: with standard output on a full device the tool
# says so in one line on stderr and exits 1.
#
#   full_output_test.sh TOOL STORE
set -uo pipefail
tool=$(realpath "$1")
cd "$2" || exit 1
[ -w /dev/full ] || { echo "SKIP: no /dev/full here"; exit 0; }
err=$(timeout 60 "$tool" 2>&1 > /dev/full)
status=$?
expected="mailfolder: standard output: No space left on device"
if [ "$status" != 1 ] || [ "$err" != "$expected" ]; then
    echo "FAIL full output: status $status (expected 1), stderr: $err"
    exit 1
fi
echo "PASS full output"
