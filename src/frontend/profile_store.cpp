// Saving and loading players' profiles below the program folder.
#include "frontend/profile_store.h"

#include <system_error>

#include "frontend/profile_file.h"
#include "state/file_names.h"
#include "state/program_files.h"
#include "state/text_codec.h"

namespace quobbles {

namespace fs = std::filesystem;

fs::path profilePath(const std::string& playerName) {
  return programFile({"Players", utf8FromGameText(playerName) + ".plr"});
}

std::string saveProfile(const Profile& profile) {
  if (const std::string problem = fileNameProblem(profile.PlayerName); !problem.empty()) return problem;
  const fs::path folder = programFile({"Players"});
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return "The folder Players cannot be created: " + ec.message() + ".";
  }
  return writeProfile(profilePath(profile.PlayerName), profile);
}

Outcome<Profile> loadProfile(const std::string& playerName) {
  if (const std::string problem = fileNameProblem(playerName); !problem.empty())
    return Outcome<Profile>::fail(problem);
  return readProfile(profilePath(playerName));
}

}  // namespace quobbles
