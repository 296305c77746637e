#!/usr/bin/env bash
# Runs Brimlow under Wine in the user's own prefix ($WINEPREFIX, else ~/.wine), where a simulator
# run under Wine keeps its FSX.cfg.
set -euo pipefail
build_dir="${BRIMLOW_BUILD_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$build_dir/Brimlow.exe" "$@"
