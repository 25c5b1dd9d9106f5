#!/usr/bin/env bash
# Runs fixture stores through the built tool and compares what it prints, byte for byte.
#
#   run.sh [--windows] TOOL [CASE...]      (no CASE: every case under cases/)
#
# A case is a folder under cases/:
#   store/           the store the tool runs in (copied first; absent: an empty directory)
#   setup            optional bash script run inside the copy, for what git cannot hold (FIFOs, links)
#   args             optional arguments, one per line
#   expected-stdout  the exact report
#   expected-stderr  optional; absent means nothing on stderr
#   expected-status  optional; absent means 0
#   posix-only       optional; its text says why the case cannot exist on Windows
# Whatever a case prints with --json is also read back by check_json.py.
# With --windows, TOOL is a Windows executable run under Wine (WINEPREFIX set by the caller), and
# every LF expected is a CR LF, as Windows' text-mode output writes it.
# For every case the store must be the same after the run as before: the tool writes nothing.
set -u

here=$(cd "$(dirname "$0")" && pwd)
windows=0
if [ "${1:-}" = --windows ]; then
    windows=1
    shift
fi
[ $# -ge 1 ] || { echo "usage: run.sh [--windows] TOOL [CASE...]" >&2; exit 2; }
tool=$(realpath "$1")
shift
if [ $# -gt 0 ]; then
    cases=("$@")
else
    cases=()
    for dir in "$here"/cases/*/; do cases+=("$(basename "$dir")"); done
fi

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT

# Names, types, sizes, modes and modification times of the whole tree, and the contents of its
# regular files (never of a FIFO, which would block).
snapshot() {
    (cd "$1" && find . -printf '%p %y %s %m %T@ %l\n' | LC_ALL=C sort &&
        find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r md5sum)
}

# LF becomes CR LF when the tool runs on Windows; on POSIX the bytes stay as they are.
expected_bytes() {
    if [ "$windows" = 1 ]; then perl -0777 -pe 's/\n/\r\n/g' "$1"; else cat "$1"; fi
}

show_difference() {
    echo "--- $1: expected, then got (cat -A: \$ ends a line, ^M is CR, ^@ NUL) ---"
    diff -u --label expected --label got <(cat -A "$2") <(cat -A "$3") | head -n 60
}

failures=0
for name in "${cases[@]}"; do
    dir=$here/cases/$name
    if [ ! -f "$dir/expected-stdout" ]; then
        echo "FAIL $name: no such case"
        failures=$((failures + 1))
        continue
    fi
    if [ "$windows" = 1 ] && [ -f "$dir/posix-only" ]; then
        echo "SKIP $name: $(head -n 1 "$dir/posix-only")"
        continue
    fi
    out=$work/$name
    store=$out/store
    mkdir -p "$store"
    [ -d "$dir/store" ] && cp -RL "$dir/store/." "$store/"
    if [ -f "$dir/setup" ]; then
        (cd "$store" && bash "$dir/setup") || { echo "FAIL $name: setup failed"; failures=$((failures + 1)); continue; }
    fi
    args=()
    [ -f "$dir/args" ] && mapfile -t args < "$dir/args"

    snapshot "$store" > "$out/before"
    if [ "$windows" = 1 ]; then
        (cd "$store" && timeout 60 wine "$tool" "${args[@]}" < /dev/null > "$out/stdout" 2> "$out/stderr")
    else
        (cd "$store" && timeout 60 "$tool" "${args[@]}" < /dev/null > "$out/stdout" 2> "$out/stderr")
    fi
    status=$?
    snapshot "$store" > "$out/after"

    expected_bytes "$dir/expected-stdout" > "$out/expected-stdout"
    if [ -f "$dir/expected-stderr" ]; then expected_bytes "$dir/expected-stderr"; fi > "$out/expected-stderr"
    expected_status=0
    [ -f "$dir/expected-status" ] && expected_status=$(cat "$dir/expected-status")

    ok=1
    if ! cmp -s "$out/expected-stdout" "$out/stdout"; then
        ok=0
        show_difference "$name: stdout" "$out/expected-stdout" "$out/stdout"
    fi
    if ! cmp -s "$out/expected-stderr" "$out/stderr"; then
        ok=0
        show_difference "$name: stderr" "$out/expected-stderr" "$out/stderr"
    fi
    if [ "$status" != "$expected_status" ]; then
        ok=0
        echo "--- $name: exit status $status, expected $expected_status"
    fi
    # JSON Lines are read back with a real parser and held to the store's bytes.
    if [[ " ${args[*]} " == *" --json "* ]] && [ -s "$out/stdout" ]; then
        if ! python3 "$here/check_json.py" "$out/stdout" "$store" "${args[@]}" > "$out/json" 2>&1; then
            ok=0
            echo "--- $name: the JSON Lines do not read back"
            tail -n 5 "$out/json"
        fi
    fi
    if ! cmp -s "$out/before" "$out/after"; then
        ok=0
        echo "--- $name: the store changed during the run"
        diff -u --label before --label after "$out/before" "$out/after" | head -n 20
    fi
    if [ "$ok" = 1 ]; then
        echo "PASS $name"
    else
        echo "FAIL $name"
        failures=$((failures + 1))
    fi
done

[ "$failures" = 0 ] || { echo "$failures case(s) failed"; exit 1; }
