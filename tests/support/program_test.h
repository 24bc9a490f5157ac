// A started program in a folder of its own, with a scripted person answering its prompts: the
// fixture of every test that drives the Editor as a player would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen::test_support {

class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(const std::string& catalogs = IVGEN_BUNDLED_DATA)
      : folder_(FreshProgramFolder("program", catalogs)) {
    platform_.SetEcho([this](const std::string& line) { shown_ = line; });
  }
  ~ProgramTest() override { RemoveFolder(folder_); }

  /// Starts the program, with `ini` as its settings file when given, and forgets what start-up
  /// logged.
  Editor& Start(const std::string& ini = "", const std::string& commandLine = "") {
    if (!ini.empty()) Write("ivgen.ini", ini);
    editor_ = std::make_unique<Editor>(platform_, Folder(), commandLine);
    EXPECT_TRUE(editor_->Startup());
    platform_.ClearLog();
    return *editor_;
  }
  /// The folder as the program is given it, with "/" between names on every system, so a path
  /// pasted into a script needs no escapes.
  std::string Folder() const { return folder_.generic_string() + "/"; }
  std::string Path(const std::string& name) const { return Folder() + name; }
  std::string Read(const std::string& name) const { return ReadWholeFile(Path(name)).value_or("<none>"); }
  void Write(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(ReplaceFile(Path(name), bytes).ok) << name;
  }
  const std::vector<std::string>& Log() const { return platform_.Log(); }
  /// The last prompt as the screen shows it: UTF-8, with every path as the file system spells it.
  const std::string& LastShown() const { return shown_; }

  std::filesystem::path folder_;
  ScriptedPlatform platform_;
  std::unique_ptr<Editor> editor_;
  std::string shown_;
};

}  // namespace ivgen::test_support
