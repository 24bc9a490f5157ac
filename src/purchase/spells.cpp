#include "purchase/spells.h"

#include <cstdint>

#include "purchase/gear.h"
#include "record/entries.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

constexpr const char* kIllegalTitle = "Illegal item";
constexpr const char* kSpellNotAllowed = "You can't get this spell!\r\nIt is not in the allowed sourcebooks.";
// What two digits can hold; a third digit would be misread as soon as the entry is read back.
constexpr int kSpellPointsCeiling = 99;
constexpr size_t kBookReferenceWidth = 7;

// The book reference of a catalog entry: what follows the "%" but the category code after it.
std::string BookReference(std::string_view catalogEntry) {
  const size_t percent = catalogEntry.find('%');
  if (percent == std::string_view::npos) return "";
  std::string_view reference = catalogEntry.substr(percent + 1);
  if (!reference.empty()) reference.remove_suffix(1);
  return std::string(reference);
}

// A reference without "-" is taken whole, so it never makes a purchase fail.
std::string BookCode(std::string_view reference) { return TrimRight(reference.substr(0, reference.find('-'))); }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + IntText(n); }

// Writes n between the entry's first "[" and the "]" after it.
void SetSpellPoints(std::string& entry, int n) {
  const size_t open = entry.find('[');
  if (open == std::string::npos) return;
  const size_t close = entry.find(']', open);
  const size_t length = close == std::string::npos ? 2 : close - open - 1;
  entry.replace(open + 1, length, TwoDigits(n));
}

std::string* ChosenSpell(RulesContext& ctx, const SpellsView& view) {
  auto& spells = ctx.record.Spells;
  if (view.selectedChosen < 0 || static_cast<size_t>(view.selectedChosen) >= spells.size()) return nullptr;
  return &spells[static_cast<size_t>(view.selectedChosen)];
}

}  // namespace

std::vector<std::string> SpellColumns(std::string_view entry) {
  std::vector<std::string> columns = SplitTabs(entry);
  if (!columns.empty() && !columns.back().empty() && columns.back().front() == '%') columns.pop_back();
  return columns;
}

int SpellPoints(std::string_view chosenEntry) {
  const size_t open = chosenEntry.find('[');
  if (open == std::string_view::npos) return 0;
  return CInt(Val(chosenEntry.substr(open + 1, 2)));
}

void SelectSpellCategory(RulesContext& ctx, SpellsView& view, int index) {
  const std::vector<std::string>& categories = ctx.catalogs.spells.categories;
  const bool inList = index >= 0 && static_cast<size_t>(index) < categories.size();
  view.selectedCategory = inList ? index : -1;
  view.categorySpells = inList ? SpellsInCategory(ctx.catalogs.spells, categories[static_cast<size_t>(index)])
                               : std::vector<std::string>{};
  view.selectedSpell = -1;
}

void SearchSpellCatalog(RulesContext& ctx, SpellsView& view, std::string text) {
  view.search.matches = SearchSpells(ctx.catalogs.spells, text);
  view.search.text = std::move(text);
  ShowChosenSpellMatch(view);
}

void ChooseSpellMatch(RulesContext& ctx, SpellsView& view, int index) {
  const CatalogMatch* match = MatchAt(view.search, index);
  if (match == nullptr) return;
  const int spell = match->itemAt;
  SelectSpellCategory(ctx, view, match->groupAt);
  SelectSpell(view, spell);
}

void ShowChosenSpellMatch(SpellsView& view) {
  view.search.chosen = FindMatch(view.search, [&view](const CatalogMatch& match) {
    return match.groupAt == view.selectedCategory && match.itemAt == view.selectedSpell;
  });
}

void SelectSpell(SpellsView& view, int index) {
  view.selectedSpell = index >= 0 && static_cast<size_t>(index) < view.categorySpells.size() ? index : -1;
}

bool AddSpell(RulesContext& ctx, SpellsView& view, const BookLists& books) {
  if (view.selectedSpell < 0 || static_cast<size_t>(view.selectedSpell) >= view.categorySpells.size()) return false;
  const std::string& spell = view.categorySpells[static_cast<size_t>(view.selectedSpell)];
  const std::string reference = BookReference(spell);
  if (!BookAllowed(books, BookCode(reference))) {
    ctx.platform.Message(kSpellNotAllowed, kIllegalTitle, Icon::None, Buttons::Ok);
    return false;
  }
  const size_t dataEnd = spell.find("\t%");
  // Only the reference is kept: a short one would otherwise carry the category code along.
  std::string entry = spell.substr(0, dataEnd) + "\t[01]\t" + reference.substr(0, kBookReferenceWidth);
  ctx.record.SpellPointsUsed += 1;
  ctx.record.Spells.push_back(std::move(entry));
  ShowSpellPoints(ctx);
  return true;
}

void SelectChosenSpell(RulesContext& ctx, SpellsView& view, int index) {
  view.selectedChosen = index >= 0 && static_cast<size_t>(index) < ctx.record.Spells.size() ? index : -1;
  view.removeEnabled = view.selectedChosen >= 0;
  view.spinnerEnabled = view.selectedChosen >= 0;
}

bool RaiseSpellPoints(RulesContext& ctx, SpellsView& view) {
  std::string* entry = ChosenSpell(ctx, view);
  if (entry == nullptr || entry->find('[') == std::string::npos) return false;
  CharacterRecord& record = ctx.record;
  const int n = SpellPoints(*entry);
  if (!record.OverrideLimits() && record.SpellPointsUsed >= record.MagicPts) {
    return Refuse(ctx, "Not enough spell points: " + GeneralNumber(record.SpellPointsUsed) + " of " +
                           GeneralNumber(record.MagicPts) + " spent");
  }
  if (!record.OverrideLimits() && n >= kMaxSpellPoints) {
    return Refuse(ctx, "A spell takes at most " + IntText(kMaxSpellPoints) + " spell points");
  }
  if (n >= kSpellPointsCeiling)
    return Refuse(ctx, "A spell takes at most " + IntText(kSpellPointsCeiling) + " spell points");
  SetSpellPoints(*entry, n + 1);
  record.SpellPointsUsed += 1;
  ShowSpellPoints(ctx);
  return true;
}

bool LowerSpellPoints(RulesContext& ctx, SpellsView& view) {
  std::string* entry = ChosenSpell(ctx, view);
  if (entry == nullptr) return false;
  const int n = SpellPoints(*entry);
  if (n <= 1) return Refuse(ctx, "A spell keeps at least 1 spell point; Remove takes the spell away");
  SetSpellPoints(*entry, n - 1);
  ctx.record.SpellPointsUsed -= 1;
  ShowSpellPoints(ctx);
  return true;
}

bool RemoveSpell(RulesContext& ctx, SpellsView& view) {
  const std::string* entry = ChosenSpell(ctx, view);
  if (entry == nullptr) return false;
  const int n = SpellPoints(*entry);
  ctx.record.Spells.erase(ctx.record.Spells.begin() + view.selectedChosen);
  // Nothing is chosen now: the buttons that act on a chosen spell are disabled, not left dead.
  SelectChosenSpell(ctx, view, -1);
  ctx.record.SpellPointsUsed -= static_cast<float>(n);
  ShowSpellPoints(ctx);
  return true;
}

bool BuySpellPoints(RulesContext& ctx, SpellsView& view) {
  CharacterRecord& record = ctx.record;
  // At or past the ceiling, also when a MAG code carried the points beyond it.
  if (record.MagicPts >= kMaxBoughtSpellPoints) {
    return Refuse(ctx, "Spell points can be bought up to " + GeneralNumber(kMaxBoughtSpellPoints));
  }
  // A spell point must leave at least one nuyen.
  const bool bought = CanAfford(record, kSpellPointPrice + 1);
  if (bought) {
    record.MagicPts += 1;
    SpendNuyen(record, kSpellPointPrice);
  } else {
    Refuse(ctx, "Not enough nuyen for a spell point: it costs " + NuyenText(kSpellPointPrice) + " and must leave 1 (" +
                    NuyenText(MoneyLeft(record)) + " left)");
  }
  ShowMoneyLeft(ctx);
  ShowMoneyLeftNow(record, view);
  ShowSpellPoints(ctx);
  return bought;
}

bool Tradition(RulesContext& ctx, int index) {
  if (index < 0 || static_cast<size_t>(index) >= ctx.catalogs.traditions.size()) return false;
  if (ctx.record.Tradition == index) return false;
  ctx.record.Tradition = static_cast<int16_t>(index);
  return true;
}

std::string TraditionName(const CharacterRecord& record, const Catalogs& catalogs) {
  const int index = record.Tradition;
  const std::vector<std::string>& traditions = catalogs.traditions;
  return index >= 0 && static_cast<size_t>(index) < traditions.size() ? traditions[static_cast<size_t>(index)] : "";
}

bool KeepTradition(RulesContext& ctx, const std::string& name) {
  // The list comes back with its first entry chosen; a tradition it still holds is chosen again.
  int16_t index = ctx.catalogs.traditions.empty() ? -1 : 0;
  const std::vector<std::string>& traditions = ctx.catalogs.traditions;
  for (size_t i = 0; i < traditions.size() && !name.empty(); ++i) {
    if (traditions[i] == name) {
      index = static_cast<int16_t>(i);
      break;
    }
  }
  const bool changed = ctx.record.Tradition != index;
  ctx.record.Tradition = index;
  return changed;
}

}  // namespace ivgen
