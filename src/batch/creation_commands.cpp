#include "batch/creation_commands.h"

#include <array>
#include <cctype>

#include "record/text.h"
#include "record/values.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += (out.empty() ? "" : " | ") + line;
  return out;
}

std::optional<int> AttributeIndex(const std::string& word) {
  if (auto i = IndexOf(word, kAttributeCodes)) return i;
  return IndexOf(word, kAttributeKeys);
}

std::string RaceName(int i) { return Races()[i].name; }

std::string AttributeLine(const Editor& editor, int i) {
  const AttributeRow& row = editor.Record().Attr[i];
  return std::string(kAttributeKeys[i]) + "=" + row.Base + "+" + row.Racial + "/" + row.Modifier +
         (row.BioModifier == "0" ? "" : " bio " + row.BioModifier) + "=" + row.Total +
         (editor.Attributes().View().overMaximum[i] ? " [over maximum]" : "");
}

void ShowPriorities(const Editor& editor, std::ostream& out) {
  const CharacterRecord& record = editor.Record();
  const PriorityView& view = editor.Priorities().View();
  for (int row = 0; row < kPriorityRows; ++row) {
    out << kRowLetters[row] << " " << view.order[row] << ": " << view.valueTexts[row]
        << (row == view.selectedRow ? "  <" : "") << "\n";
  }
  out << "Generator=" << (record.GeneratorPoints ? "Points" : "Priority") << "\n";
  out << "Adept (Aspected)="
      << (view.adeptGroupVisible ? (record.Adept >= 0 && record.Adept < 5 ? kAdeptChoices[record.Adept] : "none")
                                 : "hidden")
      << "\n";
  out << "PhysAd: Path of the Magician=" << (view.physAdVisible ? (record.PhysAdMagic ? "on" : "off") : "hidden")
      << "\n";
  out << "Initiation/Geas Mod=" << (record.Initiation ? "on" : "off") << (view.initiationEnabled ? "" : " (disabled)")
      << ", grade " << view.gradeText << "\n";
  out << "Override Limits (Existing Char)=" << (record.OverrideLimits() ? "on, Money " + view.moneyText : "off")
      << "\n";
  out << "MagicPts=" << GeneralNumber(record.MagicPts) << "\n";
}

void ShowRace(const Editor& editor, std::ostream& out) {
  const CharacterRecord& record = editor.Record();
  const RaceView& view = editor.Race().View();
  out << kRaceWarning << "\n";
  for (int i = 0; i < kRaceCount; ++i) {
    out << RaceName(i) << ": " << (view.optionEnabled[i] ? "enabled" : "disabled")
        << (record.Rsel == i ? ", chosen" : "") << "\n";
  }
  if (editor.Race().ChosenRaceNotOffered()) out << kRaceNotOffered << "\n";
  out << "Race=" << record.Race << "\n";
  out << "RaceDesc=" << Joined(record.RaceDesc) << "\n";
  if (!view.metaGroupVisible) {
    out << "MetaTypes: hidden\n";
    return;
  }
  out << "MetaTypes:\n";
  for (size_t i = 0; i < view.metaList.size(); ++i) {
    out << "  " << i << " " << MetatypeName(view.metaList[i]) << (record.SelIndex == static_cast<int>(i) ? "  <" : "")
        << "\n";
  }
  out << view.modCaption << ":";
  for (int k = 0; k < kAttributeCount; ++k) out << " " << kAttributeCodes[k] << " " << view.metaFields[k];
  out << ", Run Mult. " << view.metaFields[kAttributeCount] << "\n";
  if (view.shapeFieldsVisible) {
    out << "Shapeshifter Animal Form:";
    for (const std::string& field : view.animalFields) out << " " << field;
    out << "\n";
  }
  const SpecialsView& specials = editor.Race().Specials();
  out << "Albino=" << (specials.albino ? "on" : "off") << (specials.albinoEnabled ? "" : " (disabled)");
  if (specials.albinoFlawVisible) out << ", Albino Flaw=" << AlbinoFlawCaption(specials.albinoFlaw);
  out << "\n";
}

void ShowAttributes(const Editor& editor, std::ostream& out) {
  const CharacterRecord& record = editor.Record();
  const AttributeView& view = editor.Attributes().View();
  for (int i = 0; i < kAttributeCount; ++i) out << AttributeLine(editor, i) << "\n";
  out << "Reaction=" << record.Reaction.Base << "+" << record.Reaction.Modifier << "=" << record.Reaction.Total << "\n";
  out << "Initiative=" << record.Initative.Base << "+" << record.Initative.Modifier << "D6\n";
  out << "Magic=" << record.Magic.Base << "+" << record.Magic.Modifier << "=" << record.Magic.Total << "\n";
  out << "Essence=" << record.EssenceText << ", Essence Index=" << view.essenceIndexText
      << ", Bio-index=" << record.BodyIndexText << "\n";
  out << "Run Mult.=" << record.RunMult << "\n";
  out << "Combat=" << record.CombatPool.Base << "+" << record.CombatPool.Modifier << "=" << record.CombatPool.Total
      << ", Control=" << record.Pools.Control << ", Spell=" << record.Pools.Magic << ", Astral=" << record.Pools.Astral
      << ", Karma=" << record.Pools.Karma << ", Hacking=" << record.Pools.Hacking << "\n";
  out << "Pools: " << record.Pools.lblPool1 << "=" << record.Pools.txtPool1 << ", " << record.Pools.lblPool2 << "="
      << record.Pools.txtPool2 << "\n";
  out << "Attribute points=" << view.pointsDisplay << (view.overSpent ? " [over-spent]" : "") << "\n";
  out << "Knowledge=" << record.KnowledgeAllowance << ", Language=" << record.LanguageAllowance << "\n";
  // The buttons of the special kinds show only for them.
  if (editor.Race().Specials().ghoulButtonVisible) out << "Begin Ghoul\n";
  if (editor.Creation().pages.unhideShifterVisible) out << "Unhide Shifter\n";
}

}  // namespace

std::optional<std::string> CreationPrintable(const Editor& editor, const std::string& name) {
  const CharacterRecord& record = editor.Record();
  const CreationState& state = editor.Creation();
  if (name == "Attributes") return IntText(record.Attributes);
  if (name == "AttributePoints") return state.attributes.pointsDisplay;
  if (name == "SkillPoints") return IntText(record.PtsSkills);
  if (name == "Maxresources") return IntText(record.Maxresources);
  if (name == "MagicPts") return GeneralNumber(record.MagicPts);
  if (name == "Adept") return IntText(record.Adept);
  if (name == "PhysAdMagic") return IntText(record.PhysAdMagic);
  if (name == "norules") return IntText(record.norules);
  if (name == "Initiation") return IntText(record.Initiation);
  if (name == "Grade") return IntText(record.Grade);
  if (name == "Rsel") return IntText(record.Rsel);
  if (name == "RaceDesc") return Joined(record.RaceDesc);
  if (name == "Edges") return Joined(record.Edges);
  if (name == "RunMult") return record.RunMult;
  if (name == "Essence") return record.EssenceText;
  if (name == "NaturalMax" || name == "RacialMax") {
    const auto& values = name == "NaturalMax" ? record.NaturalMax : record.RacialMax;
    std::string out;
    for (int16_t value : values) out += (out.empty() ? "" : " ") + IntText(value);
    return out;
  }
  if (name == "OnceThru") return record.OnceThru ? "true" : "false";
  if (name == "priorities") {
    std::string out;
    for (int row = 0; row < kPriorityRows; ++row) {
      out += (row ? " | " : "") + state.priorities.order[row] + " " + state.priorities.valueTexts[row];
    }
    return out;
  }
  if (const auto i = AttributeIndex(name); i && !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]))) {
    return AttributeLine(editor, *i);
  }
  return std::nullopt;
}

void AddCreationCommands(Editor& editor, std::ostream& out, std::map<std::string, BatchCommand>& commands) {
  auto text = [](std::function<void(std::string)> action) {
    return [action](const ScriptLine& line, std::string&) {
      action(line.words.size() == 1 ? line.words[0] : line.rest);
      return true;
    };
  };

  // A player cannot click a control that is hidden or disabled; a script that tries is wrong.
  auto reachable = [&editor](std::function<bool(const Editor&)> shown, std::string what, BatchCommand command) {
    return Reachable([&editor, shown = std::move(shown)] { return shown(editor); }, std::move(what),
                     std::move(command));
  };

  commands["priority-row"] = [&editor](const ScriptLine& line, std::string& error) {
    const auto row = line.words.size() == 1 ? IndexOf(line.words[0], kRowLetters) : std::nullopt;
    if (!row) {
      error = "expects a row, A to E";
      return false;
    }
    editor.Priorities().SelectRow(*row);
    return true;
  };
  commands["priority-up"] = NoArguments([&editor] { editor.Priorities().MoveUp(); });
  commands["priority-down"] = NoArguments([&editor] { editor.Priorities().MoveDown(); });
  commands["adept"] =
      reachable([](const Editor& e) { return e.Priorities().View().adeptGroupVisible; }, "the Adept (Aspected) choice",
                [&editor](const ScriptLine& line, std::string& error) {
                  const auto choice = line.words.size() == 1 ? IndexOf(line.words[0], kAdeptChoices) : std::nullopt;
                  if (!choice) {
                    error = "expects Physical, Elementalist, Sorcerer, Conjurer or Shamanist";
                    return false;
                  }
                  editor.Priorities().ChooseAdept(*choice);
                  return true;
                });
  commands["physad"] =
      reachable([](const Editor& e) { return e.Priorities().View().physAdVisible; }, "PhysAd: Path of the Magician",
                OnOffArgument([&editor](bool on) { editor.Priorities().SetPhysAdMagic(on); }));
  commands["override"] = OnOffArgument([&editor](bool on) { editor.Priorities().SetOverrideLimits(on); });
  commands["existing-character"] = NoArguments([&editor] { editor.Priorities().ToggleExistingCharacter(); });
  commands["initiation"] =
      reachable([](const Editor& e) { return e.Priorities().View().initiationEnabled; }, "Initiation/Geas Mod",
                OnOffArgument([&editor](bool on) { editor.Priorities().SetInitiation(on); }));
  commands["grade"] =
      reachable([](const Editor& e) { return e.Priorities().View().gradeEnabled; }, "the grade",
                text([&editor](std::string typed) { editor.Priorities().SetGradeText(std::move(typed)); }));
  commands["money"] =
      reachable([](const Editor& e) { return e.Priorities().View().moneyVisible; }, "the Money field",
                text([&editor](std::string typed) { editor.Priorities().SetMoneyText(std::move(typed)); }));
  commands["generator-priority"] = NoArguments([&editor] { editor.Priorities().ChoosePriorityGenerator(); });
  commands["generator-points"] =
      reachable([](const Editor& e) { return e.Priorities().View().pointSystemAvailable; }, "Point System",
                NoArguments([&editor] { editor.Priorities().ChoosePointGenerator(); }));
  commands["race"] = [&editor](const ScriptLine& line, std::string& error) {
    static constexpr std::array<std::string_view, kRaceCount> kNames = {"Human", "Elf", "Dwarf", "Ork", "Troll"};
    const auto race = line.words.size() == 1 ? IndexOf(line.words[0], kNames) : std::nullopt;
    if (!race) {
      error = "expects Human, Elf, Dwarf, Ork or Troll";
      return false;
    }
    if (!editor.Race().View().optionEnabled[*race]) {
      error = "the " + std::string(kNames[*race]) + " option cannot be used now";
      return false;
    }
    editor.Race().Click(*race);
    return true;
  };
  commands["metatype"] = [&editor](const ScriptLine& line, std::string& error) {
    if (!editor.Race().View().metaGroupVisible) {
      error = "the metatype list cannot be used now";
      return false;
    }
    const std::vector<std::string>& list = editor.Race().View().metaList;
    const std::string wanted = line.words.size() == 1 ? line.words[0] : line.rest;
    for (size_t i = 0; i < list.size(); ++i) {
      if (MetatypeName(list[i]) == wanted || std::to_string(i) == wanted) {
        editor.Race().ChooseMetatype(static_cast<int>(i));
        return true;
      }
    }
    error = "the metatype list holds no '" + wanted + "'";
    return false;
  };
  auto attribute = [&editor](bool up) {
    return [&editor, up](const ScriptLine& line, std::string& error) {
      const auto i = line.words.size() == 1 ? AttributeIndex(line.words[0]) : std::nullopt;
      if (!i) {
        error = "expects an attribute: BOD, QCK, STR, CHA, INT, WIL or its name";
        return false;
      }
      if (up) {
        editor.Attributes().Raise(*i);
      } else {
        editor.Attributes().Lower(*i);
      }
      return true;
    };
  };
  commands["attribute-up"] = attribute(true);
  commands["attribute-down"] = attribute(false);
  commands["show-priorities"] = NoArguments([&editor, &out] { ShowPriorities(editor, out); });
  commands["show-race"] = NoArguments([&editor, &out] { ShowRace(editor, out); });
  commands["show-attributes"] = NoArguments([&editor, &out] { ShowAttributes(editor, out); });
}

}  // namespace ivgen
