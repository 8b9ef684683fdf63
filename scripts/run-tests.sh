#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test twice: a normal build and a
# build with AddressSanitizer and UndefinedBehaviorSanitizer. Any failure or report fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
bash "$root/scripts/install-deps.sh"

# Tests that look at pixels render on a virtual X server; every ctest run gets its own.
in_x_server() { xvfb-run -a -s "-screen 0 1920x1080x24" "$@"; }

echo "== normal build"
bash "$root/scripts/build.sh" "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd "$root/build-tests" && in_x_server ctest --output-on-failure --parallel "$jobs")

echo "== sanitizer build (ASan + UBSan)"
bash "$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTOREL_SANITIZE=ON
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
# Quoted for the sanitizers: a checkout's path may hold blanks, colons or commas.
export LSAN_OPTIONS="suppressions=\"$root/tests/lsan.supp\":print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$root/build-asan" && in_x_server ctest --output-on-failure --parallel "$jobs")
