// Windows-1252 conversion.
#include "state/text_codec.h"

#include <array>
#include <cstdint>

namespace quobbles {

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five bytes Windows-1252 leaves undefined,
// which are read as the Latin-1 control character of the same number.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t unicodeOf(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
  return b;
}

std::optional<unsigned char> byteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
  if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] == 0) return static_cast<unsigned char>(c);
  return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string utf8FromGameText(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) appendUtf8(out, unicodeOf(b));
  return out;
}

std::optional<std::string> gameTextFromUtf8(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80)
      c = lead;
    else if ((lead & 0xE0) == 0xC0) {
      c = lead & 0x1F;
      extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
      c = lead & 0x0F;
      extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
      c = lead & 0x07;
      extra = 3;
    } else
      return std::nullopt;
    if (i + static_cast<std::size_t>(extra) >= utf8.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((cont & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (cont & 0x3F);
    }
    // Only the shortest form of a character is UTF-8: "\xC0\x80" is not a way to write a zero.
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    const auto b = byteOf(c);
    if (!b) return std::nullopt;
    out.push_back(static_cast<char>(*b));
  }
  return out;
}

std::string foldCase(std::string bytes) {
  for (char& ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
      ch = static_cast<char>(b + 0x20);
    else if (b == 0x8A || b == 0x8C || b == 0x8E)
      ch = static_cast<char>(b + 0x10);  // Š Œ Ž
    else if (b == 0x9F)
      ch = static_cast<char>(0xFF);  // Ÿ
  }
  return bytes;
}

std::string shownName(const std::string& typedUtf8) {
  constexpr int kShownCharacters = 40;
  std::string shown;
  int characters = 0;
  for (std::size_t i = 0; i < typedUtf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(typedUtf8[i]);
    const bool startsCharacter = (b & 0xC0) != 0x80;
    if (startsCharacter && ++characters > kShownCharacters) return shown + "\u2026";
    if (b < 32 || b == 127)
      shown += "\uFFFD";  // the replacement character
    else
      shown.push_back(typedUtf8[i]);
  }
  return shown;
}

}  // namespace quobbles
