#!/usr/bin/env bash
# Runs every test through ctest under Wine, on a private display that is stopped afterwards.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
bash "$here/wine-session.sh" start || exit 1
trap 'bash "$here/wine-session.sh" stop' EXIT
source "$here/wine-env.sh"
# Wine's desktop process ends a while after the last window closes, and two test processes starting
# it again at once can stall for half a minute: a window kept open for the run keeps it alive.
wine notepad.exe >/dev/null 2>&1 &
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q 'Notepad' && break
  sleep 0.1
done
cd "$BRIMLOW_BUILD_DIR"
ctest --output-on-failure -j 2 --timeout 120
