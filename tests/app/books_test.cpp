// The Books page and the catalog loads of start-up, driven through the Editor as a player would.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_test.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class BooksPageTest : public test_support::ProgramTest {
 protected:
  BooksPageTest() { Write("books.dat", "! books\r\n*Core;IV3\r\nFlesh and Circuit;FC\r\n"); }
  size_t CyberFrom(const std::string& code) const {
    size_t count = 0;
    for (const TreeNode& node : editor_->CurrentCatalogs().cyberware) {
      count += node.text.find("\t" + code + "-") != std::string::npos ? 1 : 0;
    }
    return count;
  }
};

// The catalog loading tests follow start-up through each missing catalog; here what the pages
// select when a list is empty.
TEST_F(BooksPageTest, AnEmptyCatalogSelectsNothing) {
  Write("edge.dat", "");
  Start();
  const EdgesView& edges = editor_->EdgesAndFlaws().View();
  EXPECT_EQ(std::to_string(edges.selectedEdge) + " " + std::to_string(edges.selectedFlaw) + " " +
                std::to_string(editor_->Spells().View().selectedCategory),
            "-1 -1 0");
}

TEST_F(BooksPageTest, AReloadKeepsTheCharacterAndOnlySaveSettingsWritesBooksDat) {
  Start();
  EXPECT_GT(CyberFrom("IV3"), 0u);
  editor_->Texts().Set("StreetName", "Nyx");
  editor_->Books().SelectNotAllowed(0);
  editor_->Books().MoveToAllowed();
  EXPECT_EQ(CyberFrom("FC"), 0u);
  // A search typed before the reload finds what the reload brought, at its new place.
  editor_->Cyberware().Search("duplicate");
  EXPECT_TRUE(editor_->Cyberware().View().search.NoMatches());
  editor_->Books().Reload();
  EXPECT_GT(CyberFrom("FC"), 0u);
  const CatalogSearch& found = editor_->Cyberware().View().search;
  ASSERT_EQ(found.matches.size(), 1u);
  EXPECT_EQ(TreeEntryFields(editor_->CurrentCatalogs().cyberware[found.matches[0].itemAt].text)[0],
            "Eye: Retina Duplicate");
  EXPECT_EQ(Log().size(), 11u) << "the progress window and nothing else";
  EXPECT_TRUE(editor_->Record().StreetName == "Nyx" && editor_->Document().Modified);
  EXPECT_EQ(Read("books.dat"), "! books\r\n*Core;IV3\r\nFlesh and Circuit;FC\r\n") << "only Save Settings writes it";

  // A failed save is shown with the path and leaves books.dat alone.
  platform_.ClearLog();
  fs::remove(Path("books.dat"));
  EXPECT_FALSE(editor_->Books().Save());
  EXPECT_EQ(Log(), std::vector<std::string>{"message [Ironveil Character Generator] (warning, OK) Could not write " +
                                            Path("books.dat") + ": the file cannot be read -> OK"});
  EXPECT_FALSE(fs::exists(Path("books.dat")));
}

}  // namespace
}  // namespace ivgen
