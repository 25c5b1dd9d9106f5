#!/usr/bin/env bash
# `cmake --install` puts the program, its manual page and its bash completion under the prefix,
# and nothing else.
#
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
installed=$(cd "$prefix" && find . -type f | sort)
expected=$'./bin/mailfolder\n./share/bash-completion/completions/mailfolder\n./share/man/man1/mailfolder.1'
if [ "$installed" != "$expected" ]; then
    echo "FAIL: installed"
    echo "$installed"
    exit 1
fi
echo "PASS install"
