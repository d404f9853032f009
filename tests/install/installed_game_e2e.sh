#!/usr/bin/env bash
# End to end for an installed game: the game is installed into a fresh prefix (or a tree that
# holds an installed game, such as an unpacked .deb, is copied there) that every user can read
# and nobody can write, and it runs from there under a virtual X server, driven by synthesized
# keys, as a user who cannot write the prefix: run as root, the test drops to the user nobody;
# otherwise it runs as the caller with the prefix read-only. XDG_DATA_HOME points into a temporary
# folder that user owns. Checked:
#  - both executables answer --version with the expected version, and the windows carry the icon;
#  - a new player passes campaign map 0 and the profile lands in XDG_DATA_HOME/quobbles/Players;
#  - the data folder's Levels is made on the first start and holds the sample levels, which the
#    player may rewrite;
#  - a player who has passed map 16 opens the editor and saves a level into
#    XDG_DATA_HOME/quobbles/Levels;
#  - nothing in the prefix changed.
#
# Usage: installed_game_e2e.sh --build BUILD_DIR VERSION
#        installed_game_e2e.sh --tree PREFIX_OF_AN_INSTALLED_GAME VERSION
set -euo pipefail

usage="usage: installed_game_e2e.sh --build BUILD_DIR VERSION | --tree PREFIX VERSION"
mode="${1:?$usage}"
source_dir="${2:?$usage}"
version="${3:?$usage}"
step_timeout=15

# shellcheck source=../support/x_session.sh
source "$(dirname "$0")/../support/x_session.sh"

for tool in od stat find xprop; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

make_work
chmod 755 "$work"  # the player's user must reach the prefix and its home below it

prefix="$work/prefix"
case "$mode" in
  --build) cmake --install "$source_dir" --prefix "$prefix" >"$work/install.log" || fail "install: $(cat "$work/install.log")" ;;
  --tree) cp -r "$source_dir" "$prefix" ;;
  *) fail "$usage" ;;
esac
[[ -x "$prefix/bin/quobbles" && -x "$prefix/bin/quobbles-sim" ]] || fail "no executables in $prefix/bin"
[[ -f "$prefix/share/quobbles/Campain/Map0.lev" ]] || fail "no campaign in $prefix/share/quobbles"
chmod -R a+rX,a-w "$prefix"

# The player: nobody when run as root, else the caller. Its home holds the data folder.
home="$work/home"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
as_player=()
if [[ "$(id -u)" -eq 0 ]]; then
  command -v setpriv >/dev/null || fail "setpriv is not installed"
  player_uid=65534
  player_gid=65534
  chown -R "$player_uid:$player_gid" "$home"
  as_player=(setpriv --reuid="$player_uid" --regid="$player_gid" --clear-groups --)
  "${as_player[@]}" test -w "$prefix/bin" && fail "the player's user could write the prefix"
fi
data="$home/data/quobbles"
run_env=(env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
  XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime")

# The prefix as it was installed: every file with its size and time, to compare at the end.
find "$prefix" -printf '%p %s %T@ %m\n' | sort >"$work/prefix.before"

# Both executables tell the version, from any folder.
for exe in quobbles quobbles-sim; do
  said=$(cd / && "${as_player[@]}" "${run_env[@]}" "$prefix/bin/$exe" --version) || fail "$exe --version failed"
  [[ "$said" == "$exe $version" ]] || fail "$exe --version said \"$said\", not \"$exe $version\""
done

# The keys that take the player from the start of map 0 to its exit, from the installed solver.
keys=$("$prefix/bin/quobbles-sim" --solve "$prefix/share/quobbles/Campain/Map0.lev" 2>/dev/null | sed -n 's/^solution //p')
[[ -n "$keys" ]] || fail "quobbles-sim finds no way through campaign map 0"
solution=()
for ((i = 0; i < ${#keys}; i++)); do solution+=("${keys:i:1}"); done

start_display

# Started from another folder than the prefix's, so nothing may depend on the working folder.
(cd "$home" && exec "${as_player[@]}" "${run_env[@]}" QT_QPA_PLATFORM=xcb "$prefix/bin/quobbles") >"$work/game.log" 2>&1 &
game_pid=$!

# Logs in as $1 from the main menu (whose highlight must be on "Play campain"); $2 = new for a
# player still to be made. Prints the map selection's window id.
log_in() {
  local name="$1" new="${2:-}" menu login question
  menu=$(wait_window "Quobbles - Main Menu")
  keys_to "$menu" Return
  login=$(wait_window "Loging:")
  type_to "$login" "$name"
  if [[ "$new" == new ]]; then
    question=$(wait_window "Loging:" "$login")
    keys_to "$question" alt+y
  fi
  wait_window "Quobbles - Select map"
}

# The windows carry the game's icon, at the sizes built into it.
menu=$(wait_window "Quobbles - Main Menu")
icons=$(timeout 5 xprop -id "$menu" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ "$icons" == "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ]] ||
  fail "the main menu's icons are \"$icons\""

# A new player passes map 0.
selection=$(log_in e2eplayer new)
keys_to "$selection" Return
board=$(wait_window "Quobbles")
keys_to "$board" "${solution[@]}"
sleep 0.5
keys_to "$board" Escape
selection=$(wait_window "Quobbles - Select map" "$selection")

profile="$data/Players/e2eplayer.plr"
[[ -f "$profile" ]] || fail "no profile in $data/Players (the data folder holds: $(find "$home/data" 2>/dev/null))"
size=$(stat -c %s "$profile")
((size == 1026 + 9)) || fail "the profile is $size bytes, not $((1026 + 9))"
passed=$(od -An -tx1 -j 11 -N2 "$profile" | tr -d ' \n')
[[ "$passed" == "ffff" ]] || fail "LevelPassed(0) is $passed, not ffff"

# The sample levels were copied into the new Levels folder, and they are the player's to rewrite.
for level in "$prefix"/share/quobbles/Levels/*.lev; do
  copy="$data/Levels/$(basename "$level")"
  [[ -f "$copy" ]] || fail "the sample level $(basename "$level") is not in $data/Levels"
  cmp -s "$level" "$copy" || fail "$copy differs from the shipped sample level"
  "${as_player[@]}" test -w "$copy" || fail "the player cannot rewrite $copy"
done

# A player who has passed maps 0..16, written as the game writes a profile: the name's length,
# the name, 256 LevelPassed flags and 256 LevelStars flags.
maker="$data/Players/maker.plr"
{
  printf '\x05\x00maker'
  for ((m = 0; m < 256; m++)); do
    if ((m <= 16)); then printf '\xff\xff'; else printf '\x00\x00'; fi
  done
  head -c 512 /dev/zero
} >"$maker"
[[ "$(id -u)" -eq 0 ]] && chown "$player_uid:$player_gid" "$maker"

# Back to the main menu, log in as that player, back again and open the editor.
keys_to "$selection" Escape
menu=$(wait_window "Quobbles - Main Menu")
selection=$(log_in maker)
keys_to "$selection" Escape
menu=$(wait_window "Quobbles - Main Menu")
keys_to "$menu" 2 2 Return  # "Play campain" -> "Play other maps" -> "Map editor"
editor=$(wait_window "Quobble - Level editor: ''")
keys_to "$editor" ctrl+s
save=$(wait_window "Save level")
type_to "$save" "e2elevel"
wait_window "Quobble - Level editor: 'E2ELEVEL'" >/dev/null

saved="$data/Levels/e2elevel.lev"
[[ -f "$saved" ]] || fail "no e2elevel.lev in $data/Levels (there: $(ls "$data/Levels"))"
size=$(stat -c %s "$saved")
((size == 2506 + 8)) || fail "the saved level is $size bytes, not $((2506 + 8))"
name=$(dd if="$saved" bs=1 skip=2 count=8 2>/dev/null)
[[ "$name" == "e2elevel" ]] || fail "the saved level's name is \"$name\""

# The install folder is exactly as it was installed.
find "$prefix" -printf '%p %s %T@ %m\n' | sort >"$work/prefix.after"
diff "$work/prefix.before" "$work/prefix.after" >"$work/prefix.diff" || fail "the prefix changed: $(cat "$work/prefix.diff")"
[[ -z "$(find "$prefix" -name '*.plr' -o -name 'e2elevel*')" ]] || fail "a player's file is in the prefix"

echo "installed_game_e2e: passed ($([[ ${#as_player[@]} -gt 0 ]] && echo "as nobody" || echo "as $(id -un)"), data in XDG_DATA_HOME/quobbles)"
