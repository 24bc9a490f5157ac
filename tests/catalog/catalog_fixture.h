// A fresh folder per test for the catalogs it writes, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen::testing {

class CatalogFolder {
 public:
  CatalogFolder() : path_(test_support::FreshFolder("catalog")) {}
  ~CatalogFolder() { test_support::RemoveFolder(path_); }
  CatalogFolder(const CatalogFolder&) = delete;
  CatalogFolder& operator=(const CatalogFolder&) = delete;

  /// The folder with a trailing "/", as the program folder is passed.
  std::string Path() const { return path_.generic_string() + "/"; }
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
  void Remove(const std::string& name) const { std::filesystem::remove(path_ / name); }

 private:
  std::filesystem::path path_;
};

}  // namespace ivgen::testing
