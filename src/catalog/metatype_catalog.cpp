#include "catalog/metatype_catalog.h"

#include "record/entries.h"

namespace ivgen {

std::optional<MetaLines> LoadMetatypes(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kMetatypesFile);
  if (!catalog) return std::nullopt;
  MetaLines lines;
  for (size_t i = 0; i < catalog->lines.size(); ++i) {
    const std::string_view line = catalog->lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    if (i >= kMetaLinesMax) {
      if (notes != nullptr) {
        notes->Problem(
            catalog->name, lineNumber,
            "more than " + std::to_string(kMetaLinesMax) + " metatype lines; this one and the rest are left out");
      }
      break;
    }
    if (notes != nullptr) {
      if (line.empty() || std::string_view("HEDOT").find(line.front()) == std::string_view::npos) {
        notes->Problem(catalog->name, lineNumber,
                       "column 1 is not a race code H, E, D, O or T, so no race offers this line");
      } else if (!TrimRight(line).ends_with("|$")) {
        notes->Problem(catalog->name, lineNumber, "the record does not end with the marker \"$\" after its last \"|\"");
      }
    }
    lines[i] = line;
  }
  return lines;
}

}  // namespace ivgen
