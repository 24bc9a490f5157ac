#include "app/catalog_loading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "catalog/catalog_fixture.h"
#include "platform/scripted_platform.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;

// The catalog layer's small fixture: one allowed and one other book, a line or two per catalog.
constexpr const char* kSmallCatalogs = IVGEN_BUNDLED_DATA "/../tests/catalog/data/small";
const std::string kTell = "message [Ironveil Character Generator] ";

// Records the busy pointer's changes beside the prompts.
class RecordingPlatform : public ScriptedPlatform {
 public:
  void SetBusy(bool busy) override {
    busyChanges.push_back(busy);
    ScriptedPlatform::SetBusy(busy);
  }
  std::vector<bool> busyChanges;
};

// What the pages show of each catalog, in one line.
std::string Summary(const Catalogs& c) {
  return "cyber " + std::to_string(c.cyberware.size()) + ", bio " + std::to_string(c.bioware.size()) + ", spells " +
         Joined(c.spells.categories) + "/" + std::to_string(c.spells.SpellLines.size()) + ", " + Joined(c.traditions) +
         ", powers " + std::to_string(c.powers.size()) + ", gear " + std::to_string(c.gear.tree.size()) + ", edges " +
         Joined(c.edges.edges) + "/" + std::to_string(c.edges.flaws.size()) + ", " + c.metaLines[0] + "|" +
         c.metaLines[1] + ", ranges " + std::to_string(c.RangeTable.size());
}

class ReloadDatafilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Named without its trailing "/", which makes MinGW's copy copy nothing.
    std::filesystem::copy(kSmallCatalogs, std::filesystem::path(folder_.Path()).parent_path(),
                          std::filesystem::copy_options::recursive);
    ASSERT_TRUE(LoadStartupLists(folder_.Path(), books_, skills_, platform_));
    EXPECT_TRUE(platform_.Log().empty());
  }
  bool Reload(ReloadTrigger trigger) { return ReloadDatafiles(folder_.Path(), books_, catalogs_, platform_, trigger); }

  testing::CatalogFolder folder_;
  BookLists books_;
  SkillCatalog skills_;
  Catalogs catalogs_;
  RecordingPlatform platform_;
};

std::vector<std::string> Progress() {
  std::vector<std::string> lines = {"progress [Reloading files] Loading ...."};
  for (const char* step : {"Cyberware", "Bioware", "Spells", "Traditions", "Powers", "Gear", "Edges/Flaws", "MetaTypes",
                           "Range", "closed"}) {
    lines.push_back(std::string("progress ") + step);
  }
  return lines;
}
const std::vector<std::string> kProgress = Progress();
const std::string kAllowedCore =
    "cyber 2, bio 2, spells Combat\tC/1, Hermetic mage | Shamanic: Bear, powers 1, gear 2, edges "
    "Ambidextrous[1]\t1\tIV3-9\t/1, E Night elf|0|1|0|2|0|0|3|Low Light Vision|$|, ranges 1";

TEST_F(ReloadDatafilesTest, LoadsEveryCatalogOfTheAllowedBooksInOrder) {
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  EXPECT_TRUE(platform_.busyChanges.empty()) << "start-up shows no busy pointer";
  EXPECT_EQ(platform_.Log(), kProgress);
  EXPECT_EQ(catalogs_.allowedBooks, "[IV3]");
  EXPECT_EQ(Summary(catalogs_), kAllowedCore) << "the SC lines are left out";

  // A move takes effect in the catalogs only at the next reload.
  SelectNotAllowedBook(books_, 0);
  ASSERT_TRUE(MoveToAllowed(books_));
  EXPECT_EQ(catalogs_.cyberware.size(), 2u);
  platform_.ClearLog();
  ASSERT_TRUE(Reload(ReloadTrigger::Button));
  EXPECT_EQ(platform_.Log(), kProgress);
  EXPECT_EQ(platform_.busyChanges, (std::vector<bool>{true, false}));
  EXPECT_EQ(catalogs_.allowedBooks + " " + std::to_string(catalogs_.cyberware.size()), "[IV3][SC] 3");
}

// Start-up ends at a catalog that cannot be opened, cyberware excepted; the button used to end the
// program too, taking an unsaved character with it, and now says why and goes on.
TEST_F(ReloadDatafilesTest, ACatalogThatCannotBeReadIsReported) {
  const std::string folder = folder_.Path();
  const struct {
    std::string removed;  // a name ending in "/" is made a folder
    ReloadTrigger trigger;
    std::vector<std::pair<size_t, std::string>> told;  // inserted before that line of the progress
    const char* shown;                                 // a part of the summary afterwards; nullptr: start-up ends
  } cases[] = {
      {"cyber.dat",
       ReloadTrigger::StartUp,
       {{2, kTell + "(OK) Crash: " + folder + "Cyber.dat not found.! -> OK"}},
       "cyber 0, bio 2"},
      {"spells.dat",
       ReloadTrigger::StartUp,
       {{4, kTell + "(critical, OK) File not found: " + folder + "spells.dat -> OK"}},
       nullptr},
      {"totems.dat range.dat",
       ReloadTrigger::Button,
       {{5, kTell + "(warning, OK) File not found: " + folder + "totems.dat -> OK"},
        {10, kTell + "(warning, OK) File not found: " + folder + "range.dat -> OK"}},
       "Hermetic mage, powers 1"},
      // A catalog that is there but no file to read says why instead of "File not found".
      {"gear.dat/",
       ReloadTrigger::Button,
       {{7, kTell + "(warning, OK) Could not read " + folder + "gear.dat: Is a directory -> OK"}},
       "gear 0, edges Ambidextrous"},
      // The optional cyberware catalog too: it was reported missing, and start-up goes on.
      {"cyber.dat/",
       ReloadTrigger::StartUp,
       {{2, kTell + "(warning, OK) Could not read " + folder + "cyber.dat: Is a directory -> OK"}},
       "cyber 0, bio 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.removed);
    std::filesystem::remove_all(folder);
    std::filesystem::copy(kSmallCatalogs, std::filesystem::path(folder).parent_path());
    platform_.ClearLog();
    std::istringstream names(c.removed);
    for (std::string name; names >> name;) {
      std::filesystem::remove(folder + name.substr(0, name.find('/')));
      if (name.ends_with('/')) std::filesystem::create_directory(folder + name);
    }
    EXPECT_EQ(Reload(c.trigger), c.shown != nullptr);
    std::vector<std::string> expected = kProgress;
    for (auto it = c.told.rbegin(); it != c.told.rend(); ++it)
      expected.insert(expected.begin() + it->first, it->second);
    if (c.shown == nullptr) expected.erase(expected.begin() + 5, expected.end() - 1);
    EXPECT_EQ(platform_.Log(), expected);
    EXPECT_NE(Summary(catalogs_).find(c.shown ? c.shown : "cyber"), std::string::npos) << c.shown;
    EXPECT_FALSE(platform_.Busy());
  }
}

// Editors that save UTF-8 put a byte order mark first; it used to turn books.dat's first comment
// into a book and drop the first metatype.
TEST_F(ReloadDatafilesTest, AByteOrderMarkChangesNothingThePagesShow) {
  for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
    const std::string name = entry.path().filename().string();
    folder_.WriteBytes(name, "\xEF\xBB\xBF" + folder_.Read(name));
  }
  folder_.WriteBytes("books.dat", "\xEF\xBB\xBF! title;code\r\n*Ironveil Core;IV3\r\nStreet Companion;SC\r\n");
  ASSERT_TRUE(LoadStartupLists(folder_.Path(), books_, skills_, platform_));
  EXPECT_EQ(books_.allowed, std::vector<std::string>{"Ironveil Core\tIV3"});
  EXPECT_EQ(books_.notAllowed, std::vector<std::string>{"Street Companion\tSC"});
  EXPECT_EQ(skills_.categories, (std::vector<std::string>{"Active", "Knowledge"}));
  ASSERT_TRUE(Reload(ReloadTrigger::StartUp));
  EXPECT_EQ(Summary(catalogs_), kAllowedCore);
}

TEST_F(ReloadDatafilesTest, StartUpListsNameAMissingSkillsCatalog) {
  folder_.Remove("skills.dat");
  EXPECT_FALSE(LoadStartupLists(folder_.Path(), books_, skills_, platform_));
  EXPECT_EQ(platform_.Log(),
            std::vector<std::string>{kTell + "(critical, OK) File not found: " + folder_.Path() + "skills.dat -> OK"});
}

}  // namespace
}  // namespace ivgen
