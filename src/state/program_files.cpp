// Case-insensitive lookup below the program folder.
#include "state/program_files.h"

#include <system_error>

#include "state/text_codec.h"

namespace quobbles {

namespace fs = std::filesystem;

namespace {

// File names are UTF-8; they are compared as the game's 8-bit text with capitals made small.
std::string comparable(const std::string& utf8Name) {
  const auto text = gameTextFromUtf8(utf8Name);
  return text ? foldCase(*text) : utf8Name;
}

fs::path& folderOfProgram() {
  static fs::path folder;
  return folder;
}

}  // namespace

fs::path findCaseInsensitive(const fs::path& base, const std::vector<std::string>& parts) {
  fs::path at = base;
  for (const std::string& part : parts) {
    const std::string wanted = comparable(part);
    std::error_code ec;
    fs::path next = at / part;
    if (!fs::exists(next, ec) && fs::is_directory(at, ec)) {
      for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
        if (comparable(it->path().filename().string()) == wanted) {
          next = it->path();
          break;
        }
      }
    }
    at = next;
  }
  return at;
}

fs::path programFolder() {
  return folderOfProgram();
}

void setProgramFolder(const fs::path& folder) {
  folderOfProgram() = folder;
}

fs::path programFile(const std::vector<std::string>& parts) {
  return findCaseInsensitive(programFolder(), parts);
}

}  // namespace quobbles
