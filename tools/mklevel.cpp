// quobbles-mklevel: turns a level written as text (see sim/level_text.h) into a ".lev" file,
// the way the shipped campaign and sample levels are built; with --text it prints a ".lev"
// file as such text, for reviewing a level drawn in the editor.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "sim/level_text.h"
#include "state/level_file.h"

namespace {

using namespace quobbles;

constexpr const char* kUsage =
    "usage: quobbles-mklevel SOURCE.txt OUTPUT.lev\n"
    "       quobbles-mklevel --text LEVEL.lev\n";

// Bad arguments and bad input: one line on stderr and exit status 2.
int refuse(const std::string& why) {
  std::cerr << "quobbles-mklevel: " << why << '\n';
  return 2;
}

int printText(const std::string& levelFile) {
  const Outcome<Level> level = ReadLevel(levelFile);
  if (!level) return refuse("cannot read " + levelFile + ": " + level.reason);
  sim::LevelText text;
  text.level = *level.value;
  std::cout << sim::formatLevelText(text);
  return 0;
}

int makeLevel(const std::string& source, const std::string& output) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return refuse("cannot read " + source);
  std::ostringstream text;
  text << in.rdbuf();
  const Outcome<sim::LevelText> parsed = sim::parseLevelText(text.str());
  if (!parsed) return refuse(source + ": " + parsed.reason);

  // An unchanged level is left alone, so a rebuild does not touch the file's time.
  const Bytes bytes = encodeLevel(parsed.value->level);
  const Outcome<Bytes> old = readFileStart(output, bytes.size() + 1);
  if (old && *old.value == bytes) return 0;
  const std::string failed = replaceFile(output, bytes);
  if (!failed.empty()) return refuse("cannot write " + output + ": " + failed);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 3 && std::string_view(argv[1]) == "--text") return printText(argv[2]);
  if (argc == 3 && std::string_view(argv[1]).substr(0, 2) != "--") return makeLevel(argv[1], argv[2]);
  return refuse("expected SOURCE.txt OUTPUT.lev, or --text LEVEL.lev");
}
