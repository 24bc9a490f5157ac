// TAB-separated list entries: every list of the character record stores its fields this way.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "record/text.h"

namespace ivgen {

inline constexpr char kTab = '\t';

/// Splits at every TAB; an empty entry gives one empty field.
std::vector<std::string> SplitTabs(std::string_view entry);
/// Field n (from 0) of an entry, or "" when the entry has fewer fields.
std::string TabField(std::string_view entry, size_t n);
/// Joins fields with TAB between them.
std::string JoinTabs(const std::vector<std::string>& fields);
std::string JoinTabs(const std::vector<std::string_view>& fields);
std::string JoinTabs(std::initializer_list<std::string_view> fields);

}  // namespace ivgen
