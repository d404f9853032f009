// Checking typed names before they become file names.
#include "state/file_names.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <system_error>

namespace quobbles {

std::string fileNameProblem(const std::string& name) {
  if (name.empty()) return "The name is empty.";
  if (name.size() > kMaxNameLength)
    return "The name is too long: at most " + std::to_string(kMaxNameLength) + " characters.";
  for (unsigned char c : name) {
    if (c < 32 || c == 127) return "The name may not hold control characters.";
    if (std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos)
      return "The name may not hold any of these characters: < > : \" / \\ | ? *";
  }
  if (std::all_of(name.begin(), name.end(), [](char c) { return c == '.' || c == ' '; }))
    return "The name must hold something besides dots and blanks.";
  if (name.front() == ' ' || name.back() == ' ' || name.back() == '.')
    return "The name may not begin with a blank or end with a blank or a dot.";

  // Names that Windows keeps for its devices, with or without an extension.
  std::string stem = name.substr(0, name.find('.'));
  std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
  static const std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  const bool numberedDevice = stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
                              stem[3] >= '1' && stem[3] <= '9';
  if (numberedDevice || std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end())
    return "The name " + name + " is reserved by the system.";
  return {};
}

namespace {

constexpr std::size_t kUsualLongestName = 255;
std::size_t testLimit = 0;

}  // namespace

std::size_t longestFileName(const std::filesystem::path& folder) {
  std::filesystem::path at = folder.empty() ? std::filesystem::path(".") : folder;
  std::error_code ec;
  while (!std::filesystem::is_directory(at, ec) && at.has_parent_path() && at.parent_path() != at)
    at = at.parent_path();
  const long limit = ::pathconf(at.c_str(), _PC_NAME_MAX);
  std::size_t longest = limit > 0 ? static_cast<std::size_t>(limit) : kUsualLongestName;
  if (testLimit > 0) longest = std::min(longest, testLimit);
  return longest;
}

std::string fileNameLengthProblem(const std::filesystem::path& file) {
  const std::size_t bytes = file.filename().native().size();
  const std::filesystem::path folder =
      file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  const std::size_t longest = longestFileName(folder);
  if (bytes <= longest) return {};
  return "The name is too long for the folder " + folder.filename().string() + ": its file name would take " +
         std::to_string(bytes) + " bytes, and that folder holds names of at most " + std::to_string(longest) +
         " bytes.";
}

void limitFileNamesForTesting(std::size_t bytes) {
  testLimit = bytes;
}

}  // namespace quobbles
