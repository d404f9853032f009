// Command-line tools run for tests.
#include "support/run_program.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace quobbles::testing {

ProgramRun runProgram(const std::string& program, const std::string& arguments) {
  const TempFolder folder;
  const std::filesystem::path errFile = folder.path() / "stderr.txt";
  ProgramRun r;
  FILE* pipe = popen((shellQuoted(program) + " " + arguments + " 2>" + shellQuoted(errFile)).c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
  const int wait = pclose(pipe);
  r.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  std::ifstream err(errFile, std::ios::binary);
  r.err.assign(std::istreambuf_iterator<char>(err), {});
  return r;
}

std::string shellQuoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace quobbles::testing
