#include "catalog/equipment_catalogs.h"

#include "catalog/modifier_codes.h"
#include "record/entries.h"

namespace ivgen {

void NoteModifierCodes(LoadNotes* notes, std::string_view file, int line, std::string_view list) {
  if (notes == nullptr) return;
  for (std::string& fault : ModifierListFaults(list)) notes->Problem(file, line, std::move(fault));
}

std::optional<CatalogTree> LoadCyberware(const std::string& folder, std::string_view allowedBooks, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kCyberwareFile);
  if (!catalog) return std::nullopt;
  CatalogTree tree;
  ForEachAllowedLine(*catalog, allowedBooks, notes, [&](std::string_view line, int lineNumber) {
    const std::string_view codes = TrimView(Cut(line, 70, 24));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line,
                      {{34, 38}, {43, 43}, {59, 59}, {64, 64}, {66, 69}, {94, 94}});
    NoteModifierCodes(notes, catalog->name, lineNumber, codes);
    const std::string_view streetIndex = TrimRightView(Cut(line, 54, 5));
    tree.push_back({TreeEntry({TrimRightView(Cut(line, 11, 23)), TrimRightView(Cut(line, 39, 4)),
                               TrimRightView(Cut(line, 44, 10)), TrimRightView(Cut(line, 1, 10)), codes, streetIndex,
                               TrimView(CutFrom(line, 95)), TrimView(Cut(line, 60, 4)), TrimView(Cut(line, 65, 1))}),
                    streetIndex.empty() ? 1 : 2});
  });
  return tree;
}

std::optional<CatalogTree> LoadBioware(const std::string& folder, std::string_view allowedBooks, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kBiowareFile);
  if (!catalog) return std::nullopt;
  CatalogTree tree;
  ForEachAllowedLine(*catalog, allowedBooks, notes, [&](std::string_view line, int lineNumber) {
    const std::string_view codes = TrimView(Cut(line, 60, 29));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{44, 44}, {56, 59}, {89, 89}});
    NoteModifierCodes(notes, catalog->name, lineNumber, codes);
    const std::string_view bioIndex = TrimRightView(Cut(line, 40, 4));
    tree.push_back(
        {TreeEntry({TrimRightView(Cut(line, 11, 29)), bioIndex, TrimRightView(Cut(line, 45, 10)),
                    TrimRightView(Cut(line, 1, 10)), TrimRightView(Cut(line, 55, 1)), codes, CutFrom(line, 90)}),
         bioIndex.empty() ? 1 : 2});
  });
  return tree;
}

}  // namespace ivgen
