// A program folder of a test's own: a fresh temporary folder holding copies of the bundled
// catalogs, so start-up finds its catalogs and nothing a test writes touches the sources.
#pragma once

#include <filesystem>
#include <string>

namespace ivgen::test_support {

inline std::filesystem::path FreshProgramFolder(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("ivgen-test-" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const auto& entry : fs::directory_iterator(IVGEN_BUNDLED_DATA)) {
    if (entry.path().extension() == ".dat") fs::copy_file(entry.path(), folder / entry.path().filename());
  }
  return folder;
}

}  // namespace ivgen::test_support
