#!/usr/bin/env bash
# Builds the third-party libraries the launcher links (tinyxml2, libpng, OpenSSL
# libcrypto, UnRAR) as static MinGW libraries from Debian's source packages.
# zlib comes ready-made from libz-mingw-w64-dev.
#
# Every library lands in its own folder of the cache, keyed by the source
# package's version, the recipe revision below and the target, so a second run
# only checks stamps. At the end a CMake fragment naming those folders is
# written for the project's build.
#
#   build-deps.sh <triple> <cmake-fragment-out>
#   triple: i686-w64-mingw32 | x86_64-w64-mingw32
#   LAUNCHER_DEPS_CACHE: cache root (default /var/cache/launcher-deps)
set -euo pipefail
shopt -s inherit_errexit

triple=${1:?target triple}
fragment=${2:?output cmake fragment}
cache=${LAUNCHER_DEPS_CACHE:-/var/cache/launcher-deps}
jobs=$(nproc)
# Bump when a recipe below changes, so stale builds are not reused.
recipe=3

cc="${triple}-gcc-posix"
cxx="${triple}-g++-posix"
ar="${triple}-ar"
ranlib="${triple}-ranlib"
cflags="-O2 -g0"

mkdir -p "$cache/src"

log() { printf '[deps %s] %s\n' "$triple" "$*" >&2; }

# Source package version as apt would fetch it (the candidate's source).
src_version() {
  apt-cache showsrc "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -V | tail -n 1
}

# Unpacks the Debian source package (patches applied) once into the cache and
# prints the folder.
fetch_source() {
  local pkg=$1 ver=$2 dir="$cache/src/$1_$2"
  if [ ! -f "$dir/.unpacked" ]; then
    log "fetching source $pkg $ver"
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && apt-get source -q "$pkg=$ver" >"$dir.log" 2>&1) || {
      cat "$dir.log" >&2; return 1; }
    local tree
    tree=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    mv "$tree" "$dir/tree"
    touch "$dir/.unpacked"
  fi
  printf '%s\n' "$dir/tree"
}

# A private copy of a source tree for one build (the shared copy stays clean).
work_copy() {
  local from=$1 to=$2
  rm -rf "$to" && mkdir -p "$(dirname "$to")" && cp -a "$from" "$to"
}

build_tinyxml2() {
  local src=$1 out=$2 w="$out.work"
  work_copy "$src" "$w"
  mkdir -p "$out/include" "$out/lib"
  "$cxx" $cflags -std=c++17 -c "$w/tinyxml2.cpp" -o "$w/tinyxml2.o"
  "$ar" rcs "$out/lib/libtinyxml2.a" "$w/tinyxml2.o"
  cp "$w/tinyxml2.h" "$out/include/"
  rm -rf "$w"
}

build_libpng() {
  local src=$1 out=$2 w="$out.work"
  work_copy "$src" "$w"
  mkdir -p "$out/include" "$out/lib"
  cp "$w/scripts/pnglibconf.h.prebuilt" "$w/pnglibconf.h"
  local objs=()
  for f in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil \
           pngset pngtrans pngwio pngwrite pngwtran pngwutil; do
    "$cc" $cflags -I"$w" -c "$w/$f.c" -o "$w/$f.o"
    objs+=("$w/$f.o")
  done
  "$ar" rcs "$out/lib/libpng.a" "${objs[@]}"
  cp "$w/png.h" "$w/pngconf.h" "$w/pnglibconf.h" "$out/include/"
  rm -rf "$w"
}

build_openssl() {
  local src=$1 out=$2 w="$out.work" target
  case "$triple" in
    i686-*) target=mingw ;;
    x86_64-*) target=mingw64 ;;
  esac
  work_copy "$src" "$w"
  mkdir -p "$out/include" "$out/lib"
  # i686 assembly does not assemble with MinGW's gas, so no-asm on both for
  # one behaviour; providers are linked in (no-module) so Blowfish from the
  # legacy provider is available in a static build.
  (cd "$w" && CC="$cc" CXX="$cxx" AR="$ar" RANLIB="$ranlib" RC="${triple}-windres" \
     ./Configure "$target" no-asm no-shared no-module no-tests \
       no-ui-console no-engine no-dso no-autoload-config \
       --prefix=/ --libdir=lib >"$w.configure.log" 2>&1) || {
    tail -n 40 "$w.configure.log" >&2; return 1; }
  (cd "$w" && make -j"$jobs" build_generated >"$w.make.log" 2>&1 &&
     make -j"$jobs" libcrypto.a >>"$w.make.log" 2>&1) || {
    tail -n 40 "$w.make.log" >&2; return 1; }
  cp "$w/libcrypto.a" "$out/lib/"
  mkdir -p "$out/include/openssl"
  cp "$w"/include/openssl/*.h "$out/include/openssl/"
  rm -rf "$w" "$w.configure.log" "$w.make.log"
}

build_unrar() {
  local src=$1 out=$2 w="$out.work"
  work_copy "$src" "$w"
  mkdir -p "$out/include/unrar" "$out/lib"
  # MinGW compatibility: lower-case system header names, and WMI headers
  # that isnt.cpp wants only for a Windows version probe.
  sed -i 's/<PowrProf.h>/<powrprof.h>/' "$w/os.hpp"
  sed -i 's/<Wbemidl.h>/<wbemidl.h>/' "$w/isnt.cpp"
  local objs=()
  for f in rar strlist strfn pathfn smallfn global file filefn filcreat archive \
           arcread unicode system crypt crc rawread encname resource match timefn \
           rdwrfn consio options errhnd rarvm secpassword rijndael getbits sha1 \
           sha256 blake2s hash extinfo extract volume list find unpack headers \
           threadpool rs16 cmddata ui filestr scantree dll qopen isnt; do
    "$cxx" $cflags -std=c++11 -DRARDLL -DSILENT -DUNICODE -D_UNICODE \
      -Wno-dangling-else -Wno-switch -Wno-unused-result -Wno-deprecated-declarations \
      -c "$w/$f.cpp" -o "$w/$f.o" 2>>"$w.log" || { tail -n 40 "$w.log" >&2; return 1; }
    objs+=("$w/$f.o")
  done
  "$ar" rcs "$out/lib/libunrar.a" "${objs[@]}"
  cp "$w"/*.hpp "$out/include/unrar/"
  rm -rf "$w" "$w.log"
}

# Runs one recipe unless its stamp says it is built; prints the folder.
ensure() {
  local name=$1 pkg=$2 ver out src
  ver=$(src_version "$pkg")
  [ -n "$ver" ] || { log "no source package $pkg (is deb-src enabled?)"; return 1; }
  # Epochs and tildes make awkward path characters.
  local key=${ver//[:~]/_}
  out="$cache/$name-$key-r$recipe/$triple"
  if [ ! -f "$out/.built" ]; then
    src=$(fetch_source "$pkg" "$ver")
    log "building $name $ver"
    local t0=$SECONDS
    rm -rf "$out"
    "build_$name" "$src" "$out"
    touch "$out/.built"
    log "built $name in $((SECONDS - t0)) s"
  fi
  printf '%s\n' "$out"
}

tinyxml2_dir=$(ensure tinyxml2 tinyxml2)
libpng_dir=$(ensure libpng libpng1.6)
openssl_dir=$(ensure openssl openssl)
unrar_dir=$(ensure unrar unrar-nonfree)
zlib_lib="/usr/$triple/lib/libz.a"
[ -f "$zlib_lib" ] || { log "missing $zlib_lib (libz-mingw-w64-dev)"; exit 1; }

mkdir -p "$(dirname "$fragment")"
cat >"$fragment" <<EOF
# Written by tools/deps/build-deps.sh; do not edit.
set(LAUNCHER_TINYXML2_DIR "$tinyxml2_dir")
set(LAUNCHER_LIBPNG_DIR "$libpng_dir")
set(LAUNCHER_OPENSSL_DIR "$openssl_dir")
set(LAUNCHER_UNRAR_DIR "$unrar_dir")
set(LAUNCHER_ZLIB_LIBRARY "$zlib_lib")
set(LAUNCHER_ZLIB_INCLUDE_DIR "/usr/$triple/include")
EOF
log "dependencies ready"
