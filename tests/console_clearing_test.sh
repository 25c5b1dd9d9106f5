#!/usr/bin/env bash
# The console is cleared only when the report goes to a terminal: under a pseudo-terminal the
# clearing comes first, and redirected to a file the report starts with its header.
#
#   console_clearing_test.sh TOOL SAMPLE_STORE
set -euo pipefail
tool=$(realpath "$1")
cd "$2"

on_terminal=$(script --quiet --return --command "$tool" /dev/null | head -c 22 | od -An -c | tr -s ' ')
expected=$(printf '\033[H\033[2J\033[3JMail Folder' | od -An -c | tr -s ' ')
if [ "$on_terminal" != "$expected" ]; then
    echo "on a terminal the report should start with the clearing, got:$on_terminal"
    exit 1
fi
redirected=$("$tool" | head -c 12)
if [ "$redirected" != "Mail Folder" ]; then
    echo "redirected, the report should start with its header, got: $redirected"
    exit 1
fi
echo "PASS console clearing"
