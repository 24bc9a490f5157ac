#include "platform/program_folder.h"

#include "system/system.h"

namespace ivgen {

std::string WithTrailingSeparator(const std::string& folder) {
  if (folder.empty()) return "./";
  if (folder.back() == '/' || folder.back() == '\\') return folder;
  return folder + "/";
}

std::string ProgramFolder() {
  const std::string executable = ExecutablePath();
  if (executable.empty()) return "./";
  return WithTrailingSeparator(FolderPart(executable));
}

}  // namespace ivgen
