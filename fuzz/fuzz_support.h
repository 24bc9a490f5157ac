// What the fuzz targets share: a program folder of the run's own, holding small catalogs, in
// which each input replaces one file; a way to run script lines over an editor; and a check that
// stops the run, so libFuzzer keeps the input that broke a promise.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "batch/script_runner.h"

namespace ivgen::fuzz {

class ProgramFolder {
 public:
  ProgramFolder() : path_(std::filesystem::temp_directory_path() / ("ivgen-fuzz-" + std::to_string(::getpid()))) {
    Reset();
  }
  ~ProgramFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  /// The folder with a trailing "/", as the program folder is passed.
  std::string Path() const { return path_.string() + "/"; }
  std::string PathOf(std::string_view name) const { return (path_ / name).string(); }

  /// Only the small catalogs again, as at the start.
  void Reset() {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    for (const auto& entry : std::filesystem::directory_iterator(IVGEN_FUZZ_CATALOGS)) {
      std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
    }
  }

  void Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

/// The run's folder, made at the first input and removed when the run ends.
inline ProgramFolder& Folder() {
  static ProgramFolder folder;
  return folder;
}

inline std::string_view Bytes(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

/// Runs a script over the editor; what it prints and its errors are dropped.
inline RunStatus RunScript(ScriptedPlatform& platform, Editor& editor, const std::string& script) {
  std::ostringstream out;
  std::ostringstream errors;
  std::istringstream in(script);
  ScriptRunner runner(platform, editor, out);
  return runner.Run(in, "fuzz", errors);
}

/// A promise the code under test broke: says which and aborts, so the input is kept.
inline void Check(bool kept, const char* promise) {
  if (kept) return;
  std::fprintf(stderr, "broken promise: %s\n", promise);
  std::abort();
}

/// Runs `pass` over a started editor with the input as the file `name`, and, when it gives a text,
/// again with that text as the file `again`: the second pass must give the same text (`promise`).
template <typename Pass>
int SameOnTheSecondPass(const uint8_t* data, size_t size, std::string_view name, std::string_view again, Pass pass,
                        const char* promise) {
  ProgramFolder& folder = Folder();
  folder.Reset();
  ScriptedPlatform platform;
  Editor editor(platform, folder.Path(), "");
  if (!editor.Startup()) return 0;
  folder.Write(name, Bytes(data, size));
  const std::optional<std::string> first = pass(platform, editor, folder.PathOf(name));
  if (!first) return 0;
  folder.Write(again, *first);
  Check(pass(platform, editor, folder.PathOf(again)) == first, promise);
  return 0;
}

}  // namespace ivgen::fuzz
