#include "record/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ivgen {
namespace {

TEST(IniFile, FollowsTheProfileReaderConventions) {
  // An editor's byte order mark before the first section hides nothing.
  const IniFile ini = IniFile::Parse(
      "\xEF\xBB\xBF[Character Generator]\r\n"
      "maxpoints = 120  \r\n"
      "MAXABSEPTS=6\n"
      "DefaultGIF=\"face one.gif\"\r\n"
      "maxpoints=99\r\n"
      "Quoted='single'\r\n"
      "Half=\"open\r\n"
      "Empty=\r\n"
      "no equals sign here\r\n"
      "[ other ]\r\n"
      "maxpoints=7\r\n"
      "[character generator]\r\n"
      "Late=1\r\n");
  EXPECT_EQ(ini.Get("Character Generator", "maxpoints"), "120") << "trimmed, first occurrence wins";
  EXPECT_EQ(ini.Get("CHARACTER GENERATOR", "MaxAbsEpts"), "6") << "case-insensitive";
  EXPECT_EQ(ini.Get("Character Generator", "DefaultGIF"), "face one.gif") << "quotes stripped";
  EXPECT_EQ(ini.Get("Character Generator", "Quoted"), "single");
  EXPECT_EQ(ini.Get("Character Generator", "Half"), "\"open") << "an unmatched quote stays";
  EXPECT_EQ(ini.Get("Character Generator", "Empty"), "");
  EXPECT_TRUE(ini.Has("Character Generator", "Empty"));
  EXPECT_FALSE(ini.Has("Character Generator", "Missing"));
  EXPECT_EQ(ini.Get("Character Generator", "Missing"), "");
  EXPECT_EQ(ini.Get("Missing", "maxpoints"), "");
  EXPECT_EQ(ini.Get("other", "maxpoints"), "7");
  EXPECT_EQ(ini.Get("Character Generator", "Late"), "1") << "a repeated section adds its keys";
}

TEST(IniFile, CutsLongValuesAndToleratesMissingFiles) {
  const IniFile ini = IniFile::Parse("[S]\nk=" + std::string(5000, 'x') + "\n");
  EXPECT_EQ(ini.Get("S", "k").size(), 4095u);
  const IniFile missing = IniFile::Load("/nonexistent/folder/ivgen.ini");
  EXPECT_EQ(missing.Get("S", "k"), "");
  const IniFile folder = IniFile::Load(std::filesystem::temp_directory_path().string());
  EXPECT_EQ(folder.Get("S", "k"), "");
}

}  // namespace
}  // namespace ivgen
