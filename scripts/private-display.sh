# Sourced by the scripts that need a display of their own: start_private_display starts an
# Xvfb server and exports DISPLAY; stop_private_display ends it; private_display_alive tells
# whether it still runs (results from a dead display cannot be trusted).

# Xvfb picks a free display number itself and writes it to the pipe once it listens, so two
# runs started at the same moment never share a display.
start_private_display() {
  local fifo display=""
  fifo=$(mktemp -u /tmp/quillet-xvfb.XXXXXX)
  mkfifo "$fifo"
  exec 3<>"$fifo"
  rm -f "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 30 display <&3 || true
  exec 3<&-
  if [ -z "$display" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$display"
}

stop_private_display() {
  [ -n "${xvfb_pid:-}" ] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}

private_display_alive() {
  kill -0 "$xvfb_pid" 2>/dev/null
}

# Prints the id of a visible window with exactly this caption once one appears on the display;
# fails when none has appeared within 60 s.
wait_for_window() {
  local caption=$1 window=""
  for _ in $(seq 1 600); do
    window=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
