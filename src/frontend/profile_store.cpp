// Saving and loading players' profiles below the data folder.
#include "frontend/profile_store.h"

#include <system_error>

#include "state/file_names.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "state/text_codec.h"

namespace quobbles {

namespace fs = std::filesystem;

fs::path profilePath(const std::string& playerName) {
  return dataFile({"Players", utf8FromGameText(playerName) + ".plr"});
}

std::string playerNameProblem(const std::string& playerName) {
  if (std::string problem = fileNameProblem(playerName); !problem.empty()) return problem;
  return fileNameLengthProblem(profilePath(playerName));
}

std::string saveProfile(const Profile& profile, std::string* caution) {
  if (caution) caution->clear();
  if (const std::string problem = playerNameProblem(profile.PlayerName); !problem.empty()) return problem;
  const fs::path folder = dataFile({"Players"});
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return "The folder Players cannot be created: " + ec.message() + ".";
  }
  return writeProfile(profilePath(profile.PlayerName), profile, caution);
}

void Pelaajan_seivaus(const GameState& g, Prompts& prompts) {
  std::string caution;
  const std::string failure = saveProfile(g.profile, &caution);
  if (!caution.empty()) prompts.tell("Your progress:\n" + caution, "Quobbles", Icon::kExclamation);
  if (failure.empty()) return;
  prompts.tell("Your progress could not be saved:\n" + failure +
                   "\nIt is kept and will be saved when you pass the next map.",
               "Quobbles", Icon::kExclamation);
}

}  // namespace quobbles
