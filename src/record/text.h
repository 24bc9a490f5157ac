// Text helpers for catalog lines, record values and script words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ivgen {

/// Splits at every occurrence of a separator character.
std::vector<std::string> Split(std::string_view text, char separator);

/// The parts with the separator between them.
std::string Join(const std::vector<std::string>& parts, std::string_view separator);

/// Leading and trailing blanks (spaces and tabs) removed.
std::string Trim(std::string_view text);
std::string_view TrimView(std::string_view text);
/// Trailing blanks (spaces and tabs) removed.
std::string TrimRight(std::string_view text);
std::string_view TrimRightView(std::string_view text);
/// ASCII upper case; bytes above 127 stay as they are.
std::string UpperCase(std::string_view text);
/// ASCII lower case; bytes above 127 stay as they are.
std::string LowerCase(std::string_view text);
/// Whether `text` holds `part`, letters matched in either case: Windows-1252's accented letters
/// too, so "é" finds "É". An empty part is held by every text.
bool HoldsIgnoringCase(std::string_view text, std::string_view part);
/// Every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace ivgen
