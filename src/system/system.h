// What the program asks of the operating system: reading and atomically replacing files, the
// rules of file names and paths, the program's and the person's folders, the system's name and the
// command line. One implementation for POSIX systems and one for Windows; nothing above this layer
// tests which system it runs on.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ivgen {

#ifdef _WIN32
inline constexpr bool kWindows = true;
/// Where a path's names part: either slash on Windows.
inline constexpr std::string_view kPathSeparators = "/\\";
#else
inline constexpr bool kWindows = false;
/// Where a path's names part: a backslash is a character of a name on POSIX.
inline constexpr std::string_view kPathSeparators = "/";
#endif

/// The person's folder of this program's settings as a message names it.
std::string_view PlayerFolderShown();
/// What the person can set so the program knows that folder.
std::string_view PlayerFolderHint();

/// The last name of a path: all after its last separator ("" when it ends with one).
std::string_view LastName(std::string_view path);
/// The path up to and with its last separator; "" for a bare name.
std::string FolderPart(std::string_view path);
/// A path as std::filesystem takes it: the same bytes on POSIX; on Windows the UTF-8 text as
/// UTF-16, with the prefix that lifts the 260-character limit where the path is longer.
std::filesystem::path NativePath(const std::string& path);
/// A std::filesystem path as the core spells paths: its bytes on POSIX, UTF-8 on Windows.
std::string PathString(const std::filesystem::path& path);

/// Why the system would not make a file of this name, naming it; "" when it would. On Windows: a
/// device name (CON, aux.iv3), a trailing dot or blank, or one of <>:"|?* and the control
/// characters. On POSIX every name a folder can hold is allowed.
std::string ForbiddenNameReason(std::string_view name);

/// A file's size and when it was last written, or nothing when it is gone.
struct FileFacts {
  std::uintmax_t size = 0;
  std::time_t modified = 0;
};
std::optional<FileFacts> FactsOf(const std::string& path);
/// The local date and time of a moment, "YYYY-MM-DD HH:MM"; "" when the system cannot say.
std::string LocalTimeText(std::time_t when);

/// The bytes of a regular file of at most `limit` bytes. Nothing for a file that is missing,
/// unreadable, a folder, a device or a pipe (never waited on) or larger; `reason` then says which
/// as the person reads it ("Is a directory", "not a regular file", "the file is larger than 64 MB").
std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit, std::string& reason);

/// How reading a stream to its end failed.
enum class StreamProblem { None, CannotOpen, IsFolder, CannotRead, TooLarge };
/// A file, or standard input for "-", read to its end, waiting on a pipe whose writer is slow.
std::optional<std::string> ReadStream(const std::string& path, std::uintmax_t limit, StreamProblem& problem,
                                      std::string& reason);

/// Writes the bytes to a new temporary file beside the target and puts it in the target's place
/// in one step, the old file's protection kept; "" when done, else why nothing was changed. On
/// POSIX a link is followed as MayFollowLink allows and stays a link, and the permission bits and
/// extended attributes are kept; on Windows the old file's ACL and attributes are. A read-only
/// file, a folder, a device or a forbidden name is refused; temporary files a killed save of the
/// person's left here more than an hour ago are removed.
/// While on, a replace that makes a new file does not wait for the disk; its folder is flushed by
/// FlushDeferredFolders. A file that is replaced is flushed at once as always.
void DeferNewFileFlushes(bool on);
void FlushDeferredFolders();
std::string ReplaceFileBytes(const std::string& path, std::string_view bytes);

/// Whether `user` may follow a link owned by `linkOwner` in a folder owned by `folderOwner` with
/// mode `folderMode` (POSIX ids and mode bits). In a sticky folder anyone may write to, only links
/// of the user or of the folder's owner are followed, so no one can plant a link there that leads
/// to the user's files.
bool MayFollowLink(std::uint32_t user, std::uint32_t linkOwner, std::uint32_t folderOwner, std::uint32_t folderMode);

/// The running program's own file, or "" when the system does not say.
std::string ExecutablePath();
/// The folder each program keeps the person's settings under, with a trailing separator:
/// $XDG_CONFIG_HOME or ~/.config on POSIX (HOME, else the user's entry), %APPDATA% on Windows
/// (else the system's roaming application data folder). "" when no absolute folder is known.
std::string ConfigHome();
/// The system as System Info shows it: the distribution's name and version where the system
/// names one, then the kernel's name, version and processor ("Debian GNU/Linux 12 (bookworm),
/// Linux 6.1.0 x86_64").
std::string OperatingSystemText();
/// The distribution named by the text of an os-release file: PRETTY_NAME, else NAME and VERSION;
/// empty when it names none.
std::string DistributionName(std::string_view osRelease);

/// The program's arguments as the core spells paths (UTF-8 on Windows, whatever the code page).
std::vector<std::string> CommandLineArguments(int argc, char** argv);
/// Standard input and output pass bytes unchanged: no LF becomes CR LF on Windows, and a console
/// shows UTF-8 while the program runs.
void UseBinaryStandardStreams();

}  // namespace ivgen
