#include "platform/program_folder.h"

#include <filesystem>

namespace ivgen {

std::string WithTrailingSeparator(const std::string& folder) {
  if (folder.empty()) return "./";
  if (folder.back() == '/' || folder.back() == '\\') return folder;
  return folder + "/";
}

std::string ProgramFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  return WithTrailingSeparator(executable.parent_path().string());
}

}  // namespace ivgen
