#!/usr/bin/env bash
# wine_desktop_test.sh CASE VANTREL_EXE SAMPLEGAME_EXE PREFIX: the Win32 window program under
# Wine on a real X server (Xvfb) with a window manager (openbox), driven by real key presses
# (xdotool) on the sample game laid out in a temporary folder.
#   main-path   Big Tank and slot 0612 picked by typing their codes, Return in the slots starts
#               the job, whose console waits at its closing pause until a key is pressed in
#               it; then the marker is there and the job log says what the job did
#   dpi-192     at 192 dpi on 1280 x 1024, the window lies on the screen and needs no
#               scrolling sideways: no scroll bar at its bottom
# PREFIX is a Wine prefix of its own, made at the first run and kept: the Windows test suite's
# prefix draws nowhere, and this one draws on the X server. Its cases take turns with it.
# Exits 77 (skipped) when Wine, Xvfb, openbox, xdotool, the X utilities or ImageMagick's
# import are missing.
set -euo pipefail
case_name=$1 vantrel=$2 samplegame=$3 prefix=$4

source "$(dirname "$0")/x_session.sh"
need_tools wine wineserver winepath Xvfb openbox xdotool xwininfo xprop import

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
case "$case_name" in
  main-path) screen=(1366 768) dpi=96 ;;
  dpi-192) screen=(1280 1024) dpi=192 ;;
  *) fail "no case $case_name" ;;
esac
start_screen "${screen[@]}"
mkdir -p "$WINEPREFIX"
# The first use makes the prefix (tens of seconds). The DPI is read as Wine's server starts:
# the server that set it is let end first; then one server is kept up for the whole run.
timeout 300 wine cmd /c exit 0 >"$scratch/wine.log" 2>&1 || fail "Wine did not start: $(cat "$scratch/wine.log")"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
timeout 60 wineserver -w || wineserver -k || true
wineserver -p 2>/dev/null || true

timeout 120 wine "$samplegame" "$(winepath -w "$scratch/game")" >/dev/null 2>&1 || fail "the sample game was not laid out"
work="$scratch/game/Simpatch" log="$scratch/game/Simpatch/vantrel-files/vantrel-jobs.log"
wine "$vantrel" "$(winepath -w "$work")" >"$scratch/vantrel.log" 2>&1 &
pids+=($!)
window=$(timeout 90 xdotool search --sync --onlyvisible --name '^Vantrel' | head -1) ||
  fail "the window did not open: $(cat "$scratch/vantrel.log")"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
sleep 2  # the first scan fills the lists

if [ "$case_name" = dpi-192 ]; then
  expect_frame_on_screen "${screen[@]}"
  expect_no_sideways_scroll_bar
  echo "passed: $case_name"
  exit 0
fi

xdotool key --delay 80 ctrl+f Tab
xdotool type --delay 50 "060E"
xdotool key --delay 80 Tab Tab
xdotool type --delay 50 "0612"
xdotool key --delay 80 Return
wait_for_file "$work/0612_Big Tank.aop" 60 || fail "no job ran: $(cat "$scratch/vantrel.log")"

# The job's console is a window of its own, which waits at the job's closing pause.
console=""
for _ in $(seq 200); do
  console=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$window" | while read -r id; do
    case "$(xdotool getwindowname "$id" 2>/dev/null)" in *cmd*|*.bat*|*onsole*) echo "$id" ;; esac
  done | head -1)
  [ -n "$console" ] && break
  sleep 0.1
done
[ -n "$console" ] || fail "no console window for the job"
echo "the job's console: $(xdotool getwindowname "$console")"
sleep 1
! grep -qs "Big Tank is active in 0612" "$log" || fail "the job did not wait at its pause"
xdotool windowactivate --sync "$console" >/dev/null 2>&1 || true
xdotool key Return
for _ in $(seq 400); do grep -qs "Big Tank is active in 0612" "$log" && break; sleep 0.05; done
grep -qs "Big Tank is active in 0612" "$log" || fail "the job's log has no outcome: $(cat "$log" 2>/dev/null)"
echo "passed: $case_name"
