#include "batch/points_commands.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "batch/creation_commands.h"
#include "purchase/list_rows.h"
#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr std::array<std::string_view, kPointRaceCount> kRaceNames = {"Human", "Dwarf/Ork", "Elf/Troll",
                                                                      "Shape Shifter"};
constexpr std::array<std::string_view, kPointMagicCount> kMagicNames = {
    "Full Mage/Shaman", "Physical Adept", "Elementalist", "Sorcerer", "Conjurer", "Shamanist"};
constexpr std::array<std::string_view, 3> kAnimalCodes = {"BOD", "QCK", "STR"};
constexpr std::array<std::string_view, 3> kAnimalKeys = {"Body", "Quickness", "Strength"};

const char* OnOffText(bool on) { return on ? "on" : "off"; }

std::optional<int> NamedEntry(const std::vector<std::string>& list, const std::string& wanted) {
  const std::vector<std::string> names = EntryNames(list);
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == wanted) return static_cast<int>(i);
  }
  return IndexOf(wanted, list);
}

// The argument: one word (quoted or not) or the rest of the line.
std::string Argument(const ScriptLine& line) { return line.words.size() == 1 ? line.words[0] : line.rest; }

std::string Row(const DerivedRow& row) { return row.Base + "+" + row.Modifier + "=" + row.Total; }

void ShowPoints(const Editor& editor, std::ostream& out) {
  const CharacterRecord& record = editor.Record();
  const PointGenerationView& view = editor.PointGeneration().View();
  const int race = record.PtsRsel;
  out << "Character Generation Using Points\n";
  out << "Race=" << (race >= 0 && race < kPointRaceCount ? kPointRaceCaptions[race] : "none") << "\n";
  out << "MetaVariants (+5 Pts)=" << OnOffText(record.PtsMeta) << "\n";
  out << "Ghoul (+10 Pts)=" << OnOffText(record.PtsGhoul) << "\n";
  out << "Otaku (+30 Pts)=" << OnOffText(record.PtsOtaku) << "\n";
  out << "NoRules (Existing Character)=" << OnOffText(record.PtsNoRules) << "\n";
  out << "Magic=" << OnOffText(view.magic);
  if (view.magic) {
    const int magic = view.magicChoice;
    out << ", " << (magic >= 0 && magic < kPointMagicCount ? kPointMagicCaptions[magic] : "none");
    out << ", PhysAd:Magician=" << (view.physAdVisible ? OnOffText(record.PtsPhysAdMagic) : "hidden");
  }
  out << "\n";
  const int resource = record.PtsResourceSel;
  out << "Resources (in nuyen)="
      << (resource >= 0 && resource < kResourceCount
              ? std::string(kResourceCaptions[resource]) + " " + kResourceLabels[resource]
              : std::string("none"))
      << (view.resourcesEnabled ? "" : " (disabled)") << "\n";
  out << "Attribute Points=" << view.attributePoints << "\n";
  out << "Active Skills=" << view.activeSkills << "\n";
  out << "Points=" << view.pointsDisplay << "\n";
}

void ShowEdges(const Editor& editor, std::ostream& out) {
  const EdgesView& view = editor.EdgesAndFlaws().View();
  const std::vector<EdgeRow> edges = EdgeRows(editor.Record().Edges);
  out << "Edges and flaws: " << view.pointsDisplay << "\n";
  for (size_t i = 0; i < edges.size(); ++i) {
    out << "  " << Join(edges[i].cells, " | ") << (view.selectedEntry == static_cast<int>(i) ? "  <" : "") << "\n";
  }
  out << "Remove=" << (view.removeEnabled ? "enabled" : "disabled") << "\n";
}

void ShowAnimal(const Editor& editor, std::ostream& out) {
  const ShapeshiftGroup& animal = editor.Record().Animal;
  const SpecialsView& view = editor.AnimalForm().View();
  out << "Shapeshifter Animal Attributes\n";
  for (size_t i = 0; i < kAnimalKeys.size(); ++i) out << kAnimalKeys[i] << "=" << Row(animal.Attr[i]) << "\n";
  out << "Running Multiplier=" << animal.RunMult << "\n";
  out << "Reaction=" << Row(animal.Reaction) << "\n";
  out << "Ini Dice=" << Row(animal.Initative) << "\n";
  out << "Combat Pool=" << view.combatPool << "\n";
  out << "Used/Max=" << view.pointsDisplay << (view.overLimit ? " [over limit]" : "") << "\n";
}

}  // namespace

std::optional<std::string> PointsPrintable(const Editor& editor, const std::string& name) {
  if (name == "BuildPointsUsed") return IntText(editor.PointGeneration().Account().BuildPointsUsed);
  if (name == "EdgeSum") return IntText(editor.EdgesAndFlaws().View().EdgeSum);
  if (name == "points") return editor.PointGeneration().View().pointsDisplay;
  if (name == "edge-points") return editor.EdgesAndFlaws().View().pointsDisplay;
  return std::nullopt;
}

void AddPointsCommands(Editor& editor, const ScriptedPlatform& platform, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands) {
  PointGenerationUnit& points = editor.PointGeneration();
  // A control answers only where the player could reach it: `front` is the modal dialog it
  // belongs to (none for the main window), `shown` its own hidden or disabled state.
  auto reachable = [&platform](std::optional<Dialog> front, std::function<bool()> shown, std::string what,
                               BatchCommand command) {
    return InWindow(platform, front, what, Reachable(shown, what, command));
  };
  auto always = [] { return true; };
  auto onOff = [](std::function<void(bool)> action) {
    return [action](const ScriptLine& line, std::string& error) {
      const auto on = line.words.size() == 1 ? OnOff(line.words[0]) : std::nullopt;
      if (!on) error = "expects on or off";
      if (on) action(*on);
      return on.has_value();
    };
  };
  auto choice = [](auto names, std::string expected, std::function<void(int)> action) {
    return [names, expected, action](const ScriptLine& line, std::string& error) {
      const auto i = IndexOf(Argument(line), names);
      if (!i) error = "expects " + expected;
      if (i) action(*i);
      return i.has_value();
    };
  };
  auto text = [](std::function<void(std::string)> action) {
    return [action](const ScriptLine& line, std::string&) {
      action(Argument(line));
      return true;
    };
  };

  const std::optional<Dialog> dialog = Dialog::PointGeneration;
  auto inDialog = [&](const char* what, BatchCommand command) { return reachable(dialog, always, what, command); };
  commands["points-race"] = inDialog(
      "the race choice",
      choice(kRaceNames, "Human, Dwarf/Ork, Elf/Troll or Shape Shifter", [&points](int i) { points.ChooseRace(i); }));
  commands["points-metavariants"] = inDialog("MetaVariants", onOff([&points](bool on) { points.SetMetaVariants(on); }));
  commands["points-ghoul"] = inDialog("Ghoul", onOff([&points](bool on) { points.SetGhoul(on); }));
  commands["points-otaku"] = inDialog("Otaku", onOff([&points](bool on) { points.SetOtaku(on); }));
  commands["points-norules"] = inDialog("NoRules", onOff([&points](bool on) { points.SetNoRules(on); }));
  commands["points-magic"] = inDialog("Magic", onOff([&points](bool on) { points.SetMagic(on); }));
  commands["points-magic-choice"] = reachable(
      dialog, [&points] { return points.View().magic; }, "the magic choice",
      choice(kMagicNames, "Full Mage/Shaman, Physical Adept, Elementalist, Sorcerer, Conjurer or Shamanist",
             [&points](int i) { points.ChooseMagic(i); }));
  commands["points-physad"] = reachable(
      dialog, [&points] { return points.View().magic && points.View().physAdVisible; }, "PhysAd:Magician",
      onOff([&points](bool on) { points.SetPhysAdMagician(on); }));
  commands["points-resources"] = reachable(
      dialog, [&points] { return points.View().resourcesEnabled; }, "the resources",
      choice(kResourceCaptions, "500, 5K, 20K, 90K, 200K, 400K, 650K or 1000K",
             [&points](int i) { points.ChooseResources(i); }));
  commands["points-attributes"] =
      inDialog("Attribute Points", text([&points](std::string typed) { points.SetAttributePoints(std::move(typed)); }));
  commands["points-skills"] =
      inDialog("Active Skills", text([&points](std::string typed) { points.SetActiveSkills(std::move(typed)); }));
  commands["points-attributes-up"] =
      inDialog("Attribute Points", NoArguments([&points] { points.RaiseAttributePoints(); }));
  commands["points-attributes-down"] =
      inDialog("Attribute Points", NoArguments([&points] { points.LowerAttributePoints(); }));
  commands["points-skills-up"] = inDialog("Active Skills", NoArguments([&points] { points.RaiseActiveSkills(); }));
  commands["points-skills-down"] = inDialog("Active Skills", NoArguments([&points] { points.LowerActiveSkills(); }));
  commands["points-edges"] = inDialog("Edges && Flaws", NoArguments([&points] { points.OpenEdgesFromPoints(); }));
  commands["points-done"] = inDialog("Done", NoArguments([&points] { points.Done(); }));

  const std::optional<Dialog> edges = Dialog::EdgesFlaws;
  EdgesUnit& edgesFlaws = editor.EdgesAndFlaws();
  const CharacterRecord& record = editor.Record();
  const Catalogs& catalogs = editor.CurrentCatalogs();
  auto named = [](std::function<const std::vector<std::string>&()> list, std::function<void(int)> action) {
    return [list, action](const ScriptLine& line, std::string& error) {
      const auto i = NamedEntry(list(), Argument(line));
      if (!i) error = "the list holds no '" + Argument(line) + "'";
      if (i) action(*i);
      return i.has_value();
    };
  };
  commands["edges"] =
      reachable(std::nullopt, always, "Edges && Flaws", NoArguments([&edgesFlaws] { edgesFlaws.Open(); }));
  commands["edge-add"] = reachable(edges, always, "the edges list",
                                   named(
                                       [&catalogs]() -> auto& { return catalogs.edges.edges; },
                                       [&edgesFlaws](int i) {
                                         edgesFlaws.SelectEdge(i);
                                         edgesFlaws.AddEdge();
                                       }));
  commands["flaw-add"] = reachable(edges, always, "the flaws list",
                                   named(
                                       [&catalogs]() -> auto& { return catalogs.edges.flaws; },
                                       [&edgesFlaws](int i) {
                                         edgesFlaws.SelectFlaw(i);
                                         edgesFlaws.AddFlaw();
                                       }));
  commands["edge-remove"] = reachable(edges, always, "the character's list",
                                      named(
                                          [&record]() -> auto& { return record.Edges; },
                                          [&edgesFlaws](int i) {
                                            edgesFlaws.SelectEntry(i);
                                            edgesFlaws.Remove();
                                          }));
  commands["edges-done"] = reachable(edges, always, "Done", NoArguments([&edgesFlaws] { edgesFlaws.Done(); }));

  RaceUnit& race = editor.Race();
  AnimalFormUnit& animalForm = editor.AnimalForm();
  const SpecialsView& specials = race.Specials();
  const CreationState& creation = editor.Creation();
  commands["begin-ghoul"] = reachable(
      std::nullopt, [&specials] { return specials.ghoulButtonVisible; }, "Begin Ghoul",
      NoArguments([&race] { race.BeginGhoul(); }));
  commands["albino"] = reachable(
      std::nullopt, [&specials, &creation] { return specials.albinoEnabled && creation.race.metaGroupVisible; },
      "Albino", onOff([&race](bool on) { race.SetAlbino(on); }));
  commands["albino-flaw"] = reachable(
      std::nullopt, [&specials] { return specials.albinoFlawVisible; }, "Albino Flaw",
      choice(kAlbinoFlawCaptions,
             "Bio-Rejection, Color Blind, Low Pain Tol., Night Blindness or "
             "Sensitive System",
             [&race](int i) { race.ChooseAlbinoFlaw(i); }));
  commands["unhide-shifter"] = reachable(
      std::nullopt, [&creation] { return creation.pages.unhideShifterVisible; }, "Unhide Shifter",
      NoArguments([&animalForm] { animalForm.Unhide(); }));
  auto animalShown = [&platform] {
    const std::vector<Dialog>& open = platform.OpenDialogs();
    return std::find(open.begin(), open.end(), Dialog::AnimalForm) != open.end();
  };
  auto animal = [&](bool up) {
    return reachable(std::nullopt, animalShown, "the animal form",
                     [&animalForm, up](const ScriptLine& line, std::string& error) {
                       auto i = line.words.size() == 1 ? IndexOf(line.words[0], kAnimalCodes) : std::nullopt;
                       if (!i && line.words.size() == 1) i = IndexOf(line.words[0], kAnimalKeys);
                       if (!i) error = "expects BOD, QCK or STR or its name";
                       if (i && up) animalForm.Raise(*i);
                       if (i && !up) animalForm.Lower(*i);
                       return i.has_value();
                     });
  };
  commands["animal-up"] = animal(true);
  commands["animal-down"] = animal(false);
  commands["animal-hide"] =
      reachable(std::nullopt, animalShown, "Hide", NoArguments([&animalForm] { animalForm.Hide(); }));

  commands["show-points"] = NoArguments([&editor, &out] { ShowPoints(editor, out); });
  commands["show-edges"] = NoArguments([&editor, &out] { ShowEdges(editor, out); });
  commands["show-animal"] = NoArguments([&editor, &out] { ShowAnimal(editor, out); });
}

}  // namespace ivgen
