#include "purchase/bioware.h"

#include <algorithm>
#include <vector>

#include "purchase/cyberware.h"
#include "purchase/gear.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

BioOffer BiowareOffer(const BiowareEntry& item, int type) {
  BioOffer offer{item.name, 0, item.Price(), item.type};
  double bioIndex = item.BioIndex();
  // An item grown cultured is always sold as listed.
  if (offer.type != "c" && type == kTypeCultured) {
    offer.type = "c";
    offer.name = "Cul." + offer.name;
    bioIndex *= 0.75;
    offer.price = CLng(static_cast<double>(offer.price) * 4);
  } else if (offer.type != "c" && type == kTypeUsed) {
    offer.type = "u";
    offer.name = "usd " + offer.name;
    offer.price = CLng(static_cast<double>(offer.price) * 0.6);
  }
  offer.bioIndex = Hundredths(bioIndex);
  return offer;
}

namespace {

std::string HundredthsText(int64_t hundredths) { return FormatFixed2(static_cast<double>(hundredths) / 100.0); }

void ShowNotes(BiowareView& view, const BiowareEntry& bio) {
  view.notes = bio.book + bio.note;
  view.book = bio.book;
  view.note = bio.note;
}

}  // namespace

void ShowBiowareItem(RulesContext& ctx, BiowareView& view, int node) {
  view.selectedItem = node;
  const std::optional<BiowareEntry> item = CatalogItem<BiowareEntry>(ctx.catalogs.bioware, node);
  view.buyEnabled = item.has_value();
  if (!item) return;
  const BioOffer offer = BiowareOffer(*item, view.type);
  view.basePrice = IntText(item->Price());
  view.bioIndexCost = HundredthsText(offer.bioIndex);
  view.calculatedPrice = FormatThousands(offer.price);
  ShowNotes(view, *item);
}

void SelectBiowareType(RulesContext& ctx, BiowareView& view, int type) {
  if (type < 0 || type >= kBiowareTypeCount) return;
  view.type = type;
  ShowBiowareItem(ctx, view, view.selectedItem);
}

bool BuyBioware(RulesContext& ctx, BiowareView& view, const BookLists& books) {
  std::optional<BiowareEntry> item = CatalogItem<BiowareEntry>(ctx.catalogs.bioware, view.selectedItem);
  if (!item) return false;
  CharacterRecord& record = ctx.record;
  const BioOffer offer = BiowareOffer(*item, view.type);
  if (!ItemBookAllowed(ctx, books, item->book)) return false;
  const bool overriding = record.OverrideLimits();
  // The item's own Bio-index is held against Essence, not against the Bio-index total.
  if (!overriding && (Hundredths(record.Essence) < offer.bioIndex || !CanAfford(record, offer.price))) {
    ctx.platform.Message(kInsufficientBioIndex, kAppTitle, Icon::None, Buttons::Ok);
    return Refuse(ctx, ShortOf(record, "Essence for its Bio-index", offer.bioIndex, offer.price));
  }
  if (!overriding) SpendNuyen(record, offer.price);
  if (!item->codes.empty()) ModifyAttributeS(ctx, item->codes, false);

  item->name = offer.name;
  item->bioIndex = HundredthsText(offer.bioIndex);
  item->price = IntText(offer.price);
  item->type = offer.type;
  record.Bioware.push_back(FormatEntry(*item));
  RecountBioIndex(ctx, view);
  RecalcDerived(ctx);
  return true;
}

void SelectInstalledBioware(RulesContext& ctx, BiowareView& view, int index) {
  const auto& list = ctx.record.Bioware;
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return;
  const BiowareEntry bio = ParseEntry<BiowareEntry>(list[index]);
  view.selectedInstalled = index;
  view.type = bio.type == "c" ? kTypeCultured : bio.type == "u" ? kTypeUsed : kTypeStandard;
  view.removeEnabled = true;
  view.bioIndexCost = bio.bioIndex;
  view.basePrice = bio.price;
  view.calculatedPrice.clear();
  ShowNotes(view, bio);
}

bool RemoveBioware(RulesContext& ctx, BiowareView& view) {
  CharacterRecord& record = ctx.record;
  const int index = view.selectedInstalled;
  if (!view.removeEnabled || index < 0 || static_cast<size_t>(index) >= record.Bioware.size()) return false;
  const BiowareEntry bio = ParseEntry<BiowareEntry>(record.Bioware[index]);
  RefundNuyen(record, bio.Price());
  record.Bioware.erase(record.Bioware.begin() + index);
  if (!bio.codes.empty()) ModifyAttributeS(ctx, bio.codes, true);
  RecountBioIndex(ctx, view);
  RecalcDerived(ctx);
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  return true;
}

int64_t BioIndexHundredths(const CharacterRecord& record) {
  int64_t total = 0;
  for (const std::string& entry : record.Bioware) total += Hundredths(ParseEntry<BiowareEntry>(entry).BioIndex());
  return total;
}

bool ExcessiveBioware(const CharacterRecord& record, double essence) {
  return Hundredths(essence + 3) <= BioIndexHundredths(record);
}

void RecountBioIndex(RulesContext& ctx, BiowareView& view) {
  CharacterRecord& record = ctx.record;
  const int64_t total = BioIndexHundredths(record);
  record.BodyIndex = static_cast<float>(static_cast<double>(total) / 100.0);
  record.BodyIndexText = HundredthsText(total);
  view.bioIndex = record.BodyIndexText;
  view.essenceIndex = GeneralNumber(record.Essence + 3);

  // One note marks excessive bioware however often it is recounted.
  const bool excessive = ExcessiveBioware(record, record.Essence);
  const auto noteCount = std::count(record.RaceDesc.begin(), record.RaceDesc.end(), kExcessBiowareNote);
  view.excessiveWarning = excessive;
  ShowMoneyLeftNow(record, view);
  // Left alone when right, so an undo step keeps sharing the notes.
  if (noteCount == (excessive ? 1 : 0)) return;
  auto& notes = record.RaceDesc.Edit();
  auto first = std::find(notes.begin(), notes.end(), kExcessBiowareNote);
  const bool noted = first != notes.end();
  if (excessive && noted) ++first;
  notes.erase(std::remove(first, notes.end(), kExcessBiowareNote), notes.end());
  if (excessive && !noted) notes.emplace_back(kExcessBiowareNote);
}

void ResetBioware(RulesContext& ctx, BiowareView& view) {
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  RecountBioIndex(ctx, view);
}

}  // namespace ivgen
