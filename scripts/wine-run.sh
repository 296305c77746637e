#!/usr/bin/env bash
# ctest's emulator: runs a Windows program under Wine in the build folder's private prefix.
#   wine-run.sh ARCH BUILD_DIR PROGRAM ARGS...
# Wine now and then fails to start a process at all: it ends at once, printing nothing. Only such a
# process is run once more, and said so (in the output and in BUILD_DIR/restarted.log, which the
# summary counts). A test that fails for a reason of its own prints why, and is never run again.
source "$(dirname "$0")/wine-env.sh"
brimlow_use "$1" "$2" || exit 1
shift 2
if ! host_runs "$BRIMLOW_USED_ARCH" && ! host_emulates "$BRIMLOW_USED_ARCH"; then
  echo "this host cannot run $BRIMLOW_USED_ARCH programs ($WINELOADER does not start)" >&2
  exit 1
fi
out="$(mktemp)"; err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
for attempt in 1 2; do
  "$WINELOADER" "$@" > >(tee "$out") 2> >(tee "$err" >&2)
  status=$?
  wait
  if [ $status -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] && [ $attempt -eq 1 ]; then
    echo "Wine did not start $(basename "$1") $2 (exit $status, nothing printed): started once more" |
      tee -a "$BRIMLOW_BUILD_DIR/restarted.log" >&2
    continue
  fi
  break
done
exit $status
