#!/usr/bin/env bash
# Prepares a Debian 12 machine to build and test the launcher; safe to run
# again. Installs the packages (MinGW-w64 for both targets, Wine with 32-bit
# support through qemu-user, Xvfb, nginx, archivers, CMake, Ninja), registers
# qemu for 32-bit programs, builds the third-party libraries into the cache
# and creates the Wine prefix the tests use.
#
#   tools/setup.sh            everything
#   LAUNCHER_DEPS_CACHE=...   where the built libraries are kept
#                             (default /var/cache/launcher-deps)
set -euo pipefail
shopt -s inherit_errexit

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
t0=$SECONDS
log() { printf '[setup] %s\n' "$*" >&2; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# --- packages --------------------------------------------------------------
sources=/etc/apt/sources.list.d/launcher-build.sources
want_sources=$(cat <<'SRC'
# Added by the launcher's tools/setup.sh: non-free (unrar), source packages
# (the libraries built for MinGW) and backports (qemu-user 10).
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: contrib non-free
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main non-free
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main contrib non-free
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
)

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  gcc-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-tools libz-mingw-w64-dev
  wine wine64 wine32:i386
  xvfb xauth xdotool nginx-light unrar zip unzip
  cmake ninja-build make dpkg-dev perl file python3 googletest libgtest-dev
)

need_update=0
if [ "$(cat "$sources" 2>/dev/null)" != "$want_sources" ]; then
  log "adding $sources"
  printf '%s\n' "$want_sources" | as_root tee "$sources" >/dev/null
  need_update=1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
qemu_ok=0
case "$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)" in
  1:1[0-9].*) qemu_ok=1 ;;
esac
# Source packages need an index; an empty one means apt-get update never ran.
if [ ${#missing[@]} -gt 0 ] || [ $qemu_ok = 0 ] || [ $need_update = 1 ] ||
   [ -z "$(apt-cache showsrc tinyxml2 2>/dev/null | head -n 1)" ]; then
  log "apt-get update"
  as_root apt-get update -q >/dev/null
fi
if [ ${#missing[@]} -gt 0 ]; then
  log "installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
if [ $qemu_ok = 0 ]; then
  # bookworm's own qemu 7.2 is far too slow and unstable for wine32.
  log "installing qemu-user from bookworm-backports"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -t bookworm-backports qemu-user >/dev/null
fi

# --- 32-bit programs through qemu ---------------------------------------------
# The kernel runs no 32-bit code, so i386 ELF files (wine32's loader) go to
# qemu-i386. Registered anew each run: a qemu upgrade or a reboot drops or
# stales the entry. Flag F opens the interpreter now, so it works in any
# mount namespace.
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
  as_root mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || true
fi
if [ -e "$binfmt/register" ]; then
  if [ -e "$binfmt/qemu-i386" ]; then
    echo -1 | as_root tee "$binfmt/qemu-i386" >/dev/null
  fi
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' |
    as_root tee "$binfmt/register" >/dev/null
else
  log "warning: binfmt_misc is not available; 32-bit tests cannot run"
fi

# --- third-party libraries -----------------------------------------------------
mkdir -p "$build"
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  bash "$root/tools/deps/build-deps.sh" "$triple" "$build/deps-$triple.cmake"
done

# --- the Wine prefix -----------------------------------------------------------
bash "$root/tools/wine-env.sh" prepare

log "ready in $((SECONDS - t0)) s"
