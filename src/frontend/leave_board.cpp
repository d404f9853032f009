// Leaving the board with Esc.
#include "frontend/leave_board.h"

#include "state/level_file.h"

namespace quobbles {

namespace {

// Re-reads the stored level (so the played-on map is not what gets written), marks it passed
// and writes it back whole.
std::string markPassedInFile(GameState& g, const std::filesystem::path& levelFile, std::string& caution) {
  Outcome<Level> stored = ReadLevel(levelFile);
  if (!stored) return stored.reason;
  g.level = std::move(*stored.value);
  g.level.LevelStatus = kPassed;
  return WriteLevel(levelFile, g.level, &caution);
}

}  // namespace

LeaveTo leaveBoard(GameState& g, editor::EditorState& e, Prompts& prompts) {
  LeaveTo next = LeaveTo::kMainMenu;
  if (g.EditorTestPlay) {
    next = LeaveTo::kEditor;
  } else if (g.level.LevelStatus == kCampaignMap) {
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
    next = LeaveTo::kMapSelection;
  } else {
    if (g.PlayState == 2 && g.level.LevelStatus == kUnpassed) {
      std::string caution;
      const std::string failure = markPassedInFile(g, std::filesystem::path(g.LevelPath), caution);
      if (!caution.empty()) prompts.tell(caution, "Quobbles", Icon::kExclamation);
      if (!failure.empty())
        prompts.tell("The level could not be marked as passed in its file:\n" + failure, "Quobbles",
                     Icon::kExclamation);
    }
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
  }
  g.PlayState = 0;
  return next;
}

}  // namespace quobbles
