#!/usr/bin/env bash
# Runs Brimlow under Wine in the user's own prefix ($WINEPREFIX, else ~/.wine), where a simulator
# run under Wine keeps its FSX.cfg.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"
arch="$(choose_arch)"
BRIMLOW_WINEPREFIX="${WINEPREFIX:-$HOME/.wine}" brimlow_use "$arch"
unset WINEARCH   # the user's prefix is what it is
exec "$WINELOADER" "$BRIMLOW_BUILD_DIR/Brimlow.exe" "$@"
