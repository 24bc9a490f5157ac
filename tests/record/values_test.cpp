#include "record/values.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(Val, ReadsTheLeadingNumberLeniently) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},      {"abc", 0},  {"12", 12},      {"  7", 7},    {"-3", -3},           {"+4", 4},
      {"1.5", 1.5}, {".5", 0.5}, {"-.25", -0.25}, {"22/30", 22}, {"3+2", 3},           {"5.8.1", 5.8},
      {"-", 0},     {".", 0},    {"\t9x", 9},     {"0.00", 0},   {"12500\xA5", 12500},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << "'" << c.text << "'";
}

TEST(CInt, RoundsHalvesToEvenAndHoldsTheRange) {
  const struct {
    double value;
    int expected;
  } cases[] = {{0.5, 0},         {1.5, 2},         {2.5, 2},          {3.5, 4},    {-0.5, 0},
               {-1.5, -2},       {-2.5, -2},       {2.4999, 2},       {2.5001, 3}, {40000, 32767},
               {-40000, -32768}, {32767.4, 32767}, {-32768.6, -32768}};
  for (const auto& c : cases) EXPECT_EQ(CInt(c.value), c.expected) << c.value;
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(3.5), 4);
  EXPECT_EQ(CLng(1e12), 2147483647);
  EXPECT_EQ(CLng(-1e12), -2147483647 - 1);
}

TEST(IntFloor, GoesTowardsMinusInfinity) {
  EXPECT_EQ(IntFloor(4.5), 4);
  EXPECT_EQ(IntFloor(5.99), 5);
  EXPECT_EQ(IntFloor(-0.5), -1);
  EXPECT_EQ(IntFloor(-2.0), -2);
}

TEST(PrintNumber, HasASignPositionAndOneTrailingBlank) {
  EXPECT_EQ(PrintNumber(int32_t{0}), " 0 ");
  EXPECT_EQ(PrintNumber(int32_t{-1}), "-1 ");
  EXPECT_EQ(PrintNumber(int32_t{30}), " 30 ");
  EXPECT_EQ(PrintNumber(int32_t{1000000}), " 1000000 ");
  EXPECT_EQ(PrintNumber(int32_t{-2147483647 - 1}), "-2147483648 ");
  EXPECT_EQ(PrintNumber(0.5f), " .5 ");
  EXPECT_EQ(PrintNumber(-0.5f), "-.5 ");
  EXPECT_EQ(PrintNumber(35.0f), " 35 ");
  EXPECT_EQ(PrintNumber(0.0f), " 0 ");
  EXPECT_EQ(PrintNumber(12.25f), " 12.25 ");
  // A float sum that is not exact still prints in its short form.
  EXPECT_EQ(PrintNumber(0.1f + 0.2f), " .3 ");
}

TEST(GeneralNumber, UsesTheSignificantDigitsOfItsType) {
  EXPECT_EQ(GeneralNumber(6.0), "6");
  EXPECT_EQ(GeneralNumber(5.8), "5.8");
  EXPECT_EQ(GeneralNumber(12.5f), "12.5");
  EXPECT_EQ(GeneralNumber(0.5), "0.5");
  EXPECT_EQ(GeneralNumber(-500.0), "-500");
  EXPECT_EQ(GeneralNumber(0.0), "0");
  // 6 less three 0.2 steps in double arithmetic is 5.3999999999999995; shown as 5.4.
  EXPECT_EQ(GeneralNumber(6.0 - 0.2 - 0.2 - 0.2), "5.4");
  // A 32-bit float holds 5.8 as 5.80000019; it is shown with its own seven digits.
  EXPECT_EQ(GeneralNumber(5.8f), "5.8");
  EXPECT_EQ(GeneralNumber(static_cast<double>(5.8f)), "5.80000019073486");
}

TEST(FormatFixed2, AlwaysShowsTwoDecimals) {
  EXPECT_EQ(FormatFixed2(0), "0.00");
  EXPECT_EQ(FormatFixed2(5.8), "5.80");
  EXPECT_EQ(FormatFixed2(0.125), "0.12");
  EXPECT_EQ(FormatFixed2(-1), "-1.00");
  EXPECT_EQ(FormatFixed2(-0.001), "0.00");
}

TEST(FormatThousands, GroupsDigitsAndIsEmptyForZero) {
  EXPECT_EQ(FormatThousands(0), "");
  EXPECT_EQ(FormatThousands(999), "999");
  EXPECT_EQ(FormatThousands(1000), "1,000");
  EXPECT_EQ(FormatThousands(1000000), "1,000,000");
  EXPECT_EQ(FormatThousands(123456789), "123,456,789");
  EXPECT_EQ(FormatThousands(-1500), "-1,500");
  EXPECT_EQ(FormatThousands(2.5), "2");
  EXPECT_EQ(FormatThousands(0.4), "");
}

}  // namespace
}  // namespace ivgen
