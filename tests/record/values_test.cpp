// The numbers and texts of the record as pages, files and sheets show them.
#include "record/values.h"

#include <gtest/gtest.h>

#include "record/character_record.h"
#include "record/cp1252.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;

TEST(Val, ReadsTheLeadingNumberLeniently) {
  const std::pair<const char*, double> cases[] = {
      {"", 0},      {"abc", 0},  {"12", 12},      {"  7", 7},    {"-3", -3},           {"+4", 4},
      {"1.5", 1.5}, {".5", 0.5}, {"-.25", -0.25}, {"22/30", 22}, {"3+2", 3},           {"5.8.1", 5.8},
      {"-", 0},     {".", 0},    {"\t9x", 9},     {"0.00", 0},   {"12500\xA5", 12500},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(text), value) << "'" << text << "'";
}

TEST(CInt, RoundsHalvesToEvenAndHoldsTheRange) {
  const std::pair<double, int> cases[] = {
      {0.5, 0},    {1.5, 2},    {2.5, 2},       {3.5, 4},         {-0.5, 0},        {-1.5, -2},        {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {40000, 32767}, {-40000, -32768}, {32767.4, 32767}, {-32768.6, -32768}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(CInt(value), expected) << value;
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(1e12), 2147483647);
  EXPECT_EQ(CLng(-1e12), -2147483647 - 1);
}

// Printed numbers keep a sign position and one trailing blank, and an inexact float sum prints
// short; general numbers show the digits of their type (6 less three 0.2 steps is
// 5.3999999999999995 in doubles); a thousands box shows zero as empty.
TEST(NumberTexts, AsFilesSheetsAndPagesShowThem) {
  EXPECT_EQ(Joined(std::vector{PrintNumber(int32_t{0}), PrintNumber(int32_t{-1}), PrintNumber(int32_t{1000000}),
                               PrintNumber(int32_t{-2147483647 - 1}), PrintNumber(0.5f), PrintNumber(-0.5f),
                               PrintNumber(12.25f), PrintNumber(0.1f + 0.2f)},
                   "|"),
            " 0 |-1 | 1000000 |-2147483648 | .5 |-.5 | 12.25 | .3 ");
  EXPECT_EQ(Joined(std::vector{GeneralNumber(6.0), GeneralNumber(-500.0), GeneralNumber(6.0 - 0.2 - 0.2 - 0.2),
                               GeneralNumber(5.8f), GeneralNumber(static_cast<double>(5.8f))},
                   "|"),
            "6|-500|5.4|5.8|5.80000019073486");
  EXPECT_EQ(Joined(std::vector{FormatFixed2(5.8), FormatFixed2(0.125), FormatFixed2(-0.001), FormatThousands(0),
                               FormatThousands(0.4), FormatThousands(999), FormatThousands(123456789),
                               FormatThousands(-1500)},
                   "|"),
            "5.80|0.12|0.00|||999|123,456,789|-1,500");
}

TEST(Cp1252, ConvertsBothWaysAndKeepsTheFileSystemsBytes) {
  EXPECT_EQ(Cp1252ToUtf8("Zo\xEB 500\xA5 \xB6 \x80 \x9F"), "Zoë 500¥ ¶ € Ÿ");
  EXPECT_EQ(Utf8ToCp1252("Zoë 500¥ ¶ € Ÿ"), "Zo\xEB 500\xA5 \xB6 \x80 \x9F");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) {
      EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
    }
  }
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
  // Characters outside the code page and broken sequences become "?".
  EXPECT_EQ(Utf8ToCp1252("日本") + Utf8ToCp1252("a\xC3") + Utf8ToCp1252("\xFF"), "??a??");
  EXPECT_FALSE(IsUtf8("\xE2\x82"));
  EXPECT_EQ(PathToText("/home/gm/zoë.iv3"), "/home/gm/zo\xEB.iv3");
  EXPECT_EQ(PathToText("/home/gm/zo\xEB.iv3"), "/home/gm/zo\xEB.iv3") << "bytes that are not UTF-8 stay";
  EXPECT_EQ(TextToPath("zo\xEB.iv3"), "zoë.iv3");
}

// The editor tests follow the karma and the pools through New; here the rest of what it keeps:
// the generation choices and their grants.
TEST(ResetRecordFields, GivesANewCharacterAndKeepsWhatNewKeeps) {
  CharacterRecord r;
  r.StreetName = "Nyx";
  r.norules = 1;
  r.Attributes = 27;
  r.Maxresources = 400000;
  r.NuyenSpent = 5000;
  r.Tradition = 2;
  r.Shapeshift = r.GeneratorPoints = true;
  r.Attr[2] = {"5", "2", "1", "0", "8"};
  ResetRecordFields(r, "face.gif");
  EXPECT_EQ(r.StreetName + "|" + r.GraphicsFilename + "|" + r.Attr[2].Base + r.Attr[2].Racial + r.Attr[2].Total,
            "|face.gif|101");
  EXPECT_EQ(std::to_string(r.norules) + " " + std::to_string(r.Attributes) + " " + std::to_string(r.Resources()) + " " +
                std::to_string(r.Tradition) + " " + std::to_string(r.AttributePointsUsed),
            "1 27 400000 2 6");
  EXPECT_FALSE(r.Shapeshift || r.GeneratorPoints);
  EXPECT_EQ(r.Gear, std::vector<std::string>{std::string(kGearDivider)});
}

}  // namespace
}  // namespace ivgen
