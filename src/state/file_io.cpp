// Whole-file reading and atomic file replacement.
#include "state/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace quobbles {

namespace fs = std::filesystem;

Outcome<Bytes> readFileStart(const fs::path& path, std::size_t maxBytes) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (ec || !fs::exists(st)) return Outcome<Bytes>::fail("The file does not exist.");
  if (fs::is_directory(st)) return Outcome<Bytes>::fail("This is a folder, not a file.");
  if (!fs::is_regular_file(st)) return Outcome<Bytes>::fail("This is not a regular file.");

  std::ifstream in(path, std::ios::binary);
  if (!in) return Outcome<Bytes>::fail("The file cannot be opened for reading.");
  Bytes bytes(maxBytes);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return Outcome<Bytes>::fail("The file cannot be read.");
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return Outcome<Bytes>::ok(std::move(bytes));
}

namespace {

std::string describeErrno(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

bool writeAll(int fd, const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string replaceFile(const fs::path& path, const Bytes& bytes) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "A folder of that name is in the way.";
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ec)) return "The folder " + folder.filename().string() + " does not exist.";

  static std::atomic<unsigned> serial{0};
  const fs::path temp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                                  std::to_string(serial++));
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return describeErrno("Cannot create the file");

  std::string failure;
  if (!writeAll(fd, bytes)) failure = describeErrno("Cannot write the file");
  if (failure.empty() && ::fsync(fd) != 0) failure = describeErrno("Cannot write the file to disk");
  if (::close(fd) != 0 && failure.empty()) failure = describeErrno("Cannot finish the file");
  if (failure.empty() && ::rename(temp.c_str(), path.c_str()) != 0)
    failure = describeErrno("Cannot replace the file");
  if (!failure.empty()) {
    ::unlink(temp.c_str());
    return failure;
  }
  // Make the rename itself durable.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return {};
}

}  // namespace quobbles
