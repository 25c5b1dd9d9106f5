#!/usr/bin/env bash
# Checks the packages that `make package` leaves in DIST: the .deb holds the program, its
# manual page and its bash completion and nothing else, declares computed dependencies, and, unpacked into a scratch
# root, reports on the sample store exactly as expected; the .zip holds mailfolder.exe and its
# README.
#
#   check-packages.sh DIST
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dist=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

deb=$(ls "$dist"/mailfolder_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --info "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libc6* ]] || { echo "FAIL: no computed dependency on libc6: $depends"; exit 1; }
files=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '/$')
expected_files=$'./usr/bin/mailfolder\n./usr/share/bash-completion/completions/mailfolder\n./usr/share/man/man1/mailfolder.1'
[ "$files" = "$expected_files" ] || { echo "FAIL: the package holds:"; echo "$files"; exit 1; }

dpkg -x "$deb" "$work/root"
mandoc -T lint -W warning "$work/root/usr/share/man/man1/mailfolder.1"
man -l "$work/root/usr/share/man/man1/mailfolder.1" > /dev/null 2>&1 || mandoc -T ascii "$work/root/usr/share/man/man1/mailfolder.1" > /dev/null
cp -RL "$top/examples/store" "$work/store"
(cd "$work/store" && "$work/root/usr/bin/mailfolder" > "$work/report")
cmp "$top/tests/acceptance/cases/sample-store/expected-stdout" "$work/report"
echo "PASS the installed program reports on the sample store as expected"

zip=$(ls "$dist"/mailfolder-*-windows-x86_64.zip)
echo "== $(basename "$zip")"
contents=$(cd "$work" && cmake -E tar tf "$zip" | sort)
echo "$contents"
grep -q '/mailfolder.exe$' <<< "$contents" && grep -q '/README.txt$' <<< "$contents" ||
    { echo "FAIL: the zip must hold mailfolder.exe and README.txt"; exit 1; }
[ "$(wc -l <<< "$contents")" = 2 ] || { echo "FAIL: the zip holds more than the program and its README"; exit 1; }
echo "PASS packages"
