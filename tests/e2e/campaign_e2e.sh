#!/usr/bin/env bash
# End to end: the real game under a virtual X server, driven by synthesized keys. From the main
# menu, "Play campain" logs in a new player; campaign map 0 is played to its exit with the arrow
# keys and a pass on the number pad without Num Lock, taken back; Esc returns to the selection.
# The Down arrow then walks the selection to map 3, which is played with the arrow keys only: into
# a death, which Backspace takes back, and on to the exit. After Esc the player's profile on disk must hold maps 0 and 3 as passed, and 1 and 2 not.
# The executable's folder must hold the campaign (Campain) and quobbles-sim, which finds the ways
# through the maps and the step that kills.
#
# Usage: campaign_e2e.sh PATH_OF_THE_QUOBBLES_EXECUTABLE
set -euo pipefail

exe="${1:?usage: campaign_e2e.sh QUOBBLES_EXECUTABLE}"
player="e2eplayer"
step_timeout=15

# shellcheck source=../support/x_session.sh
source "$(dirname "$0")/../support/x_session.sh"

command -v od >/dev/null || fail "od is not installed"
[[ -x "$exe" ]] || fail "no executable at $exe"
exe_dir="$(cd "$(dirname "$exe")" && pwd)"
[[ -f "$exe_dir/Campain/Map0.lev" ]] || fail "no campaign beside the executable ($exe_dir/Campain)"

make_work

# A fresh program folder: the executable, the campaign, the levels and no players yet.
cp "$exe" "$work/quobbles"
cp -r "$exe_dir/Campain" "$work/Campain"
mkdir -p "$work/Levels" "$work/Players"
[[ -d "$exe_dir/Levels" ]] && cp -r "$exe_dir/Levels/." "$work/Levels/"

# The ways through the maps are asked from the game's own solver, so the test follows whatever
# campaign the game ships.
sim="$exe_dir/quobbles-sim"
[[ -x "$sim" ]] || fail "no quobbles-sim beside the executable"
solve() {
  local keys
  keys=$("$sim" --solve "$work/Campain/Map$1.lev" 2>/dev/null | sed -n 's/^solution //p')
  [[ -n "$keys" ]] || fail "quobbles-sim finds no way through campaign map $1"
  echo "$keys"
}
# The board's keys as the arrow keys and the number pad without Num Lock (its middle key passes).
arrows() {
  local keys="$1" i
  for ((i = 0; i < ${#keys}; i++)); do
    case "${keys:i:1}" in
      4) echo Left ;;
      6) echo Right ;;
      8) echo Up ;;
      2) echo Down ;;
      5) echo KP_Begin ;;
      *) fail "no arrow for key ${keys:i:1}" ;;
    esac
  done
}
map0=$(solve 0)
map3=$(solve 3)
# The first step off the way through map 3 that kills the player: the way up to it, then the step.
death=""
for ((k = 0; k < ${#map3}; k++)); do
  [[ -n "$death" ]] && break
  for step in 2 4 6 8 5; do
    state=$("$sim" "$work/Campain/Map3.lev" "${map3:0:k}$step" 2>/dev/null | sed -n 's/^play_state //p')
    if [[ "$state" == 1 ]]; then
      death="${map3:0:k}$step"
      rest="${map3:k}"
      break
    fi
  done
done
[[ -n "$death" ]] || fail "no step on the way through campaign map 3 kills the player"

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

# Map 0 with the arrow keys; after its first step the pad's middle key passes a turn, which
# Backspace takes back (were the pass not played, Backspace would take back the step instead and
# the rest of the way would stop short of the exit).
board=$(wait_window "Quobbles")
mapfile -t keys < <(arrows "$map0")
keys_to "$board" "${keys[0]}" KP_Begin BackSpace "${keys[@]:1}"
sleep 0.5
keys_to "$board" Escape

# Map 0 is passed, so map 3 is open; Down three times selects it.
selection=$(wait_window "Quobbles - Select map" "$selection")
keys_to "$selection" Down Down Down Return

board=$(wait_window "Quobbles")
mapfile -t keys < <(arrows "$death")
keys_to "$board" "${keys[@]}"
sleep 0.3
# Dead: the move keys play no turn until Backspace takes the fatal step back.
mapfile -t keys < <(arrows "$rest")
keys_to "$board" BackSpace "${keys[@]}"
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
for map in 0 1 2 3; do
  flag=$(od -An -tx1 -j $((2 + ${#player} + 2 * map)) -N2 "$profile" | tr -d ' \n')
  want="0000"
  ((map == 0 || map == 3)) && want="ffff"
  [[ "$flag" == "$want" ]] || fail "LevelPassed($map) is $flag, not $want"
done

echo "campaign_e2e: passed (maps 0 and 3 recorded for $player, map 3 after a death taken back)"
