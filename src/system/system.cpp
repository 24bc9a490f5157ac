#include "system/system.h"

#include "system/shared.h"

#include <map>
#include <string>

namespace ivgen {

std::string DistributionName(std::string_view osRelease) {
  std::map<std::string, std::string> fields;
  std::size_t start = 0;
  while (start < osRelease.size()) {
    std::size_t end = osRelease.find('\n', start);
    if (end == std::string_view::npos) end = osRelease.size();
    std::string_view line = osRelease.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    std::string_view value = line.substr(equals + 1);
    // Values may be quoted, with backslash escapes inside double quotes.
    std::string unquoted;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      const char quote = value.front();
      value = value.substr(1, value.size() - 2);
      for (std::size_t i = 0; i < value.size(); ++i) {
        if (quote == '"' && value[i] == '\\' && i + 1 < value.size()) ++i;
        unquoted += value[i];
      }
    } else {
      unquoted = std::string(value);
    }
    fields[std::string(line.substr(0, equals))] = unquoted;
  }
  if (!fields["PRETTY_NAME"].empty()) return fields["PRETTY_NAME"];
  std::string name = fields["NAME"];
  if (!name.empty() && !fields["VERSION"].empty()) name += " " + fields["VERSION"];
  return name;
}

std::string_view LastName(std::string_view path) {
  const size_t separator = path.find_last_of(kPathSeparators);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string FolderPart(std::string_view path) {
  const size_t separator = path.find_last_of(kPathSeparators);
  return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

namespace system_shared {

bool IsTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryPrefix.size() + kTemporaryRandomLetters || !name.starts_with(kTemporaryPrefix)) {
    return false;
  }
  for (char c : name.substr(kTemporaryPrefix.size())) {
    const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alphanumeric) return false;
  }
  return true;
}

std::string TooLarge(std::uintmax_t limit) {
  return "the file is larger than " + std::to_string(limit / (1024 * 1024)) + " MB";
}

}  // namespace system_shared

bool MayFollowLink(std::uint32_t user, std::uint32_t linkOwner, std::uint32_t folderOwner, std::uint32_t folderMode) {
  constexpr std::uint32_t kSticky = 01000;
  constexpr std::uint32_t kOthersWrite = 02;
  const bool shared = (folderMode & kSticky) != 0 && (folderMode & kOthersWrite) != 0;
  return !shared || linkOwner == user || linkOwner == folderOwner;
}

}  // namespace ivgen
