// The cyberware and bioware catalogs (cyber.dat, bioware.dat): fixed-column lines that become
// the two-level browse trees of the cyberware and bioware pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalog/catalog_file.h"
#include "catalog/line_syntax.h"

namespace ivgen {

inline constexpr std::string_view kCyberwareFile = "cyber.dat";
inline constexpr std::string_view kBiowareFile = "bioware.dat";

/// The cyberware tree: entries of fields 0-8 (name, Essence, price, book, modifier codes, street
/// index, note, capacity, capacity group); a line with no street index is a header at indent 1.
/// Lines of books not in AllowedBooks and lines without "-" in their book reference are left out.
/// Nothing when cyber.dat is missing or cannot be opened.
std::optional<CatalogTree> LoadCyberware(const std::string& folder, std::string_view allowedBooks,
                                         LoadNotes* notes = nullptr);

/// The bioware tree: entries of fields 0-6 (name, Bio-index, price, book, kind, modifier codes,
/// note); a line with no Bio-index is a header at indent 1. Filtered as LoadCyberware.
std::optional<CatalogTree> LoadBioware(const std::string& folder, std::string_view allowedBooks,
                                       LoadNotes* notes = nullptr);

/// Notes each faulty piece of a modifier-code list found on a catalog line.
void NoteModifierCodes(LoadNotes* notes, std::string_view file, int line, std::string_view list);

}  // namespace ivgen
