#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's private prefix (ctest's emulator).
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
