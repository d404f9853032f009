// The campaign index "Campain/Campain.dat": the titles of the campaign maps, field k being the
// title of map k, read as comma-delimited text.
//
// How the text is read:
// - Fields are separated by commas and by line ends (LF, CR LF or a lone CR).
// - Blanks (spaces and tabs) before a field are skipped; blanks after an unquoted field are
//   dropped too, so "Title  ,Next" gives "Title".
// - A field that starts with a double quote runs to the next double quote and may hold commas
//   and blanks; anything between the closing quote and the next separator is ignored. A quote
//   that is never closed on its line ends at the line end: one broken line cannot swallow the
//   titles after it.
// - A line that is empty or holds only blanks gives no field, and neither does a comma just
//   before a line end, so trailing newlines and "one title per line," files add no maps. Two
//   commas in a row give an empty title (the map keeps its number).
// - At most kCampaignSlots titles are kept; the rest of the file is not looked at.
// - A title longer than kMaxTitleLength characters is cut to that length, its last character
//   being "…": a title is a line in a list, and a huge one would only stall the list.
// - Titles are the game's 8-bit text (Windows-1252). A file that begins with the UTF-8 byte
//   order mark is taken as UTF-8 and its titles converted where Windows-1252 can hold them.
// - A file holding a zero byte is not text and is refused, as are missing files and folders.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "state/file_io.h"

namespace quobbles {

// The index's longest readable size; a larger file is refused rather than read in part.
constexpr std::size_t kMaxCampaignIndexBytes = 4u << 20;
// The longest title kept, in characters, the closing "…" of a cut title included.
constexpr std::size_t kMaxTitleLength = 200;

struct CampaignTitles {
  std::vector<std::string> titles;  // at most kCampaignSlots, Windows-1252
};

[[nodiscard]] Outcome<CampaignTitles> parseCampaignIndex(const Bytes& text);
[[nodiscard]] Outcome<CampaignTitles> readCampaignIndex(const std::filesystem::path& path);
// The index below the campaign folder: Campain/Campain.dat, found whatever its letter case.
[[nodiscard]] Outcome<CampaignTitles> readProgramCampaignIndex();

}  // namespace quobbles
