# Sourced by the desktop tests: a scratch folder, an X server (Xvfb) with a window manager
# (openbox) on it, and the programs they start, all ended when the test ends; where the
# program's window ($window) lies and what it shows.
# Exits 77 (skipped) when a tool the test needs is not installed.
need_tools() {  # TOOL...
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
  done
}

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Xvfb picks a free display and says which on the descriptor given. Two tests starting at
# once may race for one display, and the loser's window manager then finds no server: the
# pair is started again, up to three times.
start_screen() {  # WIDTH HEIGHT
  for attempt in 1 2 3; do
    rm -f "$scratch/display"
    exec 3>"$scratch/display"
    Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    local xvfb=$!
    pids+=("$xvfb")
    exec 3>&-
    for _ in $(seq 400); do [ -s "$scratch/display" ] && break; sleep 0.05; done
    [ -s "$scratch/display" ] || fail "Xvfb did not start within 20 s: $(cat "$scratch/xvfb.log")"
    export DISPLAY=":$(head -1 "$scratch/display")"
    openbox >"$scratch/openbox.log" 2>&1 &
    local wm=$!
    pids+=("$wm")
    # A busy machine (the whole test run beside it) may take seconds to start it.
    for _ in $(seq 400); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
      kill -0 "$wm" 2>/dev/null || break  # it ended: no server to manage
      sleep 0.05
    done
    kill "$wm" "$xvfb" 2>/dev/null || true
    echo "attempt $attempt: openbox did not start: $(cat "$scratch/openbox.log")" >&2
  done
  fail "openbox did not start on a fresh X server in three attempts"
}

wait_for_file() {  # PATH SECONDS
  for _ in $(seq $(($2 * 20))); do [ -e "$1" ] && return 0; sleep 0.05; done
  return 1
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

# No scroll bar along the bottom of the client area: its left arrow would stand in the bare
# margin at the bottom left. On a busy machine the window may still be drawing: looked at again
# for a few seconds.
expect_no_sideways_scroll_bar() {
  local corner
  for _ in $(seq 20); do
    read -r _ _ _ h < <(client_box)
    corner=$(colours_in 36 12 2 $((h - 12)))
    [ "$corner" -eq 1 ] && break
    sleep 0.25
  done
  echo "colours at the bottom left: $corner"
  [ "$corner" -eq 1 ] || fail "something stands at the window's bottom left (a scroll bar?)"
}
