#include "batch/implant_commands.h"

#include <functional>
#include <optional>
#include <vector>

#include "batch/search_commands.h"
#include "catalog/line_syntax.h"
#include "purchase/list_rows.h"
#include "record/text.h"

namespace ivgen {

namespace {

// A node of a catalog tree by its name, in any case; -1 when the tree has none.
int FindNode(const CatalogTree& tree, const std::string& name) {
  for (size_t i = 0; i < tree.size(); ++i) {
    if (UpperCase(TreeEntryFields(tree[i].text)[0]) == UpperCase(name)) return static_cast<int>(i);
  }
  return -1;
}

std::string NodeName(const CatalogTree& tree, int node) {
  if (node < 0 || static_cast<size_t>(node) >= tree.size()) return "none";
  return TreeEntryFields(tree[node].text)[0];
}

// The item a line names and the words after it: the longest run of leading words that names a
// node, so a name may be quoted or written out with its blanks.
std::optional<std::pair<int, std::vector<std::string>>> NamedNode(const CatalogTree& tree, const ScriptLine& line) {
  for (size_t k = line.words.size(); k > 0; --k) {
    std::string name;
    for (size_t w = 0; w < k; ++w) name += (w ? " " : "") + line.words[w];
    if (const int node = FindNode(tree, name); node >= 0) {
      return std::pair{node, std::vector<std::string>(line.words.begin() + static_cast<long>(k), line.words.end())};
    }
  }
  return std::nullopt;
}

template <size_t N>
std::optional<int> OptionIndex(const std::string& word, const std::array<std::string_view, N>& names) {
  for (size_t i = 0; i < N; ++i) {
    if (UpperCase(word) == UpperCase(names[i]) || word == std::to_string(i)) return static_cast<int>(i);
  }
  return std::nullopt;
}

// Position N (from 1) of an installed list, as the show commands number it.
std::optional<int> Position(const std::string& word, size_t count) {
  for (size_t i = 1; i <= count; ++i) {
    if (word == std::to_string(i)) return static_cast<int>(i) - 1;
  }
  return std::nullopt;
}

template <typename Row>
void ShowInstalled(std::ostream& out, const std::vector<Row>& rows, int selected) {
  out << "Installed:\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    out << "  " << i + 1 << " " << Join(rows[i].cells, " | ") << (static_cast<int>(i) == selected ? "  <" : "") << "\n";
  }
}

void ShowCyberware(const Editor& editor, std::ostream& out) {
  const CyberwareView& view = editor.Cyberware().View();
  out << "Grade=" << kGradeNames[view.grade] << ", Used=" << (view.used ? "on" : "off") << "\n";
  out << "Chosen=" << NodeName(editor.CurrentCatalogs().cyberware, view.selectedItem) << "\n";
  out << "Details: Price=" << view.basePrice << ", Essence=" << view.essenceCost
      << ", Street Index=" << view.streetIndex << ", Notes=" << view.notes
      << ", Calculated Price=" << view.calculatedPrice << ", Modified Essence=" << view.modifiedEssence << "\n";
  ShowInstalled(out, CyberwareRows(editor.Record().Cyberware), view.selectedInstalled);
  out << "Remove=" << (view.removeEnabled ? "enabled" : "disabled") << "\n";
  out << "Essence=" << view.essence << ", Nuyen left=" << view.moneyLeft << "\n";
  out << "Cyber limbs="
      << (!view.limbsFrameVisible ? "hidden"
          : view.limbsView        ? "Cyber Arms/Legs"
                                  : "Standard View")
      << "\n";
}

void ShowBioware(const Editor& editor, std::ostream& out) {
  const BiowareView& view = editor.Bioware().View();
  out << "Type=" << kBiowareTypeNames[view.type] << "\n";
  out << "Chosen=" << NodeName(editor.CurrentCatalogs().bioware, view.selectedItem) << "\n";
  out << "Details: Price=" << view.basePrice << ", Bio-index=" << view.bioIndexCost
      << ", Calculated Price=" << view.calculatedPrice << ", Notes=" << view.notes << "\n";
  ShowInstalled(out, BiowareRows(editor.Record().Bioware), view.selectedInstalled);
  out << "Remove=" << (view.removeEnabled ? "enabled" : "disabled") << "\n";
  out << "Bio-index=" << view.bioIndex << ", Essence Index=" << view.essenceIndex << ", Nuyen left=" << view.moneyLeft
      << "\n";
  if (view.excessiveWarning) out << kExcessiveBiowareWarning << "\n";
}

// The verbs both pages have, PREFIX-item, -buy, -select and -remove. `option` clicks an option
// of the page that a buy names after its item; false for a word the page does not offer.
template <typename Rules>
void AddImplantPageCommands(const std::string& prefix, const Editor& editor, ImplantUnit<Rules>& unit,
                            const CatalogTree& tree, SharedList<std::string> CharacterRecord::*installed,
                            std::function<bool(const std::string&)> option,
                            std::map<std::string, BatchCommand>& commands) {
  commands[prefix + "-item"] = [&tree, &unit](const ScriptLine& line, std::string& error) {
    const auto named = NamedNode(tree, line);
    if (!named || !named->second.empty()) {
      error = "expects the name of an entry of the catalog";
      return false;
    }
    unit.ChooseItem(named->first);
    return true;
  };
  // Without a name the button, enabled only while a catalog item is chosen; with one, a
  // double-click on the item after the options named behind it.
  commands[prefix + "-buy"] = [&tree, &unit, option](const ScriptLine& line, std::string& error) {
    if (line.words.empty()) {
      if (!unit.View().buyEnabled) {
        error = "Buy cannot be used now";
        return false;
      }
      unit.Buy();
      return true;
    }
    const auto named = NamedNode(tree, line);
    if (!named) {
      error = "expects the name of an entry of the catalog";
      return false;
    }
    for (const std::string& word : named->second) {
      if (!option(word)) {
        error = "'" + word + "' is not an option of the page";
        return false;
      }
    }
    unit.BuyItem(named->first);
    return true;
  };
  const BatchCommand select = [&editor, &unit, installed](const ScriptLine& line, std::string& error) {
    const size_t count = (editor.Record().*installed).size();
    const auto index = line.words.size() == 1 ? Position(line.words[0], count) : std::nullopt;
    if (!index) {
      error = "expects the position of an installed entry, from 1";
      return false;
    }
    unit.SelectInstalled(*index);
    return true;
  };
  commands[prefix + "-select"] = select;
  // With a position the entry is clicked first; without one the button must be enabled.
  commands[prefix + "-remove"] = [select, &unit](const ScriptLine& line, std::string& error) {
    if (!line.words.empty() && !select(line, error)) return false;
    if (!unit.View().removeEnabled) {
      error = "the remove button cannot be used now";
      return false;
    }
    unit.Remove();
    return true;
  };
}

}  // namespace

void AddImplantCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  CyberwareUnit& cyber = editor.Cyberware();
  BiowareUnit& bio = editor.Bioware();
  const Catalogs& catalogs = editor.CurrentCatalogs();

  auto cyberOption = [&cyber](const std::string& word) {
    if (const auto grade = OptionIndex(word, kGradeNames)) {
      cyber.ChooseGrade(*grade);
    } else if (word == "used" || word == "new") {
      cyber.SetUsed(word == "used");
    } else {
      return false;
    }
    return true;
  };
  AddImplantPageCommands("cyber", editor, cyber, catalogs.cyberware, &CharacterRecord::Cyberware, cyberOption,
                         commands);
  commands["cyber-grade"] = [cyberOption](const ScriptLine& line, std::string& error) {
    if (line.words.size() != 1 || !OptionIndex(line.words[0], kGradeNames)) {
      error = "expects Standard, Alpha, Beta or Delta";
      return false;
    }
    return cyberOption(line.words[0]);
  };
  commands["cyber-used"] = OnOffArgument([&cyber](bool on) { cyber.SetUsed(on); });
  auto limbs = [&cyber](std::function<void()> click) {
    return [&cyber, click](const ScriptLine& line, std::string& error) {
      if (!line.words.empty()) {
        error = "takes no arguments";
        return false;
      }
      if (!cyber.View().limbsFrameVisible) {
        error = "the cyber limbs options cannot be used now";
        return false;
      }
      click();
      return true;
    };
  };
  commands["cyber-limbs"] = limbs([&cyber] { cyber.ShowLimbs(); });
  commands["cyber-standard"] = limbs([&cyber] { cyber.ShowStandard(); });
  AddSearchCommands("cyber",
                    SearchBox{[&cyber]() -> const CatalogSearch& { return cyber.View().search; },
                              [&cyber](std::string text) { cyber.Search(std::move(text)); },
                              [&cyber](int i) { cyber.ChooseMatch(i); }},
                    out, commands);
  commands["show-cyberware"] = NoArguments([&editor, &out] { ShowCyberware(editor, out); });

  auto bioOption = [&bio](const std::string& word) {
    const auto type = OptionIndex(word, kBiowareTypeNames);
    if (type) bio.ChooseType(*type);
    return type.has_value();
  };
  AddImplantPageCommands("bio", editor, bio, catalogs.bioware, &CharacterRecord::Bioware, bioOption, commands);
  commands["bio-type"] = [bioOption](const ScriptLine& line, std::string& error) {
    if (line.words.size() != 1 || !bioOption(line.words[0])) {
      error = "expects Standard, Cultured or Used";
      return false;
    }
    return true;
  };
  AddSearchCommands(
      "bio",
      SearchBox{[&bio]() -> const CatalogSearch& { return bio.View().search; },
                [&bio](std::string text) { bio.Search(std::move(text)); }, [&bio](int i) { bio.ChooseMatch(i); }},
      out, commands);
  commands["show-bioware"] = NoArguments([&editor, &out] { ShowBioware(editor, out); });
}

}  // namespace ivgen
