// The Books page and the catalog loads of start-up, driven through the Editor as a player would.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class BooksPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test_support::FreshProgramFolder("books");
    Write("books.dat", "! books\r\n*Core;IV3\r\nFlesh and Circuit;FC\r\n");
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(ReplaceFile(Path(name), bytes).ok); }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Folder() const { return folder_.string() + "/"; }
  bool Start() {
    editor_ = std::make_unique<Editor>(platform_, Folder(), "");
    return editor_->Startup();
  }
  size_t CyberFrom(const std::string& code) const {
    size_t count = 0;
    for (const TreeNode& node : editor_->CurrentCatalogs().cyberware) {
      if (node.text.find("\t" + code + "-") != std::string::npos) ++count;
    }
    return count;
  }

  fs::path folder_;
  ScriptedPlatform platform_;
  std::unique_ptr<Editor> editor_;
};

TEST_F(BooksPageTest, StartUpLoadsTheCatalogsOfTheAllowedBooks) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(editor_->Books().Lists().allowed, std::vector<std::string>{"Core\tIV3"});
  EXPECT_EQ(editor_->CurrentCatalogs().allowedBooks, "[IV3]");
  EXPECT_GT(CyberFrom("IV3"), 0u);
  EXPECT_EQ(CyberFrom("FC"), 0u);
  EXPECT_FALSE(editor_->CurrentCatalogs().skills.SkillTable.empty());
  EXPECT_EQ(editor_->CatalogSelection().tradition, 0);
  EXPECT_EQ(platform_.Log().front(), "progress [Reloading files] Loading ....");
  EXPECT_FALSE(platform_.Busy());
}

TEST_F(BooksPageTest, StartUpEndsAtAMissingCatalogButNotAtAMissingCyberwareCatalog) {
  fs::remove(Path("edge.dat"));
  EXPECT_FALSE(Start());
  EXPECT_EQ(platform_.Log()[platform_.Log().size() - 2],
            "message [Ironveil Character Generator] (critical, OK) File not found: " + Folder() + "edge.dat -> OK");

  ASSERT_TRUE(ReplaceFile(Path("edge.dat"), "").ok);
  fs::remove(Path("cyber.dat"));
  platform_.ClearLog();
  EXPECT_TRUE(Start());
  EXPECT_EQ(platform_.Log()[2],
            "message [Ironveil Character Generator] (OK) Crash: " + Folder() + "Cyber.dat not found.! -> OK");
  EXPECT_TRUE(editor_->CurrentCatalogs().cyberware.empty());
  EXPECT_EQ(editor_->CatalogSelection().edge, -1) << "an empty list selects nothing";
  EXPECT_EQ(editor_->CatalogSelection().flaw, -1);

  fs::remove(Path("Skills.dat"));
  fs::remove(Path("skills.dat"));
  platform_.ClearLog();
  EXPECT_FALSE(Start());
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"message [Ironveil Character Generator] (critical, OK) File not "
                                                      "found: " +
                                                      Folder() + "skills.dat -> OK"});
}

TEST_F(BooksPageTest, AMoveChangesBookAllowedAtOnceAndTheCatalogsAtTheNextReload) {
  ASSERT_TRUE(Start());
  editor_->Texts().Set("StreetName", "Nyx");
  editor_->Books().SelectNotAllowed(0);
  EXPECT_TRUE(editor_->Books().Lists().moveToAllowedEnabled);
  editor_->Books().MoveToAllowed();
  EXPECT_FALSE(editor_->Books().Lists().moveToAllowedEnabled);
  EXPECT_TRUE(BookAllowed(editor_->Books().Lists(), "fc"));
  EXPECT_EQ(CyberFrom("FC"), 0u);

  platform_.ClearLog();
  editor_->Books().Reload();
  EXPECT_GT(CyberFrom("FC"), 0u);
  EXPECT_EQ(editor_->CurrentCatalogs().allowedBooks, "[IV3][FC]");
  EXPECT_EQ(platform_.Log().size(), 11u) << "the progress window and nothing else";
  EXPECT_FALSE(platform_.Busy());
  EXPECT_EQ(editor_->Record().StreetName, "Nyx") << "the character is not touched";
  EXPECT_TRUE(editor_->Document().Modified);
  EXPECT_EQ(ReadWholeFile(Path("books.dat")).value_or(""), "! books\r\n*Core;IV3\r\nFlesh and Circuit;FC\r\n")
      << "only Save Settings writes books.dat";

  ASSERT_TRUE(editor_->Books().Save());
  EXPECT_EQ(ReadWholeFile(Path("books.dat")).value_or(""), "! books\r\n*Core;IV3\r\n*Flesh and Circuit;FC\r\n");
  EXPECT_FALSE(fs::exists(Path("booksdat.dat")));
}

TEST_F(BooksPageTest, ReloadWithACatalogGoneReportsItAndKeepsTheProgramRunning) {
  ASSERT_TRUE(Start());
  fs::remove(Path("powers.dat"));
  platform_.ClearLog();
  editor_->Books().Reload();
  EXPECT_EQ(platform_.Log()[6],
            "message [Ironveil Character Generator] (warning, OK) File not found: " + Folder() + "powers.dat -> OK");
  EXPECT_TRUE(editor_->CurrentCatalogs().powers.empty());
  EXPECT_FALSE(editor_->CurrentCatalogs().gear.tree.empty());
}

TEST_F(BooksPageTest, AFailedSaveIsShownWithThePathAndLeavesBooksDatAlone) {
  ASSERT_TRUE(Start());
  editor_->Books().SelectAllowed(0);
  editor_->Books().MoveToNotAllowed();
  platform_.ClearLog();
  fs::remove(Path("books.dat"));
  EXPECT_FALSE(editor_->Books().Save());
  ASSERT_EQ(platform_.Log().size(), 1u);
  EXPECT_EQ(platform_.Log()[0], "message [Ironveil Character Generator] (warning, OK) Could not write " +
                                    Path("books.dat") + ": the file cannot be read -> OK");
  EXPECT_FALSE(fs::exists(Path("books.dat")));
}

}  // namespace
}  // namespace ivgen
