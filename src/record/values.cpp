#include "record/values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ivgen {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// A number past the double range overflows when its leading digit stands above the units.
double OutOfRange(std::string_view mantissa, std::string_view exponent) {
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  const size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return 0;
  int64_t scale = first < point ? static_cast<int64_t>(point - first) - 1 : -static_cast<int64_t>(first - point);
  int64_t power = 0;
  const bool down = !exponent.empty() && exponent[0] == '-';
  for (char c : exponent) {
    if (IsDigit(c) && power < 100000) power = power * 10 + (c - '0');
  }
  scale += down ? -power : power;
  return scale > 0 ? std::numeric_limits<double>::infinity() : 0;
}

}  // namespace

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t start = i;
  i = SkipDigits(text, i);
  bool any = i > start;
  if (i < text.size() && text[i] == '.') {
    const size_t fraction = i + 1;
    i = SkipDigits(text, fraction);
    any = any || i > fraction;
  }
  if (!any) return 0;
  const std::string_view mantissa = text.substr(start, i - start);
  // The exponent form a large float is written in; an "E" without digits after it ends the number.
  std::string_view exponent;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    size_t digits = i + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    if (const size_t end = SkipDigits(text, digits); end > digits) exponent = text.substr(i + 1, end - i - 1);
  }
  // from_chars ignores the locale, so "." is the decimal point everywhere.
  const char* first = text.data() + start;
  const char* last = exponent.empty() ? mantissa.data() + mantissa.size() : exponent.data() + exponent.size();
  double value = 0;
  if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) value = OutOfRange(mantissa, exponent);
  return negative ? -value : value;
}

namespace {

template <typename T>
T RoundHeld(double value) {
  if (std::isnan(value)) return 0;
  // nearbyint rounds halves to even under the default rounding mode.
  const double rounded = std::nearbyint(value);
  if (rounded <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (rounded >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(rounded);
}

// Significant-digit form with trailing zeros dropped; to_chars ignores the locale, so the
// decimal separator is always ".".
std::string Significant(double value, int digits) {
  if (value == 0 || std::isnan(value)) return "0";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text(buffer, result.ptr);
  const size_t exponent = text.find('e');
  std::string mantissa = text.substr(0, exponent);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  if (exponent == std::string::npos) return mantissa;
  // 1.5e+16 is shown as 1.5E+16.
  std::string tail = text.substr(exponent + 1);
  return mantissa + "E" + tail;
}

}  // namespace

double HeldAmount(double amount) { return std::isnan(amount) ? 0 : std::clamp(amount, -kMostAmount, kMostAmount); }

int16_t CInt(double value) { return RoundHeld<int16_t>(value); }

int32_t CLng(double value) { return RoundHeld<int32_t>(value); }

int32_t IntFloor(double value) { return RoundHeld<int32_t>(std::floor(value)); }

std::string IntText(int64_t value) { return std::to_string(value); }

std::string PrintNumber(int32_t value) {
  if (value < 0) return "-" + std::to_string(-static_cast<int64_t>(value)) + " ";
  return " " + std::to_string(value) + " ";
}

std::string PrintNumber(float value) {
  std::string digits = Significant(std::fabs(static_cast<double>(value)), 7);
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (value < 0 ? "-" : " ") + digits + " ";
}

std::string GeneralNumber(float value) { return Significant(static_cast<double>(value), 7); }

std::string GeneralNumber(double value) { return Significant(value, 15); }

std::string FormatFixed2(double value) {
  // The widest double written out in full takes 309 digits before the point.
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (result.ec != std::errc()) return "0.00";
  std::string text(buffer, result.ptr);
  if (text == "-0.00") text = "0.00";
  return text;
}

std::string FormatThousands(double value) {
  const double rounded = std::nearbyint(value);
  if (rounded == 0 || std::isnan(rounded)) return "";
  const bool negative = rounded < 0;
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded), std::chars_format::fixed, 0);
  const std::string digits(buffer, result.ptr);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return negative ? "-" + grouped : grouped;
}

}  // namespace ivgen
