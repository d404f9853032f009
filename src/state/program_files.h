// Where the game's files live, found without regard to letter case: "levels" and "Levels",
// "ABC.plr" and "abc.plr" meet.
//
// Two folders, both set once at start-up. The campaign folder holds the campaign ("Campain" with
// its index and maps), which the game only reads. The data folder holds what the game writes:
// the players' profiles ("Players") and the editor's levels ("Levels"). A portable game keeps
// both in the executable's folder; an installed one reads its campaign from the folder it was
// installed with and keeps its data in the player's own data folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quobbles {

// base / parts..., where each part (a UTF-8 file name) matches an existing entry whatever its
// letter case; a part with no match keeps its own spelling (a file still to be created).
std::filesystem::path findCaseInsensitive(const std::filesystem::path& base,
                                          const std::vector<std::string>& parts);

struct FileFolders {
  std::filesystem::path campaign;  // holds Campain (and, installed, the sample levels in Levels)
  std::filesystem::path data;      // holds Players and Levels
  bool portable = true;            // both are the executable's folder

  bool operator==(const FileFolders&) const = default;
};

void setFileFolders(const FileFolders& folders);
const FileFolders& fileFolders();

// A portable game in this folder: the campaign and the data both below it (tests use it too).
void setProgramFolder(const std::filesystem::path& folder);

// A file or folder below the campaign folder, e.g. campaignFile({"Campain", "Campain.dat"}).
std::filesystem::path campaignFile(const std::vector<std::string>& parts);
// A file or folder below the data folder, e.g. dataFile({"Players", "abc.plr"}).
std::filesystem::path dataFile(const std::vector<std::string>& parts);

// The folders for an executable in executableFolder. Portable when that folder holds Campain
// and the game may write there; otherwise installed: the data in userDataFolder, the campaign in
// ../share/quobbles beside the executable's folder (or in that folder itself when it holds
// Campain but may not be written).
FileFolders chooseFileFolders(const std::filesystem::path& executableFolder,
                              const std::filesystem::path& userDataFolder);

// Makes an installed game's data folder ready: when its Levels folder is missing it is made
// (with the folders above it) and the sample levels of the campaign folder are copied into it,
// never over a file that is there. Empty text, or why the folder could not be made ready.
std::string prepareDataFolder(const FileFolders& folders);

}  // namespace quobbles
