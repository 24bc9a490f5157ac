#include "rules/edges.h"

#include <algorithm>
#include <cstdlib>

#include "entry/list_entries.h"
#include "record/values.h"
#include "rules/attributes.h"

namespace ivgen {

namespace {

void Tell(RulesContext& ctx, const std::string& text) {
  ctx.platform.Message(text, kAppTitle, Icon::None, Buttons::Ok);
}

// The entry joins the character's list; its description applies as modifier codes.
bool Append(RulesContext& ctx, EdgesView& view, const BuildAccount& account, const std::string& entry) {
  ctx.record.Edges.push_back(entry);
  CalcEdgePts(ctx, view, account);
  ModifyAttributeS(ctx, ParseEntry<EdgeEntry>(entry).description, false);
  return true;
}

const std::string* Selected(const std::vector<std::string>& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size()) ? &list[index] : nullptr;
}

}  // namespace

std::optional<int> EdgePoints(std::string_view entry) {
  const size_t open = entry.find('[');
  if (open == std::string_view::npos) return std::nullopt;
  // Val stops at the "]", so an entry whose "]" is missing or comes first still reads sensibly.
  return CInt(Val(entry.substr(open + 1)));
}

int16_t EdgeSum(const CharacterRecord& record) {
  int sum = 0;
  for (const std::string& entry : record.Edges) sum += EdgePoints(entry).value_or(0);
  return static_cast<int16_t>(std::clamp(sum, -32768, 32767));
}

void CalcEdgePts(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  view.EdgeSum = EdgeSum(ctx.record);
  if (ctx.record.GeneratorPoints) {
    view.pointsDisplay = IntText(account.BuildPointsUsed + view.EdgeSum) + "/" + IntText(account.maxpoints);
  } else {
    view.pointsDisplay = IntText(view.EdgeSum) + "/0";
  }
}

void OpenEdges(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  CalcEdgePts(ctx, view, account);
  ctx.platform.RunDialog(Dialog::EdgesFlaws);
}

void SelectEdge(RulesContext& ctx, EdgesView& view, int index) {
  view.selectedEdge = Selected(ctx.catalogs.edges.edges, index) ? index : -1;
}

void SelectFlaw(RulesContext& ctx, EdgesView& view, int index) {
  view.selectedFlaw = Selected(ctx.catalogs.edges.flaws, index) ? index : -1;
}

void SelectEntry(RulesContext& ctx, EdgesView& view, int index) {
  view.selectedEntry = Selected(ctx.record.Edges, index) ? index : -1;
  view.removeEnabled = view.selectedEntry >= 0;
}

bool AddEdge(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  const std::string* entry = Selected(ctx.catalogs.edges.edges, view.selectedEdge);
  if (entry == nullptr) return false;
  const std::optional<int> value = EdgePoints(*entry);
  if (!value) return false;
  // Points spent in a dialog the player has left behind must not block edges under priorities.
  const int used = ctx.record.GeneratorPoints ? account.BuildPointsUsed : 0;
  if (used + *value + EdgeSum(ctx.record) > account.maxpoints && !ctx.record.OverrideLimits()) return false;
  return Append(ctx, view, account, *entry);
}

bool AddFlaw(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  const std::string* entry = Selected(ctx.catalogs.edges.flaws, view.selectedFlaw);
  if (entry == nullptr || !EdgePoints(*entry)) return false;
  return Append(ctx, view, account, *entry);
}

bool RemoveEdge(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  auto& edges = ctx.record.Edges;
  const std::string* selected = Selected(edges, view.selectedEntry);
  if (selected == nullptr || !EdgePoints(*selected)) return false;
  const std::string entry = *selected;
  edges.erase(edges.begin() + view.selectedEntry);
  SelectEntry(ctx, view, -1);
  ModifyAttributeS(ctx, ParseEntry<EdgeEntry>(entry).description, true);
  CalcEdgePts(ctx, view, account);
  return true;
}

std::string BrokenEdgeLimit(const CharacterRecord& record, const EdgesView& view, const BuildAccount& account) {
  if (std::abs(view.EdgeSum) > std::abs(account.MaxAbsEpts)) {
    return kExceedAbsMaxMessage + IntText(view.EdgeSum) + "/" + IntText(account.MaxAbsEpts);
  }
  // Only what the player chose from the catalog counts: the racial, albino and ghoul flaws the
  // rules add carry no TAB, and counting them would leave a ghoul unable to close the dialog.
  int edges = 0;
  int flaws = 0;
  for (const std::string& entry : record.Edges) {
    if (entry.find(kTab) == std::string::npos) continue;
    ++(EdgePoints(entry).value_or(0) > 0 ? edges : flaws);
  }
  if (edges > account.MaxFlawEdge || flaws > account.MaxFlawEdge) {
    return "No more then " + IntText(account.MaxFlawEdge) + " edges/flaws";
  }
  if (view.EdgeSum != 0 && !record.GeneratorPoints) return kMustEqualZeroMessage;
  return "";
}

bool EdgesDone(RulesContext& ctx, EdgesView& view, const BuildAccount& account) {
  CalcEdgePts(ctx, view, account);
  if (!ctx.record.OverrideLimits()) {
    if (const std::string broken = BrokenEdgeLimit(ctx.record, view, account); !broken.empty()) {
      Tell(ctx, broken);
      return false;
    }
  }
  ctx.platform.CloseDialog(Dialog::EdgesFlaws);
  return true;
}

}  // namespace ivgen
