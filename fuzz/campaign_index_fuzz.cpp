// Fuzz target: the campaign index parser. Whatever the text, it returns titles or a reason,
// never more titles than the campaign has slots.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "frontend/campaign_index.h"
#include "state/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace quobbles;
  const Outcome<CampaignTitles> index = parseCampaignIndex(Bytes(data, data + size));
  if (!index) {
    if (index.reason.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  if (index.value->titles.size() > static_cast<std::size_t>(kCampaignSlots)) std::abort();
  for (const std::string& title : index.value->titles)
    if (title.find('\0') != std::string::npos) std::abort();  // text files hold no zero bytes
  return 0;
}
