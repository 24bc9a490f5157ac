#include "purchase/bioware.h"

#include <algorithm>
#include <vector>

#include "purchase/cyberware.h"
#include "purchase/gear.h"
#include "record/entries.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

// Catalog and entry fields.
constexpr size_t kName = 0, kBioIndex = 1, kPrice = 2, kBook = 3, kType = 4, kCodes = 5, kNote = 6;

// An item as the chosen type would buy it.
struct BioOffer {
  std::string name;
  int64_t bioIndex = 0;  // hundredths
  int32_t price = 0;
  std::string type;
};

BioOffer Offer(const std::vector<std::string>& fields, int type) {
  BioOffer offer{fields[kName], 0, CLng(Val(fields[kPrice])), fields[kType]};
  double bioIndex = Val(fields[kBioIndex]);
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

std::string HundredthsText(int64_t hundredths) { return FormatFixed2(static_cast<double>(hundredths) / 100.0); }

void ShowNotes(BiowareView& view, const std::vector<std::string>& fields) {
  view.notes = fields[kBook] + fields[kNote];
  view.book = fields[kBook];
  view.note = fields[kNote];
}

}  // namespace

void ShowBiowareItem(RulesContext& ctx, BiowareView& view, int node) {
  view.selectedItem = node;
  const std::vector<std::string> fields = CatalogItemFields(ctx.catalogs.bioware, node, kNote + 1);
  view.buyEnabled = !fields.empty();
  if (fields.empty()) return;
  const BioOffer offer = Offer(fields, view.type);
  view.basePrice = IntText(CLng(Val(fields[kPrice])));
  view.bioIndexCost = HundredthsText(offer.bioIndex);
  view.calculatedPrice = FormatThousands(offer.price);
  ShowNotes(view, fields);
}

void SelectBiowareType(RulesContext& ctx, BiowareView& view, int type) {
  if (type < 0 || type >= kBiowareTypeCount) return;
  view.type = type;
  ShowBiowareItem(ctx, view, view.selectedItem);
}

bool BuyBioware(RulesContext& ctx, BiowareView& view, const BookLists& books) {
  std::vector<std::string> fields = CatalogItemFields(ctx.catalogs.bioware, view.selectedItem, kNote + 1);
  if (fields.empty()) return false;
  CharacterRecord& record = ctx.record;
  const BioOffer offer = Offer(fields, view.type);
  if (!ItemBookAllowed(ctx, books, fields[kBook])) return false;
  const bool overriding = record.OverrideLimits();
  // The item's own Bio-index is held against Essence, not against the Bio-index total.
  if (!overriding && (Hundredths(record.Essence) < offer.bioIndex || !CanAfford(record, offer.price))) {
    ctx.platform.Message(kInsufficientBioIndex, kAppTitle, Icon::None, Buttons::Ok);
    return Refuse(ctx, ShortOf(record, "Essence for its Bio-index", offer.bioIndex, offer.price));
  }
  if (!overriding) SpendNuyen(record, offer.price);
  if (!fields[kCodes].empty()) ModifyAttributeS(ctx, fields[kCodes], false);

  fields[kName] = offer.name;
  fields[kBioIndex] = HundredthsText(offer.bioIndex);
  fields[kPrice] = IntText(offer.price);
  fields[kType] = offer.type;
  record.Bioware.push_back(JoinTabs(fields));
  RecountBioIndex(ctx, view);
  RecalcDerived(ctx);
  return true;
}

void SelectInstalledBioware(RulesContext& ctx, BiowareView& view, int index) {
  const auto& list = ctx.record.Bioware;
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return;
  std::vector<std::string> fields = SplitTabs(list[index]);
  fields.resize(std::max<size_t>(fields.size(), kNote + 1));
  view.selectedInstalled = index;
  view.type = fields[kType] == "c" ? kTypeCultured : fields[kType] == "u" ? kTypeUsed : kTypeStandard;
  view.removeEnabled = true;
  view.bioIndexCost = fields[kBioIndex];
  view.basePrice = fields[kPrice];
  view.calculatedPrice.clear();
  ShowNotes(view, fields);
}

bool RemoveBioware(RulesContext& ctx, BiowareView& view) {
  CharacterRecord& record = ctx.record;
  const int index = view.selectedInstalled;
  if (!view.removeEnabled || index < 0 || static_cast<size_t>(index) >= record.Bioware.size()) return false;
  const std::string codes = TabField(record.Bioware[index], kCodes);
  RefundNuyen(record, CLng(Val(TabField(record.Bioware[index], kPrice))));
  record.Bioware.erase(record.Bioware.begin() + index);
  if (!codes.empty()) ModifyAttributeS(ctx, codes, true);
  RecountBioIndex(ctx, view);
  RecalcDerived(ctx);
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  return true;
}

int64_t BioIndexHundredths(const CharacterRecord& record) {
  int64_t total = 0;
  for (const std::string& entry : record.Bioware) total += Hundredths(Val(TabField(entry, kBioIndex)));
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
  auto& notes = record.RaceDesc;
  const bool excessive = ExcessiveBioware(record, record.Essence);
  auto first = std::find(notes.begin(), notes.end(), kExcessBiowareNote);
  const bool noted = first != notes.end();
  if (excessive && noted) ++first;
  notes.erase(std::remove(first, notes.end(), kExcessBiowareNote), notes.end());
  if (excessive && !noted) notes.emplace_back(kExcessBiowareNote);
  view.excessiveWarning = excessive;
  ShowMoneyLeft(record, view);
}

void ResetBioware(RulesContext& ctx, BiowareView& view) {
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  RecountBioIndex(ctx, view);
}

}  // namespace ivgen
