#include "record/values.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ivgen {

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double whole = 0;
  bool any = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    whole = whole * 10 + (text[i] - '0');
    any = true;
    ++i;
  }
  double fraction = 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    double scale = 0.1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      fraction += (text[i] - '0') * scale;
      scale /= 10;
      any = true;
      ++i;
    }
  }
  if (!any) return 0;
  const double value = whole + fraction;
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
