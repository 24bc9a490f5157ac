#include "catalog/line_syntax.h"

#include <gtest/gtest.h>

#include "catalog/catalog_file.h"
#include "catalog_fixture.h"

namespace ivgen {
namespace {

TEST(LineSyntax, CutGivesWhatExistsOfAShortLine) {
  struct Case {
    std::string_view line;
    size_t column, length;
    std::string expected;
  } cases[] = {
      {"IV3-45    Wired", 11, 23, "Wired"},
      {"IV3-45", 11, 23, ""},
      {"ABCDEF", 4, 10, "DEF"},
      {"ABCDEF", 6, 1, "F"},
      {"ABCDEF", 7, 1, ""},
      {"", 1, 10, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Cut(c.line, c.column, c.length), c.expected) << c.line << " @" << c.column;
  EXPECT_EQ(CutFrom("IV3-45    Wired", 11), "Wired");
  EXPECT_EQ(CutFrom("IV3", 11), "");
}

TEST(LineSyntax, TreeEntryWidensOnlyTheTabAfterTheName) {
  const std::string entry = TreeEntry({"Datajack", ".2", "1000", "IV3-45", "", "4"});
  EXPECT_EQ(entry, "Datajack\t\t\t\t\t\t\t.2\t1000\tIV3-45\t\t4");
  EXPECT_EQ(TreeEntryFields(entry), (std::vector<std::string>{"Datajack", ".2", "1000", "IV3-45", "", "4"}));
  // An empty second field must not swallow a Tab of the widened run.
  EXPECT_EQ(TreeEntryFields(TreeEntry({"Head", "", "x"})), (std::vector<std::string>{"Head", "", "x"}));
}

TEST(LineSyntax, BracketedFilterMatchesTheWholeCodeAndItsCase) {
  EXPECT_TRUE(InAllowedBooks("[IV3][XX]", "IV3", nullptr));
  EXPECT_TRUE(InAllowedBooks("[IV3][XX]", "XX", nullptr));
  EXPECT_FALSE(InAllowedBooks("[IV3]", "IV", nullptr));
  EXPECT_FALSE(InAllowedBooks("[IV3]", "iv3", nullptr));
  EXPECT_FALSE(InAllowedBooks("", "IV3", nullptr));
  LoadNotes checker;
  checker.everyBook = true;
  EXPECT_TRUE(InAllowedBooks("", "ANY", &checker));
}

TEST(CatalogFile, FileNamesMatchWithoutRegardToCase) {
  testing::CatalogFolder folder;
  folder.Write("Cyber.DAT", {"line one"});
  const auto found = ReadCatalog(folder.Path(), "cyber.dat");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->name, "Cyber.DAT");
  EXPECT_EQ(found->lines, std::vector<std::string>{"line one"});
  EXPECT_FALSE(ReadCatalog(folder.Path(), "gear.dat").has_value());
  EXPECT_FALSE(ReadCatalog(folder.Path() + "no-such-folder/", "cyber.dat").has_value());
}

TEST(CatalogFile, LinesEndedByLfAloneReadTheSame) {
  testing::CatalogFolder folder;
  folder.WriteBytes("range.dat", "a|b\nc|d\n");
  EXPECT_EQ(ReadCatalog(folder.Path(), "range.dat")->lines, (std::vector<std::string>{"a|b", "c|d"}));
}

}  // namespace
}  // namespace ivgen
