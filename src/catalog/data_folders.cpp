#include "catalog/data_folders.h"

#include <filesystem>

#include "catalog/catalog_file.h"

namespace ivgen {

bool IsInstalledLayout(const std::string& programFolder) {
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(CatalogPath(programFolder, kInstalledMarker)), error);
}

std::string PlayerFolder() {
  const std::string home = ConfigHome();
  return home.empty() ? "" : home + "ivgen" + kPathSeparators.back();
}

std::optional<std::string> PlayerCopy(const std::string& programFolder, std::string_view name) {
  if (!IsInstalledLayout(programFolder)) return std::nullopt;
  const std::string folder = PlayerFolder();
  if (folder.empty()) return std::nullopt;
  return FindFileInFolder(folder, name);
}

std::string SaveFolder(const std::string& programFolder) {
  // The program folder of an installed copy belongs to the package, whoever may write it.
  return IsInstalledLayout(programFolder) ? PlayerFolder() : programFolder;
}

IoResult PreparePlayerFolderFor(const std::string& path) {
  const std::string folder = PlayerFolder();
  if (folder.empty() || path.rfind(folder, 0) != 0 ||
      path.find_first_of(kPathSeparators, folder.size()) != std::string::npos) {
    return IoResult::Success(path);
  }
  std::error_code error;
  std::filesystem::create_directories(NativePath(folder), error);
  // Left to the save, a folder that could not be made read "No such file or directory" whatever
  // the cause.
  if (error) return IoResult::Failure(folder, error.message());
  return IoResult::Success(path);
}

}  // namespace ivgen
