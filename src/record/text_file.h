// Reading and safely replacing the single-byte text files the program keeps: a file that matters
// is written to a temporary file beside it and renamed over the target only when complete, so a
// failed write never damages what was there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record/cp1252.h"
#include "record/shown_text.h"
#include "system/system.h"

namespace ivgen {

inline constexpr std::string_view kCrLf = "\r\n";
/// What editors that save UTF-8 put before the first line.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
/// No catalog, settings or character file comes near this; anything larger is refused unread.
inline constexpr std::uintmax_t kMaxFileSize = 64u * 1024 * 1024;

/// What a file operation did; on failure, the path and the reason, for the person to read.
struct IoResult {
  bool ok = true;
  std::string path;
  std::string reason;

  static IoResult Success(std::string path) { return {true, std::move(path), {}}; }
  static IoResult Failure(std::string path, std::string reason) { return {false, std::move(path), std::move(reason)}; }
  /// "Could not write <path>: <reason>" style text for a message box.
  ShownText Describe(std::string_view verb) const {
    return "Could not " + std::string(verb) + " " + ShownText::Path(path) + ": " + PathToText(reason);
  }
};

/// The whole file as bytes. Nothing for a file that is missing, unreadable, not a regular file
/// or larger than kMaxFileSize; `problem`, when given, then says which.
std::optional<std::string> ReadWholeFile(const std::string& path, IoResult* problem = nullptr);
/// Whether the bytes start with a UTF-8 byte order mark.
bool HasByteOrderMark(std::string_view bytes);
/// The bytes without a leading byte order mark, which would otherwise hide the first line.
std::string_view WithoutByteOrderMark(std::string_view bytes);
/// Lines of a text ended by CR LF, LF or a lone CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
/// The same lines, as views into the text.
std::vector<std::string_view> SplitLineViews(std::string_view text);
/// Writes bytes to a new temporary file beside the target and puts it in the target's place in
/// one step (ReplaceFileBytes: links followed and kept, the old file's protection kept). An
/// existing target must be a regular file the person may write. On failure the target is
/// untouched and no temporary file is left behind; the person's temporary files of this folder
/// that a killed save left more than an hour ago are removed.
IoResult ReplaceFile(const std::string& path, std::string_view bytes);

/// While one lives, a ReplaceFile that makes a new file does not wait for the disk after it; the
/// folders of those files are flushed once when the last one ends. For many new files written in
/// a row (random characters): a crash can cost only files that were not there before, while a
/// file that is replaced is flushed at once as always.
class SyncAtEnd {
 public:
  SyncAtEnd();
  ~SyncAtEnd();
  SyncAtEnd(const SyncAtEnd&) = delete;
  SyncAtEnd& operator=(const SyncAtEnd&) = delete;
};

}  // namespace ivgen
