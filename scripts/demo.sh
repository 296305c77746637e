#!/usr/bin/env bash
# Opens Brimlow under Wine in the build's scratch prefix, with a realistic FSX.cfg in place.
# Uses $DISPLAY when there is one; otherwise starts a virtual display and says which.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
user_display="${DISPLAY:-}"
source "$here/wine-env.sh"
arch="$(choose_arch)"
brimlow_use "$arch"
if [ -n "$user_display" ]; then
  export DISPLAY="$user_display"
  bash "$here/wine-session.sh" "$arch" prefix
else
  bash "$here/wine-session.sh" "$arch" start
  trap 'bash "$here/wine-session.sh" "$arch" stop' EXIT
  brimlow_use "$arch"
  echo "No display: Brimlow runs on the virtual display $DISPLAY (import -display $DISPLAY -window root shot.png)"
fi
# The roaming folder is where the user's shell folder value points: BRIMLOW_DEMO_USER moves it below a
# user folder of that name (any name: the program takes paths whole), and without it it goes back.
shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
if [ -n "${BRIMLOW_DEMO_USER:-}" ]; then
  appdata_win='C:\users\'"$BRIMLOW_DEMO_USER"'\AppData\Roaming'
else
  appdata_win="$(wine_run cmd /c echo %USERPROFILE% 2>/dev/null | tr -d '\r')\AppData\Roaming"
fi
wine_run reg add "$shell_folders" /v AppData /t REG_EXPAND_SZ /d "$appdata_win" /f >/dev/null 2>&1
appdata="$(wine_path -u "$appdata_win" 2>/dev/null)"
# The folder is spelt as the program spells it; a folder spelt otherwise (older demos made one) would
# stand beside it under Linux, and Wine could take either.
rm -rf "$appdata/Microsoft/FSX"
mkdir -p "$appdata/Microsoft/FSx"
install -m 644 "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg" "$appdata/Microsoft/FSx/FSX.cfg"
# An original copy that differs from the file in a value, a key the file added and one it lost, so that
# the bold marks, their tips, the report and Revert can be tried at once.
sed -e 's/^TEXTURE_MAX_LOAD=1024/TEXTURE_MAX_LOAD=2048/' -e '/^DisablePreload=0/d' \
    -e 's/^\[SOUND\]\r$/[SOUND]\r\nMUSIC_VOLUME=0.700000\r/' \
    "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg" > "$appdata/Microsoft/FSx/FSX.cfg.org"
# A copy saved before a tweak, in the folder Save Copy last used, differing from the file in one value: the
# changes report compares with it through "Other copy...".
sed -e 's/^LOD_RADIUS=4.500000/LOD_RADIUS=3.500000/' "$BRIMLOW_ROOT/tests/fixtures/FSX.cfg" \
    > "$appdata/Microsoft/FSx/FSX before the tweak.cfg"
# The Steam edition of FSX and Prepar3D v5 beside it, each with its scenery library below all users'
# data, so that the system menu's "Open" offers them at once.
programdata="$(wine_path -u 'C:\ProgramData' 2>/dev/null)"
place() { mkdir -p "$(dirname "$2")"; install -m 644 "$BRIMLOW_ROOT/tests/fixtures/$1" "$2"; }
place fsx_se.cfg "$appdata/Microsoft/FSX-SE/fsx_se.cfg"
place scenery.cfg "$programdata/Microsoft/FSX-SE/scenery.cfg"
place Prepar3D.cfg "$appdata/Lockheed Martin/Prepar3D v5/Prepar3D.cfg"
place scenery.cfg "$programdata/Lockheed Martin/Prepar3D v5/scenery.cfg"
wine_run reg add 'HKCU\Software\Pellam\Brimlow' /v Save /t REG_SZ /d "$appdata_win\Microsoft\FSx" /f >/dev/null 2>&1
echo "Editing $appdata_win\\Microsoft\\FSx\\FSX.cfg"
wine_run "$BRIMLOW_BUILD_DIR/Brimlow.exe"
