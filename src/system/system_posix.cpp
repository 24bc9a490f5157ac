#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

#include "system/system.h"

#include "system/shared.h"

namespace ivgen {

namespace {

// Links followed before giving up, as the system itself does.
constexpr int kMaxLinks = 40;
constexpr const char* kForeignLink = "another user's link in a shared folder is not followed";
using system_shared::IsTemporaryName;
using system_shared::kStaleSeconds;
using system_shared::kTemporaryPrefix;
using system_shared::TooLarge;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  /// Closes now, so a late write error is seen; the errno of a failed close, otherwise 0.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

const char* FolderOrCurrent(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

// The file a path finally names, following links in its last part; "" or why it cannot. The
// system guards only the links it follows itself, so the links followed here get the same rule.
std::string FollowLinks(std::string& path) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
    const std::string folder = FolderPart(path);
    struct stat place {};
    if (::stat(FolderOrCurrent(folder), &place) != 0) return std::strerror(errno);
    if (!MayFollowLink(::geteuid(), info.st_uid, place.st_uid, place.st_mode)) return kForeignLink;
    std::string target(static_cast<size_t>(info.st_size) + 256, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return std::strerror(errno);
    target.resize(static_cast<size_t>(length));
    path = !target.empty() && target.front() == '/' ? target : folder + target;
  }
  return std::strerror(ELOOP);
}

// A save killed while writing leaves a full-size temporary file that nothing else would remove.
// Only the person's own are touched, and none a save still running could be writing.
void RemoveStaleTemporaries(const std::string& folder) {
  DIR* listing = ::opendir(FolderOrCurrent(folder));
  if (listing == nullptr) return;
  const time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsTemporaryName(entry->d_name)) continue;
    struct stat info {};
    if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && now - info.st_mtime > kStaleSeconds) {
      ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
  }
  ::closedir(listing);
}

// A file shared through an ACL or marked with other extended attributes stays so. An attribute
// the file system or the person may not set is left behind rather than failing the save.
void CopyExtendedAttributes(const std::string& from, int to) {
  ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
  if (size <= 0) return;
  std::string names(static_cast<size_t>(size), '\0');
  size = ::listxattr(from.c_str(), names.data(), names.size());
  if (size <= 0) return;
  names.resize(static_cast<size_t>(size));
  // The names follow each other, each ended by a NUL.
  for (size_t start = 0; start < names.size();) {
    const char* name = names.c_str() + start;
    start += std::strlen(name) + 1;
    const ssize_t length = ::getxattr(from.c_str(), name, nullptr, 0);
    if (length < 0) continue;
    std::string value(static_cast<size_t>(length), '\0');
    const ssize_t got = ::getxattr(from.c_str(), name, value.data(), value.size());
    if (got >= 0) ::fsetxattr(to, name, value.data(), static_cast<size_t>(got), 0);
  }
}

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Reads to the end, at most `limit` bytes; the errno of a failed read, -1 past the limit.
int ReadAll(int fd, std::uintmax_t limit, std::string& bytes) {
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    // The file may grow while it is read.
    if (bytes.size() + static_cast<size_t>(got) > limit) return -1;
    bytes.append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

std::string_view PlayerFolderShown() { return "~/.config/ivgen"; }
std::string_view PlayerFolderHint() { return "set HOME to one"; }

std::filesystem::path NativePath(const std::string& path) { return path; }
std::string PathString(const std::filesystem::path& path) { return path.string(); }

std::string ForbiddenNameReason(std::string_view) { return {}; }

std::optional<FileFacts> FactsOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileFacts{static_cast<std::uintmax_t>(info.st_size), info.st_mtime};
}

std::string LocalTimeText(std::time_t when) {
  std::tm local{};
  char text[32] = "";
  if (localtime_r(&when, &local) != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& reason) {
  auto refuse = [&](std::string why) -> std::optional<std::string> {
    reason = std::move(why);
    return std::nullopt;
  };
  // Without blocking, so a named pipe cannot hold the program at the open.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) return refuse(std::strerror(errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return refuse(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return refuse(std::strerror(EISDIR));
  if (!S_ISREG(info.st_mode)) return refuse("not a regular file");
  if (static_cast<std::uintmax_t>(info.st_size) > limit) return refuse(TooLarge(limit));
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  const int error = ReadAll(file.get(), limit, bytes);
  if (error != 0) return refuse(error < 0 ? TooLarge(limit) : std::strerror(error));
  return bytes;
}

std::optional<std::string> ReadStream(const std::string& path, std::uintmax_t limit, StreamProblem& problem,
                                      std::string& reason) {
  auto fail = [&](StreamProblem what, int error) -> std::optional<std::string> {
    problem = what;
    if (error > 0) reason = std::strerror(error);
    return std::nullopt;
  };
  const bool standardInput = path == "-";
  // Blocking, unlike the catalogs' reader: a pipe is a script that is still being written.
  const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(StreamProblem::CannotOpen, errno);
  Descriptor owned(standardInput ? -1 : fd);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) return fail(StreamProblem::IsFolder, 0);
  std::string bytes;
  const int error = ReadAll(fd, limit, bytes);
  if (error < 0) return fail(StreamProblem::TooLarge, 0);
  if (error > 0) return fail(StreamProblem::CannotRead, error);
  problem = StreamProblem::None;
  return bytes;
}

namespace {

bool deferringNewFiles = false;
std::set<std::string>& DeferredFolders() {
  static std::set<std::string> folders;
  return folders;
}

}  // namespace

void DeferNewFileFlushes(bool on) { deferringNewFiles = on; }

void FlushDeferredFolders() {
  for (const std::string& folder : DeferredFolders()) {
    Descriptor directory(::open(FolderOrCurrent(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::syncfs(directory.get());
  }
  DeferredFolders().clear();
}

std::string ReplaceFileBytes(const std::string& path, std::string_view bytes) {
  auto fail = [](int error) { return std::string(std::strerror(error != 0 ? error : EIO)); };
  // A file shared through a link stays shared: its target is replaced, not the link.
  std::string target = path;
  if (std::string refusal = FollowLinks(target); !refusal.empty()) return refusal;

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return fail(errno);
  mode_t mode = NewFileMode();
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return fail(EISDIR);
    if (!S_ISREG(existing.st_mode)) return "not a regular file";
    // Renaming would get past a read-only mark that writing in place respects; the mark is the
    // player's, so it stops even a user whom permissions let through.
    if ((existing.st_mode & 0222) == 0) return "the file is read-only";
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);
    mode = existing.st_mode & 07777;
  }

  const std::string folder = FolderPart(target);
  RemoveStaleTemporaries(folder);
  // mkostemp creates a file no one can have planted (never a link) under a name no one can
  // predict; the short fixed name leaves room for the longest file name the folder allows.
  // mkostemp's template: the fixed part, then six random letters or digits.
  std::string temporary = folder + std::string(kTemporaryPrefix) + "XXXXXX";
  Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.get() < 0) return fail(errno);
  int error = WriteAll(file.get(), bytes);
  if (error == 0 && exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
    // Keeping the owner may not be allowed; the file is then the writer's, as a new file would be.
    if (::fchown(file.get(), existing.st_uid, existing.st_gid) != 0) errno = 0;
  }
  // Before the mode, which an ACL carries too, so the mode is the old file's either way.
  if (error == 0 && exists) CopyExtendedAttributes(target, file.get());
  if (error == 0 && ::fchmod(file.get(), mode) != 0) error = errno;
  const bool deferred = deferringNewFiles && !exists;
  if (error == 0 && !deferred && ::fsync(file.get()) != 0) error = errno;
  const int closeError = file.Close();
  if (error == 0) error = closeError;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return fail(error);
  }
  if (deferred) {
    DeferredFolders().insert(folder);
    return {};
  }
  Descriptor directory(::open(FolderOrCurrent(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // The rename itself reaches the disk; a folder that cannot be synced is no reason to fail.
  if (directory.get() >= 0) ::fsync(directory.get());
  return {};
}

std::string ExecutablePath() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.string();
}

std::string ConfigHome() {
  auto within = [](std::string folder, std::string_view name) {
    if (folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder + std::string(name);
  };
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return within(config, "");
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* entry = getpwuid(getuid());
    home = entry != nullptr ? entry->pw_dir : nullptr;
  }
  // A relative home would put the player's files wherever the program happens to be started.
  if (home == nullptr || home[0] != '/') return "";
  return within(home, ".config/");
}

std::string OperatingSystemText() {
  std::string distribution;
  for (const char* file : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::string reason;
    if (const auto text = ReadRegularFile(file, 64 * 1024, reason)) {
      distribution = DistributionName(*text);
      break;
    }
  }
  utsname system{};
  const std::string kernel =
      ::uname(&system) == 0 ? std::string(system.sysname) + " " + system.release + " " + system.machine : "";
  if (distribution.empty() || kernel.empty()) return distribution + kernel;
  return distribution + ", " + kernel;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

void UseBinaryStandardStreams() {}

}  // namespace ivgen
