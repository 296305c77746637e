#!/usr/bin/env bash
# Runs every test through ctest, for each architecture: the whole suite under Wine, test by test, where
# the host starts that architecture's programs; where it starts 32-bit programs only under emulation,
# the i686 suite one test program per process and a story through the shipped exe; the checks that only
# read the exe, for both. Each run on a private display, stopped afterwards. BRIMLOW_ARCH picks one.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine-env.sh"

if [ -n "${BRIMLOW_ARCH:-}" ]; then
  choose_arch >/dev/null || exit 1
  suites="$BRIMLOW_ARCH"
else
  suites="$(runnable_archs)"
  case "$suites" in
    *i686*x86_64*) echo "Testing i686 and x86_64 under Wine: this host runs both" ;;
    *x86_64*)
      if host_emulates i686; then
        suites="x86_64 i686"
        echo "Testing x86_64 under Wine, and i686 under emulation (qemu-i386): this host cannot start 32-bit programs"
      else
        echo "Testing x86_64 under Wine: this host cannot run 32-bit programs, and qemu-i386 is missing; i686 gets the exe checks only"
      fi ;;
    *) echo "Wine does not start on this host: run 'make deps'" >&2; exit 1 ;;
  esac
fi

current=""
summary=()
passed=0
failed=0
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

# ctest in folder; its closing figures go to the summary under what.
run_ctest() {
  local what="$1" folder="$2" log status
  shift 2
  log="$(mktemp)"
  (cd "$folder" && ctest --output-on-failure "$@") | tee "$log"
  status=${PIPESTATUS[0]}
  local line total bad
  line="$(grep -E '^[0-9]+% tests passed' "$log")"
  total="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")"
  bad="$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")"
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
  [ -n "$line" ] || failed=$((failed + 1))
  summary+=("$what: $((${total:-0} - ${bad:-0})) passed, ${bad:-0} failed")
  rm -f "$log"
  return $status
}

run_suite() {
  local arch="$1" status how="under Wine, one process per test"
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
  if [ -n "${BRIMLOW_EMULATED:-}" ]; then
    how="under emulation (qemu-i386), one process per test program, and a story through Brimlow.exe"
    run_ctest "$arch $how" "$BRIMLOW_BUILD_DIR/tests/emulated" -j 2
  else
    run_ctest "$arch $how" "$BRIMLOW_BUILD_DIR" -j 2 --timeout 120 -LE "exe|emulated"
  fi
  status=$?
  if [ -s "$BRIMLOW_BUILD_DIR/restarted.log" ]; then
    summary+=("$arch: $(wc -l < "$BRIMLOW_BUILD_DIR/restarted.log") test processes that Wine did not start were started once more")
  fi
  bash "$here/wine-session.sh" "$arch" stop
  unmount_small_disk
  current=""
  return $status
}

status=0
for arch in i686 x86_64; do
  run_ctest "$arch exe checks (the exe read, not run)" "$BRIMLOW_BUILD_ROOT/$arch/tests/exe" || status=1
done
for arch in $suites; do
  run_suite "$arch" || status=1
done

echo
echo "Summary"
printf '  %s\n' "${summary[@]}"
echo "Total: $passed passed, $failed failed"
exit $status
