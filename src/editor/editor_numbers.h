// Numbers typed by the level maker: the edit-code box, the copy and paste answers and the
// edit-code question. Text is read strictly as one decimal number (blanks around it allowed);
// a fraction is rounded to the nearest whole number, halves to the even one. Anything else
// (letters, control characters, a lone sign, an empty text, path-like text) is not a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quobbles::editor {

// A decimal number held exactly as its digits, so rounding never suffers from binary fractions.
struct Decimal {
  bool negative = false;
  std::string whole;     // digits before the point, without leading zeros ("" for zero)
  std::string fraction;  // digits after the point, without trailing zeros
};

// Blanks, an optional sign, digits with at most one decimal point (at least one digit in all),
// blanks. Nothing if the text is anything else.
std::optional<Decimal> readDecimal(std::string_view text);

// The whole number nearest to `d` (halves to the even one), if it lies within lo..hi.
std::optional<int32_t> roundedWithin(const Decimal& d, int32_t lo, int32_t hi);

// A signed 16-bit number, as the edit-code box reads its text.
std::optional<int16_t> readInteger16(std::string_view text);
// An answer to a copy or paste prompt: a number 0..255.
std::optional<uint8_t> readByteAnswer(std::string_view text);
// True when the answer to "Enter EditCode:" is the same number as `code` (a zero fraction is
// allowed, any other fraction makes it a different number).
bool answerEqualsCode(std::string_view answer, int16_t code);

// What the edit-code box keeps after a change: while its text is not empty and not a signed
// 16-bit number, the last character is removed and the text checked again. `code` is the
// number the remaining text gives, or nothing when the box ends up empty (the edit code is then
// left as it was). The text is UTF-8; characters are removed whole.
struct CodeBoxText {
  std::string text;
  std::optional<int16_t> code;
};
CodeBoxText editCodeBoxRule(std::string text);

}  // namespace quobbles::editor
