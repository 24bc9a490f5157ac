// Searching a whole catalog from one box: what the player typed, found in the name of any item or
// of the group it lies in, whichever group the page shows at the moment.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/line_syntax.h"

namespace ivgen {

/// One item a search found, and where its page finds it.
struct CatalogMatch {
  /// The item as its list names it, and the group it lies in as the page names that.
  std::string name;
  std::string group;
  /// The group's place (a gear tree node, a spell or skill category; -1 in a catalog tree, whose
  /// item nodes stand under their category), the item's place in the group's list (a shop row,
  /// a spell or skill row, a catalog tree node), and a skill's specialization row (-1 for none).
  int groupAt = -1;
  int itemAt = -1;
  int detailAt = -1;
  bool operator==(const CatalogMatch&) const = default;
};

/// A page's search box: the text typed, what it found in catalog order, and the match chosen last.
struct CatalogSearch {
  std::string text;
  std::vector<CatalogMatch> matches;
  int chosen = -1;
  /// Text typed that found nothing: the page says so instead of showing an empty list.
  bool NoMatches() const { return !text.empty() && matches.empty(); }
  bool operator==(const CatalogSearch&) const = default;
};

/// The first match `is` accepts; -1 for none.
template <typename Is>
int FindMatch(const CatalogSearch& search, Is is) {
  for (size_t i = 0; i < search.matches.size(); ++i) {
    if (is(search.matches[i])) return static_cast<int>(i);
  }
  return -1;
}

/// The match at `index`; nullptr for an index outside the matches.
const CatalogMatch* MatchAt(const CatalogSearch& search, int index);

/// Whether an item is found by `text`: its name or its group's holds it, in either case. An empty
/// text finds nothing, so an empty box lists nothing.
bool SearchFinds(std::string_view text, std::string_view name, std::string_view group);

/// The items of a cyberware or bioware tree that `text` finds, in tree order: an item node under
/// its category (the last node before it of indent below 2; none above the first). Categories are
/// not matches themselves; a category whose name holds the text brings all its items.
std::vector<CatalogMatch> SearchCatalogTree(const CatalogTree& tree, std::string_view text);

}  // namespace ivgen
