#include "purchase/gear.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "catalog/gear_catalog.h"
#include "purchase/contacts.h"
#include "record/money.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr std::string_view kInternalMark = "I, Internal";

const GearCatalog& Gear(const RulesContext& ctx) { return ctx.catalogs.gear; }

int PricePosition(const RulesContext& ctx, int type) { return GearPriceField(Gear(ctx), type) + 1; }

// A book field with a page reference names a book that must be allowed; a bare code never bars
// an item, as the shop list does not bar it either.
bool Buyable(const RulesContext& ctx, const BookLists& books, const GearEntry& item) {
  const std::string book = item.Value(GearFieldCount(Gear(ctx), item.Type()));
  const size_t dash = book.find('-');
  return dash == std::string::npos || BookAllowed(books, TrimRight(book.substr(0, dash)));
}

// A shop item is titled by its name column, an owned entry by its whole name part with its count.
void ShowEntry(const RulesContext& ctx, GearView& view, const GearEntry& gear, size_t titleWidth, int places) {
  const int type = gear.Type();
  view.itemTitle = Trim(std::string_view(gear.name).substr(0, titleWidth));
  view.fields.clear();
  const int shown = std::min(GearFieldCount(Gear(ctx), type), places);
  for (int i = 1; i <= shown; ++i) view.fields.push_back({GearFieldName(Gear(ctx), type, i), gear.Value(i)});
}

void ClearPanel(GearView& view) {
  view.itemTitle.clear();
  view.fields.clear();
  view.valuesEnabled = true;
}

// The unit price of a shop item, asked when the catalog leaves it open. Nothing when the player
// cancels or leaves the box empty.
std::optional<int64_t> AskedOrListedPrice(RulesContext& ctx, std::string_view priceText) {
  if (priceText.empty() || priceText.back() != '?') return CLng(Val(priceText));
  const std::string answer = ctx.platform.Input(kEnterCostPrompt, kAppTitle, "");
  if (Trim(answer).empty()) return std::nullopt;
  return CLng(Val(answer));
}

void BuyContact(RulesContext& ctx, GearView& view, const GearEntry& item, double level, int64_t price) {
  CharacterRecord& record = ctx.record;
  ContactEntry contact;
  contact.name = item.name;
  contact.occupation = ReplaceAll(item.name, "Contact: ", "");
  contact.level = GeneralNumber(level);
  contact.price = IntText(price);
  const int16_t counted = CountLevel1Contacts(record);
  record.Level1Contacts = level == 1 && counted < std::numeric_limits<int16_t>::max() ? counted + 1 : counted;
  // One contact is one person, whatever the number of items says.
  if (!record.OverrideLimits()) SpendNuyen(record, price);
  RecountGearWeight(ctx, view);
  ctx.platform.Message(kAddedToContactsMessage, kAppTitle, Icon::None, Buttons::Ok);
  record.Contacts.push_back(FormatEntry(contact));
}

}  // namespace

bool MoveListEntry(std::vector<std::string>& list, int& selected, int step) {
  const int target = selected + step;
  if (selected < 0 || selected >= static_cast<int>(list.size()) || target < 0 ||
      target >= static_cast<int>(list.size())) {
    return false;
  }
  std::swap(list[static_cast<size_t>(selected)], list[static_cast<size_t>(target)]);
  selected = target;
  return true;
}

void ClickGearGroup(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books, size_t node) {
  auto group = ShowGearGroup(folder, Gear(ctx), node, books);
  if (!group) return;
  view.groupNode = static_cast<int>(node);
  view.groupTitle = group->title;
  view.shopItems = std::move(group->items);
  // With the list refilled nothing is chosen, so there is nothing to buy.
  view.shopSelected = -1;
  view.buyEnabled = false;
  if (!group->file.ok) ctx.platform.Message(group->file.Describe("read"), kAppTitle, Icon::Warning, Buttons::Ok);
}

void SearchGearItems(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books,
                     std::string text) {
  view.search.matches = SearchGear(folder, Gear(ctx), books, text).matches;
  view.search.text = std::move(text);
  ShowChosenGearMatch(view);
}

void ChooseGearMatch(RulesContext& ctx, GearView& view, const std::string& folder, const BookLists& books, int index) {
  const CatalogMatch* found = MatchAt(view.search, index);
  if (found == nullptr) return;
  const CatalogMatch match = *found;
  ClickGearGroup(ctx, view, folder, books, static_cast<size_t>(match.groupAt));
  auto named = [&view, &match](int row) {
    return row >= 0 && static_cast<size_t>(row) < view.shopItems.size() &&
           Trim(LeadingName(view.shopItems[static_cast<size_t>(row)])) == match.name;
  };
  int row = named(match.itemAt) ? match.itemAt : -1;
  for (int i = 0; row < 0 && i < static_cast<int>(view.shopItems.size()); ++i) {
    if (named(i)) row = i;
  }
  if (row >= 0) ShowGearItem(ctx, view, books, row);
}

void ShowChosenGearMatch(GearView& view) {
  const std::string chosen = view.shopSelected >= 0 && static_cast<size_t>(view.shopSelected) < view.shopItems.size()
                                 ? Trim(LeadingName(view.shopItems[static_cast<size_t>(view.shopSelected)]))
                                 : std::string();
  view.search.chosen = FindMatch(view.search, [&view, &chosen](const CatalogMatch& match) {
    return match.groupAt == view.groupNode && match.itemAt == view.shopSelected && match.name == chosen;
  });
}

void ShowGearItem(RulesContext& ctx, GearView& view, const BookLists& books, int index) {
  if (index < 0 || index >= static_cast<int>(view.shopItems.size())) return;
  view.shopSelected = index;
  const GearEntry item = ParseEntry<GearEntry>(view.shopItems[static_cast<size_t>(index)]);
  ShowEntry(ctx, view, item, kGearNameWidth, kGearShownFields);
  view.shopItemBuyable = Buyable(ctx, books, item);
  view.valuesEnabled = view.shopItemBuyable;
  view.buyEnabled = true;
}

void SetGearCount(GearView& view, std::string text) { view.countText = std::move(text); }

bool BuyGear(RulesContext& ctx, GearView& view) {
  if (view.shopSelected < 0 || view.shopSelected >= static_cast<int>(view.shopItems.size())) return false;
  CharacterRecord& record = ctx.record;
  const std::string entry = view.shopItems[static_cast<size_t>(view.shopSelected)];
  const GearEntry item = ParseEntry<GearEntry>(entry);
  const int type = item.Type();
  if (!view.shopItemBuyable) {
    ctx.platform.Message(kIllegalItemMessage, kIllegalItemTitle, Icon::None, Buttons::Ok);
    return false;
  }
  const double count = Val(view.countText);
  if (count < 1) return Refuse(ctx, "The count must be at least 1");
  const int64_t n = CLng(count);

  const int pricePosition = PricePosition(ctx, type);
  // An internal mount costs what the last firearm cost, so that is the price it is checked at.
  const bool internalMount = type != kGearTypeContact && entry.find(kInternalMark) != std::string::npos;
  const std::string priceText = item.Value(pricePosition);
  const std::optional<int64_t> asked = internalMount ? view.lastWeaponPrice : AskedOrListedPrice(ctx, priceText);
  if (!asked || *asked < 0) return false;
  const int64_t price = *asked;

  double level = 0;
  if (type == kGearTypeContact) level = Val(item.Value(FieldIndex(Gear(ctx), type, "Level")));
  if (!record.OverrideLimits() && !CanAfford(record, price * n)) return Refuse(ctx, NotEnoughNuyen(record, price * n));
  if (type == kGearTypeWeapon) view.lastWeaponPrice = price;

  if (type == kGearTypeContact) {
    BuyContact(ctx, view, item, level, price);
    return true;
  }

  // A price the catalog leaves open is written in, so the removal refunds what was charged; a
  // listed price keeps the catalog's text, which reads as the same number.
  GearEntry bought{item.name, item.values, {}};
  if (internalMount || (!priceText.empty() && priceText.back() == '?')) bought.SetValue(pricePosition, IntText(price));
  const int weightPosition = FieldIndex(Gear(ctx), type, "Weight");
  const double weight = Val(item.Value(weightPosition));
  if (weightPosition > 0 && weight > 0) bought.SetValue(weightPosition, GeneralNumber(weight * static_cast<double>(n)));

  if (n > 1) bought.name += "[" + IntText(n) + "]";
  if (type == 5 || type == 6) bought.name += "  ";
  record.Gear.push_back(FormatEntry(bought));
  if (!record.OverrideLimits()) SpendNuyen(record, price * n);
  RecountGearWeight(ctx, view);
  view.countText = "1";
  return true;
}

void SelectOwnedGear(RulesContext& ctx, GearView& view, int index) {
  if (index < 0 || index >= static_cast<int>(ctx.record.Gear.size())) return;
  view.ownedSelected = index;
  ShowEntry(ctx, view, ParseEntry<GearEntry>(ctx.record.Gear[static_cast<size_t>(index)]), std::string_view::npos,
            kOwnedGearShownFields);
  view.valuesEnabled = true;
  view.removeEnabled = true;
}

bool RemoveGear(RulesContext& ctx, GearView& view) {
  CharacterRecord& record = ctx.record;
  if (view.ownedSelected < 0 || view.ownedSelected >= static_cast<int>(record.Gear.size())) return false;
  const GearEntry gear = ParseEntry<GearEntry>(record.Gear[static_cast<size_t>(view.ownedSelected)]);
  record.Gear.erase(record.Gear.begin() + view.ownedSelected);
  view.ownedSelected = -1;
  view.removeEnabled = false;
  const int64_t price = CLng(Val(gear.Value(PricePosition(ctx, gear.Type()))));
  RefundNuyen(record, price * gear.Count());
  ClearPanel(view);
  RecountGearWeight(ctx, view);
  return true;
}

void RecountGearWeight(RulesContext& ctx, GearView& view) {
  CharacterRecord& record = ctx.record;
  float total = 0;
  for (size_t i = static_cast<size_t>(DivLineWhere(record.Gear)); i < record.Gear.size(); ++i) {
    const GearEntry gear = ParseEntry<GearEntry>(record.Gear[i]);
    const int weightPosition = FieldIndex(Gear(ctx), gear.Type(), "Weight");
    if (weightPosition > 0) total = static_cast<float>(total + HeldAmount(Val(gear.Value(weightPosition))));
  }
  record.TotalWeight = total;
  view.totalWeight = GeneralNumber(total);
  ShowMoneyLeft(ctx);
}

void MoveGearUp(RulesContext& ctx, GearView& view) {
  if (MoveListEntry(ctx.record.Gear.Edit(), view.ownedSelected, -1)) RecountGearWeight(ctx, view);
}

void MoveGearDown(RulesContext& ctx, GearView& view) {
  if (MoveListEntry(ctx.record.Gear.Edit(), view.ownedSelected, 1)) RecountGearWeight(ctx, view);
}

void ResetGearPage(RulesContext& ctx, GearView& view) {
  view.ownedSelected = -1;
  view.removeEnabled = false;
  view.shopSelected = -1;
  view.buyEnabled = false;
  ClearPanel(view);
  RecountGearWeight(ctx, view);
}

}  // namespace ivgen
