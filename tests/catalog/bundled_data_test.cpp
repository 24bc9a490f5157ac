// The catalogs we ship (that every line is well-formed is the checker's run over them): enough of
// everything to build a character under any priority, and the forms the rules look for.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "catalog/catalogs.h"

namespace ivgen {
namespace {

// The items of a tree, one a line.
std::string Items(const CatalogTree& tree) {
  std::string items;
  for (const TreeNode& node : tree) items += node.indent == 2 ? node.text + "\n" : "";
  return items;
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(BundledData, HoldsWhatTheGameNeeds) {
  BookLists books;
  Catalogs catalogs;
  ASSERT_EQ(LoadStartupLists(IVGEN_BUNDLED_DATA, books, catalogs.skills), std::nullopt);
  EXPECT_EQ(AllowedBooks(books), "[IV3]") << "only the core book ships allowed";
  EXPECT_TRUE(books.notAllowed.size() >= 3 && books.notAllowed.size() <= 5) << books.notAllowed.size();
  books.allowed.insert(books.allowed.end(), books.notAllowed.begin(), books.notAllowed.end());
  books.notAllowed.clear();
  catalogs.allowedBooks = AllowedBooks(books);
  for (const ReloadStep& step : ReloadSteps()) EXPECT_TRUE(step.load(IVGEN_BUNDLED_DATA, catalogs)) << step.file;

  std::string skills, gear;
  size_t deepest = 0, metatypes = 0;
  for (const SkillNode& node : catalogs.skills.SkillTable) {
    skills += node.Level == 1 ? node.Name + "\n" : "";
    deepest += node.Level == 3 ? 1 : 0;
  }
  for (const char* code : {"(BOD)", "(QCK)", "(STR)", "(CHA)", "(INT)", "(WIL)", "(KNO)", "(LAN)"}) {
    EXPECT_NE(skills.find(code), std::string::npos) << code;
  }
  for (const std::string& line : catalogs.metaLines) metatypes += line.empty() ? 0 : 1;
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    const auto group = ShowGearGroup(IVGEN_BUNDLED_DATA, catalogs.gear, node, books);
    for (const std::string& item : group ? group->items : std::vector<std::string>{}) gear += item + "\n";
  }
  const std::string cyberware = Items(catalogs.cyberware);
  const std::tuple<const char*, size_t, size_t> counts[] = {
      {"skill categories", catalogs.skills.categories.size(), 8},
      {"skills", Lines(skills), 80},
      {"skills three deep", deepest, 1},
      {"cyberware", Lines(cyberware), 60},
      {"bioware", Lines(Items(catalogs.bioware)), 40},
      {"spell categories", catalogs.spells.categories.size(), 5},
      {"spells", catalogs.spells.SpellLines.size(), 80},
      {"powers", catalogs.powers.size(), 30},
      {"traditions", catalogs.traditions.size(), 20},
      {"edges", catalogs.edges.edges.size(), 25},
      {"flaws", catalogs.edges.flaws.size(), 25},
      {"metatypes", metatypes, 12},
      {"gear", Lines(gear), 250},
      {"ranges", catalogs.RangeTable.size(), 1},
  };
  for (const auto& [what, count, minimum] : counts) EXPECT_GE(count, minimum) << what;
  // The forms the rules look for: cyber limbs, an internal mount, contacts of every level.
  for (const char* form : {"Arms", "Legs"}) EXPECT_NE(cyberware.find(form), std::string::npos) << form;
  for (const char* form : {"I, Internal", "\t16|1|", "\t16|2|", "\t16|3|"}) {
    EXPECT_NE(gear.find(form), std::string::npos) << form;
  }
  EXPECT_EQ(catalogs.traditions.front(), "Hermetic mage");
}

}  // namespace
}  // namespace ivgen
