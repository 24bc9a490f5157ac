#include "app/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <tuple>

#include "catalog/catalog_checker.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"
#include "support/program_test.h"
#include "support/test_system.h"

namespace ivgen {
namespace {

// The player's folder under a folder of settings, with the separators the system puts in.
std::string PlayerFolderOf(const std::string& config) {
  return config + std::string(1, kPathSeparators.back()) + "ivgen" + std::string(1, kPathSeparators.back());
}

// A path under a test's folder as the program spells it: its own parts joined by the separator
// the folder's names end with.
std::string Spelt(const std::filesystem::path& root, std::string_view relative) {
  std::string path = relative.starts_with("config/")
                         ? PlayerFolderOf((root / "config").string()) +
                               std::string(relative.substr(std::string_view("config/ivgen/").size()))
                         : (root / relative).string();
  return path;
}

// Missing or empty keys fall back; numbers are read leniently, halves to even, and held in range.
TEST(Settings, FallBackAndHoldTheirRange) {
  // The file, then maxpoints, MaxAbsEpts, DefaultGIF and MaxFlawEdge.
  const std::pair<const char*, const char*> cases[] = {
      {"", "0 0 '' 5"},
      {"[Character Generator]\r\nMaxFlawEdge=\r\nmaxpoints=12.5x\r\nDefaultGIF=a.gif\r\n", "12 0 'a.gif' 5"},
      {"[character generator]\r\nMAXFLAWEDGE=0\r\nMaxAbsEpts=abc\r\n", "0 0 '' 0"},
      {"[Character Generator]\nmaxpoints=99999\nMaxAbsEpts=-70000\n", "32767 -32768 '' 5"},
  };
  for (const auto& [ini, expected] : cases) {
    const Settings s = SettingsFrom(IniFile::Parse(ini));
    EXPECT_EQ(std::to_string(s.maxpoints) + " " + std::to_string(s.MaxAbsEpts) + " '" + s.DefaultGIF + "' " +
                  std::to_string(s.MaxFlawEdge),
              expected)
        << ini;
  }
}

// A settings file named on the command line is used instead of the one beside the program; other
// paths stand as they are; the arguments are one name, with one pair of quotes stripped.
TEST(SettingsPath, FollowsTheCommandLine) {
  EXPECT_EQ(SettingsPath("ivgen.ini", "/opt/ivgen/", "") + " " + SettingsPath("ivgen.ini", "/opt/ivgen", ""),
            "/opt/ivgen/ivgen.ini /opt/ivgen/ivgen.ini");
  EXPECT_EQ(SettingsPath("ivgen.ini", "/opt/ivgen/", "/home/gm/table.ini"), "/home/gm/table.ini");
  EXPECT_EQ(SettingsPath("/tmp/x.iv3", "/opt/ivgen/", "/home/gm/table.ini"), "/tmp/x.iv3");
  EXPECT_EQ(SettingsPath("C:\\chars\\x.iv3", "/opt/ivgen/", ""), "C:\\chars\\x.iv3");
  const char* none[] = {"ivgen"};
  const char* quoted[] = {"ivgen", "\"/home/gm/my settings.ini\""};
  const char* split[] = {"ivgen", "/home/gm/my", "settings.ini"};
  EXPECT_EQ(CommandLineText(1, none) + "|" + CommandLineText(2, quoted) + "|" + CommandLineText(3, split),
            "|/home/gm/my settings.ini|/home/gm/my settings.ini");
}

// Installed, the player's folder is read first and takes the saves; a command line still wins;
// a folder without the marker ignores the player's folder even when it is writable.
TEST(SettingsPath, InAnInstalledLayoutThePlayersFolderComesFirst) {
  const std::filesystem::path root = test_support::FreshFolder("installed");
  const std::string program = (root / "lib/ivgen/").string();
  // The player's folder as the system spells it.
  const std::string player = PlayerFolderOf((root / "config").string());
  std::filesystem::create_directories(program);
  const test_support::ScopedEnv config(test_support::kConfigVariable, (root / "config").string().c_str());
  struct Step {
    const char* file;  // written before the step; "" for none
    const char* reads;
    const char* saves;
  };
  const Step steps[] = {
      {"", "lib/ivgen/ivgen.ini", "lib/ivgen/ivgen.ini"},
      {"lib/ivgen/ivgen-installed", "lib/ivgen/ivgen.ini", "config/ivgen/ivgen.ini"},
      {"config/ivgen/ivgen.ini", "config/ivgen/ivgen.ini", "config/ivgen/ivgen.ini"},
  };
  for (const Step& step : steps) {
    if (*step.file != '\0') {
      std::filesystem::create_directories((root / step.file).parent_path());
      ASSERT_TRUE(ReplaceFile((root / step.file).string(), "").ok);
    }
    EXPECT_EQ(SettingsPath(kSettingsFileName, program, ""), Spelt(root, step.reads)) << step.file;
    EXPECT_EQ(SettingsSavePath(program, ""), Spelt(root, step.saves)) << step.file;
    EXPECT_EQ(SettingsPath(kSettingsFileName, program, "/gm/table.ini") + SettingsSavePath(program, "/gm/table.ini"),
              "/gm/table.ini/gm/table.ini");
  }
  EXPECT_EQ(FindCatalogFile(program, "gear.dat"), std::nullopt);
  ASSERT_TRUE(ReplaceFile(player + "Gear.DAT", "").ok);
  // Windows finds a name in any case as it is asked for; POSIX gives the file's own spelling.
  EXPECT_EQ(FindCatalogFile(program, "gear.dat"), player + (kWindows ? "gear.dat" : "Gear.DAT"));
}

using test_support::ScopedEnv;

using SettingsSaveTest = test_support::ProgramTest;

// Options' Done and the Books page's Save Settings in a copy whose player has no folder to save
// in: an installed copy refuses with the reason and leaves its own files as shipped (it once wrote
// the installed ivgen.ini), a build folder keeps saving beside the program, and a ~/.config that
// cannot take the player's folder is told by its real reason.
TEST_F(SettingsSaveTest, WithoutAUsableHomeAnInstalledCopyRefusesWithTheReason) {
  namespace fs = std::filesystem;
  const fs::path root = test_support::FreshFolder("home");
  ASSERT_TRUE(ReplaceFile((root / "file").string(), "").ok);
  fs::create_directories(root / "locked");
  fs::permissions(root / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  const std::string shipped = "[Character Generator]\r\nmaxpoints=120\r\n";
  const std::string books = "! books\r\n*Core;IV3\r\n";
  const std::string noFolder =
      kWindows ? "this installed copy saves only in your own folder, %APPDATA%\\ivgen, and no home folder is known "
                 "(set APPDATA to one)"
               : "this installed copy saves only in your own folder, ~/.config/ivgen, and no home "
                 "folder is known (set HOME to one)";
  struct Case {
    const char* what;
    bool installed;
    std::string config;  // XDG_CONFIG_HOME; unset when empty
    std::string path;    // what the messages name
    std::string reason;  // "" when both saves work
  };
  const Case cases[] = {
      {"installed", true, "", "", noFolder},
      {"build folder", false, "", "", ""},
      {"config is a file", true, (root / "file").string(), PlayerFolderOf((root / "file").string()), "Not a directory"},
      {"config not writable", true, (root / "locked").string(), PlayerFolderOf((root / "locked").string()),
       "Permission denied"},
  };
  // A relative HOME (APPDATA) names no home folder, as a missing HOME and user entry do.
  const ScopedEnv home(kWindows ? "APPDATA" : "HOME", "nowhere");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Root writes anywhere; a folder's read-only mark on Windows does not stop new files in it,
    // only an ACL would.
    if (c.reason == "Permission denied" && (test_support::RunAsRoot() || kWindows)) continue;
    const ScopedEnv config(test_support::kConfigVariable,
                           c.config.empty() ? (kWindows ? "nowhere" : nullptr) : c.config.c_str());
    fs::remove(Path("ivgen-installed"));
    if (c.installed) Write("ivgen-installed", "");
    Write("books.dat", books);
    Start(shipped);
    editor_->Options().Open();
    editor_->Options().SetField("maxpoints", "100");
    const bool saved = editor_->Options().Done();
    const bool booksSaved = editor_->Books().Save();
    EXPECT_EQ(saved && booksSaved, c.reason.empty());
    if (c.reason.empty()) {
      EXPECT_NE(Read("ivgen.ini"), shipped);
      continue;
    }
    EXPECT_EQ(Read("ivgen.ini"), shipped);
    EXPECT_EQ(Read("books.dat"), books);
    const std::string told = "message [Ironveil Character Generator] (warning, OK) ";
    EXPECT_EQ(Log(), (std::vector<std::string>{"dialog Options",
                                               told + "The settings were not saved.\\r\\nCould not write " +
                                                   (c.path.empty() ? "ivgen.ini" : c.path) + ": " + c.reason + " -> OK",
                                               told + "Could not write " + (c.path.empty() ? "books.dat" : c.path) +
                                                   ": " + c.reason + " -> OK"}));
    EXPECT_EQ(editor_->CurrentSettings().maxpoints, 120) << "the limits stay as the file has them";
  }
  fs::permissions(root / "locked", fs::perms::owner_all);
  fs::remove_all(root);
}

// A double click in a file manager names one character; anything else names a settings file.
TEST(NamesCharacter, OnlyAnIv3PathInAnyCase) {
  std::string named;
  for (const char* line :
       {"/home/p/Nyx.iv3", "/home/p/My Runner.IV3", ".iv3", "/home/p/nyx.iv3.ini", "table.ini", ""}) {
    named += std::string(NamesCharacter(line) ? "1" : "0");
  }
  EXPECT_EQ(named, "110000");
}

TEST(LoadSettings, ReadsPastAByteOrderMarkAndNamesAFileItCannotRead) {
  const auto folder = test_support::FreshFolder("settings");
  const std::string marked = (folder / "marked.ini").string();
  ASSERT_TRUE(ReplaceFile(marked, "\xEF\xBB\xBF[Character Generator]\r\nmaxpoints=120\r\nMaxFlawEdge=3\r\n").ok);
  const auto refused = [](const std::string& path, const std::string& reason) {
    return "message [Ironveil Character Generator] (warning, OK) The settings were not read; the defaults are "
           "used.\\r\\nCould not read " +
           path + ": " + reason + " -> OK";
  };
  // The path, maxpoints and MaxFlawEdge read, and what the person is told.
  const std::tuple<std::string, int, int, std::string> cases[] = {
      {marked, 120, 3, ""},
      {(folder / "missing.ini").string(), 0, 5, ""},
      {folder.string(), 0, 5, refused(folder.string(), "Is a directory")},
#ifndef _WIN32
      {"/dev/zero", 0, 5, refused("/dev/zero", "not a regular file")},
#endif
  };
  for (const auto& [path, maxpoints, maxFlawEdge, message] : cases) {
    ScriptedPlatform platform;
    const Settings settings = LoadSettings(path, platform);
    EXPECT_EQ(std::to_string(settings.maxpoints) + " " + std::to_string(settings.MaxFlawEdge),
              std::to_string(maxpoints) + " " + std::to_string(maxFlawEdge))
        << path;
    EXPECT_EQ(platform.Log(), message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
  }
  std::filesystem::remove_all(folder);
}

// A picture's name goes into ivgen.ini: a line break in it once set MaxFlawEdge past its check.
TEST(PictureFieldText, TakesOnlyNamesTheSettingsFileCanKeep) {
  // The path, the field's text (nullptr: refused) and the refusal.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"/home/gm/face.gif", "/home/gm/face.gif", ""},
      {"/home/gm/zo\u00EB.gif", "/home/gm/zo\xEB.gif", ""},
      {"/home/gm/x\nMaxFlawEdge=99\n.gif", nullptr,
       "The picture's file name holds a line break, which the settings file cannot keep.\r\nChoose another picture."},
      {"/home/gm/\u65E5\u672C.gif", nullptr,
       "The picture's file name holds characters the settings file cannot keep: /home/gm/\u65E5\u672C.gif\r\nChoose "
       "another picture."},
  };
  for (const auto& [path, text, message] : cases) {
    ShownText refusal;
    EXPECT_EQ(PictureFieldText(path, refusal).value_or("<refused>"), text != nullptr ? text : "<refused>") << path;
    EXPECT_EQ(refusal.Utf8(), message);
  }
}

TEST(CheckSettingsFile, NamesWhatTheProgramWouldSkipOrTheDialogRefuse) {
  const auto folder = test_support::FreshFolder("settings");
  const std::string path = (folder / "ivgen.ini").string();
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"[Character Generator]\r\nmaxpoints=200\r\nMaxAbsEpts=0\r\nDefaultGIF=\r\nMaxFlawEdge=10\r\n", {}},
      {"\xEF\xBB\xBF[Character Generator]\r\nmaxpoints=201\r\nMaxAbsEpts=-1\r\nMaxFlawEdge=11\r\n",
       {"ivgen.ini:1: starts with a UTF-8 byte order mark, which the program skips; the file is read as Windows-1252, "
        "so save it in that encoding",
        "ivgen.ini: maxpoints=201 is outside 0..200, which the Options dialog refuses",
        "ivgen.ini: MaxAbsEpts=-1 is outside 0..10, which the Options dialog refuses",
        "ivgen.ini: MaxFlawEdge=11 is outside 0..10, which the Options dialog refuses"}},
      {"[Karma]\r\nmaxpoints=20\r\n",
       {"ivgen.ini: has no [Character Generator] settings; every setting takes its default"}},
  };
  for (const auto& [text, expected] : cases) {
    ASSERT_TRUE(ReplaceFile(path, text).ok);
    std::vector<std::string> problems;
    for (const CatalogProblem& problem : CheckSettingsFile(path)) problems.push_back(FormatProblem(problem));
    EXPECT_EQ(problems, expected) << text;
  }
  EXPECT_TRUE(CheckSettingsFile((folder / "missing.ini").string()).empty()) << "a missing file gives the defaults";
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ivgen
