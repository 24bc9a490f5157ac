#include "catalog/line_syntax.h"

#include "record/entries.h"

namespace ivgen {

bool IsComment(std::string_view line) { return !line.empty() && line.front() == '!'; }

std::string_view Cut(std::string_view line, size_t column, size_t length) {
  if (column == 0 || column > line.size()) return {};
  return line.substr(column - 1, length);
}

std::string_view CutFrom(std::string_view line, size_t column) {
  if (column == 0 || column > line.size()) return {};
  return line.substr(column - 1);
}

std::optional<std::string_view> FixedColumnBookCode(std::string_view line, std::string_view file, int lineNumber,
                                                    LoadNotes* notes) {
  const std::string_view reference = TrimRightView(Cut(line, 1, 10));
  const size_t dash = reference.find('-');
  if (dash == std::string_view::npos) {
    if (notes != nullptr) {
      notes->Problem(
          file, lineNumber,
          "book reference \"" + std::string(reference) + "\" in columns 1-10 has no \"-\"; the line is skipped");
    }
    return std::nullopt;
  }
  const std::string_view code = reference.substr(0, dash);
  if (notes != nullptr) notes->Book(file, lineNumber, code, BookMatch::Exact);
  return code;
}

void NoteUnreadColumns(LoadNotes* notes, std::string_view file, int lineNumber, std::string_view line,
                       std::initializer_list<std::pair<size_t, size_t>> unread) {
  if (notes == nullptr) return;
  for (const auto& [first, last] : unread) {
    if (Trim(last == kToLineEnd ? CutFrom(line, first) : Cut(line, first, last - first + 1)).empty()) continue;
    const std::string columns = first == last        ? "column " + std::to_string(first)
                                : last == kToLineEnd ? "columns " + std::to_string(first) + " on"
                                                     : "columns " + std::to_string(first) + "-" + std::to_string(last);
    notes->Problem(file, lineNumber,
                   "text in " + columns + (first == last ? ", which is" : ", which are") +
                       " not read: a field beside it is out of place or too long");
  }
}

bool InAllowedBooks(std::string_view allowedBooks, std::string_view code, const LoadNotes* notes) {
  if (notes != nullptr && notes->everyBook) return true;
  // "[" + code + "]" looked for without building it: this runs for every catalog line.
  for (size_t at = allowedBooks.find(code); at != std::string_view::npos; at = allowedBooks.find(code, at + 1)) {
    const size_t end = at + code.size();
    if (at > 0 && allowedBooks[at - 1] == '[' && end < allowedBooks.size() && allowedBooks[end] == ']') return true;
  }
  return false;
}

namespace {

// Sized first, so an entry is one allocation.
template <typename Fields>
std::string JoinTreeFields(const Fields& fields) {
  static constexpr std::string_view kWide = "\t\t\t\t\t\t\t";
  size_t size = kWide.size() + fields.size();
  for (const auto& field : fields) size += field.size();
  std::string entry;
  entry.reserve(size);
  size_t i = 0;
  for (const auto& field : fields) {
    if (i == 1) entry += kWide;
    if (i > 1) entry += '\t';
    entry += field;
    ++i;
  }
  return entry;
}

}  // namespace

std::string TreeEntry(std::initializer_list<std::string_view> fields) { return JoinTreeFields(fields); }
std::string TreeEntry(const std::vector<std::string>& fields) { return JoinTreeFields(fields); }

std::vector<std::string> TreeEntryFields(std::string_view entry) {
  const size_t wide = entry.find("\t\t\t\t\t\t\t");
  if (wide == std::string_view::npos) return SplitTabs(entry);
  std::string narrowed(entry.substr(0, wide));
  narrowed += '\t';
  narrowed += entry.substr(wide + 7);
  return SplitTabs(narrowed);
}

}  // namespace ivgen
