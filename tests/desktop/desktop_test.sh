#!/usr/bin/env bash
# desktop_test.sh CASE VANTREL SAMPLEGAME: the real window program on a real X server (Xvfb)
# with a window manager (openbox), driven by real key presses (xdotool) on the sample game laid
# out in a temporary folder. What it checks it reads from the X server (where the window and
# its frame are, a screenshot) and from the game folder (the job's marker and log).
#   laptop-fits     on 1366 x 768, the window lies on the screen and shows every control: no
#                   scroll bar at its right edge nor at its bottom
#   return-continues  Return answers the pause a job waits at, with the focus on Continue
#   scale-two       at QT_SCALE_FACTOR=2 on 1280 x 1024, the window lies on the screen
# Exits 77 (skipped) when Xvfb, openbox, xdotool, the X utilities or ImageMagick's import are
# missing.
set -euo pipefail
case_name=$1 vantrel=$2 samplegame=$3

for tool in Xvfb openbox xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display and says which on the descriptor given.
start_screen() {  # WIDTH HEIGHT
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  for _ in $(seq 400); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  [ -s "$scratch/display" ] || fail "Xvfb did not start within 20 s: $(cat "$scratch/xvfb.log")"
  export DISPLAY=":$(head -1 "$scratch/display")"
  openbox >"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  # A busy machine (the whole test run beside it) may take seconds to start it.
  for _ in $(seq 400); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return; sleep 0.05; done
  fail "openbox did not start within 20 s: $(cat "$scratch/openbox.log")"
}

# The program in the sample game's Simpatch folder, with settings of its own; sets $window.
start_program() {  # [ENV=VALUE...]
  "$samplegame" "$scratch/game" >/dev/null
  mkdir -p "$scratch/home"
  env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime" \
      VANTREL_TERMINAL=none QT_QPA_PLATFORM=xcb "$@" "$vantrel" "$scratch/game/Simpatch" \
      >"$scratch/vantrel.log" 2>&1 &
  pids+=($!)
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vantrel :' | head -1) ||
    fail "the window did not open: $(cat "$scratch/vantrel.log")"
  # The first scan has run once the lists are filled; give the window manager its moves too.
  sleep 1
}

# The client area as X has it: "X Y WIDTH HEIGHT" (xdotool's own geometry counts the frame twice).
client_box() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                                /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}

expect_frame_on_screen() {  # SCREEN_WIDTH SCREEN_HEIGHT
  read -r x y w h < <(client_box)
  read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9,\n' | tr ',' ' ')
  local fx=$((x - left)) fy=$((y - top)) fw=$((w + left + right)) fh=$((h + top + bottom))
  echo "frame ${fw}x${fh}+${fx}+${fy} on ${1}x${2}"
  [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le "$1" ] && [ $((fy + fh)) -le "$2" ] ||
    fail "the window's frame ${fw}x${fh}+${fx}+${fy} is not wholly on the ${1}x${2} screen"
}

# The number of colours in a strip of the client area: 1 where there is only the window's face.
colours_in() {  # WIDTH HEIGHT LEFT TOP, within the client area
  read -r x y _ _ < <(client_box)
  import -window root -crop "$1x$2+$((x + $3))+$((y + $4))" -format '%k' info:
}

wait_for_file() {  # PATH SECONDS
  for _ in $(seq $(($2 * 20))); do [ -e "$1" ] && return 0; sleep 0.05; done
  return 1
}

case "$case_name" in
  laptop-fits)
    start_screen 1366 768
    start_program
    expect_frame_on_screen 1366 768
    strip=12
    # On a busy machine the window may still be drawing: looked at again for a few seconds.
    for _ in $(seq 20); do
      read -r _ _ w h < <(client_box)
      right=$(colours_in "$strip" $((h - 40)) $((w - strip)) 20)
      bottom=$(colours_in $((w - 40)) "$strip" 20 $((h - strip)))
      [ "$right" -eq 1 ] && [ "$bottom" -eq 1 ] && break
      sleep 0.25
    done
    echo "colours at the right edge: $right, at the bottom: $bottom"
    [ "$right" -eq 1 ] || fail "something stands at the window's right edge (a scroll bar?)"
    [ "$bottom" -eq 1 ] || fail "something stands at the window's bottom (a scroll bar?)"
    ;;
  return-continues)
    start_screen 1366 768
    start_program
    # The patch and the slot picked by typing their codes in their lists; Return in the slots
    # starts the job.
    xdotool key --delay 50 ctrl+f Tab
    xdotool type --delay 20 "060E"
    xdotool key --delay 50 Tab Tab
    xdotool type --delay 20 "0612"
    xdotool key --delay 50 Return
    work="$scratch/game/Simpatch" log="$scratch/game/Simpatch/vantrel-files/vantrel-jobs.log"
    # The job makes its marker, then waits at its closing pause, with the focus on Continue,
    # until a key is pressed; the window logs it once it has ended.
    wait_for_file "$work/0612_Big Tank.aop" 10 || fail "no job ran: $(cat "$scratch/vantrel.log")"
    sleep 1
    ! grep -qs "Big Tank is active in 0612" "$log" || fail "the job did not wait at its pause"
    xdotool key Return
    for _ in $(seq 100); do grep -qs "Big Tank is active in 0612" "$log" && break; sleep 0.05; done
    grep -qs "Big Tank is active in 0612" "$log" || fail "Return did not continue the job"
    ;;
  scale-two)
    start_screen 1280 1024
    start_program QT_SCALE_FACTOR=2
    expect_frame_on_screen 1280 1024
    ;;
  *)
    fail "no case $case_name"
    ;;
esac
echo "passed: $case_name"
