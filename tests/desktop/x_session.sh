# Sourced by the desktop tests: a scratch folder, an X server (Xvfb) with a window manager
# (openbox) on it, and the programs they start, all ended when the test ends.
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

wait_for_file() {  # PATH SECONDS
  for _ in $(seq $(($2 * 20))); do [ -e "$1" ] && return 0; sleep 0.05; done
  return 1
}
