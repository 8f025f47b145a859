#!/usr/bin/env bash
# Runs the launcher under Wine from a fresh folder and shows what it did:
# its checksum (/crc) and the log of a plain start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" x86 x64
source "$root/tools/wine-env.sh"
wine_start
trap wine_stop EXIT
demo="$root/build/demo/Game Folder"
rm -rf "$demo" && mkdir -p "$demo"
cp "$root/build/x64/Launcher.exe" "$demo/"
cd "$demo"
"$WINE64" Launcher.exe /crc
echo "Launcher.exe /crc -> crc.txt: $(cat crc.txt)"
"$WINE64" Launcher.exe
echo "--- launcher log ---"
cat ./*.log
