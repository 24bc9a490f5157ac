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
    const std::string codes = Trim(Cut(line, 70, 24));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line,
                      {{34, 38}, {43, 43}, {59, 59}, {64, 64}, {66, 69}, {94, 94}});
    NoteModifierCodes(notes, catalog->name, lineNumber, codes);
    const std::string streetIndex = TrimRight(Cut(line, 54, 5));
    tree.push_back({TreeEntry({TrimRight(Cut(line, 11, 23)), TrimRight(Cut(line, 39, 4)), TrimRight(Cut(line, 44, 10)),
                               TrimRight(Cut(line, 1, 10)), codes, streetIndex, Trim(CutFrom(line, 95)),
                               Trim(Cut(line, 60, 4)), Trim(Cut(line, 65, 1))}),
                    streetIndex.empty() ? 1 : 2});
  });
  return tree;
}

std::optional<CatalogTree> LoadBioware(const std::string& folder, std::string_view allowedBooks, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kBiowareFile);
  if (!catalog) return std::nullopt;
  CatalogTree tree;
  ForEachAllowedLine(*catalog, allowedBooks, notes, [&](std::string_view line, int lineNumber) {
    const std::string codes = Trim(Cut(line, 60, 29));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{44, 44}, {56, 59}, {89, 89}});
    NoteModifierCodes(notes, catalog->name, lineNumber, codes);
    const std::string bioIndex = TrimRight(Cut(line, 40, 4));
    tree.push_back(
        {TreeEntry({TrimRight(Cut(line, 11, 29)), bioIndex, TrimRight(Cut(line, 45, 10)), TrimRight(Cut(line, 1, 10)),
                    TrimRight(Cut(line, 55, 1)), codes, std::string(CutFrom(line, 90))}),
         bioIndex.empty() ? 1 : 2});
  });
  return tree;
}

}  // namespace ivgen
