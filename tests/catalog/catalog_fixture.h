// Helpers for the catalog tests: a scratch folder that holds the catalogs one test writes, and a
// builder for fixed-column lines.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record/text_file.h"

namespace ivgen::testing {

/// A fresh folder per test, removed afterwards.
class CatalogFolder {
 public:
  CatalogFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("ivgen-catalog-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~CatalogFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  CatalogFolder(const CatalogFolder&) = delete;
  CatalogFolder& operator=(const CatalogFolder&) = delete;

  /// The folder with a trailing "/", as the program folder is passed.
  std::string Path() const { return path_.string() + "/"; }

  /// Writes a catalog with CR LF after every line.
  void Write(const std::string& name, const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteBytes(name, bytes);
  }
  void WriteBytes(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(ReplaceFile((path_ / name).string(), bytes).ok) << name;
  }
  std::string Read(const std::string& name) const { return ReadWholeFile((path_ / name).string()).value_or("<none>"); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  void Remove(const std::string& name) const { std::filesystem::remove(path_ / name); }

 private:
  std::filesystem::path path_;
};

/// A line with each text starting at its column (counted from 1), blanks in between.
inline std::string Columns(std::initializer_list<std::pair<size_t, std::string_view>> placed) {
  std::string line;
  for (const auto& [column, text] : placed) {
    if (line.size() < column - 1) line.resize(column - 1, ' ');
    line.replace(column - 1, text.size(), text);
  }
  return line;
}

}  // namespace ivgen::testing
