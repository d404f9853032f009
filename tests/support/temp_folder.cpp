// Temporary folders for tests.
#include "support/temp_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace quobbles::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quobbles-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace quobbles::testing
