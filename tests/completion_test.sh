#!/usr/bin/env bash
# The bash completion, loaded into bash and asked as bash asks it at a prompt.
#
#   completion_test.sh COMPLETION_FILE
set -u
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir "store one" store2
touch store.txt

failures=0
# complete_case WORD... '=>' EXPECTED...: the last WORD is the one being completed.
complete_case() {
    local words=() expected=()
    while [ "$1" != '=>' ]; do words+=("$1"); shift; done
    shift
    expected=("$@")
    COMP_WORDS=(mailfolder "${words[@]}")
    COMP_CWORD=${#words[@]}
    COMPREPLY=()
    _mailfolder
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]+"${COMPREPLY[@]}"}" | LC_ALL=C sort)
    local want
    want=$(printf '%s\n' "${expected[@]+"${expected[@]}"}" | LC_ALL=C sort)
    if [ "$got" = "$want" ]; then
        echo "PASS ${words[*]}"
    else
        echo "FAIL ${words[*]}: got [${got//$'\n'/, }], expected [${want//$'\n'/, }]"
        failures=$((failures + 1))
    fi
}

complete_case --j '=>' --json
complete_case --ch '=>' --check
complete_case --d '=>' --directory=
complete_case --h '=>' --help
complete_case - '=>' -C --directory= --json --check -h --help -V --version
complete_case -C "" '=>' "store one" store2
complete_case -C st '=>' "store one" store2
complete_case --json -C "store " '=>' "store one"
complete_case --directory = "" '=>' "store one" store2
complete_case --directory = store2 '=>' store2
complete_case stray '=>' # operands are ignored, so nothing is offered

[ "$failures" = 0 ] || { echo "$failures completion case(s) failed"; exit 1; }
