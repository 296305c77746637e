#!/usr/bin/env bash
# Makes docs/brimlow.png, the README's picture: the real window on the sample file (as `make demo` shows
# it, a section open and a key selected), under Wine on a virtual display of its own.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
out="$root/docs/brimlow.png"

for n in $(seq 141 190); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
log="$(mktemp)"
cleanup() {
  source "$here/wine-env.sh" && brimlow_use "$(choose_arch)" && wine_server -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

bash "$here/demo.sh" >"$log" 2>&1 &
window=""
for _ in $(seq 600); do
  window="$(xdotool search --name '^Brimlow$' 2>/dev/null | head -1 || true)"
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { cat "$log" >&2; echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 2
# As a user would: a click on the + of [GRAPHICS], then on its second key.
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.5; }
click 22 118
click 90 150
xdotool mousemove $((X + 600)) $((Y + 600))
sleep 1
import -window "$window" "$out"
echo "Wrote $out ($(identify -format '%wx%h' "$out"))"
