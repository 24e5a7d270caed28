# Sourced by the scripts that drive the game in an X server.
#
# start_test_display points DISPLAY at a private Xvfb of our own, so that nothing the
# tests do (moving the pointer, typing, switching key auto-repeat off) reaches the
# user's desktop. Set TANKS_TEST_DISPLAY to a display (":0") to watch the tests there
# instead. stop_test_display ends that Xvfb, or gives the named display back the
# auto-repeat it had, even after a test that crashed or was killed.
test_xvfb_pids=()
test_display_repeat=

start_test_display() {  # screen size, e.g. 1920x1080x24
  if [ -n "${TANKS_TEST_DISPLAY:-}" ]; then
    export DISPLAY=$TANKS_TEST_DISPLAY
    test_display_repeat=$(xset q | sed -n 's/.*auto repeat: *\(on\|off\).*/\1/p')
    return
  fi
  start_xvfb "$1"
  export DISPLAY=$xvfb_display
}

# Starts a private Xvfb of the given screen size and names it in xvfb_display.
start_xvfb() {
  local number_file
  number_file=$(mktemp)
  # Xvfb picks a free display number itself and writes it out once it is ready. Without
  # -noreset it starts afresh whenever its last client leaves, and a test connecting in
  # that moment is refused.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
  test_xvfb_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  xvfb_display=":$(head -n1 "$number_file")"
  rm -f "$number_file"
  xdpyinfo -display "$xvfb_display" >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }
}

stop_test_display() {
  local pid
  for pid in "${test_xvfb_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  [ -z "$test_display_repeat" ] || xset r "$test_display_repeat" 2>/dev/null || true
}

# A script stopped by a signal still runs its EXIT trap, and so stop_test_display.
trap 'exit 130' INT TERM HUP
