#include "batch/skills_commands.h"

#include <functional>
#include <vector>

#include "batch/search_commands.h"
#include "record/values.h"

namespace ivgen {

namespace {

std::string Listed(const std::vector<std::string>& items, int chosen) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    out += (i > 0 ? " | " : "") + items[i] + (static_cast<int>(i) == chosen ? " <" : "");
  }
  return out;
}

std::string Pool(const SkillPoolView& pool) {
  return pool.display + (pool.stop ? " " + std::string(kSkillStopMarker) : "");
}

void ShowSkills(const Editor& editor, std::ostream& out) {
  const SkillsView& view = editor.Skills().View();
  auto shown = [](bool visible, bool enabled) { return !visible ? "hidden" : enabled ? "enabled" : "disabled"; };
  out << "Categories: " << Listed(view.categories, view.category) << "\n";
  out << "Skills: " << Listed(view.skills, view.skill) << "\n";
  out << "Specializations: " << Listed(view.specializations, view.specialization) << "\n";
  out << "Add Skill: " << shown(true, view.addEnabled) << ", " << kFurtherSpecializationCaption << ": "
      << shown(view.furtherVisible, view.furtherEnabled) << "\n";
  out << "Character's skills:\n";
  for (size_t i = 0; i < view.names.size(); ++i) {
    out << "  " << i << " " << view.names[i] << "  " << view.ratings[i]
        << (static_cast<int>(i) == view.selected ? "  <" : "") << "\n";
  }
  out << "Rating: " << shown(true, view.spinnerEnabled) << ", Remove: " << shown(true, view.removeEnabled) << ", "
      << kBaseSkillLabel << " and " << kSpecializationSkillLabel << ": "
      << shown(view.adjustersVisible, view.adjustersEnabled) << "\n";
  out << "Active skills=" << Pool(view.active) << ", Knowledge skills=" << Pool(view.knowledge)
      << ", Language skills=" << Pool(view.language) << "\n";
}

// A row of a list named by its text or its number from 0.
std::optional<int> RowOf(const std::vector<std::string>& items, const ScriptLine& line) {
  const std::string wanted = line.words.size() == 1 ? line.words[0] : line.rest;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == wanted) return static_cast<int>(i);
  }
  for (size_t i = 0; i < items.size(); ++i) {
    if (std::to_string(i) == wanted) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> SkillsPrintable(const Editor& editor, const std::string& name) {
  const SkillsView& view = editor.Skills().View();
  if (name == "ActiveSkills") return Pool(view.active);
  if (name == "KnowledgeSkills") return Pool(view.knowledge);
  if (name == "LanguageSkills") return Pool(view.language);
  if (name == "SkillList") {
    std::vector<std::string> entries;
    for (const std::string& entry : editor.Record().Skills) entries.push_back(ScriptedPlatform::Visible(entry));
    return Listed(entries, -1);
  }
  return std::nullopt;
}

void AddSkillsCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  SkillsUnit& unit = editor.Skills();
  const SkillsView& view = unit.View();
  // A click in a list, by the row's text or number.
  auto pick = [&view](auto items, std::string what, std::function<void(int)> click) {
    return [&view, items, what, click](const ScriptLine& line, std::string& error) {
      const auto row = RowOf(view.*items, line);
      if (!row) {
        error = "the " + what + " list holds no '" + line.rest + "'";
        return false;
      }
      click(*row);
      return true;
    };
  };
  // A player cannot use a control that is hidden or disabled; a script that tries is wrong.
  auto when = [](std::function<bool()> usable, std::string what, std::function<void()> action) {
    return Reachable(std::move(usable), std::move(what), NoArguments(std::move(action)));
  };

  auto selected = [&view] { return view.spinnerEnabled; };
  auto adjusters = [&view] { return view.adjustersVisible && view.adjustersEnabled; };

  commands["skill-category"] = pick(&SkillsView::categories, "category", [&unit](int i) { unit.SelectCategory(i); });
  commands["skill"] = pick(&SkillsView::skills, "skill", [&unit](int i) { unit.SelectCatalogSkill(i); });
  commands["skill-specialization"] =
      pick(&SkillsView::specializations, "specialization", [&unit](int i) { unit.SelectSpecialization(i); });
  commands["skill-add"] = when([&view] { return view.addEnabled; }, "Add Skill", [&unit] { unit.Add(); });
  commands["skill-further"] = when([&view] { return view.furtherVisible && view.furtherEnabled; },
                                   kFurtherSpecializationCaption, [&unit] { unit.AddFurther(); });
  commands["skill-select"] = pick(&SkillsView::names, "character's skill", [&unit](int i) { unit.Select(i); });
  commands["skill-raise"] = when(selected, "the rating spinner", [&unit] { unit.Raise(); });
  commands["skill-lower"] = when(selected, "the rating spinner", [&unit] { unit.Lower(); });
  commands["skill-base-up"] = when(adjusters, kBaseSkillLabel, [&unit] { unit.AdjustBase(1); });
  commands["skill-base-down"] = when(adjusters, kBaseSkillLabel, [&unit] { unit.AdjustBase(-1); });
  commands["skill-specialization-up"] =
      when(adjusters, kSpecializationSkillLabel, [&unit] { unit.AdjustSpecialization(1); });
  commands["skill-specialization-down"] =
      when(adjusters, kSpecializationSkillLabel, [&unit] { unit.AdjustSpecialization(-1); });
  commands["skill-remove"] = when([&view] { return view.removeEnabled; }, "Remove", [&unit] { unit.Remove(); });
  // The order arrows move the chosen skill: they are enabled while Remove is.
  commands["skill-move-up"] =
      when([&view] { return view.orderEnabled; }, "the order arrows", [&unit] { unit.MoveUp(); });
  commands["skill-move-down"] =
      when([&view] { return view.orderEnabled; }, "the order arrows", [&unit] { unit.MoveDown(); });
  AddSearchCommands(
      "skill",
      SearchBox{[&view]() -> const CatalogSearch& { return view.search; },
                [&unit](std::string text) { unit.Search(std::move(text)); }, [&unit](int i) { unit.ChooseMatch(i); }},
      out, commands);
  commands["show-skills"] = NoArguments([&editor, &out] { ShowSkills(editor, out); });
}

}  // namespace ivgen
