// The gear page and the nuyen account every purchase shares: the shop list of a gear group, the
// item panel, buying by count, the character's gear list split by the divider into gear kept at
// home and carried gear, its carried weight, and money left.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/books.h"
#include "catalog/catalog_search.h"
#include "entry/list_entries.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr int kGearTypeWeapon = 3;
inline constexpr int kGearTypeContact = 16;
/// Name/value places of the item panel, and how many of them an owned entry fills.
inline constexpr int kGearShownFields = 12;
inline constexpr int kOwnedGearShownFields = 10;

inline constexpr const char* kEnterCostPrompt = "Enter cost";
inline constexpr const char* kAddedToContactsMessage = "Added to contact page!";

/// One name/value place of the item panel.
struct GearField {
  std::string name;
  std::string value;
  bool operator==(const GearField&) const = default;
};

/// Everything the gear page shows that the rules decide.
struct GearView {
  /// The clicked group's node and title, and its shop list ("name<Tab>type|value|...|").
  int groupNode = -1;
  std::string groupTitle;
  std::vector<std::string> shopItems;
  int shopSelected = -1;
  bool buyEnabled = false;
  /// The number-of-items box as typed.
  std::string countText = "1";

  /// The item panel: the shop item or the owned entry chosen last.
  std::string itemTitle;
  std::vector<GearField> fields;
  /// False greys the values out: the shop item's book is not allowed and it cannot be bought.
  bool valuesEnabled = true;
  /// The mark the chosen shop item got when it was shown, kept while an owned entry is shown:
  /// buying goes by it, so what was shown greyed out is refused even if the books changed since.
  bool shopItemBuyable = true;

  /// The selected entry of the character's gear list.
  int ownedSelected = -1;
  bool removeEnabled = false;

  /// Carried weight and money left, as plain numbers.
  std::string totalWeight = "0";
  std::string moneyLeft = "0";

  /// The search of every group's items; choosing a match clicks its group and its item.
  CatalogSearch search;

  /// What the last firearm bought cost, which an internal mount costs again. Lives as long as
  /// the program, not the character: New and Open keep it.
  int64_t lastWeaponPrice = 0;
  bool operator==(const GearView&) const = default;
};

/// A click on a node of the gear tree: a node without children lists its group, with nothing
/// chosen and the buy button disabled; the item panel stays as it was. A gear.dat that cannot be read
/// is reported and leaves the list empty.
void ClickGearGroup(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books, size_t node);

/// The search box typed: the items of every group that the text finds. A gear.dat that cannot be
/// read finds nothing; a click on a group says why.
void SearchGearItems(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books,
                     std::string text);

/// A match clicked: its group is clicked in the tree, then its item in the shop list, found again
/// by its name should gear.dat have changed since. An index outside the matches does nothing.
void ChooseGearMatch(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books, int index);

/// Chooses a shop entry and shows it in the item panel; an index outside the list does nothing.
void ShowGearItem(RulesContext& ctx, GearView& view, const BookLists& books, int index);

/// The number-of-items box.
void SetGearCount(GearView& view, std::string text);

/// Buys countText of the chosen shop item; one marked not buyable is refused with a message.
/// Refused silently when money is short, the count is below 1, or the price is negative,
/// cancelled or left empty. True when something was bought.
bool BuyGear(RulesContext& ctx, GearView& view);

/// Chooses an entry of the character's gear list and shows it; an index outside does nothing.
void SelectOwnedGear(RulesContext& ctx, GearView& view, int index);

/// Removes the chosen gear entry and refunds its price times its count, whatever Override Limits
/// says. True when an entry was removed.
bool RemoveGear(RulesContext& ctx, GearView& view);

/// Carried weight from the divider down (every entry when there is no divider) and the money
/// displays.
void RecountGearWeight(RulesContext& ctx, GearView& view);

/// The up and down buttons: the chosen entry moves one place, the selection follows it and the
/// carried weight is recounted. First or last, or nothing chosen, does nothing.
void MoveGearUp(RulesContext& ctx, GearView& view);
void MoveGearDown(RulesContext& ctx, GearView& view);

/// Moves the selected entry of a list one place by step (-1 up, 1 down); the selection follows.
/// False, and nothing moves, when nothing is selected or the entry would leave the list.
bool MoveListEntry(std::vector<std::string>& list, int& selected, int step);

/// After every action: which match names the group and the item chosen now.
void ShowChosenGearMatch(GearView& view);

/// New or Open: the character's gear list changed under the page, so nothing is chosen.
void ResetGearPage(RulesContext& ctx, GearView& view);

}  // namespace ivgen
