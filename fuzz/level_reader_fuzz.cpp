// Fuzz target: the level reader. Whatever the bytes, it returns a whole valid level or a
// reason, and a level it accepts writes back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "state/level_file.h"
#include "state/tiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quobbles;
  const Bytes bytes(data, data + size);
  const Outcome<Level> level = decodeLevel(bytes);
  if (!level) {
    if (level.reason.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  for (uint8_t c : level.value->MapGrid)
    if (!isValidTileCode(c)) std::abort();
  const Bytes again = encodeLevel(*level.value);
  if (again.size() > bytes.size() || !std::equal(again.begin(), again.end(), bytes.begin())) std::abort();
  return 0;
}
