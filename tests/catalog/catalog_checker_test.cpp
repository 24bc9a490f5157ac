#include "catalog/catalog_checker.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

std::vector<std::string> Report(const std::string& folder) {
  std::vector<std::string> lines;
  for (const CatalogProblem& problem : CheckCatalogFolder(folder)) lines.push_back(FormatProblem(problem));
  return lines;
}

TEST(CheckCatalogFolder, ReportsOneLinePerFaultWithFileAndLine) {
  EXPECT_EQ(Report(IVGEN_TEST_DATA "/faulty"),
            (std::vector<std::string>{
                "bioware.dat:1: book code \"ZZ\" is not in books.dat",
                "bioware.dat:2: text in columns 56-59, which are not read: a field beside it is out of place or too "
                "long",
                "books.dat:3: no \";\" between title and code; the line is skipped",
                "cyber.dat:1: book reference \"IV3 45\" in columns 1-10 has no \"-\"; the line is skipped",
                "cyber.dat:2: modifier code \"+2XYZ\" names \"XYZ\", which is not an attribute code",
                "edge.dat:1: book reference \"IV3\" in columns 40-44 has no \"-\"; the line is skipped",
                "gear.dat:2: type number 70 is above 64; the type line is skipped",
                "gear.dat:4: item has 1 of the 2 values type 3 needs; the item is not listed",
                "gear.dat:5: empty line; skipped",
                "gear.dat:6: item line is under no group: the line before it ends the group",
                "meta.dat:1: the record does not end with the marker \"$\" after its last \"|\"",
                "powers.dat:1: modifier code \"1STR\" does not start with \"+\" or \"-\"",
                "range.dat:1: weapon kind \"Heavy Pistolery\" is cut to \"Heavy Pist\"",
                "range.dat:2: range value \"x20\" is not a whole number; the line is skipped",
                "skills.dat:3: line starts with neither \"#\", a letter, nor one or two spaces and a text; it makes no "
                "node",
                "spells.dat:1: category line has no \"/\"; skipped",
                "spells.dat:2: drain \"Deadly      \" (columns 64-75) has no \")\"; shown empty",
                "spells.dat:2: category code \"C\" in column 76 matches no \"#\" category line",
                "totems.dat:1: starts with a UTF-8 byte order mark, which the program skips; the file is read as "
                "Windows-1252, so save it in that encoding",
            }));
}

TEST(CheckCatalogFolder, WellFormedCatalogsGiveNoProblem) {
  EXPECT_EQ(Report(IVGEN_TEST_DATA "/small"), std::vector<std::string>{});
}

TEST(CheckCatalogFolder, MissingCatalogsAreProblemsOfTheWholeFile) {
  const auto report = Report(IVGEN_TEST_DATA "/no-such-folder");
  ASSERT_EQ(report.size(), 11u);
  EXPECT_EQ(report.front(), "bioware.dat: cannot be opened");
  EXPECT_EQ(report.back(), "totems.dat: cannot be opened");
}

}  // namespace
}  // namespace ivgen
