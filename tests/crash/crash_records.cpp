// Versions of level and profile files stamped with the run and step that wrote them.
#include "crash/crash_records.h"

#include "state/file_names.h"
#include "state/tiles.h"

namespace quobbles::crash {

namespace {

constexpr int kStampBits = 16;

bool patternBit(int i, int round, int step) {
  return (i * 7 + round * 13 + step) % 3 == 0;
}

}  // namespace

const std::vector<std::string>& levelNames() {
  static const std::vector<std::string> names = {"Alpha", std::string(kMaxNameLength, 'L')};
  return names;
}

Level levelVersion(int round, int step) {
  Level level;
  for (int i = 0; i < kSquares; ++i) {
    const bool bit = i < kStampBits       ? (round >> i) & 1
                     : i < 2 * kStampBits ? (step >> (i - kStampBits)) & 1
                                          : patternBit(i, round, step);
    level.MapGrid[static_cast<std::size_t>(i)] = bit ? tile::Star : tile::Empty;
  }
  level.EditCode = static_cast<int16_t>(round * 31 + step);
  return level;
}

Profile profileVersion(int round, int step) {
  Profile p;
  p.PlayerName = kPlayer;
  p.LevelPassed[0] = static_cast<int16_t>(round);
  p.LevelPassed[1] = static_cast<int16_t>(step);
  for (int i = 2; i < kCampaignSlots; ++i)
    p.LevelPassed[static_cast<std::size_t>(i)] = patternBit(i, round, step) ? kTrue : 0;
  for (int i = 0; i < kCampaignSlots; ++i)
    p.LevelStars[static_cast<std::size_t>(i)] = static_cast<int16_t>(i * round - step);
  return p;
}

std::optional<Stamp> levelStamp(const Level& level, const std::string& name) {
  Stamp stamp;
  for (int i = 0; i < kStampBits; ++i) {
    if (level.MapGrid[static_cast<std::size_t>(i)] != 0) stamp.round |= 1 << i;
    if (level.MapGrid[static_cast<std::size_t>(kStampBits + i)] != 0) stamp.step |= 1 << i;
  }
  Level expected = levelVersion(stamp.round, stamp.step);
  expected.LevelName = name;
  expected.LevelStatus = level.LevelStatus == kPassed ? kPassed : kUnpassed;
  if (level != expected) return std::nullopt;
  return stamp;
}

std::optional<Stamp> profileStamp(const Profile& profile) {
  const Stamp stamp{static_cast<uint16_t>(profile.LevelPassed[0]),
                    static_cast<uint16_t>(profile.LevelPassed[1])};
  if (profile != profileVersion(stamp.round, stamp.step)) return std::nullopt;
  return stamp;
}

}  // namespace quobbles::crash
