// Saves and readers under attack: things that are not files placed as levels and profiles, a
// pipe swapped in while a level is read, temporary files left by killed saves, a link planted
// at a temporary name, permissions, names too long for their folder, and a folder that cannot
// be flushed after a save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <thread>

#include "editor/editor_commands.h"
#include "editor/editor_files.h"
#include "frontend/campaign_index.h"
#include "frontend/leave_board.h"
#include "frontend/login.h"
#include "frontend/profile_store.h"
#include "state/file_names.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "support/program_folder_test.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;
using testing::contains;

class FileSafety : public testing::ProgramFolderTest {};

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

mode_t modeOf(const fs::path& path) {
  return static_cast<mode_t>(fs::status(path).permissions());
}

// A process number that no process has: a child that has already ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

void makeSocket(const fs::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
  ::close(fd);
}

// ---------------------------------------------------------------------------------------------
// Readers

TEST_F(FileSafety, PipesSocketsDevicesAndFoldersPlacedAsLevelsOrProfilesAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.lev").c_str(), 0644), 0);
  makeSocket(dir.path() / "socket.plr");
  fs::create_symlink("/dev/null", dir.path() / "null.lev");
  fs::create_directory(dir.path() / "folder.plr");
  const std::pair<std::string, std::string> cases[] = {
      {"pipe.lev", "pipe"}, {"socket.plr", "socket"}, {"null.lev", "device"}, {"folder.plr", "folder"}};
  for (const auto& [name, kind] : cases) {
    const fs::path path = dir.path() / name;
    const Outcome<Level> level = ReadLevel(path);
    const Outcome<Profile> profile = readProfile(path);
    const Outcome<CampaignTitles> index = readCampaignIndex(path);
    EXPECT_FALSE(level || profile || index) << name;
    for (const std::string& reason : {level.reason, profile.reason, index.reason})
      EXPECT_TRUE(contains(reason, kind)) << name << ": " << reason;
  }
}

TEST_F(FileSafety, APipeSwappedInWhileALevelIsReadIsRefusedNeverWaitedOn) {
  // One thread keeps putting a pipe and a level file in turn at the same name while this one
  // reads it. A read that opened the pipe and waits for a writer is freed by a watchdog, which
  // opens every pipe for writing, and counted: there must be none.
  const fs::path target = dir.path() / "race.lev";
  const Bytes level = encodeLevel(Level{"Race", 5});
  std::vector<fs::path> pipes;
  for (int i = 0; i < 4; ++i) {
    pipes.push_back(dir.path() / ("pipe" + std::to_string(i)));
    ASSERT_EQ(::mkfifo(pipes.back().c_str(), 0644), 0);
  }
  ASSERT_EQ(replaceFile(target, level), "");

  std::atomic<bool> stop{false}, reading{false};
  std::atomic<int64_t> readStarted{0};
  std::atomic<int> freed{0}, swaps{0};
  const auto now = [] { return std::chrono::steady_clock::now().time_since_epoch().count(); };
  std::thread swapper([&] {
    for (int i = 0; !stop; ++i) {
      const fs::path link = dir.path() / "next";
      std::error_code ec;
      fs::create_hard_link(pipes[static_cast<std::size_t>(i % 4)], link, ec);
      fs::rename(link, target, ec);
      std::ofstream(dir.path() / "file", std::ios::binary)
          .write(reinterpret_cast<const char*>(level.data()), static_cast<std::streamsize>(level.size()));
      fs::rename(dir.path() / "file", target, ec);
      ++swaps;
    }
  });
  std::thread watchdog([&] {
    while (!stop) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      if (!reading || now() - readStarted < std::chrono::nanoseconds(std::chrono::seconds(3)).count())
        continue;
      ++freed;
      for (const fs::path& pipe : pipes) {
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
      }
    }
  });
  // At least 3000 reads, and on until the swapper has put a pipe in place 300 times.
  for (int i = 0; i < 1000000 && (i < 3000 || swaps < 300); ++i) {
    readStarted = now();
    reading = true;
    const Outcome<Level> read = ReadLevel(target);
    reading = false;
    EXPECT_TRUE(read ? read.value->LevelName == "Race" : contains(read.reason, "pipe")) << read.reason;
  }
  stop = true;
  swapper.join();
  watchdog.join();
  EXPECT_EQ(freed, 0) << "reads that waited on a pipe";
}

// ---------------------------------------------------------------------------------------------
// Temporary files

TEST_F(FileSafety, StaleTemporaryFilesAreRemovedBeforeASaveAndNothingElseIs) {
  const std::string dead = std::to_string(endedProcess()), alive = std::to_string(::getpid());
  const std::string hex = "0123456789abcdef";
  const auto plant = [&](const std::string& name, int hoursOld) {
    std::ofstream(dir.path() / name) << "partial";
    fs::last_write_time(dir.path() / name, fs::file_time_type::clock::now() - std::chrono::hours(hoursOld));
  };
  // Left by saves that were killed, or by this process more than an hour ago: removed.
  const std::pair<std::string, int> stale[] = {{".quobbles-" + dead + "-" + hex + ".tmp", 0},
                                               {".abc.lev.tmp" + dead + "-3", 0},
                                               {".quobbles-" + alive + "-fedcba9876543210.tmp", 2},
                                               {".x y.plr.tmp" + alive + "-0", 2}};
  for (const auto& [name, hoursOld] : stale) plant(name, hoursOld);
  // A fresh save of a running process, names that only look alike, an old file of the user's
  // own, and a folder and a link at a stale name: kept.
  std::set<std::string> kept = {".quobbles-" + dead + "-0123.tmp",
                                ".quobbles-" + dead + "-0123456789ABCDEF.tmp",
                                "quobbles-" + dead + "-" + hex + ".tmp",
                                ".quobbles-" + dead + "-" + hex + ".tmp.bak",
                                ".quobbles--" + hex + ".tmp",
                                ".abc.lev.tmp" + dead,
                                ".abc.lev.tmpx-1",
                                ".lev.tmp" + dead + "-x",
                                "abc.lev"};
  for (const std::string& name : kept) plant(name, 3);
  plant(".quobbles-" + alive + "-" + hex + ".tmp", 0);
  const std::string folder = ".old.lev.tmp" + dead + "-1",
                    link = ".quobbles-" + dead + "-aaaaaaaaaaaaaaaa.tmp";
  fs::create_directory(dir.path() / folder);
  std::ofstream(dir.path() / "victim") << "keep me";
  fs::create_symlink(dir.path() / "victim", dir.path() / link);
  kept.insert({folder, link, "victim", "new.lev", ".quobbles-" + alive + "-" + hex + ".tmp"});

  ASSERT_EQ(WriteLevel(dir.path() / "new.lev", Level{"New"}), "");
  EXPECT_EQ(namesIn(dir.path()), kept);
  EXPECT_EQ(ReadLevel(dir.path() / "new.lev").value, Level{"New"});
}

uint64_t sameRandomTwiceThenAnother() {
  static int calls = 0;
  return ++calls <= 2 ? 0x1111222233334444u : 0x5555666677778888u;
}

TEST_F(FileSafety, ALinkPlantedAtTheNextTemporaryNameNeitherFailsTheSaveNorIsWrittenThrough) {
  std::ofstream(dir.path() / "victim") << "keep me";
  // Earlier versions named their temporary files predictably: links at those names change nothing.
  for (int n = 0; n < 20; ++n)
    fs::create_symlink(dir.path() / "victim", dir.path() / (".level.lev.tmp" + std::to_string(::getpid()) +
                                                            "-" + std::to_string(n)));
  // The name the save will pick first, and again on its first retry.
  const std::string planted = ".quobbles-" + std::to_string(::getpid()) + "-1111222233334444.tmp";
  fs::create_symlink(dir.path() / "victim", dir.path() / planted);
  setTempNameRandom(&sameRandomTwiceThenAnother);
  const std::string failure = WriteLevel(dir.path() / "level.lev", Level{"Level", 7});
  setTempNameRandom(nullptr);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(ReadLevel(dir.path() / "level.lev").value, (Level{"Level", 7}));
  std::ifstream victim(dir.path() / "victim");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "keep me");
  EXPECT_TRUE(fs::is_symlink(dir.path() / planted));
  EXPECT_FALSE(
      fs::exists(dir.path() / (".quobbles-" + std::to_string(::getpid()) + "-5555666677778888.tmp")));
}

// ---------------------------------------------------------------------------------------------
// Permissions

TEST_F(FileSafety, ASaveKeepsThePermissionsOfTheFileItReplacesAndRefusesAReadOnlyOne) {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  fs::create_directory(dir.path() / "Levels");
  const fs::path level = dir.path() / "Levels" / "Kept.lev", profile = dir.path() / "abc.plr";
  ASSERT_EQ(WriteLevel(level, Level{"One"}), "");
  EXPECT_EQ(modeOf(level), 0666 & ~mask);  // a new file gets the usual permissions

  // A private profile stays private, a shared level stays shared.
  ASSERT_EQ(writeProfile(profile, Profile{"abc"}), "");
  ::chmod(profile.c_str(), 0600);
  ::chmod(level.c_str(), 0664);
  Profile progress{"abc"};
  progress.LevelPassed[4] = kTrue;
  ASSERT_EQ(writeProfile(profile, progress), "");
  ASSERT_EQ(WriteLevel(level, Level{"Kept", 3}), "");
  EXPECT_EQ((std::pair{modeOf(profile), modeOf(level)}), (std::pair<mode_t, mode_t>{0600, 0664}));
  EXPECT_EQ(readProfile(profile).value, progress);

  // A file its owner made read-only is not replaced, whoever saves; the editor says why.
  ::chmod(level.c_str(), 0444);
  EXPECT_TRUE(contains(WriteLevel(level, Level{"Three"}), "read-only"));
  EXPECT_TRUE(contains(editor::levelSaveRefusal("Kept"), "read-only"));
  EXPECT_EQ(editor::levelSaveRefusal("Other"), "");
  g.level = Level{"Kept", 9};
  e.LevelChanged = true;
  prompts.inputs = {"Kept"};
  EXPECT_FALSE(editor::Seivaus(g, e, prompts));
  EXPECT_EQ(prompts.messages().size(), 1u);
  EXPECT_TRUE(contains(lastMessage(), "read-only")) << lastMessage();
  EXPECT_TRUE(e.LevelChanged);
  EXPECT_EQ(ReadLevel(level).value, (Level{"Kept", 3}));
  EXPECT_EQ(modeOf(level), 0444);
  EXPECT_EQ(namesIn(dir.path() / "Levels"), std::set<std::string>{"Kept.lev"});
}

// ---------------------------------------------------------------------------------------------
// Long names

TEST_F(FileSafety, NamesTooLongForTheirFolderAreRefusedBeforeAnyFileIsTouchedAndLongOnesStillSave) {
  // On the test's own file system: a file name of 256 bytes is over the usual limit.
  EXPECT_EQ(longestFileName(dir.path()), 255u);
  EXPECT_TRUE(contains(fileNameLengthProblem(dir.path() / std::string(256, 'x')), "255"));
  EXPECT_EQ(fileNameLengthProblem(dir.path() / std::string(255, 'x')), "");
  EXPECT_TRUE(contains(WriteLevel(dir.path() / (std::string(252, 'x') + ".lev"), Level{}), "too long"));

  // A folder that takes 143 bytes (as some encrypted ones): 60 euro signs are 180 bytes in a
  // file name, 40 are 120.
  limitFileNamesForTesting(143);
  std::string euros60, euros40;
  for (int i = 0; i < 60; ++i) (i < 40 ? euros40 : euros60) += "\xE2\x82\xAC";
  euros60 += euros40;
  prompts.inputs = {euros60, euros60};
  const LoginResult refused = Loggautuminen(g, prompts);
  e.LevelChanged = true;
  const bool saved = editor::Seivaus(g, e, prompts);
  const bool loadable = bool(editor::levelNameFromTyped(euros40));
  limitFileNamesForTesting(0);

  EXPECT_EQ(refused, LoginResult::kStayInMenu);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(loadable);
  ASSERT_EQ(prompts.messages().size(), 2u);
  for (const std::string& message : prompts.messages())
    EXPECT_TRUE(contains(message, "too long") && contains(message, "143")) << message;
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{}) << "a file or folder was made";

  // Earlier temporary names grew with the target's name, and a name of 244 bytes made them too
  // long for the folder: the board's Esc could not write a passed level back.
  const fs::path file = dir.path() / (std::string(244, 'n') + ".lev");
  ASSERT_EQ(WriteLevel(file, Level{"Long"}), "");
  g.level = Level{"Long"};
  g.LevelPath = file.string();
  g.PlayState = 2;
  EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kMainMenu);
  EXPECT_EQ(prompts.messages().size(), 2u);  // nothing more was said
  EXPECT_EQ(ReadLevel(file).value->LevelStatus, kPassed);
  EXPECT_EQ(namesIn(dir.path()).size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Flushing the folder

int failsWithIoError(int) {
  errno = EIO;
  return -1;
}
int cannotBeFlushed(int) {
  errno = EINVAL;
  return -1;
}

TEST_F(FileSafety, AFolderThatCannotBeFlushedIsAWarningNotAFailedSave) {
  std::string caution = "stale";
  const fs::path file = dir.path() / "level.lev";
  setFolderSyncCall(&cannotBeFlushed);  // folders that cannot be flushed at all are taken as they are
  EXPECT_EQ(WriteLevel(file, Level{"One"}, &caution), "");
  EXPECT_EQ(caution, "");

  // The player hears of it wherever a save is made: the editor, a passed campaign map, the
  // board's write-back, a new player.
  setFolderSyncCall(&failsWithIoError);
  const std::string saved = WriteLevel(file, Level{"Two"}, &caution);
  g.level = Level{"Drawn"};
  e.LevelChanged = true;
  prompts.inputs = {"Drawn", "Newbie"};
  const bool editorSaved = editor::Seivaus(g, e, prompts);
  g.profile = Profile{"Player"};
  Pelaajan_seivaus(g, prompts);
  g.level = Level{"One"};
  g.LevelPath = file.string();
  g.PlayState = 2;
  (void)leaveBoard(g, e, prompts);
  prompts.answers = {Answer::kYes};
  const LoginResult login = Loggautuminen(g, prompts);
  setFolderSyncCall(nullptr);

  EXPECT_EQ(saved, "");
  EXPECT_TRUE(contains(caution, "power loss")) << caution;
  EXPECT_EQ(ReadLevel(file).value->LevelStatus, kPassed);
  EXPECT_TRUE(editorSaved && !e.LevelChanged);
  EXPECT_EQ(login, LoginResult::kLoggedIn);
  EXPECT_EQ(readProfile(dir.path() / "Players" / "Player.plr").value, Profile{"Player"});
  int warnings = 0;
  for (const std::string& message : prompts.messages()) {
    warnings += contains(message, "power loss");
    EXPECT_FALSE(contains(message, "not saved") || contains(message, "could not be")) << message;
  }
  EXPECT_EQ(warnings, 4);
}

}  // namespace
}  // namespace quobbles
