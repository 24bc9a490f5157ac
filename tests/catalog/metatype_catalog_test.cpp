#include "catalog/metatype_catalog.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

TEST(LoadMetatypes, KeepsTheLinesAsTheyStandUpToThirtyOne) {
  testing::CatalogFolder folder;
  std::vector<std::string> lines{"E Night elf    |0|1|0|2|0|0|3|Low Light Vision|$", "! not a comment here"};
  for (int i = 0; i < 40; ++i) lines.push_back("D Dwarf " + std::to_string(i) + "|1|0|2|0|0|1|2|$");
  folder.Write("meta.dat", lines);
  const auto meta = LoadMetatypes(folder.Path());
  ASSERT_TRUE(meta.has_value());
  EXPECT_EQ((*meta)[0], lines[0]);
  EXPECT_EQ((*meta)[1], lines[1]);
  EXPECT_EQ((*meta)[30], lines[30]);

  folder.Write("meta.dat", {lines[0]});
  const auto shorter = LoadMetatypes(folder.Path());
  EXPECT_EQ((*shorter)[0], lines[0]);
  EXPECT_EQ((*shorter)[1], "");
  EXPECT_EQ((*shorter)[30], "");
}

}  // namespace
}  // namespace ivgen
