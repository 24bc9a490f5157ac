// Number reading and the number forms of the character file, written once for every layer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ivgen {

/// The leading number of a text: leading blanks, an optional sign, digits, a decimal point and an
/// exponent ("1.2E+07"; an "E" without digits is not read). An empty or non-numeric text gives 0.
double Val(std::string_view text);

/// An amount no catalog reaches (a hand-edited file) is held at this bound, so sums of hundredths
/// stay exact and a 32-bit float never overflows.
inline constexpr double kMostAmount = 1e13;
/// The amount held within plus or minus kMostAmount; NaN gives 0.
double HeldAmount(double amount);

/// Nearest whole number with halves to even, held at the ends of the 16-bit range.
int16_t CInt(double value);
/// Nearest whole number with halves to even, held at the ends of the 32-bit range.
int32_t CLng(double value);
/// "Int" of the rules: the floor, held at the ends of the 32-bit range.
int32_t IntFloor(double value);

/// Print number: a blank or "-", the digits, one trailing blank (" 0 ", "-1 ").
std::string PrintNumber(int32_t value);
/// Print number of a 32-bit float: shortest form, no zero before the point (" .5 ", " 35 ").
std::string PrintNumber(float value);

/// General number format: 6, 5.8, 12.5, 0.5 (7 significant digits for a 32-bit float).
std::string GeneralNumber(float value);
/// General number format with 15 significant digits, so 6 - 0.2 - 0.2 - 0.2 shows as 5.4.
std::string GeneralNumber(double value);

/// "0.00": always two decimals (5.80, 0.25, -1.00).
std::string FormatFixed2(double value);
/// "###,###,###": thousands separated by commas, rounded to a whole number; empty for 0.
std::string FormatThousands(double value);

/// Decimal text of a whole number ("3", "-1"), as modifier cells hold them.
std::string IntText(int64_t value);

}  // namespace ivgen
