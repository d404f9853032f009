// Emptying the profile in memory and logging a player in by name.
#include "frontend/login.h"

#include <filesystem>
#include <system_error>

#include "frontend/profile_store.h"
#include "state/file_names.h"
#include "state/profile_file.h"
#include "state/text_codec.h"

namespace quobbles {

namespace {

// Nobody is logged in: what the menu is left with whenever a log-in does not succeed.
void noPlayer(GameState& g) {
  Pelaajatietojen_tyhjennys(g);
}

// Writes a fresh profile for the typed name; on failure says why and leaves nobody logged in.
LoginResult createPlayer(GameState& g, Prompts& prompts, const std::string& typedName) {
  Profile fresh;
  fresh.PlayerName = g.LoginName;
  g.profile = fresh;
  std::string caution;
  const std::string failure = saveProfile(g.profile, &caution);
  if (!caution.empty())
    prompts.tell("The new player \"" + shownName(typedName) + "\":\n" + caution, kLoginTitle,
                 Icon::kExclamation, true);
  if (!failure.empty()) {
    prompts.tell("The new player \"" + shownName(typedName) +
                     "\" could not be saved, so you cannot play the campaign now.\n" + failure,
                 kLoginTitle, Icon::kExclamation, true);
    noPlayer(g);
    return LoginResult::kStayInMenu;
  }
  return LoginResult::kLoggedIn;
}

}  // namespace

void Pelaajatietojen_tyhjennys(GameState& g) {
  g.LoginName.clear();
  g.profile = Profile{};
}

LoginResult Loggautuminen(GameState& g, Prompts& prompts) {
  g.MapNumber = 0;
  // The box takes no more than a name may hold, as the editor's name box.
  const std::string typed = prompts.inputAtMost(kLoginPrompt, kLoginTitle, {}, kMaxNameLength);
  if (typed.empty()) {
    noPlayer(g);
    return LoginResult::kStayInMenu;
  }

  // The name becomes a file name: refuse it before any file is looked at.
  const std::optional<std::string> name = gameTextFromUtf8(typed);
  if (!name) {
    prompts.tell("The name \"" + shownName(typed) +
                     "\" cannot be used as a player name: it holds characters that the game's player "
                     "files cannot store. Use letters, digits and common punctuation.",
                 kLoginTitle, Icon::kExclamation, true);
    noPlayer(g);
    return LoginResult::kStayInMenu;
  }
  if (const std::string problem = playerNameProblem(*name); !problem.empty()) {
    prompts.tell("The name \"" + shownName(typed) + "\" cannot be used as a player name.\n" + problem,
                 kLoginTitle, Icon::kExclamation, true);
    noPlayer(g);
    return LoginResult::kStayInMenu;
  }
  g.LoginName = *name;

  const std::filesystem::path file = profilePath(g.LoginName);
  // A file that cannot even be looked at (no access to Players) counts as present but unreadable.
  std::error_code ec;
  const bool present =
      std::filesystem::symlink_status(file, ec).type() != std::filesystem::file_type::not_found;
  if (!present) {
    if (!prompts.askYesNo("Player " + typed + " not found. Do you want to create a new player?", kLoginTitle,
                          true)) {
      noPlayer(g);
      return LoginResult::kStayInMenu;
    }
    return createPlayer(g, prompts, typed);
  }

  Outcome<Profile> stored = readProfile(file);
  std::string damage = stored ? playerNameProblem(stored.value->PlayerName) : stored.reason;
  if (stored && !damage.empty()) damage = "The player name stored in it cannot be used: " + damage;
  if (!damage.empty()) {
    // The file is there but does not hold a usable profile. It may be someone's progress, so
    // it is only replaced when the player says so.
    const std::string question = "The profile of player \"" + shownName(typed) + "\" cannot be read.\n" +
                                 damage +
                                 "\nDo you want to replace it with a new player of that name? "
                                 "The progress stored in the old file will be lost.";
    if (!prompts.askYesNo(question, kLoginTitle, true)) {
      noPlayer(g);
      return LoginResult::kStayInMenu;
    }
    return createPlayer(g, prompts, typed);
  }
  g.profile = std::move(*stored.value);
  return LoginResult::kLoggedIn;
}

}  // namespace quobbles
