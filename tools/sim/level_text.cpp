// Reading and writing levels as text.
#include "sim/level_text.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "state/text_codec.h"
#include "state/tiles.h"

namespace quobbles::sim {

const std::array<SpecialName, 5> kSpecialNames = {{
    {"invisibility", tile::Invisibility},
    {"mine", tile::MineStuff},
    {"remove-block", tile::RemoveBlock},
    {"attack", tile::FourDirectionShoot},
    {"immortality", tile::Immortality},
}};

namespace {

// The keys a stored solution may hold: the turn keys and the specials.
constexpr std::string_view kSolutionKeys = "24568bcmnv";

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool parseWhole(std::string_view text, int& out) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

Outcome<LevelText> refuse(int line, const std::string& why) {
  return Outcome<LevelText>::fail("line " + std::to_string(line) + ": " + why);
}

}  // namespace

Outcome<LevelText> parseLevelText(std::string_view text) {
  LevelText out;
  std::set<std::string, std::less<>> seen;
  char fill = '#';
  std::vector<std::string_view> rows;
  int lineNumber = 0, mapLine = 0;
  bool inMap = false;

  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (inMap) {
      rows.push_back(line);
      continue;
    }
    const std::string_view bare = trim(line);
    if (bare.empty() || bare.front() == ';') continue;
    const std::size_t colon = bare.find(':');
    if (colon == std::string_view::npos) return refuse(lineNumber, "expected \"key: value\" or \"map:\"");
    const std::string_view key = trim(bare.substr(0, colon));
    const std::string_view value = trim(bare.substr(colon + 1));
    if (!seen.emplace(key).second) return refuse(lineNumber, "\"" + std::string(key) + "\" given twice");

    if (key == "map") {
      if (!value.empty()) return refuse(lineNumber, "the map starts on the line after \"map:\"");
      inMap = true;
      mapLine = lineNumber + 1;
    } else if (key == "name") {
      const std::optional<std::string> name = gameTextFromUtf8(std::string(value));
      if (!name) return refuse(lineNumber, "the name holds a character a level file cannot hold");
      if (name->size() > 0xFFFF) return refuse(lineNumber, "the name is too long");
      out.level.LevelName = *name;
    } else if (key == "code") {
      int code = 0;
      if (!parseWhole(value, code) || code < -32768 || code > 32767)
        return refuse(lineNumber, "the edit code must be a whole number from -32768 to 32767");
      out.level.EditCode = static_cast<int16_t>(code);
    } else if (key == "status") {
      int status = 0;
      if (!parseWhole(value, status) || status < 0 || status > 2)
        return refuse(lineNumber, "the status must be 0, 1 or 2");
      out.level.LevelStatus = static_cast<int16_t>(status);
    } else if (key == "fill") {
      if (value.size() != 1 || !codeOfSymbol(value[0]))
        return refuse(lineNumber, "the fill must be one map character");
      fill = value[0];
    } else if (key == "solution" || key == "stars") {
      if (value.empty() || value.find_first_not_of(kSolutionKeys) != std::string_view::npos)
        return refuse(lineNumber, "a solution holds only the keys " + std::string(kSolutionKeys));
      (key == "solution" ? out.solution : out.starSolution) = std::string(value);
    } else if (key == "needs") {
      std::string_view rest = value;
      while (!(rest = trim(rest)).empty()) {
        const std::string_view word = rest.substr(0, rest.find_first_of(" \t"));
        rest.remove_prefix(word.size());
        const auto special = std::find_if(kSpecialNames.begin(), kSpecialNames.end(),
                                          [&](const SpecialName& s) { return word == s.name; });
        if (special == kSpecialNames.end())
          return refuse(lineNumber, "unknown special \"" + std::string(word) + "\"");
        out.needs.push_back(special->pickUp);
      }
    } else {
      return refuse(lineNumber, "unknown key \"" + std::string(key) + "\"");
    }
  }

  if (!seen.count("name") || !seen.count("code") || !seen.count("status"))
    return refuse(lineNumber, "the header needs name, code and status");
  if (!inMap) return refuse(lineNumber, "no \"map:\" line");
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  if (rows.size() > kMapSize) return refuse(mapLine + kMapSize, "more than 50 map rows");

  out.level.MapGrid.fill(*codeOfSymbol(fill));
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const int line = mapLine + static_cast<int>(y);
    if (rows[y].size() > kMapSize) return refuse(line, "a map row is longer than 50 squares");
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const std::optional<uint8_t> code = codeOfSymbol(rows[y][x]);
      if (!code)
        return refuse(line, "column " + std::to_string(x) + ": '" + std::string(1, rows[y][x]) +
                                "' is not a map character");
      out.level.code(static_cast<int>(x), static_cast<int>(y)) = *code;
    }
  }
  out.rows = static_cast<int>(rows.size());
  return Outcome<LevelText>::ok(std::move(out));
}

std::string formatLevelText(const LevelText& text, char fill) {
  const Level& level = text.level;
  const uint8_t fillCode = codeOfSymbol(fill).value_or(tile::PermanentWall);
  std::string out = "name: " + utf8FromGameText(level.LevelName) +
                    "\ncode: " + std::to_string(level.EditCode) +
                    "\nstatus: " + std::to_string(level.LevelStatus) + "\nfill: " + symbolOf(fillCode) + '\n';
  if (!text.solution.empty()) out += "solution: " + text.solution + '\n';
  if (!text.starSolution.empty()) out += "stars: " + text.starSolution + '\n';
  if (!text.needs.empty()) {
    out += "needs:";
    for (uint8_t code : text.needs)
      for (const SpecialName& s : kSpecialNames)
        if (s.pickUp == code) out += std::string(" ") + s.name;
    out += '\n';
  }
  out += "map:\n";
  // Rows end after their last square that is not fill; rows after the last such row are left out.
  std::vector<std::string> rows;
  for (int y = 0; y < kMapSize; ++y) {
    std::string row;
    for (int x = 0; x < kMapSize; ++x) row.push_back(symbolOf(level.code(x, y)));
    const std::size_t last = row.find_last_not_of(symbolOf(fillCode));
    row.erase(last == std::string::npos ? 0 : last + 1);
    rows.push_back(row);
  }
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  for (const std::string& row : rows) out += row + '\n';
  return out;
}

}  // namespace quobbles::sim
