// The Books page and catalog listings of ivgen-batch, over small catalogs made for the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/script_runner.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class CatalogCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test_support::FreshProgramFolder("batch", IVGEN_CATALOG_FIXTURES "/small");
    editor_ = std::make_unique<Editor>(platform_, folder_.string() + "/", "");
    ASSERT_TRUE(editor_->Startup());
    platform_.ClearLog();
    platform_.SetEcho([this](const std::string& line) { out_ << line << "\n"; });
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Run(const std::string& script) {
    std::istringstream in(script);
    ScriptRunner runner(platform_, *editor_, out_);
    runner.Run(in, "test.ivb", err_);
    return out_.str();
  }

  fs::path folder_;
  ScriptedPlatform platform_;
  std::unique_ptr<Editor> editor_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CatalogCommandsTest, MovesBooksSavesAndReloads) {
  EXPECT_EQ(Run("books\n"
                "books-allow\n"
                "books-select-not-allowed SC\n"
                "books\n"
                "books-allow\n"
                "books-allow\n"
                "books\n"
                "book-allowed sc\n"
                "books-save\n"
                "books-reload\n"
                "list cyberware\n"),
            "Source books allowed\n"
            "  Ironveil Core | IV3\n"
            "Source books not allowed\n"
            "  Street Companion | SC\n"
            "move to not allowed: disabled, move to allowed: disabled\n"
            "Source books allowed\n"
            "  Ironveil Core | IV3\n"
            "Source books not allowed\n"
            "  Street Companion | SC  (selected)\n"
            "move to not allowed: disabled, move to allowed: enabled\n"
            "Source books allowed\n"
            "  Ironveil Core | IV3\n"
            "  Street Companion | SC\n"
            "Source books not allowed\n"
            "move to not allowed: disabled, move to allowed: disabled\n"
            "book-allowed sc=yes\n"
            "progress [Reloading files] Loading ....\n"
            "progress Cyberware\n"
            "progress Bioware\n"
            "progress Spells\n"
            "progress Traditions\n"
            "progress Powers\n"
            "progress Gear\n"
            "progress Edges/Flaws\n"
            "progress MetaTypes\n"
            "progress Range\n"
            "progress closed\n"
            "Headware |  |  | IV3-40\n"
            "  Datajack | .2 | 1000 | IV3-45 |  | 2\n"
            "  Skull plate | .3 | 5000 | SC-12 | +1IMP | 3\n");
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(ReadWholeFile((folder_ / "books.dat").string()).value_or(""),
            "! Ironveil sourcebooks\r\n*Ironveil Core;IV3\r\n*Street Companion;SC\r\n");
}

TEST_F(CatalogCommandsTest, ListsEachCatalogAsItsPageShowsIt) {
  EXPECT_EQ(Run("list bioware\n"
                "list gear\n"
                "list gear-group 2\n"
                "list spell-categories\n"
                "list spells c\n"
                "list powers\n"
                "list traditions\n"
                "list edges\n"
                "list flaws\n"
                "list metatypes E\n"
                "list skills\n"
                "list ranges\n"),
            "Cultured |  |  | IV3-60\n"
            "  Cerebral Booster | .4 | 50000 | IV3-61 | C | +1INT\n"
            "1 Weapons\n"
            "  2 Pistols\n"
            "Pistols\n"
            "  Hold-out Pistol | 3|4L|1|100|IV3-101|\n"
            "Combat | C\n"
            "Manabolt | M | LOS | P | Inst   | (F/2) | %IV3-190C\n"
            "Improved Reflexes 1 | 2 | +1RCT,+1INI | IV3-169 | \n"
            "Hermetic mage\n"
            "Shamanic: Bear\n"
            "Ambidextrous[1] | 1 | IV3-9 | \n"
            "Bad Luck[-2] | -2 |  | \n"
            "Night elf|0|1|0|2|0|0|3|Low Light Vision|$\n"
            "Active\n"
            "  Firearms (QCK)\n"
            "    Pistols\n"
            "Knowledge\n"
            "  Biology (INT)\n"
            "Pistol     | 5 | 20 | 40 | 60\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(CatalogCommandsTest, RefusesWhatIsNotThere) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"books-select-allowed SC\n",
       "test.ivb:1: books-select-allowed: expects the code of a book in \"Source books allowed\"\n"},
      {"list gear-group 1\n",
       "test.ivb:1: list: expects the number of a gear group without groups under it, as 'list gear' shows it\n"},
      {"list gear-group 99999999999999999999\n",
       "test.ivb:1: list: expects the number of a gear group without groups under it, as 'list gear' shows it\n"},
      {"list spells Z\n", "test.ivb:1: list: expects the code letter of a spell category\n"},
      {"list armour\n",
       "test.ivb:1: list: expects cyberware, bioware, gear, gear-group N, spell-categories, spells CODE, powers, "
       "traditions, edges, flaws, metatypes [RACE], skills or ranges\n"},
  };
  for (const auto& c : cases) {
    err_.str("");
    Run(c.script);
    EXPECT_EQ(err_.str(), c.error) << c.script;
  }
}

}  // namespace
}  // namespace ivgen
