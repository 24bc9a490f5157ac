// The character sheet, byte for byte: whole sheets of finished characters against sheets written
// by hand, and the cases a player would notice on a printed sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/gear_catalog.h"
#include "catalog/range_catalog.h"
#include "record/entries.h"
#include "record/text_file.h"
#include "rules/rules_fixture.h"
#include "sheet/sheet_frame.h"

namespace ivgen {
namespace {

// The first line where two sheets differ, so a failure points at the line instead of two walls.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> want = Split(expected, '\n');
  const std::vector<std::string> got = Split(actual, '\n');
  for (size_t i = 0; i < want.size() || i < got.size(); ++i) {
    const std::string w = i < want.size() ? want[i] : "<end>";
    const std::string g = i < got.size() ? got[i] : "<end>";
    if (w != g) return "line " + std::to_string(i + 1) + ": expected [" + w + "] got [" + g + "]";
  }
  return "";
}

class SheetTest : public RulesTest {
 protected:
  SheetTest() {
    catalogs.gear = LoadGear(IVGEN_TEST_DATA).value();
    catalogs.RangeTable = LoadRanges(IVGEN_TEST_DATA).value();
  }

  static std::string Golden(const std::string& name) {
    return ReadWholeFile(std::string(IVGEN_TEST_DATA) + "/" + name).value_or("(missing " + name + ")");
  }

  PrintOptions options;
};

TEST_F(SheetTest, NewCharacter) {
  EXPECT_EQ(FirstDifference(Golden("new_character.htm"), WriteSheet(record, catalogs, options, "")), "");
}

}  // namespace
}  // namespace ivgen
