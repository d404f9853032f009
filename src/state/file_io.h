// Whole-file reading and atomic file replacement: readers see a file's bytes or a reason why
// not, and a writer leaves either the old file or the complete new one, never a torn record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quobbles {

using Bytes = std::vector<uint8_t>;

// A value, or the reason it could not be had (in words fit for a message box).
template <class T>
struct [[nodiscard]] Outcome {
  std::optional<T> value;
  std::string reason;

  static Outcome ok(T v) { return Outcome{std::move(v), {}}; }
  static Outcome fail(std::string why) { return Outcome{std::nullopt, std::move(why)}; }
  explicit operator bool() const { return value.has_value(); }
};

// Reads at most maxBytes from the start of a regular file. Folders, missing and unreadable
// files are refused with a reason.
Outcome<Bytes> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces (or creates) the file with exactly these bytes: written to a temporary file in the
// same folder, flushed to disk, then renamed over the old one. Returns an empty text on
// success, otherwise the reason of the failure; on failure the old file is left as it was.
[[nodiscard]] std::string replaceFile(const std::filesystem::path& path, const Bytes& bytes);

// Little-endian helpers for the record layouts.
inline void putU16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline uint16_t getU16(const Bytes& in, std::size_t at) {
  return static_cast<uint16_t>(in[at] | (in[at + 1] << 8));
}

}  // namespace quobbles
