#!/usr/bin/env bash
# Hierarchy files no store should hold, each made at test time: the tool must finish with exit
# status 0, at most one warning line, and exactly the report the reference model gives.
# (Time and memory on these inputs are figures of the benchmark, not checked here.)
#
#   hostile_input_test.sh TOOL REFERENCE_REPORT
set -uo pipefail
tool=$(realpath "$1")
reference=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_case() {
    local name=$1
    mkdir -p "$work/$name"
    cd "$work/$name" || exit 1
    case $name in
        single-line-of-20-MB) head -c 20000000 /dev/zero | tr '\0' 'x' > HIERARCH.QX ;;
        million-empty-lines) yes '' | head -n 1000000 > HIERARCH.QX ;;
        nul-bytes-only) head -c 1000000 /dev/zero > HIERARCH.QX ;;
        first-line-of-10000-commas) { head -c 10000 /dev/zero | tr '\0' ','; printf '\n1,tray\n0,F1,T1,"a",FILES:x"\n'; } > HIERARCH.QX ;;
        ctrl-z-first) printf '\032HDR ID,\r\n1,tray\r\n' > HIERARCH.QX ;;
        format-directives) printf 'HDR %%n%%s,\n1,%%s%%n%%x%%p\n0,F1,T1,"%%n",FILES:%%s%%n%%%%"%%n%%s\n' > HIERARCH.QX ;;
        random-bytes) head -c 2000000 /dev/urandom > HIERARCH.QX ;;
    esac
}

failures=0
for name in single-line-of-20-MB million-empty-lines nul-bytes-only first-line-of-10000-commas ctrl-z-first \
    format-directives random-bytes; do
    make_case "$name"
    timeout 120 "$tool" > stdout 2> stderr
    status=$?
    "$reference" > expected
    lines=$(wc -l < stderr)
    if [ "$status" != 0 ]; then
        echo "FAIL $name: exit status $status"
    elif [ "$lines" -gt 1 ] || { [ "$lines" = 1 ] && ! grep -q '^mailfolder: HIERARCH.QX: warning: ' stderr; }; then
        echo "FAIL $name: unexpected stderr:"
        head -n 3 stderr
    elif ! cmp -s expected stdout; then
        echo "FAIL $name: the report differs from the reference: $(cmp expected stdout 2>&1 | head -n 1)"
    else
        echo "PASS $name"
        continue
    fi
    failures=$((failures + 1))
done
[ "$failures" = 0 ]
