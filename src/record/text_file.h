// Reading and safely replacing the single-byte text files the program keeps: a file that matters
// is written to a temporary file beside it and renamed over the target only when complete, so a
// failed write never damages what was there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record/cp1252.h"

namespace ivgen {

inline constexpr std::string_view kCrLf = "\r\n";

/// What a file operation did; on failure, the path and the reason, for the person to read.
struct IoResult {
  bool ok = true;
  std::string path;
  std::string reason;

  static IoResult Success(std::string path) { return {true, std::move(path), {}}; }
  static IoResult Failure(std::string path, std::string reason) { return {false, std::move(path), std::move(reason)}; }
  /// "Could not write <path>: <reason>" style text for a message box.
  std::string Describe(std::string_view verb) const {
    return "Could not " + std::string(verb) + " " + PathToText(path) + ": " + PathToText(reason);
  }
};

/// The whole file as bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
/// Lines of a text ended by CR LF, LF or a lone CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
/// Writes bytes to a temporary file in the target's folder and renames it over the target.
/// On failure the target is untouched and no temporary file is left behind.
IoResult ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace ivgen
