#include "catalog/edge_catalog.h"

#include "catalog/equipment_catalogs.h"
#include "catalog/line_syntax.h"
#include "record/entries.h"

namespace ivgen {

namespace {

// The description doubles as a modifier-code list. Prose is harmless to the attribute rules
// unless a comma-separated piece has a digit as its second character, which they read as an
// amount; only such pieces are held against the code table.
void NoteDescriptionCodes(LoadNotes* notes, std::string_view file, int line, std::string_view description) {
  if (notes == nullptr) return;
  for (const std::string& piece : Split(description, ',')) {
    if (piece.size() >= 2 && piece[1] >= '0' && piece[1] <= '9') NoteModifierCodes(notes, file, line, piece);
  }
}

}  // namespace

std::optional<EdgeCatalog> LoadEdges(const std::string& folder, std::string_view allowedBooks, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kEdgesFile);
  if (!catalog) return std::nullopt;
  EdgeCatalog result;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    if (line.empty() && notes != nullptr)
      notes->Problem(catalog->name, lineNumber, "empty line; it loads as a flaw with no name");
    const std::string_view book = TrimRightView(Cut(line, 40, 5));
    if (!book.empty()) {
      const size_t dash = book.find('-');
      if (dash == std::string_view::npos) {
        if (notes != nullptr) {
          notes->Problem(
              catalog->name, lineNumber,
              "book reference \"" + std::string(book) + "\" in columns 40-44 has no \"-\"; the line is skipped");
        }
        continue;
      }
      const std::string_view code = book.substr(0, dash);
      if (notes != nullptr) notes->Book(catalog->name, lineNumber, code, BookMatch::Substring);
      const bool everyBook = notes != nullptr && notes->everyBook;
      if (!everyBook && allowedBooks.find(code) == std::string_view::npos) continue;
    }
    const std::string_view description = TrimRightView(CutFrom(line, 48));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{37, 39}, {45, 47}});
    NoteDescriptionCodes(notes, catalog->name, lineNumber, description);
    std::string entry = JoinTabs({TrimRightView(Cut(line, 2, 31)), TrimRightView(Cut(line, 33, 4)), book, description});
    if (Cut(line, 1, 1) == "E") {
      result.edges.push_back(std::move(entry));
    } else {
      result.flaws.push_back(std::move(entry));
    }
  }
  return result;
}

}  // namespace ivgen
