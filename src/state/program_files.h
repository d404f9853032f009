// Files below the program's folder, found without regard to letter case: "levels" and
// "Levels", "ABC.plr" and "abc.plr" meet.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quobbles {

// base / parts..., where each part (a UTF-8 file name) matches an existing entry whatever its
// letter case; a part with no match keeps its own spelling (a file still to be created).
std::filesystem::path findCaseInsensitive(const std::filesystem::path& base,
                                          const std::vector<std::string>& parts);

// The folder that holds the program: set once at start-up to the executable's folder (tests
// set a folder of their own).
std::filesystem::path programFolder();
void setProgramFolder(const std::filesystem::path& folder);

// A file or folder below the program folder, e.g. programFile({"Campain", "Campain.dat"}).
std::filesystem::path programFile(const std::vector<std::string>& parts);

}  // namespace quobbles
