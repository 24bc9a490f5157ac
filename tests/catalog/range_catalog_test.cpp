#include "catalog/range_catalog.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

TEST(LoadRanges, FillsOneRowPerLineWithTheNameCutOrPaddedToTen) {
  testing::CatalogFolder folder;
  folder.Write("range.dat", {
                                "! ranges",
                                "x|Hold-out|0|5|15|30|",
                                "x|Heavy Pistolery|5|20|40|60",
                                "x|Shotgun|10|x20|50|100|",  // malformed value
                                "x|Taser|5|10",              // too few parts
                                "x| Bow |  5 |+10|30.5|-1|",
                            });
  const auto rows = LoadRanges(folder.Path());
  ASSERT_TRUE(rows.has_value());
  EXPECT_EQ(*rows, (std::vector<RangeRow>{
                       {"Hold-out  ", 0, 5, 15, 30}, {"Heavy Pist", 5, 20, 40, 60}, {" Bow      ", 5, 10, 30, -1}}));
}

TEST(LoadRanges, AReloadForgetsRowsNoLongerInTheFile) {
  testing::CatalogFolder folder;
  folder.Write("range.dat", {"x|Pistol|5|20|40|60|", "x|Rifle|50|100|300|600|"});
  ASSERT_EQ(LoadRanges(folder.Path())->size(), 2u);
  folder.Write("range.dat", {"x|Pistol|5|20|40|60|"});
  EXPECT_EQ(*LoadRanges(folder.Path()), (std::vector<RangeRow>{{"Pistol    ", 5, 20, 40, 60}}));
}

TEST(LoadRanges, StopsAtFiftyOneRows) {
  testing::CatalogFolder folder;
  std::vector<std::string> lines;
  for (int i = 0; i < 60; ++i) lines.push_back("x|R" + std::to_string(i) + "|1|2|3|4|");
  folder.Write("range.dat", lines);
  const auto rows = LoadRanges(folder.Path());
  ASSERT_EQ(rows->size(), 51u);
  EXPECT_EQ(rows->back().Name, "R50       ");
}

}  // namespace
}  // namespace ivgen
