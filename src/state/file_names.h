// Names that users type and that become file names (players, levels): a name is accepted only
// if it can stand as one file name in its own folder on any common file system, so nothing is
// ever written outside the folder it belongs to.
#pragma once

#include <cstddef>
#include <string>

namespace quobbles {

constexpr std::size_t kMaxNameLength = 64;

// Empty when `name` (Windows-1252 bytes) may be used as a file's base name; otherwise the
// reason, in words for a message box.
[[nodiscard]] std::string fileNameProblem(const std::string& name);

}  // namespace quobbles
