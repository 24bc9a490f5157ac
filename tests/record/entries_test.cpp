#include "record/entries.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(Entries, SplitFieldAndJoinAgree) {
  const std::string entry = "Smartlink\t0.50\t2500\t\t+1CPL!1";
  const auto fields = SplitTabs(entry);
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[3], "");
  EXPECT_EQ(TabField(entry, 0), "Smartlink");
  EXPECT_EQ(TabField(entry, 4), "+1CPL!1");
  EXPECT_EQ(TabField(entry, 5), "");
  EXPECT_EQ(JoinTabs(fields), entry);
  EXPECT_EQ(SplitTabs("").size(), 1u);
  EXPECT_EQ(TabField("", 0), "");
}

TEST(Entries, TextHelpers) {
  EXPECT_EQ(Trim("  a b \t"), "a b");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(UpperCase("iv3-12 \xE9"), "IV3-12 \xE9");
  EXPECT_EQ(LowerCase("Cyber.DAT"), "cyber.dat");
  EXPECT_EQ(ReplaceAll("a b  c", " ", "_"), "a_b__c");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Split("+1RCT,,-2CHA", ','), (std::vector<std::string>{"+1RCT", "", "-2CHA"}));
}

}  // namespace
}  // namespace ivgen
