// Reading the campaign index: comma-delimited titles, one field per campaign map.
#include "frontend/campaign_index.h"

#include <algorithm>
#include <system_error>

#include "state/game_state.h"
#include "state/program_files.h"
#include "state/text_codec.h"

namespace quobbles {

namespace {

bool isBlank(uint8_t b) {
  return b == ' ' || b == '\t';
}
bool isLineEnd(uint8_t b) {
  return b == '\n' || b == '\r';
}

// Steps over one line end: CR LF counts as one.
std::size_t skipLineEnd(const Bytes& text, std::size_t at) {
  if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return at + 2;
  return at + 1;
}

// A title of a UTF-8 file in the game's text: each character Windows-1252 cannot hold
// becomes a question mark instead of spoiling the whole title.
std::string gameTextOfUtf8Title(const std::string& utf8) {
  if (auto whole = gameTextFromUtf8(utf8)) return *whole;
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t end = i + 1;
    while (end < utf8.size() && (static_cast<uint8_t>(utf8[end]) & 0xC0) == 0x80) ++end;
    const auto one = gameTextFromUtf8(utf8.substr(i, end - i));
    out += one ? *one : std::string("?");
    i = end;
  }
  return out;
}

// A title in the game's text, cut to kMaxTitleLength characters with "…" (0x85 in Windows-1252)
// as its last one.
std::string capTitle(std::string title) {
  if (title.size() <= kMaxTitleLength) return title;
  title.resize(kMaxTitleLength - 1);
  title.push_back('\x85');
  return title;
}

// The first `characters` characters of UTF-8 text: a huge title is cut before it is converted.
std::string utf8Prefix(const Bytes& text, std::size_t start, std::size_t end, std::size_t characters) {
  std::size_t at = start, seen = 0;
  while (at < end) {
    if ((text[at] & 0xC0) != 0x80 && seen++ == characters) break;
    ++at;
  }
  return std::string(text.begin() + static_cast<long>(start), text.begin() + static_cast<long>(at));
}

}  // namespace

Outcome<CampaignTitles> parseCampaignIndex(const Bytes& text) {
  if (std::find(text.begin(), text.end(), uint8_t{0}) != text.end())
    return Outcome<CampaignTitles>::fail("The campaign index is not a text file.");

  CampaignTitles result;
  std::size_t at = 0;
  const bool utf8 = text.size() >= 3 && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF;
  if (utf8) at = 3;
  const std::size_t n = text.size();

  while (at < n && result.titles.size() < kCampaignSlots) {
    while (at < n && isBlank(text[at])) ++at;
    if (at >= n) break;
    if (isLineEnd(text[at])) {  // an empty line, or the end of a line after its last comma
      at = skipLineEnd(text, at);
      continue;
    }
    if (text[at] == ',') {  // nothing between two commas: an empty title
      result.titles.emplace_back();
      ++at;
      continue;
    }

    std::size_t start = 0, end = 0;
    if (text[at] == '"') {
      start = ++at;
      while (at < n && text[at] != '"' && !isLineEnd(text[at])) ++at;
      end = at;
      if (at < n && text[at] == '"') {
        ++at;
        while (at < n && text[at] != ',' && !isLineEnd(text[at])) ++at;
      }
    } else {
      start = at;
      while (at < n && text[at] != ',' && !isLineEnd(text[at])) ++at;
      end = at;
      while (end > start && isBlank(text[end - 1])) --end;
    }
    // One character more than is kept, so that capTitle still sees that the title was cut.
    const std::size_t keep = std::min(end, start + kMaxTitleLength + 1);
    result.titles.push_back(capTitle(
        utf8 ? gameTextOfUtf8Title(utf8Prefix(text, start, end, kMaxTitleLength + 1))
             : std::string(text.begin() + static_cast<long>(start), text.begin() + static_cast<long>(keep))));
    if (at < n && text[at] == ',') ++at;
  }
  return Outcome<CampaignTitles>::ok(std::move(result));
}

Outcome<CampaignTitles> readCampaignIndex(const std::filesystem::path& path) {
  // One byte more than the largest index tells a file that is too large.
  Outcome<Bytes> bytes = readFileStart(path, kMaxCampaignIndexBytes + 1);
  if (!bytes) return Outcome<CampaignTitles>::fail(bytes.reason);
  if (bytes.value->size() > kMaxCampaignIndexBytes)
    return Outcome<CampaignTitles>::fail("The campaign index is too large to be a list of titles.");
  return parseCampaignIndex(*bytes.value);
}

Outcome<CampaignTitles> readProgramCampaignIndex() {
  return readCampaignIndex(campaignFile({"Campain", "Campain.dat"}));
}

}  // namespace quobbles
