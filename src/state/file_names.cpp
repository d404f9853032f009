// Checking typed names before they become file names.
#include "state/file_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

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

}  // namespace quobbles
