// The cyberware page: an item's price and Essence in the chosen grade, buying and removing it,
// Essence recounted from the installed list with the eye and ear capacity rule, and the view of
// the attributes with cyber arms or legs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/books.h"
#include "catalog/catalog_search.h"
#include "entry/list_entries.h"
#include "purchase/gear.h"
#include "rules/creation_state.h"
#include "rules/essence.h"

namespace ivgen {

inline constexpr const char* kInsufficientEssence = "Insufficient nuyen or Essence";

enum CyberGrade : int { kGradeStandard = 0, kGradeAlpha = 1, kGradeBeta = 2, kGradeDelta = 3 };
inline constexpr int kGradeCount = 4;
/// Captions of the grade options.
inline constexpr std::array<std::string_view, kGradeCount> kGradeNames = {"Standard", "Alpha", "Beta", "Delta"};

/// The limbs view's "nothing saved" mark.
inline constexpr std::string_view kNothingSaved = "x";

/// What the cyberware page shows that the rules decide.
struct CyberwareView {
  /// Node of the catalog tree last chosen; -1 for none.
  int selectedItem = -1;
  /// The chosen node is an item, not a category: there is something to buy.
  bool buyEnabled = false;
  int grade = kGradeStandard;
  bool used = false;
  /// The search box: the tree shows only the items it found, under their categories.
  CatalogSearch search;

  // The detail boxes.
  std::string basePrice;
  std::string essenceCost;
  /// The book reference glued to the note, as ivgen-batch prints it; and each on its own.
  std::string notes;
  std::string book;
  std::string note;
  std::string streetIndex;
  std::string calculatedPrice;
  std::string modifiedEssence;

  /// Entry of the installed list chosen; -1 for none.
  int selectedInstalled = -1;
  bool removeEnabled = false;

  /// Essence in the form "0.00", and nuyen left as a whole number.
  std::string essence = "6.00";
  std::string moneyLeft = "0";

  bool armsInstalled = false;
  bool legsInstalled = false;
  /// The "Cyber Arms/Legs" and "Standard View" options.
  bool limbsFrameVisible = false;
  /// "Cyber Arms/Legs" is the option selected.
  bool limbsView = false;
  /// Base Strength and base Quickness as they were before the limbs view replaced them.
  std::string savedStrength{kNothingSaved};
  std::string savedQuickness{kNothingSaved};
  bool operator==(const CyberwareView&) const = default;
};

/// An item as it would be bought in a grade (0 to 3), new or used: its name with the suffixes,
/// its Essence in hundredths and its price.
struct CyberOffer {
  std::string name;
  int64_t essence = 0;
  int32_t price = 0;
};
CyberOffer CyberwareOffer(const CyberwareEntry& item, int grade, bool used);

/// Which of an implant's two limits refused it, Essence (in hundredths) first as the message box
/// names it: "Not enough Essence: 0.50 needed, 0.20 left" or the money's reason.
std::string ShortOf(const CharacterRecord& record, const std::string& what, int64_t hundredths, int64_t price);

/// The sourcebook code of a book reference: the text before its first "-", right-trimmed; a
/// reference without "-" is all code.
std::string BookCodeOf(std::string_view reference);

/// Asks whether the book of a reference is allowed; if not, tells the player "Illegal item".
bool ItemBookAllowed(RulesContext& ctx, const BookLists& books, std::string_view reference);

/// The fields of an item node of a catalog tree (second level or deeper); none for a category or
/// a node outside the tree.
std::vector<std::string> CatalogItemFields(const CatalogTree& tree, int node);

/// An item node of a catalog tree as the entry it becomes, every column written when it is
/// bought; nothing for a category or a node outside the tree.
template <typename Entry>
std::optional<Entry> CatalogItem(const CatalogTree& tree, int node) {
  std::vector<std::string> fields = CatalogItemFields(tree, node);
  if (fields.empty()) return std::nullopt;
  Entry item = EntryFromFields<Entry>(std::move(fields));
  WriteEveryColumn(item);
  return item;
}

/// Chooses a node of the catalog tree and shows the item in the grade and used option chosen;
/// a category (or a node outside the tree) leaves the detail boxes as they were.
void ShowCyberwareItem(RulesContext& ctx, CyberwareView& view, int node);
/// The grade options (a grade outside 0..3 is ignored) and the used option; both show the chosen
/// item again.
void SelectCyberGrade(RulesContext& ctx, CyberwareView& view, int grade);
void SetCyberUsed(RulesContext& ctx, CyberwareView& view, bool used);

/// Buys the chosen item. True when it was bought; a category or no choice does nothing.
bool BuyCyberware(RulesContext& ctx, CyberwareView& view, const BookLists& books);

/// Chooses an entry of the installed list; an index outside the list does nothing.
void SelectInstalledCyberware(RulesContext& ctx, CyberwareView& view, int index);
/// Removes the chosen entry with its refund and modifiers; true when one was removed.
bool RemoveCyberware(RulesContext& ctx, CyberwareView& view);

/// Essence from the whole installed list, the limb flags and the money left.
void RecountCyberwareEssence(RulesContext& ctx, CyberwareView& view);

/// The Essence and money-left displays, as the record holds them now.
void ShowEssenceAndMoney(const CharacterRecord& record, CyberwareView& view);

/// "Cyber Arms/Legs": base Strength (arms) and base Quickness (legs) shown as 4. Entering it
/// again while it is on changes nothing.
void ShowCyberLimbsView(RulesContext& ctx, CyberwareView& view);
/// "Standard View": puts back what the limbs view saved, once.
void ShowStandardView(RulesContext& ctx, CyberwareView& view);

/// A new character: nothing chosen, the limbs options hidden and forgotten.
void ResetCyberware(RulesContext& ctx, CyberwareView& view);

}  // namespace ivgen
