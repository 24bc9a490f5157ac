#include "catalog/data_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "catalog/catalog_file.h"

namespace ivgen {

bool IsInstalledLayout(const std::string& programFolder) {
  std::error_code error;
  return std::filesystem::is_regular_file(CatalogPath(programFolder, kInstalledMarker), error);
}

std::string PlayerFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return CatalogPath(config, "ivgen/");
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* entry = getpwuid(getuid());
    home = entry != nullptr ? entry->pw_dir : nullptr;
  }
  // A relative home would put the player's files wherever the program happens to be started.
  if (home == nullptr || home[0] != '/') return "";
  return CatalogPath(home, ".config/ivgen/");
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
  if (folder.empty() || path.rfind(folder, 0) != 0 || path.find('/', folder.size()) != std::string::npos) {
    return IoResult::Success(path);
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // Left to the save, a folder that could not be made read "No such file or directory" whatever
  // the cause.
  if (error) return IoResult::Failure(folder, error.message());
  return IoResult::Success(path);
}

}  // namespace ivgen
