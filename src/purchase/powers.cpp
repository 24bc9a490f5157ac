#include "purchase/powers.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "entry/list_entries.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

constexpr const char* kIllegalTitle = "Illegal item";
constexpr const char* kPowerNotAllowed = "You can't get this item!\r\nIt is not in the allowed sourcebooks.";

// A reference without "-" is taken whole, so it never makes a purchase fail.
std::string BookCode(std::string_view reference) { return TrimRight(reference.substr(0, reference.find('-'))); }

// Power points are counted in hundredths, the precision of an entry's cost, so buying and
// removing leave no float residue and a sum that reaches the Magic total exactly still fits.
int64_t Hundredths(double points) { return CLng(points * 100.0); }

void SetPowerPointsUsed(CharacterRecord& record, int64_t hundredths) {
  record.PowerPointsUsed = static_cast<float>(static_cast<double>(hundredths) / 100.0);
}

void ShowFields(PowersView& view, std::string_view entry) {
  const PowerEntry power = ParseEntry<PowerEntry>(entry);
  view.shownCost = power.cost;
  view.shownNote = power.note;
}

// The player's answer to a prompt; a TAB would split the entry, so it becomes a blank.
std::string Ask(Platform& platform, const char* prompt) {
  return Trim(ReplaceAll(platform.Input(prompt, kAppTitle, ""), "\t", " "));
}

}  // namespace

bool MagicianPath(const CharacterRecord& record) { return record.PhysAdMagic != 0 && record.PriMagic == 0; }

void ShowPower(RulesContext& ctx, PowersView& view, int index) {
  const std::vector<std::string>& powers = ctx.catalogs.powers;
  if (index < 0 || static_cast<size_t>(index) >= powers.size()) {
    view.selectedPower = -1;
    return;
  }
  view.selectedPower = index;
  ShowFields(view, powers[static_cast<size_t>(index)]);
}

void SelectOwnedPower(RulesContext& ctx, PowersView& view, int index) {
  const std::vector<std::string>& owned = ctx.record.Powers;
  const bool inList = index >= 0 && static_cast<size_t>(index) < owned.size();
  view.selectedOwned = inList ? index : -1;
  view.removeEnabled = inList;
  if (inList) ShowFields(view, owned[static_cast<size_t>(index)]);
}

bool BuyPower(RulesContext& ctx, PowersView& view, const BookLists& books) {
  const std::vector<std::string>& powers = ctx.catalogs.powers;
  if (view.selectedPower < 0 || static_cast<size_t>(view.selectedPower) >= powers.size()) return false;
  CharacterRecord& record = ctx.record;
  PowerEntry power = ParseEntry<PowerEntry>(powers[static_cast<size_t>(view.selectedPower)]);
  WriteEveryColumn(power);
  const std::string name = power.name;

  if (name.find("Magical Power") != std::string::npos && !MagicianPath(record)) {
    ctx.platform.Message(kMagicianPathOnly, kAppTitle, Icon::None, Buttons::Ok);
    return false;
  }
  if (!BookAllowed(books, BookCode(power.book))) {
    ctx.platform.Message(kPowerNotAllowed, kIllegalTitle, Icon::None, Buttons::Ok);
    return false;
  }

  std::string shownName = name;
  if (name.find("->") != std::string::npos) {
    const std::string target = Ask(ctx.platform, kEnterSpecificPrompt);
    if (target.empty()) return false;
    shownName += " " + target;
  }
  int level = 1;
  if (name.find('*') != std::string::npos) {
    const std::string answer = Ask(ctx.platform, kEnterLevelPrompt);
    if (answer.empty()) return false;
    // A level below 1 would pay the player for the power.
    level = std::max<int>(1, CInt(Val(answer)));
  }

  const std::string cost = FormatFixed2(power.Cost() * level);
  const int64_t used = Hundredths(record.PowerPointsUsed) + Hundredths(Val(cost));
  if (!record.OverrideLimits() && used > Hundredths(Val(record.Magic.Total))) {
    return Refuse(ctx, "Not enough power points: " + FormatFixed2(record.PowerPointsUsed) + " of " +
                           FormatFixed2(Val(record.Magic.Total)) + " spent, " + shownName + " costs " + cost);
  }

  SetPowerPointsUsed(record, used);
  power.name = shownName + (level > 1 ? "[" + IntText(level) + "]" : "");
  power.cost = cost;
  record.Powers.push_back(FormatEntry(power));
  ShowPowerPoints(ctx);
  if (!power.codes.empty()) ModifyAttributeS(ctx, power.codes, false);
  return true;
}

bool RemovePower(RulesContext& ctx, PowersView& view) {
  auto& owned = ctx.record.Powers;
  if (view.selectedOwned < 0 || static_cast<size_t>(view.selectedOwned) >= owned.size()) return false;
  const PowerEntry power = ParseEntry<PowerEntry>(owned[static_cast<size_t>(view.selectedOwned)]);
  SetPowerPointsUsed(ctx.record, Hundredths(ctx.record.PowerPointsUsed) - Hundredths(power.Cost()));
  ShowPowerPoints(ctx);
  owned.erase(owned.begin() + view.selectedOwned);
  view.selectedOwned = -1;
  view.removeEnabled = false;
  if (!power.codes.empty()) ModifyAttributeS(ctx, power.codes, true);
  return true;
}

}  // namespace ivgen
