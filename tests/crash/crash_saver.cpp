// Saves levels and profiles in a loop until it is killed, for the crash-consistency test:
//   quobbles-crash-saver FOLDER ROUND
// FOLDER is taken as the program folder (its Levels and Players are written); ROUND stamps every
// version written. "ready" on standard output says the saving starts.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "crash/crash_records.h"
#include "editor/editor_files.h"
#include "frontend/leave_board.h"
#include "frontend/profile_store.h"
#include "state/program_files.h"

namespace {

using namespace quobbles;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "crash saver: %s\n", what.c_str());
  std::exit(2);
}

// Nobody is there to answer: a save that has something to tell has gone wrong.
class NoPrompts : public Prompts {
 public:
  Answer message(const std::string& text, const std::string&, Buttons, Icon, bool) override { fail(text); }
  std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::string openFile(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) fail("usage: quobbles-crash-saver FOLDER ROUND");
  setProgramFolder(argv[1]);
  const int round = std::atoi(argv[2]);
  GameState g;
  editor::EditorState e;
  NoPrompts prompts;
  if (::write(STDOUT_FILENO, "ready\n", 6) != 6) fail("cannot say it is ready");
  for (int step = 1; step < 65536; ++step) {
    for (const std::string& name : crash::levelNames()) {
      g.level = crash::levelVersion(round, step);
      if (std::string failure = editor::saveLevelAs(g, e, name); !failure.empty()) fail(failure);
    }
    // The board's Esc after the level was passed from "Play other maps": read back, marked as
    // passed, written again.
    g.level.LevelStatus = kUnpassed;
    g.LevelPath = editor::editorLevelFile(crash::levelNames()[1]).string();
    g.PlayState = 2;
    g.EditorTestPlay = false;
    if (leaveBoard(g, e, prompts) != LeaveTo::kMainMenu) fail("Esc did not lead to the main menu");
    if (std::string failure = saveProfile(crash::profileVersion(round, step)); !failure.empty())
      fail(failure);
  }
  return 0;
}
