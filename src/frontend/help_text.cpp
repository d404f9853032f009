// The help window's text: what the game is about, its keys (the first ones and the more recent
// arrows, undo and restart), and how blocks, walls, doors, specials, hangers and stars behave.
// Ten sections, lines ending in CR LF.
#include "frontend/help_text.h"

#include <string_view>

namespace quobbles {

namespace {

// The line between two sections.
constexpr std::string_view kRule = "--------------------------------------------";

constexpr std::string_view kHelpLines[] = {
    "Purpose of the game:",
    "Basicly to get exit. (Green 'E')",
    kRule,
    "Keys:",
    "   Moving: 4, 6, 8, 2",
    "   Pass turn: 5",
    "   Moving view: A, D, W, X, S",
    "   Using specials:",
    "      Invisibility: C",
    "      Mine: V",
    "      Remove block: B",
    "      Four direction attack: N",
    "      Immortality: M",
    "   This help-window: Spacebar",
    "   End game: Esc",
    kRule,
    "More keys:",
    "   Moving: arrow keys, or the number pad without Num Lock",
    "   Pass turn: 5 in the middle of the number pad",
    "   Take back the last turn: Backspace or Ctrl+Z",
    "   Start the level again: Ctrl+R",
    "You can take back as many turns as you have played, even the one that got you killed, and starting "
    "again can be taken back too. A passed level stays passed: that one you cannot take back.",
    kRule,
    "What's wrong? - I can't move!:",
    "Caps Lock must be off, or the letter keys will not work: they must be small letters. You move with the "
    "number keys of the number pad (Num Lock on or off) or with the arrow keys. If the figure still does not "
    "move, click the game window once so that it gets the keys.",
    kRule,
    "Moving blocks:",
    "There are two kinds of them. Brown blocks move towards you as long as they see you. Purple blocks start "
    "moving when they see you and do not stop before they hit a wall or another block. If a block runs into "
    "you, the game is over.",
    kRule,
    "Walls:",
    "There are two kinds of walls: walls that the specials can break up and walls that will never break, "
    "whatever you do. The texture help shows which is which.",
    kRule,
    "Doors:",
    "In some levels you have to open doors before you can get to the exit. Doors open when all the buttons "
    "are pressed. A button is a red cross; it is pressed (and gone) when a block moves onto it.",
    kRule,
    "Specials:",
    "The number of each special you have collected is shown on the game view. You collect specials as test "
    "pipes of different colours and use them afterwards with their keys.",
    "Invisibility (blue):",
    "Moving blocks do not notice you for one turn.",
    "Mine (green):",
    "A moving block or a hanger that runs into the mine blows up. It takes one turn to step off the mine, so "
    "do not wait too long.",
    "Remove block (red):",
    "Removes a breakable wall or a block next to you. Press B and then the direction.",
    "Four direction attack (orange):",
    "Shoots four bullets: up, down, left and right. They destroy like the block remover when they hit "
    "something breakable.",
    "Immortality (purple):",
    "Moving blocks and hangers do not hurt you for one turn.",
    kRule,
    "Hangers:",
    "Hangers move by their own logic, not by yours. Their eyes show the direction they are going. When a "
    "hanger is blocked, it turns and walks on.",
    kRule,
    "Stars:",
    "Some levels hide stars. When you have collected all of them, a little star shows at the top of the game "
    "window, and reaching the exit then counts as passing the level's secret mission. Stars can be ignored, "
    "if you like.",
};

}  // namespace

const std::string& helpText() {
  static const std::string text = [] {
    std::string joined;
    for (std::string_view line : kHelpLines) {
      if (!joined.empty()) joined += "\r\n";
      joined += line;
    }
    return joined;
  }();
  return text;
}

}  // namespace quobbles
