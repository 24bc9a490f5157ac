// The catalogs we ship: every line well-formed, and every catalog with something in it once all
// the books are allowed.
#include <gtest/gtest.h>

#include "catalog/catalog_checker.h"
#include "catalog/catalogs.h"

namespace ivgen {
namespace {

// Books and skills, then every other catalog with all books allowed.
void LoadAll(BookLists& books, Catalogs& catalogs, bool allowEveryBook) {
  ASSERT_EQ(LoadStartupLists(IVGEN_BUNDLED_DATA, books, catalogs.skills), std::nullopt);
  ASSERT_FALSE(books.allowed.empty()) << "the core book ships allowed";
  if (!allowEveryBook) return;
  for (std::string& entry : books.notAllowed) books.allowed.push_back(std::move(entry));
  books.notAllowed.clear();
  catalogs.allowedBooks = AllowedBooks(books);
  for (const ReloadStep& step : ReloadSteps()) EXPECT_TRUE(step.load(IVGEN_BUNDLED_DATA, catalogs)) << step.file;
}

TEST(BundledData, HasNoMalformedLine) {
  std::vector<std::string> report;
  for (const CatalogProblem& problem : CheckCatalogFolder(IVGEN_BUNDLED_DATA)) report.push_back(FormatProblem(problem));
  EXPECT_EQ(report, std::vector<std::string>{});
}

TEST(BundledData, EveryCatalogHasEntriesWhenAllBooksAreAllowed) {
  BookLists books;
  Catalogs catalogs;
  LoadAll(books, catalogs, true);
  EXPECT_FALSE(catalogs.skills.SkillCategoryStart.empty());
  EXPECT_FALSE(catalogs.cyberware.empty());
  EXPECT_FALSE(catalogs.bioware.empty());
  EXPECT_FALSE(catalogs.spells.categories.empty());
  EXPECT_FALSE(catalogs.spells.SpellLines.empty());
  EXPECT_GT(catalogs.traditions.size(), 1u);
  EXPECT_FALSE(catalogs.powers.empty());
  EXPECT_FALSE(catalogs.gear.tree.empty());
  EXPECT_FALSE(catalogs.edges.edges.empty());
  EXPECT_FALSE(catalogs.edges.flaws.empty());
  EXPECT_FALSE(catalogs.metaLines[0].empty());
  EXPECT_FALSE(catalogs.RangeTable.empty());
  size_t listed = 0;
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    if (const auto group = ShowGearGroup(IVGEN_BUNDLED_DATA, catalogs.gear, node, books)) listed += group->items.size();
  }
  EXPECT_GT(listed, 0u);
}

// What a game master can expect of the shipped data: enough of everything to build a character
// under any priority, and the forms the rules look for.
TEST(BundledData, HoldsWhatTheGameNeeds) {
  BookLists books;
  Catalogs catalogs;
  LoadAll(books, catalogs, false);
  EXPECT_EQ(books.allowed.size(), 1u) << "only the core book ships allowed";
  EXPECT_TRUE(BookAllowed(books, "IV3"));
  EXPECT_GE(books.notAllowed.size(), 3u);
  EXPECT_LE(books.notAllowed.size(), 5u);
  LoadAll(books, catalogs, true);

  size_t skills = 0;
  size_t deepest = 0;
  std::string skillNames;
  for (const SkillNode& node : catalogs.skills.SkillTable) {
    if (node.Level == 1) {
      ++skills;
      skillNames += node.Name + "\n";
    }
    if (node.Level == 3) ++deepest;
  }
  EXPECT_GE(catalogs.skills.categories.size(), 8u);
  EXPECT_GE(skills, 80u);
  EXPECT_GT(deepest, 0u);
  for (const char* code : {"(BOD)", "(QCK)", "(STR)", "(CHA)", "(INT)", "(WIL)", "(KNO)", "(LAN)"}) {
    EXPECT_NE(skillNames.find(code), std::string::npos) << code;
  }

  auto items = [](const CatalogTree& tree, const char* word) {
    size_t count = 0;
    bool named = false;
    for (const TreeNode& node : tree) {
      if (node.indent != 2) continue;
      ++count;
      named = named || node.text.find(word) != std::string::npos;
    }
    return std::make_pair(count, named);
  };
  EXPECT_GE(items(catalogs.cyberware, "Arms").first, 60u);
  EXPECT_TRUE(items(catalogs.cyberware, "Arms").second);
  EXPECT_TRUE(items(catalogs.cyberware, "Legs").second);
  EXPECT_GE(items(catalogs.bioware, "").first, 40u);

  EXPECT_GE(catalogs.spells.categories.size(), 5u);
  EXPECT_GE(catalogs.spells.SpellLines.size(), 80u);
  EXPECT_GE(catalogs.powers.size(), 30u);
  EXPECT_GE(catalogs.traditions.size(), 20u);
  EXPECT_EQ(catalogs.traditions.front(), "Hermetic mage");
  EXPECT_GE(catalogs.edges.edges.size(), 25u);
  EXPECT_GE(catalogs.edges.flaws.size(), 25u);
  size_t metatypes = 0;
  for (const std::string& line : catalogs.metaLines) metatypes += line.empty() ? 0 : 1;
  EXPECT_GE(metatypes, 12u);

  size_t gear = 0;
  bool internalMount = false;
  bool contacts[4] = {};
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    const auto group = ShowGearGroup(IVGEN_BUNDLED_DATA, catalogs.gear, node, books);
    if (!group) continue;
    for (const std::string& item : group->items) {
      ++gear;
      internalMount = internalMount || item.find("I, Internal") != std::string::npos;
      const size_t contact = item.find("Contact: ");
      const size_t type = item.find("16|", contact == std::string::npos ? item.size() : contact);
      if (type != std::string::npos && type + 3 < item.size()) {
        const int level = item[type + 3] - '0';
        if (level >= 1 && level <= 3) contacts[level] = true;
      }
    }
  }
  EXPECT_GE(gear, 250u);
  EXPECT_TRUE(internalMount);
  EXPECT_TRUE(contacts[1] && contacts[2] && contacts[3]) << "contacts of levels 1, 2 and 3";
}

}  // namespace
}  // namespace ivgen
