// The magic catalogs: spells (spells.dat) with their categories, adept powers (powers.dat) and
// traditions and totems (totems.dat).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"
#include "catalog/catalog_search.h"

namespace ivgen {

inline constexpr std::string_view kSpellsFile = "spells.dat";
inline constexpr std::string_view kPowersFile = "powers.dat";
inline constexpr std::string_view kTraditionsFile = "totems.dat";
inline constexpr size_t kSpellLinesMax = 400;
inline constexpr std::string_view kHermeticMage = "Hermetic mage";

/// The spell category list (entries "name<Tab>code") and SpellLines, the spell entries
/// "name<Tab>f1<Tab>f2<Tab>f3<Tab>f4<Tab>f5<Tab>%book-ref+category code" in file order.
/// SpellCount is SpellLines.size(); the first spell is SpellLines[0].
struct SpellCatalog {
  std::vector<std::string> categories;
  std::vector<std::string> SpellLines;
};

/// Reads spells.dat. Category lines ("#name/...code") are not filtered by book; a "#" line
/// without "/" is left out, as are spell lines of other books or without "-" in their book
/// reference, and spells past the 400th. Nothing when the file is missing or cannot be opened.
std::optional<SpellCatalog> LoadSpells(const std::string& folder, std::string_view allowedBooks,
                                       LoadNotes* notes = nullptr);

/// The SpellLines entries listed under a category entry: those whose last character equals the
/// category's last character in upper case. An empty category entry lists nothing.
std::vector<std::string> SpellsInCategory(const SpellCatalog& spells, std::string_view categoryEntry);

/// The spells `text` finds by their name or their category's, category by category in the order
/// each category lists them; a spell listed under two categories is found under each.
std::vector<CatalogMatch> SearchSpells(const SpellCatalog& spells, std::string_view text);

/// The adept power list: entries "name<Tab>cost<Tab>modifier codes<Tab>book<Tab>note" of the
/// allowed books. Nothing when powers.dat is missing or cannot be opened.
std::optional<std::vector<std::string>> LoadPowers(const std::string& folder, std::string_view allowedBooks,
                                                   LoadNotes* notes = nullptr);

/// The tradition list: "Hermetic mage", then column 11 onward of each line of an allowed book.
/// Nothing when totems.dat is missing or cannot be opened.
std::optional<std::vector<std::string>> LoadTraditions(const std::string& folder, std::string_view allowedBooks,
                                                       LoadNotes* notes = nullptr);

}  // namespace ivgen
