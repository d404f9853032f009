// Reading and writing the ".plr" profile record.
#include "state/profile_file.h"

namespace quobbles {

Bytes encodeProfile(const Profile& profile) {
  Bytes out;
  const std::size_t nameLength = std::min<std::size_t>(profile.PlayerName.size(), 0xFFFF);
  out.reserve(kProfileFixedBytes + nameLength);
  putU16(out, static_cast<uint16_t>(nameLength));
  out.insert(out.end(), profile.PlayerName.begin(),
             profile.PlayerName.begin() + static_cast<long>(nameLength));
  for (int16_t flag : profile.LevelPassed) putU16(out, static_cast<uint16_t>(flag));
  for (int16_t flag : profile.LevelStars) putU16(out, static_cast<uint16_t>(flag));
  return out;
}

Outcome<Profile> decodeProfile(const Bytes& bytes) {
  if (bytes.empty()) return Outcome<Profile>::fail("The profile file is empty.");
  if (bytes.size() < 2) return Outcome<Profile>::fail("The profile file is too short to hold a profile.");
  const std::size_t nameLength = getU16(bytes, 0);
  if (bytes.size() < kProfileFixedBytes + nameLength)
    return Outcome<Profile>::fail("The profile file is too short: it ends inside the profile.");
  Profile profile;
  profile.PlayerName.assign(bytes.begin() + 2, bytes.begin() + 2 + static_cast<long>(nameLength));
  std::size_t at = 2 + nameLength;
  for (int16_t& flag : profile.LevelPassed) {
    flag = static_cast<int16_t>(getU16(bytes, at));
    at += 2;
  }
  for (int16_t& flag : profile.LevelStars) {
    flag = static_cast<int16_t>(getU16(bytes, at));
    at += 2;
  }
  return Outcome<Profile>::ok(std::move(profile));
}

Outcome<Profile> readProfile(const std::filesystem::path& path) {
  Outcome<Bytes> bytes = readFileStart(path, kMaxProfileFileRead);
  if (!bytes) return Outcome<Profile>::fail(bytes.reason);
  return decodeProfile(*bytes.value);
}

std::string writeProfile(const std::filesystem::path& path, const Profile& profile, std::string* caution) {
  return replaceFile(path, encodeProfile(profile), caution);
}

}  // namespace quobbles
