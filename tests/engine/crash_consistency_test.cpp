// Saves killed at random moments: a saver program writes levels (also marking one as passed, as
// the board's Esc does) and a profile in a loop and is killed with SIGKILL; every file must then
// hold a whole version, the old one or one the killed run wrote, and the next save must leave no
// temporary file behind. QUOBBLES_CRASH_KILLS sets the number of kills (scripts/stress: 1000).
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "crash/crash_records.h"
#include "editor/editor_files.h"
#include "frontend/profile_store.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;
using crash::Stamp;

int killCount() {
  const char* wanted = std::getenv("QUOBBLES_CRASH_KILLS");
  return wanted && std::atoi(wanted) > 0 ? std::atoi(wanted) : 50;
}

std::vector<std::string> tempFilesIn(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder))
    if (isSaveTempName(entry.path().filename().string())) found.push_back(entry.path().filename().string());
  return found;
}

// Starts the saver for one round and returns its process once it has said it is saving.
pid_t startSaver(const fs::path& folder, int round) {
  int out[2];
  if (::pipe(out) != 0) return -1;
  const std::string roundArg = std::to_string(round);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::execl(QUOBBLES_CRASH_SAVER_PATH, QUOBBLES_CRASH_SAVER_PATH, folder.c_str(), roundArg.c_str(), nullptr);
    ::_exit(127);
  }
  ::close(out[1]);
  char ready[6] = {};
  pollfd wait{out[0], POLLIN, 0};
  const bool said = pid > 0 && ::poll(&wait, 1, 60000) == 1 && ::read(out[0], ready, sizeof ready) == 6;
  ::close(out[0]);
  if (pid > 0 && !said) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  return said ? pid : -1;
}

TEST(CrashConsistency, SavesKilledAtRandomMomentsLeaveEveryFileWholeAndNoTempFileAfterTheNextSave) {
  testing::TempFolder dir;
  setProgramFolder(dir.path());
  GameState g;
  editor::EditorState e;
  std::map<std::string, Stamp> last;  // the version each file held after the previous round

  // Round 0: the files as they stand before the first killed run, written by a save that is not killed.
  const auto saveEverything = [&](int round) {
    for (const std::string& name : crash::levelNames()) {
      g.level = crash::levelVersion(round, 0);
      ASSERT_EQ(editor::saveLevelAs(g, e, name), "");
      last[name] = {round, 0};
    }
    ASSERT_EQ(saveProfile(crash::profileVersion(round, 0)), "");
    last[crash::kPlayer] = {round, 0};
  };
  saveEverything(0);

  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
  int roundsThatWrote = 0;
  const int kills = killCount();
  for (int round = 1; round <= kills; ++round) {
    SCOPED_TRACE("round " + std::to_string(round) + ", seed " + std::to_string(seed));
    const pid_t saver = startSaver(dir.path(), round);
    ASSERT_GT(saver, 0) << "the saver did not start";
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the saver stopped by itself: " << status;

    bool wrote = false;
    const auto check = [&](const std::string& file, std::optional<Stamp> stamp) {
      ASSERT_TRUE(stamp) << file << " is torn or mixed";
      ASSERT_TRUE(stamp->round == round || *stamp == last[file])
          << file << " holds round " << stamp->round << " step " << stamp->step;
      wrote = wrote || stamp->round == round;
      last[file] = *stamp;
    };
    for (const std::string& name : crash::levelNames()) {
      const Outcome<Level> level = ReadLevel(editor::editorLevelFile(name));
      ASSERT_TRUE(level) << name << ": " << level.reason;
      check(name, crash::levelStamp(*level.value, name));
    }
    const Outcome<Profile> profile = readProfile(profilePath(crash::kPlayer));
    ASSERT_TRUE(profile) << profile.reason;
    check(crash::kPlayer, crash::profileStamp(*profile.value));
    roundsThatWrote += wrote;

    // The killed run's temporary files go with the next save into each folder.
    saveEverything(round);
    for (const char* folder : {"Levels", "Players"})
      EXPECT_EQ(tempFilesIn(dir.path() / folder), std::vector<std::string>{}) << folder;
  }
  // Kills that all came before the first save would prove nothing.
  EXPECT_GT(roundsThatWrote, 0);
}

}  // namespace
}  // namespace quobbles
