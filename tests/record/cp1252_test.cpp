#include "record/cp1252.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(Cp1252, ConvertsBothWaysThroughTheWholeTable) {
  EXPECT_EQ(Cp1252ToUtf8("Zo\xEB 500\xA5 \xB6 \x80 \x9F"), "Zoë 500¥ ¶ € Ÿ");
  EXPECT_EQ(Utf8ToCp1252("Zoë 500¥ ¶ € Ÿ"), "Zo\xEB 500\xA5 \xB6 \x80 \x9F");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const bool unassigned = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (!unassigned) {
      EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
    }
  }
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
  // Characters outside the code page and broken sequences become "?".
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
}

TEST(Cp1252, PathsKeepTheFileSystemsBytesAndShowAsText) {
  EXPECT_TRUE(IsUtf8("plain"));
  EXPECT_TRUE(IsUtf8("zoë.iv3"));
  EXPECT_FALSE(IsUtf8("zo\xEB.iv3"));
  EXPECT_FALSE(IsUtf8("\xE2\x82"));
  EXPECT_EQ(PathToText("/home/gm/zoë.iv3"), "/home/gm/zo\xEB.iv3");
  EXPECT_EQ(PathToText("/home/gm/zo\xEB.iv3"), "/home/gm/zo\xEB.iv3") << "bytes that are not UTF-8 stay";
  EXPECT_EQ(TextToPath("zo\xEB.iv3"), "zoë.iv3");
}

}  // namespace
}  // namespace ivgen
