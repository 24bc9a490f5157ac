#include "batch/gear_commands.h"

#include <vector>

#include "batch/search_commands.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

std::string Enabled(bool enabled) { return enabled ? "enabled" : "disabled"; }

std::string Marked(int i, int selected) { return i == selected ? "  <" : ""; }

void ShowGear(const Editor& editor, std::ostream& out) {
  const GearView& view = editor.Gear().View();
  const std::vector<std::string> names = GearShopNames(view.shopItems);
  out << "Group:" << (view.groupTitle.empty() ? "" : " " + view.groupTitle) << "\n";
  for (size_t i = 0; i < names.size(); ++i) {
    out << "  " << i + 1 << " " << names[i] << Marked(static_cast<int>(i), view.shopSelected) << "\n";
  }
  out << "Item:" << (view.itemTitle.empty() ? "" : " " + view.itemTitle) << (view.valuesEnabled ? "" : " (greyed out)")
      << "\n";
  for (const GearField& field : view.fields) out << "  " << field.name << "=" << field.value << "\n";
  out << "Number of items=" << view.countText << ", buy: " << Enabled(view.buyEnabled) << "\n";
  out << "Gear:\n";
  const std::vector<GearRow> gear = GearRows(editor.Record().Gear, editor.CurrentCatalogs().gear);
  for (size_t i = 0; i < gear.size(); ++i) {
    out << "  " << i + 1 << " " << Join(gear[i].cells, " | ") << Marked(static_cast<int>(i), view.ownedSelected)
        << "\n";
  }
  out << "remove: " << Enabled(view.removeEnabled) << "\n";
  out << "Total weight=" << view.totalWeight << ", money left=" << view.moneyLeft << "\n";
}

}  // namespace

void AddGearCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  GearUnit& gear = editor.Gear();
  auto shop = [&gear] { return GearShopNames(gear.View().shopItems); };

  commands["gear-group"] =
      Choosing([&editor] { return GearGroupTitles(editor.CurrentCatalogs().gear.tree); }, "a node of the gear tree",
               [&gear](int node) { gear.ClickGroup(static_cast<size_t>(node)); });
  commands["gear-item"] = Choosing(shop, "an item of the shop list", [&gear](int i) { gear.ChooseItem(i); });
  commands["gear-count"] = [&gear](const ScriptLine& line, std::string&) {
    gear.SetCount(line.words.size() == 1 ? line.words[0] : line.rest);
    return true;
  };
  const BatchCommand buyButton =
      Reachable([&gear] { return gear.View().buyEnabled; }, "the buy button", NoArguments([&gear] { gear.Buy(); }));
  const BatchCommand doubleClick = Choosing(shop, "an item of the shop list", [&gear](int i) { gear.BuyItem(i); });
  commands["gear-buy"] = [buyButton, doubleClick](const ScriptLine& line, std::string& error) {
    return line.words.empty() ? buyButton(line, error) : doubleClick(line, error);
  };
  commands["gear-select"] = Choosing([&editor] { return NumberTexts(editor.Record().Gear.size()); },
                                     "an entry of the gear list", [&gear](int i) { gear.ChooseOwned(i); });
  commands["gear-remove"] = Reachable([&gear] { return gear.View().removeEnabled; }, "the remove button",
                                      NoArguments([&gear] { gear.Remove(); }));
  commands["gear-up"] = NoArguments([&gear] { gear.MoveUp(); });
  commands["gear-down"] = NoArguments([&gear] { gear.MoveDown(); });
  AddSearchCommands(
      "gear",
      SearchBox{[&gear]() -> const CatalogSearch& { return gear.View().search; },
                [&gear](std::string text) { gear.Search(std::move(text)); }, [&gear](int i) { gear.ChooseMatch(i); }},
      out, commands);
  commands["show-gear"] = NoArguments([&editor, &out] { ShowGear(editor, out); });
}

}  // namespace ivgen
