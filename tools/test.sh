#!/usr/bin/env bash
# The whole test run: setup, both builds, every test on x64 under wine64,
# the unit tests on x86 under wine32 (through qemu).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/prepare.sh"
status=0
echo "== x64 (wine64): all tests"
(cd "$root/build/x64" && ctest -j2 --output-on-failure "$@") || status=1
echo "== x86 (wine32 through qemu): unit tests"
(cd "$root/build/x86" && ctest -j2 -L unit --output-on-failure "$@") || status=1
exit $status
