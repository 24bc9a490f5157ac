// The lists the pages show, one row struct per list with its columns named, cut from the
// record's and the catalogs' TAB-separated entries here so the window and ivgen-batch cut nothing.
// `cells` keeps every field as stored, for listings that show them all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalogs.h"

namespace ivgen {

struct BookRow {
  std::string title;
  std::string code;
  std::vector<std::string> cells;
};
std::vector<BookRow> BookRows(const std::vector<std::string>& books);

/// An edge or flaw, in the record or in the catalog.
struct EdgeRow {
  std::string name;
  /// The point value as written, brackets and all.
  std::string value;
  std::string book;
  /// Its description, or the attribute modifier codes it applies; the lists show it as a tip.
  std::string description;
  std::vector<std::string> cells;
};
std::vector<EdgeRow> EdgeRows(const std::vector<std::string>& entries);

/// A contact: fields 0 to 8 always, as the list shows them; the three after are always empty.
struct ContactRow {
  std::string name;
  std::string level;
  std::string price;
  std::vector<std::string> cells;
};
std::vector<ContactRow> ContactRows(const std::vector<std::string>& contacts);

/// An entry of the character's gear list.
struct GearRow {
  /// The name column as stored: 30 characters wide, with "[N]" after it for a count.
  std::string name;
  /// Everything after the first TAB: the type and its values, each closed by "|".
  std::string values;
  /// The item's name without padding or count.
  std::string item;
  int64_t count = 1;
  int type = 0;
  /// Weight and price as the type's fields hold them ("" when the type has none).
  std::string weight;
  std::string price;
  /// The book reference, and every other field named as the item's type names it, one list
  /// mixing types: "Concealability 5, Ammunition 10(c), Mode SA".
  std::string book;
  std::string details;
  /// The divider line itself, and whether the entry lies below it (carried).
  bool divider = false;
  bool carried = false;
  std::vector<std::string> cells;
};
std::vector<GearRow> GearRows(const std::vector<std::string>& gear, const GearCatalog& catalog);

/// The names a gear group's shop list shows, blanks trimmed.
std::vector<std::string> GearShopNames(const std::vector<std::string>& shopItems);
/// The titles of the gear tree's nodes.
std::vector<std::string> GearGroupTitles(const CatalogTree& tree);

/// An installed cyberware entry.
struct CyberwareRow {
  std::string name;
  std::string essence;
  std::string price;
  std::string book;
  std::string codes;
  /// Field 6 as stored, which ends in the grade code when it is the entry's last field.
  std::string notes;
  /// The grade code's digit, "0" to "3", cut from the end of the entry; "" without one.
  std::string grade;
  std::vector<std::string> cells;
};
std::vector<CyberwareRow> CyberwareRows(const std::vector<std::string>& installed);

/// An installed bioware entry.
struct BiowareRow {
  std::string name;
  std::string bioIndex;
  std::string price;
  std::string book;
  std::string type;
  std::string codes;
  std::string notes;
  std::vector<std::string> cells;
};
std::vector<BiowareRow> BiowareRows(const std::vector<std::string>& installed);

/// A catalog name without its markers, and what they ask when the entry is taken: "*" a level,
/// "->" a target or a name of the player's.
struct MarkedName {
  std::string name;
  bool asksLevel = false;
  bool asksTarget = false;
};
MarkedName ReadMarkers(std::string_view raw);

/// An adept power, in the record (name with its level, cost times level) or in the catalog.
struct PowerRow {
  /// The name as stored, markers and level and all, as ivgen-batch names it.
  std::string name;
  /// The name without markers or level, and the level bought ("" for one, or in the catalog).
  MarkedName marked;
  std::string level;
  std::string cost;
  std::string codes;
  std::string book;
  std::string note;
  std::vector<std::string> cells;
};
std::vector<PowerRow> PowerRows(const std::vector<std::string>& powers);

/// A spell the character chose: name, the five data columns, points and book.
struct SpellRow {
  std::string name;
  /// The spell points as written, "[01]".
  std::string points;
  std::string book;
  std::vector<std::string> cells;
};
std::vector<SpellRow> SpellRows(const std::vector<std::string>& spells);

/// A spell category: its name and the code letter its spells carry.
struct SpellCategoryRow {
  std::string name;
  std::string code;
};
std::vector<SpellCategoryRow> SpellCategoryRows(const std::vector<std::string>& categories);

/// A number as a list writes it in brackets ("[03]", "[4/6]"), as the player reads it: the part
/// before any "/" without brackets or leading zeros ("3", "4"), and the part after it ("6", or "").
struct BracketNumbers {
  std::string first;
  std::string second;
};
BracketNumbers NumbersInBrackets(std::string_view text);

/// The names of the spell categories, or of any catalog lines whose name comes before a TAB.
std::vector<std::string> EntryNames(const std::vector<std::string>& entries);

}  // namespace ivgen
