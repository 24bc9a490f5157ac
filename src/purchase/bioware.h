// The bioware page: an item's price and Bio-index as standard, cultured or used bioware, buying
// and removing it, and the Bio-index recounted from the installed list against the Essence Index.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/books.h"
#include "catalog/catalog_search.h"
#include "entry/list_entries.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kInsufficientBioIndex = "Insufficient nuyen or Bio-index";
inline constexpr const char* kExcessiveBiowareWarning = "Warning Excessive Bioware";
/// The race note that marks a character whose bioware is excessive.
inline constexpr const char* kExcessBiowareNote = "Excess. Bioware BW-78";

enum BiowareType : int { kTypeStandard = 0, kTypeCultured = 1, kTypeUsed = 2 };
inline constexpr int kBiowareTypeCount = 3;
/// Captions of the type options.
inline constexpr std::array<std::string_view, kBiowareTypeCount> kBiowareTypeNames = {"Standard", "Cultured", "Used"};

/// What the bioware page shows that the rules decide.
/// An item as a type (0 to 2) would buy it: its prefixed name, its Bio-index in hundredths, its
/// price and its type code. An item listed cultured is sold as listed whatever the type.
struct BioOffer {
  std::string name;
  int64_t bioIndex = 0;
  int32_t price = 0;
  std::string type;
};
BioOffer BiowareOffer(const BiowareEntry& item, int type);

struct BiowareView {
  /// Node of the catalog tree last chosen; -1 for none.
  int selectedItem = -1;
  /// The chosen node is an item, not a category: there is something to buy.
  bool buyEnabled = false;
  int type = kTypeStandard;
  /// The search box: the tree shows only the items it found, under their categories.
  CatalogSearch search;

  // The detail boxes.
  std::string basePrice;
  std::string bioIndexCost;
  std::string calculatedPrice;
  /// The book reference glued to the note, as ivgen-batch prints it; and each on its own.
  std::string notes;
  std::string book;
  std::string note;

  /// Entry of the installed list chosen; -1 for none.
  int selectedInstalled = -1;
  bool removeEnabled = false;

  /// The Bio-index "0.00", the Essence Index beside it, and the nuyen left.
  std::string bioIndex = "0.00";
  std::string essenceIndex = "9";
  bool excessiveWarning = false;
  std::string moneyLeft = "0";
  bool operator==(const BiowareView&) const = default;
};

/// Chooses a node of the catalog tree and shows the item as the chosen type would buy it; a
/// category (or a node outside the tree) leaves the detail boxes as they were.
void ShowBiowareItem(RulesContext& ctx, BiowareView& view, int node);
/// The type options; a type outside 0..2 is ignored. Shows the chosen item again.
void SelectBiowareType(RulesContext& ctx, BiowareView& view, int type);

/// Buys the chosen item. True when it was bought; a category or no choice does nothing.
bool BuyBioware(RulesContext& ctx, BiowareView& view, const BookLists& books);

/// Chooses an entry of the installed list; the type options follow its type code ("c" cultured,
/// "u" used, anything else standard). An index outside the list does nothing.
void SelectInstalledBioware(RulesContext& ctx, BiowareView& view, int index);
/// Removes the chosen entry with its refund and modifiers; true when one was removed.
bool RemoveBioware(RulesContext& ctx, BiowareView& view);

/// The Bio-index of the whole installed list in hundredths, counted without changing anything.
int64_t BioIndexHundredths(const CharacterRecord& record);
/// Bioware is excessive once its Bio-index reaches the Essence Index (Essence + 3).
bool ExcessiveBioware(const CharacterRecord& record, double essence);
/// The Bio-index from the whole installed list, the excessive-bioware warning with its one race
/// note, and the money left.
void RecountBioIndex(RulesContext& ctx, BiowareView& view);

/// A new character: nothing installed chosen, and the totals recounted.
void ResetBioware(RulesContext& ctx, BiowareView& view);

}  // namespace ivgen
