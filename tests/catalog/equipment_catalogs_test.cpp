#include "catalog/equipment_catalogs.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;
using testing::Columns;

std::string CyberLine(std::string_view book, std::string_view name, std::string_view essence, std::string_view price,
                      std::string_view street, std::string_view codes = "", std::string_view note = "",
                      std::string_view capacity = "", std::string_view group = "") {
  return Columns({{1, book},
                  {11, name},
                  {39, essence},
                  {44, price},
                  {54, street},
                  {60, capacity},
                  {65, group},
                  {70, codes},
                  {95, note}});
}

TEST(LoadCyberware, BuildsHeadersAndItemsWithTheirFields) {
  CatalogFolder folder;
  folder.Write("cyber.dat", {
                                "! headware",
                                CyberLine("IV3-40", "Headware", "", "500", ""),
                                CyberLine("IV3-45", "Datajack", ".2", "1000", "1", "+1INT", "  wired in  "),
                                CyberLine("IV3-46", "Cyberarm", "1", "75000", "1.5", "", "", "10", "E"),
                            });
  const auto tree = LoadCyberware(folder.Path(), "[IV3]");
  ASSERT_TRUE(tree.has_value());
  ASSERT_EQ(tree->size(), 3u);
  // A header is told by its empty street index, whatever else the line holds.
  EXPECT_EQ((*tree)[0], (TreeNode{"Headware\t\t\t\t\t\t\t\t500\tIV3-40\t\t\t\t\t", 1}));
  EXPECT_EQ((*tree)[1], (TreeNode{"Datajack\t\t\t\t\t\t\t.2\t1000\tIV3-45\t+1INT\t1\twired in\t\t", 2}));
  EXPECT_EQ(TreeEntryFields((*tree)[2].text),
            (std::vector<std::string>{"Cyberarm", "1", "75000", "IV3-46", "", "1.5", "", "10", "E"}));
  EXPECT_EQ((*tree)[2].indent, 2);
}

TEST(LoadCyberware, KeepsOnlyLinesOfAllowedBooks) {
  CatalogFolder folder;
  folder.Write("cyber.dat", {
                                CyberLine("IV3-45", "Datajack", ".2", "1000", "1"),
                                CyberLine("IV-12", "Old jack", ".2", "900", "1"),     // IV is not IV3
                                CyberLine("iv3-45", "Lower jack", ".2", "900", "1"),  // case counts here
                                CyberLine("XX-3", "Extra jack", ".2", "900", "1"),
                                CyberLine("IV3 45", "No dash", ".2", "900", "1"),  // malformed
                            });
  const auto onlyCore = LoadCyberware(folder.Path(), "[IV3]");
  ASSERT_EQ(onlyCore->size(), 1u);
  EXPECT_EQ(TreeEntryFields((*onlyCore)[0].text)[0], "Datajack");
  EXPECT_EQ(LoadCyberware(folder.Path(), "[IV3][XX]")->size(), 2u);
  EXPECT_TRUE(LoadCyberware(folder.Path(), "")->empty());
}

TEST(LoadCyberware, MissingCatalogGivesNothing) {
  CatalogFolder folder;
  EXPECT_FALSE(LoadCyberware(folder.Path(), "[IV3]").has_value());
}

TEST(LoadBioware, HeaderIsTheLineWithoutBioIndexAndTheNoteIsKeptUntrimmed) {
  CatalogFolder folder;
  folder.Write("Bioware.dat", {
                                  Columns({{1, "IV3-60"}, {11, "Cultured"}, {45, "1000"}}),
                                  Columns({{1, "IV3-61"},
                                           {11, "Cerebral Booster"},
                                           {40, ".4"},
                                           {45, "50000"},
                                           {55, "C"},
                                           {60, "+1INT"},
                                           {90, " keeps its blanks  "}}),
                                  Columns({{1, "XX-2"}, {11, "Other book"}, {40, ".2"}}),
                              });
  const auto tree = LoadBioware(folder.Path(), "[IV3]");
  ASSERT_TRUE(tree.has_value());
  ASSERT_EQ(tree->size(), 2u);
  EXPECT_EQ((*tree)[0].indent, 1);
  EXPECT_EQ((*tree)[1].indent, 2);
  EXPECT_EQ((*tree)[1].text, "Cerebral Booster\t\t\t\t\t\t\t.4\t50000\tIV3-61\tC\t+1INT\t keeps its blanks  ");
}

}  // namespace
}  // namespace ivgen
