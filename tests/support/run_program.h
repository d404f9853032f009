// Runs one of the command-line tools as a level maker would, through the shell, and gives back
// what it did: its exit status, its standard output and its standard error.
#pragma once

#include <filesystem>
#include <string>

namespace quobbles::testing {

struct ProgramRun {
  int status = -1;  // the exit status, or -1 when the program did not exit by itself
  std::string out, err;
  // The one line of a refusal: some text, ended by its only line feed.
  bool saidOneLine() const { return err.size() > 1 && err.find('\n') == err.size() - 1; }
};

// `arguments` are given to the shell as they stand, so file names in them must be shellQuoted().
ProgramRun runProgram(const std::string& program, const std::string& arguments);

// A path quoted for the shell.
std::string shellQuoted(const std::filesystem::path& path);

}  // namespace quobbles::testing
