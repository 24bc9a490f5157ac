#include "app/catalog_loading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/catalog_fixture.h"
#include "platform/scripted_platform.h"

namespace ivgen {
namespace {

// The catalog layer's small fixture: one allowed and one other book, a line or two per catalog.
constexpr const char* kSmallCatalogs = IVGEN_BUNDLED_DATA "/../tests/catalog/data/small";
constexpr auto kCopyOptions =
    std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing;

// Records the busy pointer's changes beside the prompts.
class RecordingPlatform : public ScriptedPlatform {
 public:
  void SetBusy(bool busy) override {
    busyChanges.push_back(busy);
    ScriptedPlatform::SetBusy(busy);
  }
  std::vector<bool> busyChanges;
};

class ReloadDatafilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(kSmallCatalogs, folder_.Path(), kCopyOptions);
    const auto books = LoadBooks(folder_.Path());
    ASSERT_TRUE(books.has_value());
    books_ = *books;
  }
  bool Reload(ReloadTrigger trigger) { return ReloadDatafiles(folder_.Path(), books_, catalogs_, platform_, trigger); }

  testing::CatalogFolder folder_;
  BookLists books_;
  Catalogs catalogs_;
  RecordingPlatform platform_;
};

const std::vector<std::string> kProgressOfAFullReload = {
    "progress [Reloading files] Loading ....",
    "progress Cyberware",
    "progress Bioware",
    "progress Spells",
    "progress Traditions",
    "progress Powers",
    "progress Gear",
    "progress Edges/Flaws",
    "progress MetaTypes",
    "progress Range",
    "progress closed",
};

TEST_F(ReloadDatafilesTest, LoadsEveryCatalogOfTheAllowedBooksInOrder) {
  ASSERT_TRUE(Reload(ReloadTrigger::Button));
  EXPECT_EQ(platform_.Log(), kProgressOfAFullReload);
  EXPECT_EQ(platform_.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(catalogs_.allowedBooks, "[IV3]");
  EXPECT_EQ(catalogs_.cyberware.size(), 2u) << "the SC line is left out";
  EXPECT_EQ(catalogs_.bioware.size(), 2u);
  EXPECT_EQ(catalogs_.spells.SpellLines.size(), 1u);
  EXPECT_EQ(catalogs_.traditions, (std::vector<std::string>{"Hermetic mage", "Shamanic: Bear"}));
  EXPECT_EQ(catalogs_.powers.size(), 1u);
  EXPECT_EQ(catalogs_.gear.tree.size(), 2u);
  EXPECT_EQ(catalogs_.edges.edges.size(), 1u);
  EXPECT_EQ(catalogs_.edges.flaws.size(), 1u);
  EXPECT_EQ(catalogs_.metaLines[0], "E Night elf|0|1|0|2|0|0|3|Low Light Vision|$");
  EXPECT_EQ(catalogs_.RangeTable.size(), 1u);

  // A move takes effect in the catalogs only at the next reload.
  SelectNotAllowedBook(books_, 0);
  ASSERT_TRUE(MoveToAllowed(books_));
  EXPECT_EQ(catalogs_.cyberware.size(), 2u);
  ASSERT_TRUE(Reload(ReloadTrigger::Button));
  EXPECT_EQ(catalogs_.allowedBooks, "[IV3][SC]");
  EXPECT_EQ(catalogs_.cyberware.size(), 3u);
}

TEST_F(ReloadDatafilesTest, StartUpShowsNoBusyPointer) {
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  EXPECT_EQ(platform_.Log(), kProgressOfAFullReload);
  EXPECT_TRUE(platform_.busyChanges.empty());
}

TEST_F(ReloadDatafilesTest, MissingCyberwareIsReportedAndLoadingGoesOn) {
  folder_.Remove("cyber.dat");
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  const auto& log = platform_.Log();
  ASSERT_EQ(log.size(), kProgressOfAFullReload.size() + 1);
  EXPECT_EQ(log[2],
            "message [Ironveil Character Generator] (OK) Crash: " + folder_.Path() + "Cyber.dat not found.! -> OK");
  EXPECT_TRUE(catalogs_.cyberware.empty());
  EXPECT_EQ(catalogs_.RangeTable.size(), 1u);
}

TEST_F(ReloadDatafilesTest, StartUpEndsAtACatalogThatCannotBeOpened) {
  folder_.Remove("spells.dat");
  EXPECT_FALSE(Reload(ReloadTrigger::StartUp));
  EXPECT_EQ(platform_.Log(), (std::vector<std::string>{
                                 "progress [Reloading files] Loading ....",
                                 "progress Cyberware",
                                 "progress Bioware",
                                 "progress Spells",
                                 "message [Ironveil Character Generator] (critical, OK) File not found: " +
                                     folder_.Path() + "spells.dat -> OK",
                                 "progress closed",
                             }));
}

// The button used to end the program here too, taking an unsaved character with it.
TEST_F(ReloadDatafilesTest, TheButtonReportsAMissingCatalogAndGoesOnWithItEmpty) {
  ASSERT_TRUE(Reload(ReloadTrigger::Button));
  platform_.ClearLog();
  folder_.Remove("totems.dat");
  folder_.Remove("range.dat");
  EXPECT_TRUE(Reload(ReloadTrigger::Button));
  const auto& log = platform_.Log();
  ASSERT_EQ(log.size(), kProgressOfAFullReload.size() + 2);
  EXPECT_EQ(log[5], "message [Ironveil Character Generator] (warning, OK) File not found: " + folder_.Path() +
                        "totems.dat -> OK");
  EXPECT_EQ(log[11], "message [Ironveil Character Generator] (warning, OK) File not found: " + folder_.Path() +
                         "range.dat -> OK");
  EXPECT_EQ(catalogs_.traditions, std::vector<std::string>{"Hermetic mage"});
  EXPECT_TRUE(catalogs_.RangeTable.empty());
  EXPECT_EQ(catalogs_.gear.tree.size(), 2u);
  EXPECT_FALSE(platform_.Busy());
}

// A catalog that is there but no file to read says why instead of "File not found".
TEST_F(ReloadDatafilesTest, TheButtonSaysWhyACatalogThatIsThereCannotBeRead) {
  folder_.Remove("gear.dat");
  std::filesystem::create_directory(folder_.Path() + "gear.dat");
  EXPECT_TRUE(Reload(ReloadTrigger::Button));
  EXPECT_EQ(platform_.Log()[7], "message [Ironveil Character Generator] (warning, OK) Could not read " +
                                    folder_.Path() + "gear.dat: Is a directory -> OK");
}

// Editors that save UTF-8 put a byte order mark first; it used to turn books.dat's first comment
// into a book and drop the first metatype.
TEST_F(ReloadDatafilesTest, AByteOrderMarkChangesNothingThePagesShow) {
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  const Catalogs plain = catalogs_;
  folder_.WriteBytes("meta.dat", "\xEF\xBB\xBF" + folder_.Read("meta.dat"));
  folder_.WriteBytes("books.dat", "\xEF\xBB\xBF! title;code\r\n*Ironveil Core;IV3\r\n");
  const auto books = LoadBooks(folder_.Path());
  ASSERT_TRUE(books.has_value());
  EXPECT_EQ(books->allowed, std::vector<std::string>{"Ironveil Core\tIV3"});
  EXPECT_TRUE(books->notAllowed.empty());
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  EXPECT_EQ(catalogs_.metaLines, plain.metaLines);
}

TEST(LoadStartupLists, ReadsBooksThenSkillsAndNamesAMissingFile) {
  testing::CatalogFolder folder;
  std::filesystem::copy(kSmallCatalogs, folder.Path(), kCopyOptions);
  ScriptedPlatform platform;
  BookLists books;
  SkillCatalog skills;
  ASSERT_TRUE(LoadStartupLists(folder.Path(), books, skills, platform));
  EXPECT_EQ(books.allowed, std::vector<std::string>{"Ironveil Core\tIV3"});
  EXPECT_EQ(skills.categories, (std::vector<std::string>{"Active", "Knowledge"}));
  EXPECT_TRUE(platform.Log().empty());

  folder.Remove("skills.dat");
  EXPECT_FALSE(LoadStartupLists(folder.Path(), books, skills, platform));
  EXPECT_EQ(platform.Log(), std::vector<std::string>{"message [Ironveil Character Generator] (critical, OK) File not "
                                                     "found: " +
                                                     folder.Path() + "skills.dat -> OK"});
}

}  // namespace
}  // namespace ivgen
