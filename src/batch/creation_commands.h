// ivgen-batch commands of the Priorities, Race and Attributes pages: one verb per player action,
// and the pages printed as a player reads them.
#pragma once

#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/editor.h"
#include "batch/script_runner.h"
#include "record/text.h"

namespace ivgen {

/// An index written as a number, or as one of the names (any case).
template <typename Names>
std::optional<int> IndexOf(const std::string& word, const Names& names) {
  const int count = static_cast<int>(std::size(names));
  for (int i = 0; i < count; ++i) {
    if (UpperCase(word) == UpperCase(names[i])) return i;
  }
  if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos && word.size() < 4) {
    const int i = std::stoi(word);
    if (i < count) return i;
  }
  return std::nullopt;
}

/// Adds the commands of the three pages to a script runner's table.
void AddCreationCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands);

/// A single value of the three pages by name; nothing for a name they do not know.
std::optional<std::string> CreationPrintable(const Editor& editor, const std::string& name);

}  // namespace ivgen
