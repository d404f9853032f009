// Whole-file reading and atomic file replacement.
#include "state/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <random>
#include <string_view>
#include <system_error>

#include "state/file_names.h"

namespace quobbles {

namespace fs = std::filesystem;

namespace {

std::string describeErrno(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error) + ".";
}

// Why something that is not a regular file cannot be read as one.
std::string notAFile(mode_t mode) {
  if (S_ISDIR(mode)) return "This is a folder, not a file.";
  if (S_ISFIFO(mode)) return "This is a named pipe, not a file.";
  if (S_ISSOCK(mode)) return "This is a socket, not a file.";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "This is a device, not a file.";
  return "This is not a regular file.";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, for a caller that needs close()'s own result.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

}  // namespace

Outcome<Bytes> readFileStart(const fs::path& path, std::size_t maxBytes) {
  // A first look refuses what is plainly no file without opening it (a device is never opened).
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Outcome<Bytes>::fail("The file does not exist.");
    return Outcome<Bytes>::fail(describeErrno("The file cannot be looked at", errno));
  }
  if (!S_ISREG(st.st_mode)) return Outcome<Bytes>::fail(notAFile(st.st_mode));

  // The file may have been swapped since: opening without waiting returns at once even for a
  // pipe, and the check on the open descriptor is the one that counts.
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return Outcome<Bytes>::fail("The file does not exist.");
    if (errno == ENXIO) return Outcome<Bytes>::fail("This is a socket or a device, not a file.");
    return Outcome<Bytes>::fail(describeErrno("The file cannot be opened for reading", errno));
  }
  if (::fstat(fd.get(), &st) != 0)
    return Outcome<Bytes>::fail(describeErrno("The file cannot be read", errno));
  if (!S_ISREG(st.st_mode)) return Outcome<Bytes>::fail(notAFile(st.st_mode));

  Bytes bytes(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0))));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Outcome<Bytes>::fail(describeErrno("The file cannot be read", errno));
    if (n == 0) break;  // it was cut short since it was looked at
    done += static_cast<std::size_t>(n);
  }
  bytes.resize(done);
  return Outcome<Bytes>::ok(std::move(bytes));
}

// ---------------------------------------------------------------------------------------------
// Temporary files of saves

namespace {

constexpr const char* kTempPrefix = ".quobbles-";
constexpr const char* kTempSuffix = ".tmp";
constexpr int kTempHexDigits = 16;
constexpr auto kStaleAge = std::chrono::hours(1);

bool allDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process number written into a temporary file's name, or nullopt if it is no save's.
std::optional<long long> tempOwner(const std::string& name) {
  const std::string_view n(name);
  const std::string_view prefix(kTempPrefix), suffix(kTempSuffix);
  // ".quobbles-<pid>-<16 lower-case hex digits>.tmp"
  if (n.starts_with(prefix) && n.ends_with(suffix)) {
    const std::string_view middle = n.substr(prefix.size(), n.size() - prefix.size() - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash != std::string_view::npos) {
      const std::string_view pid = middle.substr(0, dash), hex = middle.substr(dash + 1);
      if (allDigits(pid) && pid.size() <= 10 && hex.size() == kTempHexDigits &&
          hex.find_first_not_of("0123456789abcdef") == std::string_view::npos)
        return std::stoll(std::string(pid));
    }
  }
  // ".<target name>.tmp<pid>-<serial>", the pattern of earlier versions.
  const std::size_t tmp = n.rfind(".tmp");
  if (n.size() > 1 && n[0] == '.' && tmp != std::string_view::npos && tmp > 1) {
    const std::string_view rest = n.substr(tmp + 4);
    const std::size_t dash = rest.find('-');
    if (dash != std::string_view::npos) {
      const std::string_view pid = rest.substr(0, dash), serial = rest.substr(dash + 1);
      if (allDigits(pid) && pid.size() <= 10 && allDigits(serial)) return std::stoll(std::string(pid));
    }
  }
  return std::nullopt;
}

bool processRuns(long long pid) {
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

TempNameRandom tempNameRandom = nullptr;

// A new temporary name; the random part comes from the system, or from a seeded engine where
// the system cannot give it.
std::string newTempName() {
  uint64_t random = 0;
  if (tempNameRandom) {
    random = tempNameRandom();
  } else if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
    static std::mt19937_64 engine(
        std::random_device{}() ^
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    random = engine();
  }
  static const char* const kHex = "0123456789abcdef";
  std::string hex(kTempHexDigits, '0');
  for (int i = kTempHexDigits - 1; i >= 0; --i, random >>= 4)
    hex[static_cast<std::size_t>(i)] = kHex[random & 0xF];
  return kTempPrefix + std::to_string(::getpid()) + "-" + hex + kTempSuffix;
}

FolderSyncCall folderSync = nullptr;

}  // namespace

bool isSaveTempName(const std::string& fileName) {
  return tempOwner(fileName).has_value();
}

int removeStaleSaveTemps(const fs::path& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  const auto now = std::chrono::system_clock::now();
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const std::optional<long long> owner = tempOwner(name);
    if (!owner) continue;
    // Only plain files of this user: a link or a folder of that name, or someone else's file,
    // is nothing a save of ours left behind.
    struct stat st {};
    if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    const auto modified = std::chrono::system_clock::time_point(std::chrono::seconds(st.st_mtim.tv_sec));
    if (processRuns(*owner) && now - modified < kStaleAge) continue;
    if (::unlinkat(::dirfd(dir), name.c_str(), 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

void setFolderSyncCall(FolderSyncCall call) {
  folderSync = call;
}

void setTempNameRandom(TempNameRandom source) {
  tempNameRandom = source;
}

std::string replaceRefusal(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};  // no file yet (or none that can be looked at)
  const std::string name = path.filename().string();
  if (S_ISDIR(st.st_mode)) return "A folder of that name is in the way.";
  if (!S_ISREG(st.st_mode)) return "Something that is not a file stands at " + name + "; it is not replaced.";
  if ((st.st_mode & S_IWUSR) == 0)
    return "The file " + name + " is read-only: its owner has protected it from being replaced.";
  return {};
}

namespace {

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

// Makes the rename durable; a warning for the player when that cannot be confirmed. Folders
// that cannot be flushed at all (EINVAL) are taken as they are.
std::string syncFolder(const fs::path& folder) {
  const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  int error = 0;
  if (dir.get() < 0) {
    error = errno;
  } else if ((folderSync ? folderSync(dir.get()) : ::fsync(dir.get())) != 0) {
    error = errno;
  }
  if (error == 0 || error == EINVAL) return {};
  return "The file was saved, but the system could not confirm that it is safely on the disk (" +
         std::string(std::strerror(error)) + "), so this save may not survive a power loss.";
}

}  // namespace

std::string replaceFile(const fs::path& path, const Bytes& bytes, std::string* caution) {
  if (caution) caution->clear();
  std::error_code ec;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, ec)) return "The folder " + folder.filename().string() + " does not exist.";
  if (std::string tooLong = fileNameLengthProblem(path); !tooLong.empty()) return tooLong;
  if (std::string refused = replaceRefusal(path); !refused.empty()) return refused;
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0;

  removeStaleSaveTemps(folder);

  // A random name, created only if nothing stands there: a file or a link planted at one name
  // only makes the save pick another.
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = folder / newTempName();
    // A replaced file's permissions are put on the new one below; until then only its owner may read it.
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, replacing ? 0600 : 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return describeErrno("Cannot create the file", errno);
  Descriptor file(fd);

  std::string failure;
  if (replacing) {
    // The owner and group are kept where the system allows it (a user may not give files away).
    [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
    if (::fchmod(fd, old.st_mode & 0777) != 0)
      failure = describeErrno("Cannot keep the file's permissions", errno);
  }
  if (failure.empty() && !writeAll(fd, bytes)) failure = describeErrno("Cannot write the file", errno);
  if (failure.empty() && ::fsync(fd) != 0) failure = describeErrno("Cannot write the file to disk", errno);
  if (file.close() != 0 && failure.empty()) failure = describeErrno("Cannot finish the file", errno);
  if (failure.empty() && ::rename(temp.c_str(), path.c_str()) != 0)
    failure = describeErrno("Cannot replace the file", errno);
  if (!failure.empty()) {
    ::unlink(temp.c_str());
    return failure;
  }
  // The new file is in place: whatever the folder's flush says, the save has not failed.
  std::string warning = syncFolder(folder);
  if (caution) *caution = std::move(warning);
  return {};
}

}  // namespace quobbles
