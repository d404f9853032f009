// Saving and loading the editor's level files.
#include "editor/editor_files.h"

#include <system_error>

#include "state/file_names.h"
#include "state/level_file.h"
#include "state/program_files.h"
#include "state/text_codec.h"

namespace quobbles::editor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLevelsFolder = "Levels";

// The Levels folder, made if it is missing; empty text on success, else the reason.
std::string ensureLevelsFolder() {
  const fs::path folder = dataFile({kLevelsFolder});
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return {};
  if (fs::exists(folder, ec)) return "Something that is not a folder stands where the Levels folder belongs.";
  if (!fs::create_directory(folder, ec) || ec)
    return "The Levels folder is missing and cannot be made" + (ec ? ": " + ec.message() : std::string("."));
  return {};
}

}  // namespace

Outcome<std::string> levelNameFromTyped(const std::string& typedUtf8) {
  const auto name = gameTextFromUtf8(typedUtf8);
  if (!name) return Outcome<std::string>::fail("The name holds characters that a level file cannot store.");
  if (std::string problem = fileNameProblem(*name); !problem.empty())
    return Outcome<std::string>::fail(problem);
  if (std::string problem = fileNameLengthProblem(editorLevelFile(*name)); !problem.empty())
    return Outcome<std::string>::fail(problem);
  return Outcome<std::string>::ok(*name);
}

fs::path editorLevelFile(const std::string& name) {
  return dataFile({kLevelsFolder, utf8FromGameText(name) + ".lev"});
}

std::string levelSaveRefusal(const std::string& name) {
  if (std::string problem = fileNameProblem(name); !problem.empty()) return problem;
  const fs::path file = editorLevelFile(name);
  if (std::string problem = fileNameLengthProblem(file); !problem.empty()) return problem;
  return replaceRefusal(file);
}

std::string saveLevelAs(GameState& g, EditorState& e, const std::string& name, std::string* caution) {
  if (caution) caution->clear();
  std::string failure = levelSaveRefusal(name);
  if (failure.empty()) failure = ensureLevelsFolder();
  Level stored = g.level;
  stored.LevelName = name;
  if (stored.LevelStatus == kPassed) stored.LevelStatus = kUnpassed;  // a saved change must be passed again
  if (failure.empty()) failure = WriteLevel(editorLevelFile(name), stored, caution);
  if (!failure.empty()) {
    e.LevelChanged = true;
    return failure;
  }
  g.level.LevelName = stored.LevelName;
  g.level.LevelStatus = stored.LevelStatus;
  e.LevelChanged = false;
  return {};
}

Outcome<Level> readEditorLevel(const std::string& name) {
  if (std::string problem = fileNameProblem(name); !problem.empty()) return Outcome<Level>::fail(problem);
  const fs::path file = editorLevelFile(name);
  std::error_code ec;
  if (!fs::exists(file, ec))
    return Outcome<Level>::fail("There is no level named \"" + utf8FromGameText(name) +
                                "\" in the Levels folder.");
  Outcome<Level> level = ReadLevel(file);
  if (level && (level.value->LevelStatus < kUnpassed || level.value->LevelStatus > kPassed))
    return Outcome<Level>::fail("The level file holds the status " +
                                std::to_string(level.value->LevelStatus) +
                                ", but a level is 0 (never passed), 1 (campaign map) or 2 (passed).");
  return level;
}

void openLoadedLevel(GameState& g, EditorState& e, Level level) {
  g.level = std::move(level);
  e.LevelChanged = false;
}

}  // namespace quobbles::editor
