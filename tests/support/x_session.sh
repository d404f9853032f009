# Shared by the end-to-end tests that drive the real game under a virtual X server with
# synthesized keys. Source it, call make_work, and set step_timeout (seconds per step); game_pid is
# the game's process once it runs.
#   fail WHY...                prints "<script>: FAILED: WHY" and exits
#   make_work                  makes work, a temporary folder (logs, the game's folder) that is
#                              removed, with the game and the X server stopped, when the script ends
#   start_display              starts Xvfb on a free display and exports DISPLAY (xvfb_pid)
#   wait_window TITLE [NOT]    prints the id of a visible window whose whole title is TITLE (and
#                              that is not window NOT), failing after step_timeout
#   keys_to ID KEY...          gives window ID the keyboard and presses the keys there
#   type_to ID TEXT            types TEXT into window ID and presses Return
#   stop_session               stops the game and the X server, whichever runs
xvfb_pid=""
game_pid=""

fail() {
  echo "$(basename "$0" .sh): FAILED: $*" >&2
  exit 1
}

make_work() {
  work="$(mktemp -d)"
  trap 'stop_session; chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"' EXIT
}

# A display of its own, picked at random well above the usual ones; a server that does not start
# or takes no connections is stopped and another number tried. -noreset: without it the server
# resets when its last client leaves (the check below), and refuses connections meanwhile.
try_display() {
  local n=$((100 + RANDOM % 800))
  [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && return 1
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start_display() {
  for tool in Xvfb xdotool xdpyinfo timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
  for _ in 1 2 3 4 5; do
    try_display && return 0
    [[ -n "$xvfb_pid" ]] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
    xvfb_pid=""
  done
  fail "Xvfb did not start: $(cat "$work/xvfb.log")"
}

wait_window() {
  local title="$1" not="${2:-}" id=""
  local deadline=$((SECONDS + step_timeout))
  while ((SECONDS < deadline)); do
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"
    for id in $(timeout 2 xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true); do
      [[ "$id" != "$not" ]] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  fail "no window \"$title\" within ${step_timeout} s"
}

keys_to() {
  local id="$1"
  shift
  timeout "$step_timeout" xdotool windowfocus --sync "$id" || fail "cannot focus window $id"
  sleep 0.2
  timeout "$step_timeout" xdotool key --delay 120 "$@" || fail "cannot press $*"
}

type_to() {
  local id="$1" text="$2"
  timeout "$step_timeout" xdotool windowfocus --sync "$id" || fail "cannot focus window $id"
  sleep 0.2
  timeout "$step_timeout" xdotool type --delay 60 "$text" || fail "cannot type $text"
  timeout "$step_timeout" xdotool key Return || fail "cannot press Return"
}

stop_session() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
