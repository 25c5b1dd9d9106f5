#!/usr/bin/env bash
# Runs the report fuzzer for a bounded time. It starts from the minimised corpus kept beside this
# script (the coverage earlier runs reached) and every fixture store's hierarchy file; what it
# finds new goes to BUILD_DIR/fuzz-corpus, never into the repository.
#
#   run.sh BUILD_DIR SECONDS
#
# To fold a long run's finds into the kept corpus:
#   report_fuzzer -merge=1 tests/fuzz/corpus BUILD_DIR/fuzz-corpus
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
seconds=$2
corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
for hierarchy in "$here"/../acceptance/cases/*/store/HIERARCH.QX "$here"/../../examples/store/HIERARCH.QX; do
    [ -f "$hierarchy" ] && cp "$hierarchy" "$corpus/seed-$(basename "$(dirname "$(dirname "$hierarchy")")")"
done
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# grep hides the progress lines and may find nothing else to print; the fuzzer's own status
# decides, and pipefail hands it on.
status=0
"$build/tests/fuzz/report_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -dict="$here/hierarchy.dict" -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" "$here/corpus" 2>&1 |
    { grep -v -E '^#[0-9]+.*(NEW|REDUCE|pulse)' || true; } || status=$?
exit "$status"
