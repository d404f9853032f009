// The fixture of engine tests that read and write the game's files: a fresh temporary folder set
// as the program's folder for the test's length, the game's state and the editor's, and prompts
// answered from a script.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "editor/editor_logic.h"
#include "state/game_state.h"
#include "state/program_files.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace quobbles::testing {

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class ProgramFolderTest : public ::testing::Test {
 protected:
  ProgramFolderTest() { setProgramFolder(dir.path()); }
  ~ProgramFolderTest() override { setProgramFolder({}); }

  // The files and folders below the program folder.
  long files() const { return std::distance(std::filesystem::recursive_directory_iterator(dir.path()), {}); }
  // The text of the last question or message.
  std::string lastMessage() const { return prompts.asked.empty() ? "" : prompts.asked.back().text; }

  TempFolder dir;
  GameState g;
  editor::EditorState e;
  ScriptedPrompts prompts;
};

}  // namespace quobbles::testing
