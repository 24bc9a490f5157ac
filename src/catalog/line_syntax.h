// The line syntax the catalogs share: comment lines, fields cut from fixed columns, the book
// reference in columns 1-10 with its bracketed filter, and the entries of the browse trees.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

/// One node of a browse tree: its entry text and its indent (cyberware and bioware: 1 for a
/// category header, 2 for an item; gear: the outline level 1 to 9).
struct TreeNode {
  std::string text;
  int indent = 0;

  bool operator==(const TreeNode&) const = default;
};
using CatalogTree = std::vector<TreeNode>;

/// A line whose first character is "!".
bool IsComment(std::string_view line);

/// Characters `column` (from 1) to `column + length - 1`; a short line gives what exists.
std::string_view Cut(std::string_view line, size_t column, size_t length);
/// From `column` (from 1) to the end of the line; "" past the end.
std::string_view CutFrom(std::string_view line, size_t column);

/// The book code of a fixed-column line: the text before the first "-" of columns 1-10.
/// A reference without "-" is malformed: noted, and nothing is returned.
std::optional<std::string_view> FixedColumnBookCode(std::string_view line, std::string_view file, int lineNumber,
                                                    LoadNotes* notes);

/// The last column of a range that runs to the end of the line.
inline constexpr size_t kToLineEnd = static_cast<size_t>(-1);

/// Notes text found in columns a fixed-column catalog does not read: a field beside them is out
/// of place or too long, and is cut short. Each range is {first column, last column}.
void NoteUnreadColumns(LoadNotes* notes, std::string_view file, int lineNumber, std::string_view line,
                       std::initializer_list<std::pair<size_t, size_t>> unread);

/// The loaders' filter: "[" + code + "]" occurs in AllowedBooks, case-sensitive. The checker's
/// notes let every line through.
bool InAllowedBooks(std::string_view allowedBooks, std::string_view code, const LoadNotes* notes);

/// Calls visit(line, lineNumber) for each line of a fixed-column catalog that is not a comment
/// and whose book is allowed; a line without a proper book reference is noted and skipped.
template <typename Visit>
void ForEachAllowedLine(const CatalogText& catalog, std::string_view allowedBooks, LoadNotes* notes, Visit&& visit) {
  int lineNumber = 0;
  for (std::string_view line : catalog.lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    const auto code = FixedColumnBookCode(line, catalog.name, lineNumber, notes);
    if (!code || !InAllowedBooks(allowedBooks, *code, notes)) continue;
    visit(line, lineNumber);
  }
}

/// A tree entry: the fields joined by Tab, with seven Tabs after the name so it shows in columns.
std::string TreeEntry(std::initializer_list<std::string_view> fields);
std::string TreeEntry(const std::vector<std::string>& fields);
/// The fields of a tree entry, in the order they were given to TreeEntry.
std::vector<std::string> TreeEntryFields(std::string_view entry);

}  // namespace ivgen
