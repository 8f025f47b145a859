#!/usr/bin/env bash
# The Wine environment the tests and the demo run in: one prefix under
# build/, a persistent wineserver, a virtual display.
#
#   tools/wine-env.sh prepare   create the prefix once (about 20 s)
#   source tools/wine-env.sh    set WINEPREFIX and friends in this shell
#   wine_start / wine_stop      (after sourcing) server and display up/down
_wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${LAUNCHER_WINEPREFIX:-$_wine_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINE64=/usr/lib/wine/wine64
export WINE32=/usr/lib/wine/wine

_wine_prepare() {
  if [ -f "$WINEPREFIX/.launcher-ready" ]; then return 0; fi
  echo "[wine] creating prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINE64" wineboot -i >/dev/null 2>&1 || true
  # A crashing program must not start winedbg and hang its test.
  for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
             'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
    "$WINE64" reg add "$key" /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
    "$WINE64" reg add "$key" /v Auto /t REG_SZ /d 0 /f >/dev/null 2>&1
  done
  /usr/lib/wine/wineserver -w
  touch "$WINEPREFIX/.launcher-ready"
}

wine_start() {
  _wine_prepare
  if [ -z "${DISPLAY:-}" ]; then
    local n=$(( ($$ % 400) + 100 ))
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _wine_xvfb=$!
    export DISPLAY=":$n"
  fi
  # A persistent server: Wine's helpers would otherwise inherit the test's
  # output pipe and keep CTest waiting.
  /usr/lib/wine/wineserver -p
  "$WINE64" cmd /c exit >/dev/null 2>&1 || true
}

wine_stop() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  if [ -n "${_wine_xvfb:-}" ]; then
    kill "$_wine_xvfb" 2>/dev/null || true
    unset _wine_xvfb
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  case "${1:-}" in
    prepare) _wine_prepare ;;
    *) echo "usage: $0 prepare  (or source it)" >&2; exit 2 ;;
  esac
fi
