// Case-insensitive lookup below the campaign and data folders, the choice between a portable
// and an installed game, and the first filling of an installed game's Levels folder.
#include "state/program_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "state/text_codec.h"

#ifndef QUOBBLES_SHARE_FROM_BIN
#error "QUOBBLES_SHARE_FROM_BIN is given by the build: the installed data folder seen from the executable's"
#endif

namespace quobbles {

namespace fs = std::filesystem;

namespace {

// File names are UTF-8; they are compared as the game's 8-bit text with capitals made small.
std::string comparable(const std::string& utf8Name) {
  const auto text = gameTextFromUtf8(utf8Name);
  return text ? foldCase(*text) : utf8Name;
}

FileFolders& folders() {
  static FileFolders f;
  return f;
}

// Whether this process may make and replace files in the folder (the effective user's rights,
// as opening a file would see them).
bool writableFolder(const fs::path& folder) {
  return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
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

void setFileFolders(const FileFolders& f) {
  folders() = f;
}

const FileFolders& fileFolders() {
  return folders();
}

void setProgramFolder(const fs::path& folder) {
  setFileFolders({folder, folder, true});
}

fs::path campaignFile(const std::vector<std::string>& parts) {
  return findCaseInsensitive(folders().campaign, parts);
}

fs::path dataFile(const std::vector<std::string>& parts) {
  return findCaseInsensitive(folders().data, parts);
}

FileFolders chooseFileFolders(const fs::path& executableFolder, const fs::path& userDataFolder) {
  std::error_code ec;
  const bool campaignBeside = fs::is_directory(findCaseInsensitive(executableFolder, {"Campain"}), ec);
  if (campaignBeside && writableFolder(executableFolder)) return {executableFolder, executableFolder, true};
  // Installed as <prefix>/bin/quobbles with the campaign in <prefix>/share/quobbles, wherever the
  // prefix was moved to. A game folder that may not be written (a copy on a read-only disc) still
  // reads the campaign beside it; only its players and levels move to the player's data folder.
  if (campaignBeside) return {executableFolder, userDataFolder, false};
  const fs::path shared = (executableFolder / QUOBBLES_SHARE_FROM_BIN).lexically_normal();
  return {shared, userDataFolder, false};
}

std::string prepareDataFolder(const FileFolders& f) {
  if (f.portable) return {};
  std::error_code ec;
  const fs::path levels = findCaseInsensitive(f.data, {"Levels"});
  if (fs::is_directory(levels, ec)) return {};
  if (fs::exists(levels, ec))
    return "Something that is not a folder stands where the folder for your levels belongs: " +
           levels.string() + ". Levels cannot be saved there.";
  fs::create_directories(levels, ec);
  if (ec)
    return "The folder for your levels, " + levels.string() + ", cannot be made: " + ec.message() +
           ". Players and levels cannot be saved there.";

  // The sample levels: only plain ".lev" files, and never over one that is there. The copies
  // are the player's own, so they may be rewritten (the board marks a passed level in its file)
  // even when the installed originals are read-only.
  const fs::path samples = findCaseInsensitive(f.campaign, {"Levels"});
  std::string failed;
  for (fs::directory_iterator it(samples, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code entryEc;
    if (it->is_symlink(entryEc) || !it->is_regular_file(entryEc)) continue;
    if (comparable(it->path().extension().string()) != ".lev") continue;
    const fs::path copy = levels / it->path().filename();
    if (fs::exists(copy, entryEc)) continue;
    if (!fs::copy_file(it->path(), copy, fs::copy_options::skip_existing, entryEc) || entryEc) {
      failed += (failed.empty() ? "" : ", ") + it->path().filename().string();
      continue;
    }
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, entryEc);
  }
  if (!failed.empty())
    return "These sample levels could not be copied into " + levels.string() + ": " + failed + ".";
  return {};
}

}  // namespace quobbles
