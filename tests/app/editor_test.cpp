// The document commands and the Options dialog, driven as a player would, with every prompt
// answered and recorded by the scripted platform.
#include "app/editor.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

const std::string kPrompt = "Current character has been modified.\\n\\rDo you want do save changes?";

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test_support::FreshProgramFolder("editor"); }
  void TearDown() override { fs::remove_all(folder_); }

  Editor& Start(const std::string& ini = "", const std::string& commandLine = "") {
    if (!ini.empty()) ReplaceFile(Path("ivgen.ini"), ini);
    editor_ = std::make_unique<Editor>(platform_, folder_.string() + "/", commandLine);
    EXPECT_TRUE(editor_->Startup());
    platform_.ClearLog();
    return *editor_;
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  const std::vector<std::string>& Log() const { return platform_.Log(); }

  fs::path folder_;
  ScriptedPlatform platform_;
  std::unique_ptr<Editor> editor_;
};

TEST_F(EditorTest, StartsWithANewUnmodifiedCharacter) {
  Editor& editor = Start("[Character Generator]\r\nDefaultGIF=face.gif\r\n");
  EXPECT_EQ(editor.Frame().title, "Ironveil Character Generator 3.2.6 - 2 July 2000");
  EXPECT_FALSE(editor.Document().Modified);
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_EQ(editor.CurrentPage(), 0);
  EXPECT_FALSE(editor.Frame().splashVisible);
  EXPECT_EQ(editor.Record().GraphicsFilename, "face.gif");
  EXPECT_EQ(editor.Record().Adept, -1);
  ASSERT_EQ(editor.Record().Gear.size(), 1u);
  for (const AttributeRow& row : editor.Record().Attr) EXPECT_EQ(row.Base, "1");
  EXPECT_EQ(editor.Frame().aboutVersion, "version 3.2.6 - 2 July 2000");
}

TEST_F(EditorTest, SaveOfANewCharacterWithSaveAsCancelledKeepsItModified) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer("");
  EXPECT_FALSE(editor.Save());
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0], "save-file [SaveAs] Ironveil 3 (*.iv3)|*.iv3 -> \"\"");
  EXPECT_EQ(Log()[1], "message [Ironveil Character Generator] (OK) No filename specified -> OK");
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_EQ(editor.Document().CurrentFile, "");
}

TEST_F(EditorTest, SaveAsWritesTheFileAndNamesItInTheTitle) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer(Path("nyx.iv3"));
  EXPECT_TRUE(editor.SaveAs());
  EXPECT_FALSE(editor.Document().Modified);
  EXPECT_EQ(editor.Document().CurrentFile, Path("nyx.iv3"));
  EXPECT_EQ(editor.Frame().title, "Ironveil CharGen 3 - [nyx.iv3]");
  const std::string bytes = ReadWholeFile(Path("nyx.iv3")).value_or("");
  EXPECT_EQ(
      bytes.rfind("[System]\r\nGenerator=Priority\r\nVersion=3.2.6 - 2 July 2000\r\n[Character]\r\nStreetName=Nyx\r\n",
                  0),
      0u);

  // Save then writes to the same file without asking.
  editor.Texts().Set("RealName", "Ada Voss");
  EXPECT_TRUE(editor.Save());
  EXPECT_EQ(Log().size(), 1u);
  EXPECT_NE(ReadWholeFile(Path("nyx.iv3")).value_or("").find("RealName=Ada Voss\r\n"), std::string::npos);
}

TEST_F(EditorTest, AFailedSaveKeepsTheOldFileAndTheCharacterModified) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer(Path("nyx.iv3"));
  ASSERT_TRUE(editor.SaveAs());
  const std::string saved = ReadWholeFile(Path("nyx.iv3")).value_or("");
  editor.Texts().Set("StreetName", "Nyx the Second");
  platform_.ClearLog();

  // A file size limit makes the write fail part-way, as a full disk would, even for root.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit tiny = old;
  tiny.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &tiny);
  const bool written = editor.Save();
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_FALSE(written);
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_EQ(editor.Document().CurrentFile, Path("nyx.iv3"));
  EXPECT_EQ(ReadWholeFile(Path("nyx.iv3")).value_or(""), saved);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_NE(Log()[0].find("(warning, OK) The character was not saved.\\r\\nCould not write " + Path("nyx.iv3") + ": "),
            std::string::npos)
      << Log()[0];

  // A folder that does not exist is reported the same way.
  platform_.ClearLog();
  platform_.QueueAnswer(Path("missing/nyx.iv3"));
  EXPECT_FALSE(editor.SaveAs());
  EXPECT_EQ(editor.Document().CurrentFile, Path("nyx.iv3"));
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_NE(Log()[1].find("Could not write " + Path("missing/nyx.iv3")), std::string::npos);
}

TEST_F(EditorTest, NewAsksOnlyWhenModifiedAndHonoursEachAnswer) {
  Editor& editor = Start();
  EXPECT_EQ(editor.New(), NewOutcome::Reset);
  EXPECT_TRUE(Log().empty());

  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer("Cancel");
  EXPECT_EQ(editor.New(), NewOutcome::Cancelled);
  EXPECT_EQ(editor.Record().StreetName, "Nyx");
  EXPECT_EQ(Log().back(), "message [New character] (warning, Yes/No/Cancel) " + kPrompt + " -> Cancel");

  // Yes, then Save As cancelled: the player asked to keep the character, so nothing is reset.
  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer("");
  EXPECT_EQ(editor.New(), NewOutcome::KeptUnsaved);
  EXPECT_EQ(editor.Record().StreetName, "Nyx");
  EXPECT_TRUE(editor.Document().Modified);

  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer(Path("kept.iv3"));
  EXPECT_EQ(editor.New(), NewOutcome::Reset);
  EXPECT_TRUE(fs::exists(Path("kept.iv3")));
  EXPECT_EQ(editor.Record().StreetName, "");
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_EQ(editor.Frame().title, "Ironveil Character Generator 3.2.6 - 2 July 2000");

  editor.Texts().Set("StreetName", "Vex");
  platform_.QueueAnswer("No");
  EXPECT_EQ(editor.New(), NewOutcome::Reset);
  EXPECT_EQ(editor.Record().StreetName, "");
  EXPECT_FALSE(editor.Document().Modified);
}

TEST_F(EditorTest, NewClearsTypedPoolsAndKeepsKarma) {
  Editor& editor = Start();
  editor.Texts().Set("KarmaTotal", "14");
  editor.Texts().Set("Karma", "3");
  editor.Texts().Set("lblPool1", "Rigging");
  editor.Texts().Set("txtPool1", "4");
  editor.Texts().Set("Astral", "6");
  editor.Texts().SetDescription("Born in the flooded districts.");
  platform_.QueueAnswer("No");
  editor.New();
  EXPECT_EQ(editor.Record().KarmaTotal, "14");
  EXPECT_EQ(editor.Record().Pools.Karma, "");
  EXPECT_EQ(editor.Record().Pools.lblPool1, "");
  EXPECT_EQ(editor.Record().Pools.txtPool1, "");
  // The derived values give a mundane character no astral pool.
  EXPECT_EQ(editor.Record().Pools.Astral, "0");
  EXPECT_EQ(editor.Record().Description, "");
}

TEST_F(EditorTest, ExitAndTheCloseFlow) {
  Editor& editor = Start();
  EXPECT_TRUE(editor.Exit()) << "an unchanged character ends at once";
  EXPECT_TRUE(Log().empty());

  // Cancel asks again with Yes and No only, and the program then ends.
  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer("Cancel");
  platform_.QueueAnswer("No");
  EXPECT_TRUE(editor.Exit());
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0], "message [Exit Ironveil Char Gen 3] (warning, Yes/No/Cancel) " + kPrompt + " -> Cancel");
  EXPECT_EQ(Log()[1], "message [Exit Ironveil Chargen 3] (warning, Yes/No) " + kPrompt + " -> No");

  // Yes with the save cancelled: the program goes on, the character is kept.
  platform_.ClearLog();
  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer("");
  EXPECT_FALSE(editor.CloseWindow());
  EXPECT_EQ(editor.Record().StreetName, "Nyx");

  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer(Path("bye.iv3"));
  EXPECT_TRUE(editor.Exit());
  EXPECT_TRUE(fs::exists(Path("bye.iv3")));
}

// A read-only character was replaced without a word; a backslash cut the title short.
TEST_F(EditorTest, SaveRefusesAReadOnlyFileAndTitlesCutOnlyAtTheFolder) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  ASSERT_TRUE(ReplaceFile(Path("kept.iv3"), "old").ok);
  fs::permissions(Path("kept.iv3"), fs::perms(0444));
  platform_.QueueAnswer(Path("kept.iv3"));
  EXPECT_FALSE(editor.SaveAs());
  EXPECT_EQ(Log().back(),
            "message [Ironveil Character Generator] (warning, OK) The character was not saved.\\r\\nCould "
            "not write " +
                Path("kept.iv3") + ": the file is read-only -> OK");
  EXPECT_EQ(ReadWholeFile(Path("kept.iv3")).value_or(""), "old");
  EXPECT_TRUE(editor.Document().Modified);

  platform_.QueueAnswer(Path("Nyx\\Vale.iv3"));
  EXPECT_TRUE(editor.SaveAs());
  EXPECT_EQ(editor.Frame().title, "Ironveil CharGen 3 - [Nyx\\Vale.iv3]");
}

TEST_F(EditorTest, OpenRunsNewFirstAndNeverLeavesAHalfReadCharacter) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  // Cancel at the save prompt still goes on to the file dialog; cancelling that keeps the work.
  platform_.QueueAnswer("Cancel");
  platform_.QueueAnswer("");
  editor.Open();
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[1], "open-file [Open] Ironveil 3 (*.iv3)|*.iv3 -> \"\"");
  EXPECT_EQ(editor.Record().StreetName, "Nyx");

  // A file that cannot be read: a message naming it, and a plain new character.
  platform_.ClearLog();
  platform_.QueueAnswer("No");
  platform_.QueueAnswer(Path("absent.iv3"));
  editor.Open();
  ASSERT_EQ(Log().size(), 3u);
  EXPECT_NE(Log()[2].find("Could not open " + Path("absent.iv3")), std::string::npos) << Log()[2];
  EXPECT_EQ(editor.Record().StreetName, "");
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_FALSE(editor.Record().Shapeshift);
  EXPECT_EQ(editor.Frame().title, "Ironveil Character Generator 3.2.6 - 2 July 2000");
}

TEST_F(EditorTest, TextsDropLineBreaksAndMarkTheCharacterModified) {
  Editor& editor = Start();
  EXPECT_TRUE(editor.Texts().Set("StreetName", "x\r\nAdept=0"));
  EXPECT_EQ(editor.Record().StreetName, "xAdept=0");
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_FALSE(editor.Texts().Set("Nonsense", "1"));

  editor.Texts().SetDescription("a\n\nb c\rd");
  EXPECT_EQ(editor.Record().Description, "a\r\n\r\nb c\r\nd");
}

TEST_F(EditorTest, OptionsAcceptTheEdgesOfTheirRangesAndWriteTheFile) {
  Editor& editor = Start("[Character Generator]\r\nmaxpoints=120\r\nMaxAbsEpts=6\r\nMaxFlawEdge=7\r\n");
  editor.Options().Open();
  EXPECT_EQ(editor.Options().Fields().maxpoints, "120");
  EXPECT_EQ(editor.Options().Fields().MaxFlawEdge, "7") << "the value in effect, not always 5";
  editor.Options().SetField("maxpoints", "200");
  editor.Options().SetField("MaxAbsEpts", "10");
  editor.Options().SetField("DefaultGIF", "me.gif");
  editor.Options().SetField("MaxFlawEdge", "0");
  EXPECT_TRUE(editor.Options().Done());
  EXPECT_EQ(ReadWholeFile(Path("ivgen.ini")).value_or(""),
            "[Character Generator]\r\nmaxpoints=200\r\nMaxAbsEpts=10\r\nDefaultGIF=me.gif\r\nMaxFlawEdge=0\r\n");
  EXPECT_EQ(editor.CurrentSettings().maxpoints, 200);
  EXPECT_EQ(editor.CurrentSettings().MaxAbsEpts, 10);
  EXPECT_EQ(editor.CurrentSettings().DefaultGIF, "") << "takes effect at the next start";
  EXPECT_EQ(editor.CurrentSettings().MaxFlawEdge, 7) << "takes effect at the next start";
  EXPECT_FALSE(editor.Options().IsOpen());
  EXPECT_EQ(Log(), (std::vector<std::string>{"dialog Options", "closed Options"}));

  editor.Options().Open();
  EXPECT_EQ(editor.Options().Fields().DefaultGIF, "me.gif") << "the dialog shows what it wrote";
  EXPECT_EQ(editor.Options().Fields().MaxFlawEdge, "0");

  // Cancel throws away what was typed since.
  editor.Options().SetField("maxpoints", "7");
  editor.Options().SetField("MaxFlawEdge", "9");
  editor.Options().Cancel();
  editor.Options().Open();
  EXPECT_EQ(editor.Options().Fields().maxpoints, "200");
  EXPECT_EQ(editor.Options().Fields().MaxFlawEdge, "0");
}

TEST_F(EditorTest, OptionsRefuseOutOfRangeValuesBeforeAnyTakesEffect) {
  const std::string ini = "[Character Generator]\r\nmaxpoints=120\r\nMaxAbsEpts=6\r\n";
  Editor& editor = Start(ini);
  const struct {
    const char* key;
    const char* text;
    const char* message;
  } cases[] = {{"maxpoints", "201", "Invalid entry... <0..200> only"},
               {"maxpoints", "-1", "Invalid entry... <0..200> only"},
               {"MaxAbsEpts", "11", "Invalid entry  <0..10> only"},
               {"MaxFlawEdge", "-1", "Invalid entry  <0..10> only"},
               {"MaxFlawEdge", "11", "Invalid entry  <0..10> only"}};
  for (const auto& c : cases) {
    editor.Options().Open();
    editor.Options().SetField("maxpoints", "150");
    editor.Options().SetField("MaxAbsEpts", "8");
    editor.Options().SetField(c.key, c.text);
    platform_.ClearLog();
    EXPECT_FALSE(editor.Options().Done());
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0], std::string("message [Ironveil Character Generator] (OK) ") + c.message + " -> OK");
    EXPECT_TRUE(editor.Options().IsOpen());
    EXPECT_EQ(editor.CurrentSettings().maxpoints, 120) << c.key << "=" << c.text;
    EXPECT_EQ(editor.CurrentSettings().MaxAbsEpts, 6);
    EXPECT_EQ(ReadWholeFile(Path("ivgen.ini")).value_or(""), ini);
    editor.Options().Cancel();
  }
  editor.Options().Open();
  EXPECT_EQ(editor.Options().Fields().maxpoints, "120") << "Cancel put the values in effect back";
}

TEST_F(EditorTest, OptionsWriteTheSettingsFileNamedOnTheCommandLine) {
  ReplaceFile(Path("table.ini"), "[Character Generator]\r\nmaxpoints=90\r\n");
  Editor& editor = Start("", Path("table.ini"));
  EXPECT_EQ(editor.CurrentSettings().maxpoints, 90);
  editor.Options().Open();
  editor.Options().SetField("maxpoints", "95");
  EXPECT_TRUE(editor.Options().Done());
  EXPECT_FALSE(fs::exists(Path("ivgen.ini")));
  EXPECT_EQ(ReadWholeFile(Path("table.ini")).value_or("").substr(0, 37), "[Character Generator]\r\nmaxpoints=95\r\n");
}

TEST_F(EditorTest, AnUnwritableSettingsFileIsReportedAndTheDialogStaysOpen) {
  Editor& editor = Start("", Path("no/such/folder/ivgen.ini"));
  editor.Options().Open();
  editor.Options().SetField("maxpoints", "50");
  EXPECT_FALSE(editor.Options().Done());
  EXPECT_TRUE(editor.Options().IsOpen());
  EXPECT_EQ(editor.CurrentSettings().maxpoints, 0);
  EXPECT_NE(Log().back().find("Could not write " + Path("no/such/folder/ivgen.ini")), std::string::npos);
}

TEST_F(EditorTest, ThePictureBrowserRefusesANameThatWouldInjectASetting) {
  Editor& editor = Start();
  editor.Options().Open();
  platform_.QueueAnswer("/pics/x\nMaxFlawEdge=99\n.gif");
  editor.Options().Browse();
  EXPECT_EQ(
      Log().back(),
      "message [Ironveil Character Generator] (warning, OK) The picture's file name holds a line break, which the "
      "settings file cannot keep.\\r\\nChoose another picture. -> OK");
  EXPECT_EQ(editor.Options().DefaultGIF, "");
}

TEST_F(EditorTest, FixedMessagesAndTheAboutBox) {
  Editor& editor = Start();
  editor.HelpContents();
  editor.HelpSearch();
  editor.Properties();
  editor.AboutSystemInfo();
  const std::string help =
      "message [Ironveil Character Generator] (information, OK) Unable to display Help Contents. There is no Help "
      "associated with this project. -> OK";
  EXPECT_EQ(Log(),
            (std::vector<std::string>{
                help, help, "message [Ironveil Character Generator] (OK) Add 'mnuFileProperties_Click' code. -> OK",
                "message [Ironveil Character Generator] (OK) System Information Is Unavailable At This Time -> OK"}));
  editor.ShowAbout();
  EXPECT_EQ(editor.Frame().aboutVersion, "version 3.2.6 - 2 July 2000");
  editor.AboutOk();
  editor.ShowAbout();
  EXPECT_EQ(editor.Frame().aboutVersion, "Version 3.2.6") << "a reloaded box shows the short form";
  editor.ToggleStatusBar();
  EXPECT_FALSE(editor.Frame().statusBarVisible);
}

}  // namespace
}  // namespace ivgen
