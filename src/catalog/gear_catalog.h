// The gear catalog (gear.dat): the gear type table, the gear tree of groups, and the shop list of
// one group, which is read from the file again on every click, as is a search of every group.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/books.h"
#include "catalog/catalog_file.h"
#include "catalog/catalog_search.h"
#include "catalog/line_syntax.h"
#include "record/text_file.h"

namespace ivgen {

inline constexpr std::string_view kGearFile = "gear.dat";
inline constexpr int kGearTypeMax = 64;
inline constexpr int kGearFieldMax = 30;

/// One gear type: its name, its field names at positions 1 to fieldCount (position 0 is empty)
/// and the 0-based position of its price among an item's values.
struct GearType {
  std::string name;
  int fieldCount = 0;
  std::vector<std::string> fieldNames = {""};
  int priceField = 0;
};

/// The gear tree (one node per group line, indent = outline level) and the type table 0-64.
struct GearCatalog {
  CatalogTree tree;
  std::array<GearType, kGearTypeMax + 1> types;
};

/// Reads gear.dat: type lines fill the table (a later line of the same number replaces the type),
/// group lines become nodes whose text ends in nine Tabs, "," and the line number. Type lines
/// with too few "|", a type above 64, more than 30 fields or a non-numeric number are left out,
/// as are empty lines. Nothing when gear.dat is missing or cannot be opened.
std::optional<GearCatalog> LoadGear(const std::string& folder, LoadNotes* notes = nullptr);

/// Appends a node; levels outside 1 to 9 are held at those ends.
void AddGearNode(CatalogTree& tree, std::string text, int level);

/// The type table's cells; a type outside 0-64 or a position outside the type gives "" or 0.
std::string GearTypeName(const GearCatalog& gear, int type);
int GearFieldCount(const GearCatalog& gear, int type);
std::string GearFieldName(const GearCatalog& gear, int type, int position);
int GearPriceField(const GearCatalog& gear, int type);

/// Position (1 to the type's field count) of the first field named exactly `name`; 0 when there
/// is none, or for type 0 or a type outside the table.
int FieldIndex(const GearCatalog& gear, int type, std::string_view name);

/// Index of the first gear-list entry holding "==="; 0 when the list is empty or has none.
int DivLineWhere(const std::vector<std::string>& gearList);

/// Whether a node of the tree has child nodes (the next node lies deeper).
bool HasChildNodes(const CatalogTree& tree, size_t node);

/// The shop list of one group: its title and the entries "name<Tab>type|value|...|".
struct GearGroup {
  std::string title;
  std::vector<std::string> items;
  IoResult file;  // not ok when gear.dat could not be opened for the listing
};

/// Lists the items of a group that has no child nodes, reading gear.dat again. Items whose book
/// BookAllowed refuses are left out once the group has shown a book reference with a page; an
/// item line with too few "|" or of an undefined type is left out. Nothing for a node that has
/// child nodes or lies outside the tree.
std::optional<GearGroup> ShowGearGroup(const std::string& folder, const GearCatalog& gear, size_t node,
                                       const BookLists& books, LoadNotes* notes = nullptr);

/// What a search of the whole gear catalog found: every item of every group without child nodes,
/// as that group's shop list holds it, whose name or group title holds the text.
struct GearSearch {
  std::vector<CatalogMatch> matches;
  IoResult file;  // not ok when gear.dat could not be opened
};

/// Reads gear.dat once for every group; an empty text finds nothing and reads nothing.
GearSearch SearchGear(const std::string& folder, const GearCatalog& gear, const BookLists& books,
                      std::string_view text);

/// The checker's look at every item line of gear.dat: malformed items, and items that no group
/// reaches because the line before them ends the group.
void NoteGearItems(const CatalogText& text, const GearCatalog& gear, LoadNotes& notes);

}  // namespace ivgen
