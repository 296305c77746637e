#!/usr/bin/env bash
# Runs every test through ctest under Wine, on a private display that is stopped afterwards.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
bash "$here/wine-session.sh" start || exit 1
trap 'bash "$here/wine-session.sh" stop' EXIT
cd "$BRIMLOW_BUILD_DIR"
ctest --output-on-failure -j 2 --timeout 120
