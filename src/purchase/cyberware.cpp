#include "purchase/cyberware.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "purchase/gear.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

struct GradeInfo {
  const char* suffix;
  int priceFactor;
  double essenceFactor;
};
constexpr std::array<GradeInfo, kGradeCount> kGrades = {
    {{"", 1, 1.0}, {"(A)", 2, 0.8}, {"(B)", 4, 0.6}, {"(D)", 8, 0.5}}};

}  // namespace

CyberOffer CyberwareOffer(const CyberwareEntry& item, int grade, bool used) {
  const GradeInfo& info = kGrades[static_cast<size_t>(grade)];
  CyberOffer offer;
  offer.name = item.name + info.suffix;
  offer.essence = Hundredths(item.Essence() * info.essenceFactor);
  double price = static_cast<double>(item.Price()) * info.priceFactor;
  if (used) {
    offer.name += "-used";
    price *= 0.5;
  }
  offer.price = CLng(price);
  return offer;
}

namespace {

std::string HundredthsText(int64_t hundredths) { return FormatFixed2(static_cast<double>(hundredths) / 100.0); }

void ShowDetails(CyberwareView& view, const CyberwareEntry& cyber) {
  view.essenceCost = cyber.essence;
  view.notes = cyber.book + cyber.note;
  view.book = cyber.book;
  view.note = cyber.note;
  view.streetIndex = cyber.streetIndex;
}

}  // namespace

std::string BookCodeOf(std::string_view reference) {
  return TrimRight(reference.substr(0, std::min(reference.find('-'), reference.size())));
}

std::string ShortOf(const CharacterRecord& record, const std::string& what, int64_t hundredths, int64_t price) {
  if (Hundredths(record.Essence) < hundredths) {
    return "Not enough " + what + ": " + FormatFixed2(static_cast<double>(hundredths) / 100) + " needed, " +
           FormatFixed2(record.Essence) + " left";
  }
  return NotEnoughNuyen(record, price);
}

bool ItemBookAllowed(RulesContext& ctx, const BookLists& books, std::string_view reference) {
  if (BookAllowed(books, BookCodeOf(reference))) return true;
  ctx.platform.Message(kIllegalItemMessage, kIllegalItemTitle, Icon::None, Buttons::Ok);
  return false;
}

std::vector<std::string> CatalogItemFields(const CatalogTree& tree, int node) {
  if (node < 0 || static_cast<size_t>(node) >= tree.size() || tree[node].indent < 2) return {};
  return TreeEntryFields(tree[node].text);
}

void ShowCyberwareItem(RulesContext& ctx, CyberwareView& view, int node) {
  view.selectedItem = node;
  const std::optional<CyberwareEntry> item = CatalogItem<CyberwareEntry>(ctx.catalogs.cyberware, node);
  view.buyEnabled = item.has_value();
  if (!item) return;
  const CyberOffer offer = CyberwareOffer(*item, view.grade, view.used);
  ShowDetails(view, *item);
  view.essenceCost = FormatFixed2(item->Essence());
  view.basePrice = FormatThousands(item->Price());
  view.calculatedPrice = FormatThousands(offer.price);
  view.modifiedEssence = HundredthsText(offer.essence);
}

void SelectCyberGrade(RulesContext& ctx, CyberwareView& view, int grade) {
  if (grade < 0 || grade >= kGradeCount) return;
  view.grade = grade;
  ShowCyberwareItem(ctx, view, view.selectedItem);
}

void SetCyberUsed(RulesContext& ctx, CyberwareView& view, bool used) {
  view.used = used;
  ShowCyberwareItem(ctx, view, view.selectedItem);
}

bool BuyCyberware(RulesContext& ctx, CyberwareView& view, const BookLists& books) {
  std::optional<CyberwareEntry> item = CatalogItem<CyberwareEntry>(ctx.catalogs.cyberware, view.selectedItem);
  if (!item) return false;
  CharacterRecord& record = ctx.record;
  const CyberOffer offer = CyberwareOffer(*item, view.grade, view.used);
  if (!ItemBookAllowed(ctx, books, item->book)) return false;
  if (!record.OverrideLimits() && (Hundredths(record.Essence) < offer.essence || !CanAfford(record, offer.price))) {
    ctx.platform.Message(kInsufficientEssence, kAppTitle, Icon::None, Buttons::Ok);
    return Refuse(ctx, ShortOf(record, "Essence", offer.essence, offer.price));
  }
  if (!record.OverrideLimits()) SpendNuyen(record, offer.price);
  record.Essence -= static_cast<double>(offer.essence) / 100.0;

  item->name = offer.name;
  item->essence = HundredthsText(offer.essence);
  item->price = IntText(offer.price);
  item->grade = IntText(view.grade);
  record.Cyberware.push_back(FormatEntry(*item));

  // The codes go in before the recount, so Reaction, Initiative and the pools show them at once.
  if (!item->codes.empty()) ModifyAttributeS(ctx, item->codes, false);
  RecountCyberwareEssence(ctx, view);
  RecalcDerived(ctx);
  return true;
}

void SelectInstalledCyberware(RulesContext& ctx, CyberwareView& view, int index) {
  const auto& list = ctx.record.Cyberware;
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return;
  const std::string& entry = list[index];
  view.selectedInstalled = index;
  // An entry without its grade code keeps the grade chosen before.
  if (const char last = entry.empty() ? ' ' : entry.back(); last >= '0' && last <= '3') view.grade = last - '0';
  view.removeEnabled = true;
  const CyberwareEntry cyber = ParseEntry<CyberwareEntry>(entry);
  ShowDetails(view, cyber);
  view.basePrice = cyber.price;
  view.calculatedPrice.clear();
  view.modifiedEssence.clear();
}

bool RemoveCyberware(RulesContext& ctx, CyberwareView& view) {
  CharacterRecord& record = ctx.record;
  const int index = view.selectedInstalled;
  if (!view.removeEnabled || index < 0 || static_cast<size_t>(index) >= record.Cyberware.size()) return false;
  const CyberwareEntry cyber = ParseEntry<CyberwareEntry>(record.Cyberware[index]);
  record.Essence += static_cast<double>(Hundredths(cyber.Essence())) / 100.0;
  RefundNuyen(record, cyber.Price());
  record.Cyberware.erase(record.Cyberware.begin() + index);
  if (!cyber.codes.empty()) ModifyAttributeS(ctx, cyber.codes, true);
  RecountCyberwareEssence(ctx, view);
  RecalcDerived(ctx);
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  return true;
}

void RecountCyberwareEssence(RulesContext& ctx, CyberwareView& view) {
  CharacterRecord& record = ctx.record;
  view.armsInstalled = false;
  view.legsInstalled = false;
  for (const std::string& entry : record.Cyberware) {
    if (entry.find("Arms") != std::string::npos) view.armsInstalled = true;
    if (entry.find("Legs") != std::string::npos) view.legsInstalled = true;
  }
  record.Essence = InstalledEssence(record);
  if (view.armsInstalled || view.legsInstalled) view.limbsFrameVisible = true;
  ShowEssenceAndMoney(record, view);
}

void ShowEssenceAndMoney(const CharacterRecord& record, CyberwareView& view) {
  view.essence = FormatFixed2(record.Essence);
  ShowMoneyLeftNow(record, view);
}

void ShowCyberLimbsView(RulesContext& ctx, CyberwareView& view) {
  if (view.limbsView) return;
  view.limbsView = true;
  auto& bases = ctx.record.Attr;
  // Only what is replaced is saved, so nothing else is put back over a later change.
  if (view.armsInstalled) {
    view.savedStrength = bases[kStrength].Base;
    bases[kStrength].Base = "4";
  }
  if (view.legsInstalled) {
    view.savedQuickness = bases[kQuickness].Base;
    bases[kQuickness].Base = "4";
  }
  RecalcDerived(ctx);
}

void ShowStandardView(RulesContext& ctx, CyberwareView& view) {
  auto& bases = ctx.record.Attr;
  if (view.savedStrength != kNothingSaved) bases[kStrength].Base = view.savedStrength;
  if (view.savedQuickness != kNothingSaved) bases[kQuickness].Base = view.savedQuickness;
  view.savedStrength = kNothingSaved;
  view.savedQuickness = kNothingSaved;
  RecalcDerived(ctx);
  view.limbsView = false;
}

void ResetCyberware(RulesContext& ctx, CyberwareView& view) {
  view.selectedInstalled = -1;
  view.removeEnabled = false;
  view.savedStrength = kNothingSaved;
  view.savedQuickness = kNothingSaved;
  RecountCyberwareEssence(ctx, view);
  view.limbsFrameVisible = false;
  ShowStandardView(ctx, view);
}

}  // namespace ivgen
