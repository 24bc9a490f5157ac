// The catalogs we ship (that every line is well-formed is the checker's run over them): enough of
// everything to build a character under any priority, and the forms the rules look for.
#include <gtest/gtest.h>

#include "catalog/catalogs.h"

namespace ivgen {
namespace {

size_t Items(const CatalogTree& tree, const char* word, bool* named = nullptr) {
  size_t count = 0;
  for (const TreeNode& node : tree) {
    if (node.indent != 2) continue;
    ++count;
    if (named != nullptr) *named = *named || node.text.find(word) != std::string::npos;
  }
  return count;
}

TEST(BundledData, HoldsWhatTheGameNeeds) {
  BookLists books;
  Catalogs catalogs;
  ASSERT_EQ(LoadStartupLists(IVGEN_BUNDLED_DATA, books, catalogs.skills), std::nullopt);
  EXPECT_EQ(books.allowed.size(), 1u) << "only the core book ships allowed";
  EXPECT_TRUE(BookAllowed(books, "IV3"));
  EXPECT_GE(books.notAllowed.size(), 3u);
  EXPECT_LE(books.notAllowed.size(), 5u);
  for (std::string& entry : books.notAllowed) books.allowed.push_back(std::move(entry));
  books.notAllowed.clear();
  catalogs.allowedBooks = AllowedBooks(books);
  for (const ReloadStep& step : ReloadSteps()) EXPECT_TRUE(step.load(IVGEN_BUNDLED_DATA, catalogs)) << step.file;

  std::string skillNames;
  size_t skills = 0, deepest = 0, metatypes = 0, gear = 0;
  for (const SkillNode& node : catalogs.skills.SkillTable) {
    if (node.Level == 1) skillNames += node.Name + "\n";
    skills += node.Level == 1 ? 1 : 0;
    deepest += node.Level == 3 ? 1 : 0;
  }
  for (const char* code : {"(BOD)", "(QCK)", "(STR)", "(CHA)", "(INT)", "(WIL)", "(KNO)", "(LAN)"}) {
    EXPECT_NE(skillNames.find(code), std::string::npos) << code;
  }
  bool arms = false, legs = false, internalMount = false;
  Items(catalogs.cyberware, "Legs", &legs);
  for (const std::string& line : catalogs.metaLines) metatypes += line.empty() ? 0 : 1;
  bool contacts[4] = {};
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    const auto group = ShowGearGroup(IVGEN_BUNDLED_DATA, catalogs.gear, node, books);
    if (!group) continue;
    for (const std::string& item : group->items) {
      ++gear;
      internalMount = internalMount || item.find("I, Internal") != std::string::npos;
      const size_t contact = item.find("Contact: ");
      const size_t type = item.find("16|", contact == std::string::npos ? item.size() : contact);
      if (type != std::string::npos && type + 3 < item.size() && item[type + 3] >= '1' && item[type + 3] <= '3') {
        contacts[item[type + 3] - '0'] = true;
      }
    }
  }
  const std::tuple<const char*, size_t, size_t> counts[] = {
      {"skill categories", catalogs.skills.categories.size(), 8},
      {"skills", skills, 80},
      {"skills three deep", deepest, 1},
      {"cyberware", Items(catalogs.cyberware, "Arms", &arms), 60},
      {"bioware", Items(catalogs.bioware, ""), 40},
      {"spell categories", catalogs.spells.categories.size(), 5},
      {"spells", catalogs.spells.SpellLines.size(), 80},
      {"powers", catalogs.powers.size(), 30},
      {"traditions", catalogs.traditions.size(), 20},
      {"edges", catalogs.edges.edges.size(), 25},
      {"flaws", catalogs.edges.flaws.size(), 25},
      {"metatypes", metatypes, 12},
      {"gear", gear, 250},
      {"ranges", catalogs.RangeTable.size(), 1},
  };
  for (const auto& [what, count, minimum] : counts) EXPECT_GE(count, minimum) << what;
  EXPECT_TRUE(arms && legs && internalMount);
  EXPECT_EQ(catalogs.traditions.front(), "Hermetic mage");
  EXPECT_TRUE(contacts[1] && contacts[2] && contacts[3]) << "contacts of levels 1, 2 and 3";
  // A chosen spell keeps seven characters after the "%": a shorter reference would carry the
  // category letter into the file and onto the sheet.
  for (const std::string& spell : catalogs.spells.SpellLines) {
    EXPECT_EQ(spell.size() - spell.rfind('%'), 9u) << spell;
  }
}

}  // namespace
}  // namespace ivgen
