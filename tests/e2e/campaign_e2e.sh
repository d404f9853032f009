#!/usr/bin/env bash
# End to end: the real game under a virtual X server, driven by synthesized keys. From the main
# menu, "Play campain" logs in a new player, campaign map 0 is played to its exit, Esc returns
# to the map selection, and the player's profile on disk must then hold map 0 as passed.
# The executable's folder must hold the campaign (Campain) and, for the way through map 0,
# quobbles-sim (without it the keys 666 are played).
#
# Usage: campaign_e2e.sh PATH_OF_THE_QUOBBLES_EXECUTABLE
set -euo pipefail

exe="${1:?usage: campaign_e2e.sh QUOBBLES_EXECUTABLE}"
player="e2eplayer"
step_timeout=15

fail() {
  echo "campaign_e2e: FAILED: $*" >&2
  exit 1
}

command -v od >/dev/null || fail "od is not installed"
[[ -x "$exe" ]] || fail "no executable at $exe"
exe_dir="$(cd "$(dirname "$exe")" && pwd)"
[[ -f "$exe_dir/Campain/Map0.lev" ]] || fail "no campaign beside the executable ($exe_dir/Campain)"

work="$(mktemp -d)"
# shellcheck source=../support/x_session.sh
source "$(dirname "$0")/../support/x_session.sh"
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A fresh program folder: the executable, the campaign, the levels and no players yet.
cp "$exe" "$work/quobbles"
cp -r "$exe_dir/Campain" "$work/Campain"
mkdir -p "$work/Levels" "$work/Players"
[[ -d "$exe_dir/Levels" ]] && cp -r "$exe_dir/Levels/." "$work/Levels/"

# The keys that take the player from the start of map 0 to its exit: asked from the game's
# own solver, so the test follows whatever map 0 the campaign ships.
sim="$exe_dir/quobbles-sim"
keys="6666"
if [[ -x "$sim" ]]; then
  keys=$("$sim" --solve "$work/Campain/Map0.lev" 2>/dev/null | sed -n 's/^solution //p')
  [[ -n "$keys" ]] || fail "quobbles-sim finds no way through campaign map 0"
fi
solution=()
for ((i = 0; i < ${#keys}; i++)); do solution+=("${keys:i:1}"); done

start_display

QT_QPA_PLATFORM=xcb "$work/quobbles" >"$work/game.log" 2>&1 &
game_pid=$!

menu=$(wait_window "Quobbles - Main Menu")
keys_to "$menu" Return  # "Play campain" is highlighted at start

login=$(wait_window "Loging:")
type_to "$login" "$player"

# The question "Player ... not found. Do you want to create a new player?" has the same title.
question=$(wait_window "Loging:" "$login")
keys_to "$question" alt+y

selection=$(wait_window "Quobbles - Select map")
keys_to "$selection" Return  # map 0 is selected after a log-in

board=$(wait_window "Quobbles")
keys_to "$board" "${solution[@]}"
sleep 0.5
keys_to "$board" Escape

wait_window "Quobbles - Select map" "$selection" >/dev/null

profile="$work/Players/$player.plr"
[[ -f "$profile" ]] || fail "no profile file $player.plr in Players (there: $(ls "$work/Players"))"
size=$(stat -c %s "$profile")
((size == 1026 + ${#player})) || fail "the profile is $size bytes, not $((1026 + ${#player}))"
read -r -a head_bytes <<<"$(od -An -tu1 -N2 "$profile")"
((head_bytes[0] == ${#player} && head_bytes[1] == 0)) || fail "the name length is not ${#player}"
name=$(dd if="$profile" bs=1 skip=2 count=${#player} 2>/dev/null)
[[ "$name" == "$player" ]] || fail "the stored name is \"$name\""
passed=$(od -An -tx1 -j $((2 + ${#player})) -N2 "$profile" | tr -d ' \n')
[[ "$passed" == "ffff" ]] || fail "LevelPassed(0) is $passed, not ffff"
next=$(od -An -tx1 -j $((4 + ${#player})) -N2 "$profile" | tr -d ' \n')
[[ "$next" == "0000" ]] || fail "LevelPassed(1) is $next, not 0000"

echo "campaign_e2e: passed (map 0 recorded for $player)"
