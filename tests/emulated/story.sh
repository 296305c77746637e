#!/usr/bin/env bash
# The shipped exe run as a user would, and checked from outside: it starts and shows the whole file in
# its tree; a key clicked shows its value; a value typed and entered lands in the file; a change another
# program makes to the file shows in the value box; the About window
# opens and closes; Exit ends it with exit code 0, and its window settings are stored.
#   story.sh BRIMLOW.EXE SAMPLE.CFG
set -uo pipefail
exe="$1"
sample="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/wine-env.sh"
brimlow_use i686 "$(dirname "$exe")"
probe="$BRIMLOW_BUILD_ROOT/x86_64/tests/emulated/brimlow_probe.exe"
pid=""

fail() {
  echo "FAILED: $*"
  import -window root "$BRIMLOW_BUILD_DIR/story-failed.png" 2>/dev/null
  [ -z "$pid" ] || kill "$pid" 2>/dev/null
  exit 1
}
step() { echo "-- $* (at $SECONDS s)"; }
ask() { wine_run "$probe" "$@" 2>/dev/null | tr -d '\r'; }
# Waits up to $1 seconds for the probe to answer $2 to the rest.
await() {
  local seconds="$1" want="$2"
  shift 2
  for _ in $(seq "$seconds"); do
    [ "$(ask "$@")" = "$want" ] && return 0
    sleep 1
  done
  return 1
}
click() {
  local x y
  read -r x y <<<"$(ask centre "$1")"
  [ -n "$y" ] || fail "no $1 to click"
  xdotool mousemove "$x" "$y" click 1
}

[ -x "$probe" ] || fail "the probe is built with the x86_64 build: $probe"
appdata="$(wine_path -u "$(wine_run cmd /c echo %APPDATA% | tr -d '\r')")"
folder="$appdata/Microsoft/FSx"
rm -rf "$folder"
mkdir -p "$folder"
cp "$sample" "$folder/FSX.cfg"
wine_run reg delete 'HKCU\Software\Pellam\Brimlow' /f >/dev/null 2>&1

step "start $exe"
wine_run "$exe" &
pid=$!
await 400 1 shown TForm1 || fail "no main window"
items="$(grep -cE '^\[|=' "$sample")"
await 60 "$items" count || fail "the tree holds $(ask count) items; the file has $items sections and keys"
import -window root "$BRIMLOW_BUILD_DIR/story.png" 2>/dev/null

step "a key selected shows its value"
click TreeView1
xdotool key Home Right Down
await 60 "Airplane, Helicopter" text Edit3 || fail "the value box shows '$(ask text Edit3)'"

step "a value set lands in the file"
click Edit3
xdotool key End shift+Home
xdotool type --delay 50 "Airplane"
xdotool key Return
for _ in $(seq 60); do grep -q $'^User Objects=Airplane\r$' "$folder/FSX.cfg" && break; sleep 1; done
grep -q $'^User Objects=Airplane\r$' "$folder/FSX.cfg" || fail "the file holds: $(grep '^User Objects' "$folder/FSX.cfg")"

step "a change another program makes shows in the window"
sed -i 's/^User Objects=Airplane\r$/User Objects=Airplane, Boat\r/' "$folder/FSX.cfg"
await 60 "Airplane, Boat" text Edit3 || fail "the value box shows '$(ask text Edit3)' after the file changed"

step "the About window opens and closes"
click Button15
await 200 1 shown TAboutForm || fail "no About window"
click AboutButton1
await 60 0 shown TAboutForm || fail "the About window stays"

step "Exit ends the program and stores its settings"
click Button14
for _ in $(seq 120); do kill -0 "$pid" 2>/dev/null || break; sleep 1; done
kill -0 "$pid" 2>/dev/null && fail "still running after Exit"
wait "$pid"
code=$?
pid=""
[ "$code" = 0 ] || fail "exit code $code"
for value in Top Left Width Height; do
  wine_run reg query 'HKCU\Software\Pellam\Brimlow' /v "$value" >/dev/null 2>&1 || fail "no setting $value stored"
done
step "done"
