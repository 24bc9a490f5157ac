#include "app/settings.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(Settings, FallBackWhenKeysAreMissingOrEmpty) {
  const Settings none = SettingsFrom(IniFile::Parse(""));
  EXPECT_EQ(none.maxpoints, 0);
  EXPECT_EQ(none.MaxAbsEpts, 0);
  EXPECT_EQ(none.DefaultGIF, "");
  EXPECT_EQ(none.MaxFlawEdge, 5);

  const Settings some = SettingsFrom(IniFile::Parse("[Character Generator]\r\nMaxFlawEdge=\r\nmaxpoints=12.5x\r\n"));
  EXPECT_EQ(some.MaxFlawEdge, 5) << "an empty value takes the fallback";
  EXPECT_EQ(some.maxpoints, 12) << "leading number, halves to even";

  const Settings zero = SettingsFrom(IniFile::Parse("[character generator]\r\nMAXFLAWEDGE=0\r\nMaxAbsEpts=abc\r\n"));
  EXPECT_EQ(zero.MaxFlawEdge, 0);
  EXPECT_EQ(zero.MaxAbsEpts, 0);
}

TEST(Settings, NumbersOutsideTheRangeAreHeldAtItsEnds) {
  const Settings held = SettingsFrom(IniFile::Parse("[Character Generator]\nmaxpoints=99999\nMaxAbsEpts=-70000\n"));
  EXPECT_EQ(held.maxpoints, 32767);
  EXPECT_EQ(held.MaxAbsEpts, -32768);
}

TEST(SettingsPath, FollowsTheCommandLineRule) {
  EXPECT_EQ(SettingsPath("ivgen.ini", "/opt/ivgen/", ""), "/opt/ivgen/ivgen.ini");
  EXPECT_EQ(SettingsPath("ivgen.ini", "/opt/ivgen", ""), "/opt/ivgen/ivgen.ini");
  EXPECT_EQ(SettingsPath("ivgen.ini", "/opt/ivgen/", "/home/gm/table.ini"), "/home/gm/table.ini");
  EXPECT_EQ(SettingsPath("/tmp/x.iv3", "/opt/ivgen/", "/home/gm/table.ini"), "/tmp/x.iv3");
  EXPECT_EQ(SettingsPath("C:\\chars\\x.iv3", "/opt/ivgen/", ""), "C:\\chars\\x.iv3");
}

TEST(CommandLineText, JoinsArgumentsAndStripsOnePairOfQuotes) {
  const char* none[] = {"ivgen"};
  EXPECT_EQ(CommandLineText(1, none), "");
  const char* quoted[] = {"ivgen", "\"/home/gm/my settings.ini\""};
  EXPECT_EQ(CommandLineText(2, quoted), "/home/gm/my settings.ini");
  const char* split[] = {"ivgen", "/home/gm/my", "settings.ini"};
  EXPECT_EQ(CommandLineText(3, split), "/home/gm/my settings.ini");
}

TEST(SettingsFileText, IsTheSectionAndFourLinesAsTyped) {
  EXPECT_EQ(SettingsFileText("200", "10", "me.gif", "0"),
            "[Character Generator]\r\nmaxpoints=200\r\nMaxAbsEpts=10\r\nDefaultGIF=me.gif\r\nMaxFlawEdge=0\r\n");
}

}  // namespace
}  // namespace ivgen
