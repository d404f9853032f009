#!/usr/bin/env bash
# End to end: the level editor under a virtual X server without a window manager, driven by
# synthesized keys and mouse. A player who passed campaign map 16 opens the editor; the view keys
# are pressed at once (they move the view one square right and one down, and must not type into
# the name box); the note for level makers is opened
# and a view square off the map clicked (the note closes, the message shows, the game lives on);
# three squares are painted with one drag and a fourth with a click; undo and redo run from their
# button and keys; the level is saved, the view keys pressed again with the pointer away from the
# editor (the editor keeps the keyboard after its dialogs), the level saved once more under the
# name the dialog offers, and Ctrl+C closes the editor to the main menu. The level file must then
# hold exactly the three painted squares, (1, 1) to (3, 1), under the name typed, and no other
# level file appear.
#
# Usage: editor_e2e.sh PATH_OF_THE_QUOBBLES_EXECUTABLE
set -euo pipefail

exe="${1:?usage: editor_e2e.sh QUOBBLES_EXECUTABLE}"
player="maker"
level="Garden"
step_timeout=15

# shellcheck source=../support/x_session.sh
source "$(dirname "$0")/../support/x_session.sh"

command -v od >/dev/null || fail "od is not installed"
[[ -x "$exe" ]] || fail "no executable at $exe"
exe_dir="$(cd "$(dirname "$exe")" && pwd)"

make_work

# A fresh program folder: the executable, the campaign, no levels, and one player whose profile
# has map 16 passed (the name's length, the name, then 256 words of maps passed and 256 of stars).
cp "$exe" "$work/quobbles"
[[ -d "$exe_dir/Campain" ]] && cp -r "$exe_dir/Campain" "$work/Campain"
mkdir -p "$work/Levels" "$work/Players"
{
  printf "\\x$(printf %02x ${#player})\\x00%s" "$player"
  head -c 32 /dev/zero
  printf '\xff\xff'
  head -c $((512 - 34 + 512)) /dev/zero
} >"$work/Players/$player.plr"
(($(stat -c %s "$work/Players/$player.plr") == 1026 + ${#player})) || fail "the profile was not made right"

start_display
(cd "$work" && QT_QPA_PLATFORM=xcb ./quobbles >"$work/game.log" 2>&1) &
game_pid=$!

alive() {
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended $1: $(cat "$work/game.log")"
}

# Presses keys wherever the keyboard is, with the pointer away from every window, so that only
# the window that holds the keyboard gets them.
keys_here() {
  timeout "$step_timeout" xdotool mousemove 1010 750 || fail "cannot move the pointer"
  sleep 0.2
  timeout "$step_timeout" xdotool key --delay 150 "$@" || fail "cannot press $*"
  sleep 0.4
}

# The editor's layout in pixels: the view square d squares right of and e below the view's centre
# is at (194 + 40d, 210 + 40e); the palette's star at (460, 52); "Click here" at (500, 476); the
# undo button at (248, 434).
click_at() {
  timeout "$step_timeout" xdotool mousemove --window "$editor" "$1" "$2" click 1 || fail "cannot click"
  sleep 0.4
}

menu=$(wait_window "Quobbles - Main Menu")
keys_to "$menu" Return  # "Play campain"
type_to "$(wait_window "Loging:")" "$player"
selection=$(wait_window "Quobbles - Select map")
keys_to "$selection" Escape
menu=$(wait_window "Quobbles - Main Menu")
keys_to "$menu" 2 2 Return  # "Map editor"
editor=$(wait_window "Quobble - Level editor: ''")
sleep 0.5

# The view keys, at once: the editor has the keyboard, and no text box. The view moves from
# (0, 0) to (1, 1).
keys_here w a d x

# The note, then a click on a view square off the map: the note closes and the message shows.
click_at 500 476
click_at 34 290
box=$(wait_window "Editor")
alive "under the note"
keys_to "$box" Return

# A drag paints (1, 1), (2, 1) and (3, 1) with the star; a click paints (2, 2).
click_at 460 52
timeout "$step_timeout" xdotool mousemove --window "$editor" 194 210 mousedown 1 || fail "cannot press"
for x in 214 234 254 274; do
  sleep 0.1
  timeout "$step_timeout" xdotool mousemove --window "$editor" "$x" 212 || fail "cannot drag"
done
sleep 0.1
timeout "$step_timeout" xdotool mouseup 1 || fail "cannot release"
sleep 0.3
click_at 234 250
# The undo button takes the click back; the keys take the drag back and bring it again, twice.
click_at 248 434
keys_here ctrl+z ctrl+shift+z ctrl+z ctrl+y

# Saved as the level; then the view keys, a save under the name offered, and Ctrl+C.
keys_here ctrl+s
dialog=$(wait_window "Save level")
keys_to "$dialog" ctrl+a
type_to "$dialog" "$level"
wait_window "Quobble - Level editor: '${level^^}'" >/dev/null
keys_here w a d x ctrl+s
dialog=$(wait_window "Save level")
keys_to "$dialog" Return
wait_window "Quobble - Level editor: '${level^^}'" >/dev/null
sleep 0.3
keys_here ctrl+c
wait_window "Quobbles - Main Menu" "$menu" >/dev/null
[[ -z "$(xdotool search --onlyvisible --name "^Quobble - Level editor" 2>/dev/null || true)" ]] ||
  fail "the editor is still open"
alive "after the editor closed"

# The level file: the name, code 0, status 0, and the three stars at (1, 1), (2, 1) and (3, 1).
made=$(cd "$work/Levels" && ls)
[[ "$made" == "$level.lev" ]] || fail "the Levels folder holds: $made"
file="$work/Levels/$level.lev"
size=$(stat -c %s "$file")
((size == 2506 + ${#level})) || fail "the level file is $size bytes, not $((2506 + ${#level}))"
name=$(dd if="$file" bs=1 skip=2 count=${#level} 2>/dev/null)
[[ "$name" == "$level" ]] || fail "the stored name is \"$name\""
fields=$(od -An -tx1 -j $((2 + ${#level})) -N4 "$file" | tr -d ' \n')
[[ "$fields" == "00000000" ]] || fail "code and status are $fields, not 0000 0000"
map_at=$((6 + ${#level}))
stars=$(od -An -tu1 -v -j "$map_at" -N 2500 "$file" | tr -s ' \n' '\n' | sed '/^$/d' | grep -n -v '^0$' || true)
expected=$'52:15\n53:15\n54:15'
[[ "$stars" == "$expected" ]] || fail "the map's non-empty squares (index:code, from 1) are: $stars"

echo "editor_e2e: passed ($level.lev holds the drawn squares; the editor closed to the main menu)"
