// The catalogs we ship: every line well-formed, and every catalog with something in it once all
// the books are allowed.
#include <gtest/gtest.h>

#include "catalog/catalog_checker.h"
#include "catalog/catalogs.h"
#include "platform/scripted_platform.h"

namespace ivgen {
namespace {

TEST(BundledData, HasNoMalformedLine) {
  std::vector<std::string> report;
  for (const CatalogProblem& problem : CheckCatalogFolder(IVGEN_BUNDLED_DATA)) report.push_back(FormatProblem(problem));
  EXPECT_EQ(report, std::vector<std::string>{});
}

TEST(BundledData, EveryCatalogHasEntriesWhenAllBooksAreAllowed) {
  ScriptedPlatform platform;
  BookLists books;
  Catalogs catalogs;
  ASSERT_TRUE(LoadStartupLists(IVGEN_BUNDLED_DATA, books, catalogs.skills, platform));
  ASSERT_FALSE(books.allowed.empty()) << "the core book ships allowed";
  for (std::string& entry : books.notAllowed) books.allowed.push_back(std::move(entry));
  books.notAllowed.clear();
  ASSERT_TRUE(ReloadDatafiles(IVGEN_BUNDLED_DATA, books, catalogs, platform, ReloadTrigger::StartUp));
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

}  // namespace
}  // namespace ivgen
