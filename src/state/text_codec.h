// Names in the game's files are one byte per character in Windows-1252; file names on disk
// and Qt's text are Unicode. These convert between the two.
#pragma once

#include <optional>
#include <string>

namespace quobbles {

// Windows-1252 bytes as UTF-8.
std::string utf8FromGameText(const std::string& bytes);
// UTF-8 as Windows-1252 bytes; nothing when the text is not valid UTF-8 or holds a character
// that Windows-1252 cannot hold.
std::optional<std::string> gameTextFromUtf8(const std::string& utf8);

// A typed name (UTF-8) as a message quotes it: control characters made visible, a long name cut
// short with "…".
std::string shownName(const std::string& typedUtf8);

// Windows-1252 bytes with capital letters made small (A-Z and the accented capitals).
std::string foldCase(std::string bytes);

}  // namespace quobbles
