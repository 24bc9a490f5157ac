// How a text the record holds appears in a JSON document, by the kind of column it is (entry/
// columns.h): as a value of that kind when the value gives the text back exactly, and as the text
// itself otherwise, so a file loses no byte on the way and back while the values a player computes
// with are numbers. Texts are Windows-1252 in the record and UTF-8 in JSON.
//   Number     a number as written ("2.00" stays 2.00); "" is null
//   Integer    a whole number; "" is null
//   Bracketed  "[4/6]" as [4, 6]; "" is null
//   ModifierCodes  "+2RCT,-1CHA" as [{"attribute": "RCT", "value": 2}, ...]; "" is []
//   BookReference  "IV3-208" as {"code": "IV3", "page": 208}; "" is null
//   GearValues "3|5|SA|" as {"type": 3, "fields": [5, "SA"]}; "" is null
//   GradeCode  the grade digit 0 to 3; "" is null
//   Text, BookCode  a text
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "entry/columns.h"
#include "json/json_value.h"

namespace ivgen {

/// Longest text a value may hold: what the character file's reader reads of one value.
inline constexpr size_t kJsonMaxText = 4095;

/// A Windows-1252 text as a JSON string.
JsonValue TextValue(std::string_view text);
/// A text as its form shows it; `digits` is the fewest digits of a bracketed number.
JsonValue FormValue(std::string_view text, ColumnType form, int digits = 1);

/// The Windows-1252 text of a JSON string; nothing, with the problem at path, for any other value,
/// a text longer than kJsonMaxText or a character Windows-1252 cannot hold.
std::optional<std::string> TextOf(const JsonValue& value, const std::string& path, JsonProblem& problem);
/// The text a value of the form stands for: its own text when it is a string, else the value
/// written as the record writes it. Nothing, with the problem, for a value of another kind.
std::optional<std::string> FormText(const JsonValue& value, ColumnType form, int digits, const std::string& path,
                                    JsonProblem& problem);

/// A JSON number's value when it is a whole number (written "1.0" or "1e2" too) within the 64-bit
/// range; nothing otherwise.
std::optional<long long> WholeNumber(const JsonValue& value);

/// What "expected ..." says of a form, for messages and the schema's descriptions.
std::string_view FormExpectation(ColumnType form);

}  // namespace ivgen
