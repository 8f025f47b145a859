# Sourced by tools/test.sh and tools/run.sh: setup, both builds, and Wine
# started for this shell (stopped when the shell exits).
_prep_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$_prep_root/tools/setup.sh"
bash "$_prep_root/tools/build.sh" x86 x64
source "$_prep_root/tools/wine-env.sh"
wine_start
trap wine_stop EXIT
