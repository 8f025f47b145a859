#!/usr/bin/env bash
# Builds both targets: build/x86 (the shipping 32-bit Launcher.exe) and
# build/x64 (the build the test suite runs under 64-bit Wine).
#   tools/build.sh [x86|x64]...   (default both)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(x86 x64)
for target in "${targets[@]}"; do
  case "$target" in
    x86) triple=i686-w64-mingw32; toolchain=i686 ;;
    x64) triple=x86_64-w64-mingw32; toolchain=x86_64 ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  dir="$root/build/$target"
  emulator=/usr/lib/wine/wine64
  [ "$target" = x86 ] && emulator=/usr/lib/wine/wine
  cmake -S "$root" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$toolchain.cmake" \
    -DLAUNCHER_DEPS_FRAGMENT="$root/build/deps-$triple.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" >/dev/null
  cmake --build "$dir"
done
