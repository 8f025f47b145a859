#!/usr/bin/env bash
# Runs the launcher under Wine from a fresh folder and shows what it did:
# its checksum (/crc) and the log of a plain start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/prepare.sh"
demo="$root/build/demo/Game Folder"
rm -rf "$demo" && mkdir -p "$demo"
cp "$root/build/x64/Launcher.exe" "$demo/"
cd "$demo"
"$WINE64" Launcher.exe /crc
echo "Launcher.exe /crc -> crc.txt: $(cat crc.txt)"
"$WINE64" Launcher.exe
echo "--- launcher log ---"
cat ./*.log
