#include "system/system.h"

#include "system/shared.h"

namespace ivgen {

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
