#include "catalog/edge_catalog.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;
using testing::Columns;

std::string EdgeLine(std::string_view kind, std::string_view name, std::string_view value, std::string_view book,
                     std::string_view description) {
  return Columns({{1, kind}, {2, name}, {33, value}, {40, book}, {48, description}});
}

TEST(LoadEdges, SortsEdgesAndFlawsWithTheirOwnBookFilter) {
  CatalogFolder folder;
  folder.Write("edge.dat", {
                               "! edges", EdgeLine("E", "Ambidextrous[1]", "1", "IV3-9", "+1QCK  "),
                               EdgeLine("F", "Bad Luck[-2]", "-2", "", ""),      // no book: always kept
                               EdgeLine("E", "Old Edge[1]", "1", "IV-3", ""),    // IV is within [IV3]
                               EdgeLine("x", "Odd Flaw[-1]", "-1", "XX-1", ""),  // XX is not allowed
                               EdgeLine("E", "No Dash[1]", "1", "IV3", ""),      // malformed
                           });
  const auto edges = LoadEdges(folder.Path(), "[IV3]");
  ASSERT_TRUE(edges.has_value());
  EXPECT_EQ(edges->edges, (std::vector<std::string>{"Ambidextrous[1]\t1\tIV3-9\t+1QCK", "Old Edge[1]\t1\tIV-3\t"}));
  EXPECT_EQ(edges->flaws, std::vector<std::string>{"Bad Luck[-2]\t-2\t\t"});
  const auto noneAllowed = LoadEdges(folder.Path(), "");
  EXPECT_TRUE(noneAllowed->edges.empty());
  EXPECT_EQ(noneAllowed->flaws, std::vector<std::string>{"Bad Luck[-2]\t-2\t\t"});
}

}  // namespace
}  // namespace ivgen
