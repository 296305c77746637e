#!/usr/bin/env bash
# Start-up and loading figures under Wine, on a private display.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
bash "$here/wine-session.sh" start
trap 'bash "$here/wine-session.sh" stop' EXIT
source "$here/wine-env.sh"
wine "$BRIMLOW_BUILD_DIR/bench/brimlow_bench.exe" "$(winepath -w "$BRIMLOW_BUILD_DIR/Brimlow.exe")" \
  "$(winepath -w "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg")"
