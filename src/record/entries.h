// TAB-separated list entries: every list of the character record stores its fields this way.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ivgen {

inline constexpr char kTab = '\t';

/// Splits at every TAB; an empty entry gives one empty field.
std::vector<std::string> SplitTabs(std::string_view entry);
/// Field n (from 0) of an entry, or "" when the entry has fewer fields.
std::string TabField(std::string_view entry, size_t n);
/// Joins fields with TAB between them.
std::string JoinTabs(const std::vector<std::string>& fields);
std::string JoinTabs(std::initializer_list<std::string_view> fields);

/// Splits at every occurrence of a separator character.
std::vector<std::string> Split(std::string_view text, char separator);

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
/// Every occurrence of `from` replaced by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace ivgen
