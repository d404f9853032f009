// Fuzz target: the profile reader. Whatever the bytes, it returns a whole profile or a reason,
// and a profile it accepts writes back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "state/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quobbles;
  const Bytes bytes(data, data + size);
  const Outcome<Profile> profile = decodeProfile(bytes);
  if (!profile) {
    if (profile.reason.empty()) std::abort();
    return 0;
  }
  const Bytes again = encodeProfile(*profile.value);
  if (again.size() > bytes.size() || !std::equal(again.begin(), again.end(), bytes.begin())) std::abort();
  return 0;
}
