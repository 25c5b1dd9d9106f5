#!/usr/bin/env bash
# Runs the acceptance suite against mailfolder.exe under Wine.
#
#   run-under-wine.sh BUILD_DIR
#
# The Wine prefix lives in BUILD_DIR, so nothing touches the user's home; it is made once and
# reused by every case. Its creation talks on stderr, which goes to a log of its own so it is
# never taken for the tool's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
command -v wine > /dev/null || { echo "run-under-wine.sh: wine is not installed (Debian: apt-get install wine64)" >&2; exit 1; }

export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no .NET or HTML engine: they are not needed
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix in $WINEPREFIX (log: $build/wineboot.log)"
    wineboot --init > "$build/wineboot.log" 2>&1
    wineserver --wait
fi
trap 'wineserver --kill 2>/dev/null || true' EXIT
bash "$here/run.sh" --windows "$build/mailfolder.exe"
