// Whole-file reading and atomic file replacement: readers see a file's bytes or a reason why
// not, and a writer leaves either the old file or the complete new one, never a torn record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quobbles {

using Bytes = std::vector<uint8_t>;

// A value, or the reason it could not be had (in words fit for a message box).
template <class T>
struct [[nodiscard]] Outcome {
  std::optional<T> value;
  std::string reason;

  static Outcome ok(T v) { return Outcome{std::move(v), {}}; }
  static Outcome fail(std::string why) { return Outcome{std::nullopt, std::move(why)}; }
  explicit operator bool() const { return value.has_value(); }
};

// Reads at most maxBytes from the start of a regular file. Folders, named pipes, sockets,
// devices, missing and unreadable files are refused with a reason. The file is opened without
// waiting and checked once it is open, so a pipe put in its place a moment before can never
// hold the game up.
Outcome<Bytes> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// Why a save may not replace the file at `path`, or an empty text when it may (also when there
// is no file yet): a folder or something else that is not a file stands there, or its owner
// has made it read-only. The editor asks this before it asks whether to replace a level.
[[nodiscard]] std::string replaceRefusal(const std::filesystem::path& path);

// Replaces (or creates) the file with exactly these bytes: written to a temporary file in the
// same folder, flushed to disk, then renamed over the old one. A replaced file keeps its
// permissions; a new one gets the usual ones (0666 less the umask). Returns an empty text on
// success, otherwise the reason of the failure; on failure the old file is left as it was.
// Temporary files that earlier saves left behind in the folder are removed first.
// When the new file is in place but the folder could not be flushed, the save has succeeded
// and `caution` (if given) receives a warning for the player; otherwise it is left empty.
[[nodiscard]] std::string replaceFile(const std::filesystem::path& path, const Bytes& bytes,
                                      std::string* caution = nullptr);

// True for the name of a temporary file of a save: ".quobbles-<pid>-<16 hex digits>.tmp", or
// ".<name>.tmp<pid>-<n>" as earlier versions of the game named them.
bool isSaveTempName(const std::string& fileName);

// Removes the temporary files of saves from `folder` whose process no longer runs or that are
// more than an hour old; any other file is left alone. Returns how many were removed.
int removeStaleSaveTemps(const std::filesystem::path& folder);

// The call that flushes a folder after a rename (fsync); tests put in one that fails.
using FolderSyncCall = int (*)(int folderFd);
void setFolderSyncCall(FolderSyncCall call);  // nullptr restores fsync
// Where the random part of a temporary name comes from (the system's random source); tests put
// in one that repeats itself, to plant something at the name a save will pick.
using TempNameRandom = uint64_t (*)();
void setTempNameRandom(TempNameRandom source);  // nullptr restores the system's

// Little-endian helpers for the record layouts.
inline void putU16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline uint16_t getU16(const Bytes& in, std::size_t at) {
  return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

}  // namespace quobbles
