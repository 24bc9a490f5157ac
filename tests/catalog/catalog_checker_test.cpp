// Each kind of fault is pinned by the checker's run over tests/catalog/data/faulty; here what a
// folder without faults, or without catalogs, gives.
#include "catalog/catalog_checker.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

std::vector<std::string> Report(const std::string& folder) {
  std::vector<std::string> lines;
  for (const CatalogProblem& problem : CheckCatalogFolder(folder)) lines.push_back(FormatProblem(problem));
  return lines;
}

TEST(CheckCatalogFolder, WellFormedCatalogsGiveNoProblemAndMissingOnesAreProblemsOfTheWholeFile) {
  EXPECT_EQ(Report(IVGEN_TEST_DATA "/small"), std::vector<std::string>{});
  const auto report = Report(IVGEN_TEST_DATA "/no-such-folder");
  ASSERT_EQ(report.size(), 11u);
  EXPECT_EQ(report.front(), "bioware.dat: cannot be opened");
  EXPECT_EQ(report.back(), "totems.dat: cannot be opened");
}

}  // namespace
}  // namespace ivgen
