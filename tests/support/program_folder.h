// Folders of a test's own: fresh temporary folders, unique to the running test and process
// (ctest runs the tests of one program side by side), and program folders holding copies of
// catalogs, so start-up finds its catalogs and nothing a test writes touches the sources.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace ivgen::test_support {

/// An empty folder named after the prefix, the running test and the process.
inline std::filesystem::path FreshFolder(const std::string& prefix) {
  namespace fs = std::filesystem;
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string test = info == nullptr ? "" : std::string(info->test_suite_name()) + "." + info->name();
  const fs::path folder =
      fs::temp_directory_path() / ("ivgen-" + prefix + "-" + test + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

/// Removes a test's folder and everything in it, read-only files too (Windows refuses to remove
/// those); nothing when it is gone.
inline void RemoveFolder(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
#ifdef _WIN32
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
#endif
  fs::remove_all(folder, error);
}

/// A fresh folder holding copies of every file of `catalogs` (the bundled data by default).
inline std::filesystem::path FreshProgramFolder(const std::string& prefix,
                                                const std::string& catalogs = IVGEN_BUNDLED_DATA) {
  namespace fs = std::filesystem;
  const fs::path folder = FreshFolder(prefix);
  for (const auto& entry : fs::directory_iterator(catalogs)) {
    if (entry.path().extension() == ".dat") fs::copy_file(entry.path(), folder / entry.path().filename());
  }
  return folder;
}

}  // namespace ivgen::test_support
