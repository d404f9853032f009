// Names that users type and that become file names (players, levels): a name is accepted only
// if it can stand as one file name in its own folder on any common file system, so nothing is
// ever written outside the folder it belongs to.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quobbles {

constexpr std::size_t kMaxNameLength = 64;

// Empty when `name` (Windows-1252 bytes) may be used as a file's base name; otherwise the
// reason, in words for a message box.
[[nodiscard]] std::string fileNameProblem(const std::string& name);

// The longest file name, in bytes, that `folder` holds (255 on most file systems, 143 on some
// encrypted ones). For a folder still to be made, the nearest existing folder above it answers.
std::size_t longestFileName(const std::filesystem::path& folder);

// Empty when the last part of `file` fits as a file name in its folder; otherwise the reason.
// Nothing is created or opened to find out.
[[nodiscard]] std::string fileNameLengthProblem(const std::filesystem::path& file);

// For tests: folders take names of at most this many bytes, even if they could take more
// (0 lifts the limit again).
void limitFileNamesForTesting(std::size_t bytes);

}  // namespace quobbles
