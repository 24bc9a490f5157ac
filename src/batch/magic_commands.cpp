#include "batch/magic_commands.h"

#include <vector>

#include "batch/search_commands.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

std::string Enabled(bool on) { return on ? "enabled" : "disabled"; }

// A line of a list named as the player sees it: its name (the text before the first TAB), its
// number from 0, or the start of its text.
std::optional<int> FindLine(const std::vector<std::string>& list, const std::string& wanted) {
  if (wanted.empty()) return std::nullopt;
  const std::vector<std::string> names = EntryNames(list);
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == wanted) return static_cast<int>(i);
  }
  if (wanted.find_first_not_of("0123456789") == std::string::npos && wanted.size() < 5) {
    const int i = std::stoi(wanted);
    if (i < static_cast<int>(list.size())) return i;
  }
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].rfind(wanted, 0) == 0) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string Wanted(const ScriptLine& line) { return line.words.size() == 1 ? line.words[0] : line.rest; }

// A command that clicks a line of a list; refused when the list holds no such line.
BatchCommand ClickLine(std::function<const std::vector<std::string>&()> list, std::string what,
                       std::function<void(int)> click) {
  return [list, what, click](const ScriptLine& line, std::string& error) {
    const auto index = FindLine(list(), Wanted(line));
    if (!index) {
      error = what + " holds no '" + Wanted(line) + "'";
      return false;
    }
    click(*index);
    return true;
  };
}

// The add and buy commands: with a name the line is clicked first, as a double-click does.
BatchCommand ClickAndAct(std::function<const std::vector<std::string>&()> list, std::string what,
                         std::function<void(int)> click, std::function<void()> act) {
  const BatchCommand clickLine = ClickLine(list, what, click);
  return [clickLine, act](const ScriptLine& line, std::string& error) {
    if (!line.words.empty() && !clickLine(line, error)) return false;
    act();
    return true;
  };
}

void ShowSpells(const Editor& editor, std::ostream& out) {
  const SpellsUnit& unit = editor.Spells();
  const SpellsView& view = unit.View();
  const std::string tradition = unit.TraditionName();
  out << "Tradition=" << (tradition.empty() ? "none" : tradition) << "\n";
  if (!unit.GroupVisible()) {
    out << "Spell purchase: hidden\n";
    return;
  }
  const std::vector<std::string> categoryNames = EntryNames(editor.CurrentCatalogs().spells.categories);
  const std::vector<std::string> spellNames = EntryNames(view.categorySpells);
  out << "Category=" << (view.selectedCategory >= 0 ? categoryNames[view.selectedCategory] : "none")
      << ", spell=" << (view.selectedSpell >= 0 ? spellNames[view.selectedSpell] : std::string("none")) << "\n";
  out << "Name";
  for (std::string_view heading : kSpellColumnHeadings) out << " | " << heading;
  out << " | Points | Book\n";
  const std::vector<SpellRow> spells = SpellRows(editor.Record().Spells);
  for (size_t i = 0; i < spells.size(); ++i) {
    out << "  " << Join(spells[i].cells, " | ") << (static_cast<int>(i) == view.selectedChosen ? "  <" : "") << "\n";
  }
  out << "Spell points=" << unit.PointsDisplay() << (unit.OverSpent() ? " [over-spent]" : "") << "\n";
  out << "Money left=" << view.moneyLeft << "\n";
  out << "remove: " << Enabled(view.removeEnabled) << ", spin buttons: " << Enabled(view.spinnerEnabled) << "\n";
}

void ShowPowers(const Editor& editor, std::ostream& out) {
  const PowersUnit& unit = editor.Powers();
  const PowersView& view = unit.View();
  if (!unit.GroupVisible()) {
    out << "Adept powers: hidden\n";
    return;
  }
  const std::vector<std::string> catalog = EntryNames(editor.CurrentCatalogs().powers);
  out << "Catalog power=" << (view.selectedPower >= 0 ? catalog[view.selectedPower] : std::string("none")) << "\n";
  out << "Cost=" << view.shownCost << ", Note=" << view.shownNote << "\n";
  out << "Name | Cost | Modifiers | Book | Note\n";
  const std::vector<PowerRow> powers = PowerRows(editor.Record().Powers);
  for (size_t i = 0; i < powers.size(); ++i) {
    out << "  " << Join(powers[i].cells, " | ") << (static_cast<int>(i) == view.selectedOwned ? "  <" : "") << "\n";
  }
  out << "Power points=" << unit.PointsDisplay() << "\n";
  out << "remove: " << Enabled(view.removeEnabled) << "\n";
}

}  // namespace

std::optional<std::string> MagicPrintable(const Editor& editor, const std::string& name) {
  if (name == "SpellPoints") return editor.Spells().PointsDisplay();
  if (name == "PowerPoints") return editor.Powers().PointsDisplay();
  if (name == "TraditionName") return editor.Spells().TraditionName();
  if (name == "MoneyLeft") return editor.Spells().View().moneyLeft;
  return std::nullopt;
}

void AddMagicCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  const Catalogs& catalogs = editor.CurrentCatalogs();
  SpellsUnit& spells = editor.Spells();
  PowersUnit& powers = editor.Powers();
  auto spellGroup = [&spells](std::string what, BatchCommand command) {
    return Reachable([&spells] { return spells.GroupVisible(); }, std::move(what), std::move(command));
  };
  auto powerGroup = [&powers](std::string what, BatchCommand command) {
    return Reachable([&powers] { return powers.GroupVisible(); }, std::move(what), std::move(command));
  };
  auto traditions = [&catalogs]() -> const std::vector<std::string>& { return catalogs.traditions; };
  auto categorySpells = [&spells]() -> const std::vector<std::string>& { return spells.View().categorySpells; };
  auto chosenSpells = [&editor]() -> const std::vector<std::string>& { return editor.Record().Spells; };
  auto catalogPowers = [&catalogs]() -> const std::vector<std::string>& { return catalogs.powers; };
  auto ownedPowers = [&editor]() -> const std::vector<std::string>& { return editor.Record().Powers; };

  commands["tradition"] = ClickLine(traditions, "the tradition list", [&spells](int i) { spells.ChooseTradition(i); });
  commands["spell-category"] =
      spellGroup("the spell categories", [&catalogs, &spells](const ScriptLine& line, std::string& error) {
        const std::vector<std::string>& list = catalogs.spells.categories;
        const std::vector<SpellCategoryRow> rows = SpellCategoryRows(list);
        for (size_t i = 0; i < rows.size(); ++i) {
          if (UpperCase(rows[i].code) == UpperCase(Wanted(line))) {
            spells.SelectCategory(static_cast<int>(i));
            return true;
          }
        }
        return ClickLine([&list]() -> const std::vector<std::string>& { return list; }, "the category list",
                         [&spells](int i) { spells.SelectCategory(i); })(line, error);
      });
  commands["spell-select"] = spellGroup("the spell list", ClickLine(categorySpells, "the category's spell list",
                                                                    [&spells](int i) { spells.SelectSpell(i); }));
  commands["spell-add"] =
      spellGroup("the add command", ClickAndAct(
                                        categorySpells, "the category's spell list",
                                        [&spells](int i) { spells.SelectSpell(i); }, [&spells] { spells.Add(); }));
  commands["spell-choose"] =
      spellGroup("the character's spells",
                 ClickLine(chosenSpells, "the character's spells", [&spells](int i) { spells.SelectChosen(i); }));
  commands["spell-up"] = Reachable([&spells] { return spells.GroupVisible() && spells.View().spinnerEnabled; },
                                   "the spin buttons", NoArguments([&spells] { spells.Raise(); }));
  commands["spell-down"] = Reachable([&spells] { return spells.GroupVisible() && spells.View().spinnerEnabled; },
                                     "the spin buttons", NoArguments([&spells] { spells.Lower(); }));
  commands["spell-remove"] = Reachable([&spells] { return spells.GroupVisible() && spells.View().removeEnabled; },
                                       "the remove command", NoArguments([&spells] { spells.Remove(); }));
  commands["spell-points-buy"] = spellGroup(kBuySpellPointsCaption, NoArguments([&spells] { spells.BuyPoints(); }));
  AddSearchCommands("spell",
                    SearchBox{[&spells]() -> const CatalogSearch& { return spells.View().search; },
                              [&spells](std::string text) { spells.Search(std::move(text)); },
                              [&spells](int i) { spells.ChooseMatch(i); }},
                    out, commands);
  for (const char* verb : {"spell-search", "spell-match"})
    commands[verb] = spellGroup("the spell search", commands[verb]);
  commands["show-spells"] = NoArguments([&editor, &out] { ShowSpells(editor, out); });

  commands["power-select"] = powerGroup(
      "the power catalog", ClickLine(catalogPowers, "the power catalog", [&powers](int i) { powers.ShowPower(i); }));
  commands["power-buy"] = powerGroup(
      "the buy command",
      ClickAndAct(
          catalogPowers, "the power catalog", [&powers](int i) { powers.ShowPower(i); }, [&powers] { powers.Buy(); }));
  commands["power-choose"] =
      powerGroup("the character's powers",
                 ClickLine(ownedPowers, "the character's powers", [&powers](int i) { powers.SelectOwned(i); }));
  commands["power-remove"] = Reachable([&powers] { return powers.GroupVisible() && powers.View().removeEnabled; },
                                       "the remove command", NoArguments([&powers] { powers.Remove(); }));
  commands["show-powers"] = NoArguments([&editor, &out] { ShowPowers(editor, out); });
}

}  // namespace ivgen
