#include "system/system.h"

namespace ivgen {

std::string_view LastName(std::string_view path) {
  const size_t separator = path.find_last_of(kPathSeparators);
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string FolderPart(std::string_view path) {
  const size_t separator = path.find_last_of(kPathSeparators);
  return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

bool MayFollowLink(std::uint32_t user, std::uint32_t linkOwner, std::uint32_t folderOwner, std::uint32_t folderMode) {
  constexpr std::uint32_t kSticky = 01000;
  constexpr std::uint32_t kOthersWrite = 02;
  const bool shared = (folderMode & kSticky) != 0 && (folderMode & kOthersWrite) != 0;
  return !shared || linkOwner == user || linkOwner == folderOwner;
}

}  // namespace ivgen
