#!/usr/bin/env bash
# Runs every test through ctest: the whole suite under Wine for each architecture the host runs (or
# $ARCH alone), each on a private display stopped afterwards; the checks that only read the exe, for both.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"

if [ -n "${ARCH:-}" ]; then
  choose_arch >/dev/null || exit 1
  suites="$ARCH"
else
  suites="$(runnable_archs)"
  case "$suites" in
    *i686*x86_64*) echo "Testing i686 and x86_64 under Wine: this host runs both" ;;
    *x86_64*) echo "Testing x86_64 under Wine: this host cannot run 32-bit programs; i686 gets the exe checks only" ;;
    *) echo "Wine does not start on this host: run 'make deps'" >&2; exit 1 ;;
  esac
fi

current=""
trap '[ -z "$current" ] || { bash "$here/wine-session.sh" "$current" stop; unmount_small_disk; }' EXIT

# The full-disk tests write on a small disk of their own (mounting needs root; without it they are skipped).
mount_small_disk() {
  local dir="$BRIMLOW_BUILD_DIR/smalldisk"
  mkdir -p "$dir"
  mountpoint -q "$dir" && return 0
  mount -t tmpfs -o size=64k,mode=1777 brimlow-small "$dir" 2>/dev/null ||
    echo "No small disk could be mounted at $dir (mounting needs root): the full-disk tests are skipped"
}
unmount_small_disk() {
  mountpoint -q "$BRIMLOW_BUILD_DIR/smalldisk" 2>/dev/null && umount "$BRIMLOW_BUILD_DIR/smalldisk"
  return 0
}

run_suite() {
  local arch="$1" status
  current="$arch"
  bash "$here/wine-session.sh" "$arch" start || return 1
  brimlow_use "$arch"
  # Wine's desktop process ends a while after the last window closes, and two test processes starting
  # it again at once can stall for half a minute: a window kept open for the run keeps it alive.
  wine_run notepad.exe >/dev/null 2>&1 &
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q 'Notepad' && break
    sleep 0.1
  done
  rm -f "$BRIMLOW_BUILD_DIR/restarted.log"
  mount_small_disk
  (cd "$BRIMLOW_BUILD_DIR" && ctest --output-on-failure -j 2 --timeout 120)
  status=$?
  if [ -s "$BRIMLOW_BUILD_DIR/restarted.log" ]; then
    echo "$arch: $(wc -l < "$BRIMLOW_BUILD_DIR/restarted.log") test processes that Wine did not start were started once more"
  fi
  bash "$here/wine-session.sh" "$arch" stop
  unmount_small_disk
  current=""
  return $status
}

status=0
for arch in i686 x86_64; do
  if [[ " $suites " == *" $arch "* ]]; then
    run_suite "$arch" || status=1
  else
    (cd "$BRIMLOW_BUILD_ROOT/$arch/tests/exe" && ctest --output-on-failure) || status=1
  fi
done
exit $status
