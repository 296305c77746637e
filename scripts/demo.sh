#!/usr/bin/env bash
# Opens Brimlow under Wine in the build's scratch prefix, with a realistic FSX.cfg in place.
# Uses $DISPLAY when there is one; otherwise starts a virtual display and says which.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
user_display="${DISPLAY:-}"
source "$here/wine-env.sh"
if [ -n "$user_display" ]; then
  export DISPLAY="$user_display"
  bash "$here/wine-session.sh" prefix
else
  bash "$here/wine-session.sh" start
  trap 'bash "$here/wine-session.sh" stop' EXIT
  source "$here/wine-env.sh"
  echo "No display: Brimlow runs on the virtual display $DISPLAY (import -display $DISPLAY -window root shot.png)"
fi
appdata_win="$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')"
appdata="$(winepath -u "$appdata_win" 2>/dev/null)"
mkdir -p "$appdata/Microsoft/FSX"
install -m 644 "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg" "$appdata/Microsoft/FSX/FSX.cfg"
echo "Editing $appdata_win\\Microsoft\\FSX\\FSX.cfg"
wine "$BRIMLOW_BUILD_DIR/Brimlow.exe"
