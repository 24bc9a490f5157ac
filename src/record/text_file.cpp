#include "record/text_file.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace ivgen {

namespace {

constexpr const char* kTooLarge = "the file is larger than 64 MB";
// Links followed before giving up, as the system itself does.
constexpr int kMaxLinks = 40;
constexpr const char* kForeignLink = "another user's link in a shared folder is not followed";
// mkostemp's template: the fixed part, then six random letters or digits.
constexpr std::string_view kTemporaryPrefix = ".~ivgen";
constexpr size_t kTemporaryNameLength = kTemporaryPrefix.size() + 6;
// Older than any save takes, so a temporary file this old belongs to a save that was killed.
constexpr time_t kStaleSeconds = 60 * 60;

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

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* FolderOrCurrent(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

// The file a path finally names, following links in its last part; "" or why it cannot. The
// system guards only the links it follows itself, so the links followed here get the same rule.
std::string FollowLinks(std::string& path) {
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
    const std::string folder = FolderOf(path);
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

bool IsTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryNameLength || name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix) return false;
  for (char c : name.substr(kTemporaryPrefix.size())) {
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alphanumeric) return false;
  }
  return true;
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

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, IoResult* problem) {
  auto refuse = [&](std::string reason) -> std::optional<std::string> {
    if (problem != nullptr) *problem = IoResult::Failure(path, std::move(reason));
    return std::nullopt;
  };
  // Without blocking, so a named pipe cannot hold the program at the open.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) return refuse(std::strerror(errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return refuse(std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return refuse(std::strerror(EISDIR));
  if (!S_ISREG(info.st_mode)) return refuse("not a regular file");
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileSize) return refuse(kTooLarge);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(info.st_size));
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return refuse(std::strerror(errno));
    if (got == 0) break;
    // The file may grow while it is read.
    if (bytes.size() + static_cast<size_t>(got) > kMaxFileSize) return refuse(kTooLarge);
    bytes.append(buffer, static_cast<size_t>(got));
  }
  if (problem != nullptr) *problem = IoResult::Success(path);
  return bytes;
}

bool HasByteOrderMark(std::string_view bytes) { return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark; }

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  return HasByteOrderMark(bytes) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

bool MayFollowLink(uid_t user, uid_t linkOwner, uid_t folderOwner, mode_t folderMode) {
  const bool shared = (folderMode & S_ISVTX) != 0 && (folderMode & S_IWOTH) != 0;
  return !shared || linkOwner == user || linkOwner == folderOwner;
}

namespace {

// The SyncAtEnd scopes alive, and the folders of the new files written meanwhile.
int deferredScopes = 0;
std::set<std::string>& DeferredFolders() {
  static std::set<std::string> folders;
  return folders;
}

}  // namespace

SyncAtEnd::SyncAtEnd() { ++deferredScopes; }

SyncAtEnd::~SyncAtEnd() {
  if (--deferredScopes > 0) return;
  for (const std::string& folder : DeferredFolders()) {
    Descriptor directory(::open(FolderOrCurrent(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0) ::syncfs(directory.get());
  }
  DeferredFolders().clear();
}

IoResult ReplaceFile(const std::string& path, std::string_view bytes) {
  auto fail = [&](int error) { return IoResult::Failure(path, std::strerror(error != 0 ? error : EIO)); };
  // A file shared through a link stays shared: its target is replaced, not the link.
  std::string target = path;
  if (std::string refusal = FollowLinks(target); !refusal.empty()) return IoResult::Failure(path, std::move(refusal));

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return fail(errno);
  mode_t mode = NewFileMode();
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return fail(EISDIR);
    if (!S_ISREG(existing.st_mode)) return IoResult::Failure(path, "not a regular file");
    // Renaming would get past a read-only mark that writing in place respects; the mark is the
    // player's, so it stops even a user whom permissions let through.
    if ((existing.st_mode & 0222) == 0) return IoResult::Failure(path, "the file is read-only");
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);
    mode = existing.st_mode & 07777;
  }

  const std::string folder = FolderOf(target);
  RemoveStaleTemporaries(folder);
  // mkostemp creates a file no one can have planted (never a link) under a name no one can
  // predict; the short fixed name leaves room for the longest file name the folder allows.
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
  const bool deferred = deferredScopes > 0 && !exists;
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
    return IoResult::Success(path);
  }
  Descriptor directory(::open(FolderOrCurrent(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // The rename itself reaches the disk; a folder that cannot be synced is no reason to fail.
  if (directory.get() >= 0) ::fsync(directory.get());
  return IoResult::Success(path);
}

}  // namespace ivgen
