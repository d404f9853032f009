// Reading typed numbers exactly, with halves rounded to the even neighbour.
#include "editor/editor_numbers.h"

#include <limits>

namespace quobbles::editor {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes the last UTF-8 character (its continuation bytes and its lead byte).
void dropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

}  // namespace

std::optional<Decimal> readDecimal(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  if (begin == end) return std::nullopt;

  Decimal d;
  std::size_t at = begin;
  if (text[at] == '+' || text[at] == '-') {
    d.negative = text[at] == '-';
    ++at;
  }
  bool sawDigit = false, sawPoint = false;
  for (; at < end; ++at) {
    const char c = text[at];
    if (isDigit(c)) {
      sawDigit = true;
      if (sawPoint)
        d.fraction.push_back(c);
      else if (!(d.whole.empty() && c == '0'))
        d.whole.push_back(c);
    } else if (c == '.' && !sawPoint) {
      sawPoint = true;
    } else {
      return std::nullopt;
    }
  }
  if (!sawDigit) return std::nullopt;
  while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
  return d;
}

std::optional<int32_t> roundedWithin(const Decimal& d, int32_t lo, int32_t hi) {
  // Ten digits are more than any 32-bit bound needs; longer whole parts are out of range.
  if (d.whole.size() > 10) return std::nullopt;
  int64_t magnitude = 0;
  for (char c : d.whole) magnitude = magnitude * 10 + (c - '0');
  if (!d.fraction.empty()) {
    const char first = d.fraction.front();
    const bool exactHalf = first == '5' && d.fraction.size() == 1;  // trailing zeros are gone
    if (first > '5' || (first == '5' && !exactHalf) || (exactHalf && magnitude % 2 == 1)) ++magnitude;
  }
  const int64_t value = d.negative ? -magnitude : magnitude;
  if (value < lo || value > hi) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<int16_t> readInteger16(std::string_view text) {
  const auto d = readDecimal(text);
  if (!d) return std::nullopt;
  const auto v = roundedWithin(*d, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
  if (!v) return std::nullopt;
  return static_cast<int16_t>(*v);
}

std::optional<uint8_t> readByteAnswer(std::string_view text) {
  const auto d = readDecimal(text);
  if (!d) return std::nullopt;
  const auto v = roundedWithin(*d, 0, 255);
  if (!v) return std::nullopt;
  return static_cast<uint8_t>(*v);
}

bool answerEqualsCode(std::string_view answer, int16_t code) {
  const auto d = readDecimal(answer);
  if (!d || !d->fraction.empty()) return false;
  const auto v = roundedWithin(*d, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
  return v && *v == code;
}

CodeBoxText editCodeBoxRule(std::string text) {
  while (!text.empty()) {
    if (const auto code = readInteger16(text)) return {std::move(text), code};
    dropLastCharacter(text);
  }
  return {std::move(text), std::nullopt};
}

}  // namespace quobbles::editor
