#!/usr/bin/env bash
# ctest's emulator: runs a Windows program under Wine in the build folder's private prefix.
#   wine-run.sh ARCH BUILD_DIR PROGRAM ARGS...
source "$(dirname "$0")/wine-env.sh"
brimlow_use "$1" "$2" || exit 1
shift 2
if ! host_runs "$BRIMLOW_ARCH"; then
  echo "this host cannot run $BRIMLOW_ARCH programs ($WINELOADER does not start)" >&2
  exit 1
fi
exec "$WINELOADER" "$@"
