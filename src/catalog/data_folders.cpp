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
  if (home == nullptr || home[0] == '\0') return "";
  return CatalogPath(home, ".config/ivgen/");
}

std::optional<std::string> PlayerCopy(const std::string& programFolder, std::string_view name) {
  if (!IsInstalledLayout(programFolder)) return std::nullopt;
  const std::string folder = PlayerFolder();
  if (folder.empty()) return std::nullopt;
  return FindFileInFolder(folder, name);
}

std::string SaveFolder(const std::string& programFolder) {
  if (!IsInstalledLayout(programFolder)) return programFolder;
  const std::string folder = PlayerFolder();
  return folder.empty() ? programFolder : folder;
}

void PreparePlayerFolderFor(const std::string& path) {
  const std::string folder = PlayerFolder();
  if (folder.empty() || path.rfind(folder, 0) != 0 || path.find('/', folder.size()) != std::string::npos) return;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
}

}  // namespace ivgen
