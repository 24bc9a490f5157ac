#include "catalog/modifier_codes.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(ModifierListFaults, AcceptsTheAttributeTableAndNamesEveryOtherPiece) {
  struct Case {
    std::string_view list;
    std::vector<std::string> faults;
  } cases[] = {
      {"", {}},
      {"+1RCT,-2CHA,+1INI*,,+3XOD,-1MAG,+0ATR", {}},
      {"+1BOD,+2STR,+1WIL,+1VCR,+1IMP,+1BAL,+1CPL,+1RIL,+1XHR", {}},
      {"+1REA", {"modifier code \"+1REA\" names \"REA\", which is not an attribute code"}},
      {"+1RCT, +1INI", {"modifier code \" +1INI\" does not start with \"+\" or \"-\""}},
      {"+XRCT", {"modifier code \"+XRCT\" has no digit after its sign"}},
      {"+1bod", {"modifier code \"+1bod\" names \"bod\", which is not an attribute code"}},
      {"+1RCT**", {"modifier code \"+1RCT**\" names \"RCT*\", which is not an attribute code"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ModifierListFaults(c.list), c.faults) << c.list;
}

}  // namespace
}  // namespace ivgen
