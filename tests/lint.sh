#!/usr/bin/env bash
# clang-tidy (configured in .clang-tidy), clang-format and cppcheck; fails on any finding.
#
#   lint.sh BUILD_DIR      (a native build configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
status=0
# The Windows files need the Windows headers, which only the cross build has; cppcheck reads them.
mapfile -t sources < <(ls src/*/*.cpp | grep -v '_windows\.cpp$')
echo "== clang-tidy on ${#sources[@]} files"
clang-tidy -p "$build" --quiet "${sources[@]}" 2> >(grep -v "warnings generated" >&2) || status=1
echo "== clang-format (.clang-format) on the C++ sources"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror || status=1
echo "== cppcheck on src/"
cppcheck --enable=warning,style,performance,portability --std=c++20 --inline-suppr --error-exitcode=1 --quiet \
    -I src src/ || status=1
exit $status
