// Leaving the board with Esc.
#include "board/leave_board.h"

#include "editor/level_file.h"

namespace quobbles::board {

namespace {

// Re-reads the stored level (so the played-on map is not what gets written), marks it passed
// and writes it back whole.
std::string markPassedInFile(GameState& g, const std::filesystem::path& levelFile) {
  Outcome<Level> stored = ReadLevel(levelFile);
  if (!stored) return stored.reason;
  g.level = std::move(*stored.value);
  g.level.LevelStatus = kPassed;
  return WriteLevel(levelFile, g.level);
}

}  // namespace

LeaveOutcome leaveBoard(GameState& g, editor::EditorState& e, const std::filesystem::path& levelFile) {
  LeaveOutcome out;
  if (g.EditorTestPlay == kTrue) {
    out.next = LeaveTo::kEditor;
  } else if (g.level.LevelStatus == kCampaignMap) {
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
    out.next = LeaveTo::kMapSelection;
  } else {
    if (g.PlayState == 2 && g.level.LevelStatus == kUnpassed)
      out.writeBackFailure = markPassedInFile(g, levelFile);
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
    out.next = LeaveTo::kMainMenu;
  }
  g.PlayState = 0;
  return out;
}

}  // namespace quobbles::board
