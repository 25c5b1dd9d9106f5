#!/usr/bin/env bash
# The console is cleared only when the report goes to a terminal: under a pseudo-terminal the
# clearing comes first, and redirected to a file the report starts with its header. --json and
# --check never clear it, not even on a terminal.
#
#   console_clearing_test.sh TOOL SAMPLE_STORE
#
# Whole outputs go to files before they are compared: a reader that stops early (head) would
# let the writer die of SIGPIPE, and that depends on timing, not on the tool.
set -euo pipefail
tool=$(realpath "$1")
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! script --quiet --return --command "$tool" /dev/null > "$work/terminal" 2> "$work/terminal-errors"; then
    echo "FAIL the run under a pseudo-terminal failed:"
    cat "$work/terminal-errors" "$work/terminal"
    exit 1
fi
printf '\033[H\033[2J\033[3JMail Folder' > "$work/expected-start"
if ! cmp -s -n "$(wc -c < "$work/expected-start")" "$work/expected-start" "$work/terminal"; then
    echo "FAIL on a terminal the report should start with the clearing, got:"
    head -c 40 "$work/terminal" | od -An -c
    exit 1
fi

for mode in --json --check; do
    script --quiet --return --command "$tool $mode" /dev/null > "$work/terminal" 2>&1 || true
    case $mode in --json) start='{"type":"store"' ;; --check) start='missing: ' ;; esac
    printf '%s' "$start" > "$work/expected-start"
    if ! cmp -s -n "${#start}" "$work/expected-start" "$work/terminal"; then
        echo "FAIL on a terminal $mode should start with its own output, got:"
        head -c 40 "$work/terminal" | od -An -c
        exit 1
    fi
done

"$tool" > "$work/redirected"
printf 'Mail Folder\n' > "$work/expected-start"
if ! cmp -s -n 12 "$work/expected-start" "$work/redirected"; then
    echo "FAIL redirected, the report should start with its header, got:"
    head -c 40 "$work/redirected" | od -An -c
    exit 1
fi
echo "PASS console clearing"
