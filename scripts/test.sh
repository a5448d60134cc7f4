#!/usr/bin/env bash
# Builds Tavrel in Debug with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"

build="$top/build/debug"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
