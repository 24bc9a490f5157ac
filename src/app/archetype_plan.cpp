#include "app/archetype_plan.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/settings.h"
#include "entry/list_entries.h"
#include "purchase/bioware.h"
#include "purchase/cyberware.h"
#include "purchase/gear.h"
#include "purchase/spells.h"
#include "record/entries.h"
#include "record/ini_file.h"
#include "record/text.h"
#include "record/values.h"
#include "rules/point_generation.h"
#include "rules/priorities.h"
#include "rules/race.h"

namespace ivgen {

namespace {

constexpr std::array<std::string_view, 7> kMagicPathNames = {"Mundane",  "Magician", "Physical", "Elementalist",
                                                             "Sorcerer", "Conjurer", "Shamanist"};
constexpr std::string_view kNone = "none";
constexpr int64_t kMoneyKeptAtMost = 5000;

std::optional<int> WholeNumberOf(std::string_view text) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return std::stoi(std::string(text));
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string NodeName(const SkillCatalog& catalog, int node) {
  return TrimRight(catalog.SkillTable[static_cast<size_t>(node)].Name);
}

// Where the gear page lists each item: the group's node and the row of its shop list.
struct GearPlace {
  size_t node = 0;
  int row = 0;
  std::string entry;
};

std::map<std::string, GearPlace> GearIndex(const Catalogs& catalogs, const BookLists& books,
                                           const std::string& folder) {
  std::map<std::string, GearPlace> index;
  const CatalogTree& tree = catalogs.gear.tree;
  for (size_t node = 0; node < tree.size(); ++node) {
    if (HasChildNodes(tree, node)) continue;
    const std::optional<GearGroup> group = ShowGearGroup(folder, catalogs.gear, node, books);
    if (!group) continue;
    for (size_t row = 0; row < group->items.size(); ++row) {
      const std::string name = ParseEntry<GearEntry>(group->items[row]).Item();
      index.try_emplace(name, GearPlace{node, static_cast<int>(row), group->items[row]});
    }
  }
  return index;
}

class Planner {
 public:
  Planner(const Archetype& archetype, const Catalogs& catalogs, const BookLists& books, const std::string& folder,
          int maxpoints)
      : archetype_(archetype), catalogs_(catalogs), books_(books), folder_(folder), maxpoints_(maxpoints) {
    plan_.name = archetype.name;
    plan_.line = archetype.line;
  }

  ArchetypePlan Plan() {
    Method();
    MagicAndGhoul();
    if (plan_.points) {
      Builds();
    } else {
      Orders();
    }
    RaceLines();
    if (!plan_.points) RacesOfferedByOrders();
    if (plan_.points) BuildsWithinMaximum();
    Attributes(ArchetypeKey::Attribute, plan_.attributes);
    Attributes(ArchetypeKey::Animal, plan_.animal);
    Skills();
    ImplantLists(ArchetypeKey::Cyberware, plan_.cyberware);
    ImplantLists(ArchetypeKey::Bioware, plan_.bioware);
    Traditions();
    Spells();
    Powers();
    GearLists();
    Contacts();
    Fillers();
    StreetNames();
    std::stable_sort(plan_.problems.begin(), plan_.problems.end(),
                     [](const PlanProblem& a, const PlanProblem& b) { return a.line < b.line; });
    return std::move(plan_);
  }

 private:
  void Problem(const ArchetypeLine& line, std::string what) { plan_.problems.push_back({line.line, line.key, what}); }
  void Lacks(ArchetypeKey key, std::string what) { plan_.problems.push_back({archetype_.line, key, std::move(what)}); }
  const std::vector<const ArchetypeLine*> Lines(ArchetypeKey key) const { return archetype_.Of(key); }

  void Method() {
    const auto lines = Lines(ArchetypeKey::Method);
    if (lines.empty()) {
      Lacks(ArchetypeKey::Method, "no Method line: Priority or Points");
      return;
    }
    for (size_t i = 1; i < lines.size(); ++i) Problem(*lines[i], "a second Method line; the first one counts");
    const std::string& method = lines.front()->parts.front();
    if (method == "Points") {
      plan_.points = true;
    } else if (method != "Priority") {
      Problem(*lines.front(), "method " + Quoted(method) + " is neither Priority nor Points");
    }
  }

  void MagicAndGhoul() {
    const auto magic = Lines(ArchetypeKey::Magic);
    for (size_t i = 1; i < magic.size(); ++i) Problem(*magic[i], "a second Magic line; the first one counts");
    if (!magic.empty()) {
      const std::string& name = magic.front()->parts.front();
      const auto found = std::find(kMagicPathNames.begin(), kMagicPathNames.end(), name);
      if (found == kMagicPathNames.end()) {
        Problem(*magic.front(), "magic " + Quoted(name) +
                                    " is none of Mundane, Magician, Physical, Elementalist, Sorcerer, Conjurer, "
                                    "Shamanist");
      } else {
        plan_.magic = static_cast<MagicPath>(found - kMagicPathNames.begin());
      }
    }
    const auto ghoul = Lines(ArchetypeKey::Ghoul);
    if (!ghoul.empty()) {
      if (plan_.points) {
        plan_.ghoul = true;
      } else {
        Problem(*ghoul.front(), "the ghoul option is bought with build points only");
      }
    }
  }

  // The row Magic must take under priorities: A for a magician, B for the aspected and adepts.
  bool MagicRowFits(int row) const {
    switch (plan_.magic) {
      case MagicPath::Mundane:
        return row >= 2;
      case MagicPath::Magician:
        return row == 0;
      default:
        return row == 1;
    }
  }

  void Orders() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Build)) {
      Problem(*line, "Build lines are for build points; this archetype uses priorities");
    }
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Order)) {
      PlannedOrder order{{line->line, line->weight}, {}};
      bool complete = line->parts.size() == kPriorityRows;
      for (size_t row = 0; complete && row < kPriorityRows; ++row) order.areas[row] = line->parts[row];
      for (std::string_view area : kAreaNames) complete = complete && order.RowOf(area) >= 0;
      if (!complete) {
        Problem(*line, "an order names each of Attributes, Skills, Resources, Race and Magic once, from A to E");
        continue;
      }
      const int magicRow = order.RowOf("Magic");
      if (!MagicRowFits(magicRow)) {
        Problem(*line, "puts Magic at " + std::string(kRowLetters[static_cast<size_t>(magicRow)]) + ", which makes " +
                           (magicRow == 0   ? "a magician"
                            : magicRow == 1 ? "an aspected magician or adept"
                                            : "no magician") +
                           ", not " + std::string(MagicPathName(plan_.magic)));
        continue;
      }
      plan_.orders.push_back(order);
    }
    if (Lines(ArchetypeKey::Order).empty()) Lacks(ArchetypeKey::Order, "no Order line: priorities need one");
  }

  void Builds() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Order)) {
      Problem(*line, "Order lines are for priorities; this archetype uses build points");
    }
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Build)) {
      const auto& parts = line->parts;
      const auto resource =
          parts.empty() ? kResourceCaptions.end()
                        : std::find(kResourceCaptions.begin(), kResourceCaptions.end(), std::string_view(parts[0]));
      const int attributes = parts.size() > 1 ? WholeNumberOf(parts[1]).value_or(-1) : -1;
      const int skills = parts.size() > 2 ? WholeNumberOf(parts[2]).value_or(-1) : -1;
      if (parts.size() != 3 || resource == kResourceCaptions.end() || attributes < 0 || skills < 0) {
        Problem(*line,
                "a build is the resources (500, 5K, 20K, 90K, 200K, 400K, 650K or 1000K), the attribute points and "
                "the active skill points");
        continue;
      }
      if (attributes < 6) {
        Problem(*line, "attribute points " + IntText(attributes) + " are fewer than the 6 the dialog starts at");
        continue;
      }
      plan_.builds.push_back(
          {{line->line, line->weight}, static_cast<int>(resource - kResourceCaptions.begin()), attributes, skills});
    }
    if (Lines(ArchetypeKey::Build).empty()) Lacks(ArchetypeKey::Build, "no Build line: build points need one");
  }

  // Metatype lines of a race code, by name as the metatype list shows them.
  bool MetatypeExists(char raceCode, std::string_view name, bool shapeshifter) const {
    for (const std::string& line : catalogs_.metaLines) {
      if (line.size() < 3 || line[0] != raceCode) continue;
      const std::string_view shown = std::string_view(line).substr(2);
      if (shapeshifter != shown.starts_with("SS")) continue;
      if (MetatypeName(shown) == name) return true;
    }
    return false;
  }

  void RaceLines() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Race)) {
      const std::string& name = line->parts.front();
      PlannedRace race{{line->line, line->weight}, 0, name == "Shapeshifter", ""};
      if (!race.shapeshifter) {
        int found = -1;
        for (int i = 0; i < kRaceCount; ++i) {
          if (name == Races()[static_cast<size_t>(i)].name) found = i;
        }
        if (found < 0) {
          Problem(*line, "race " + Quoted(name) + " is none of Human, Elf, Dwarf, Ork, Troll and Shapeshifter");
          continue;
        }
        race.race = found;
      }
      if (line->parts.size() > 2) {
        Problem(*line, "a race takes at most one metatype");
        continue;
      }
      if (line->parts.size() == 2) race.metatype = line->parts[1];
      if (race.shapeshifter && race.metatype.empty()) {
        Problem(*line, "a shapeshifter needs its animal: a metatype line of meta.dat that begins with SS");
        continue;
      }
      if (!plan_.points && (race.shapeshifter || !race.metatype.empty())) {
        Problem(*line, std::string(race.shapeshifter ? "shapeshifters" : "metatypes") +
                           " are bought with build points; priorities cannot buy this race");
        continue;
      }
      if (!race.metatype.empty()) {
        const char code = RaceCode(race.race).front();
        if (!MetatypeExists(code, race.metatype, race.shapeshifter)) {
          Problem(*line, "metatype " + Quoted(race.metatype) + " is not a " +
                             (race.shapeshifter ? "shapeshifter" : std::string(Races()[race.race].name)) +
                             " line of meta.dat");
          continue;
        }
        if (race.race == kHuman && !race.shapeshifter) {
          Problem(*line, "humans have no metatypes but the shapeshifters'");
          continue;
        }
      }
      if (plan_.ghoul && race.shapeshifter) {
        Problem(*line, "a shapeshifter cannot also be a ghoul");
        continue;
      }
      plan_.races.push_back(race);
    }
    if (Lines(ArchetypeKey::Race).empty()) Lacks(ArchetypeKey::Race, "no Race line: every character needs a race");
  }

  // Under priorities a race is bought by the row the order gives it: an order that offers none of
  // the archetype's races, and a race no order offers, cannot be bought.
  void RacesOfferedByOrders() {
    if (plan_.orders.empty() || plan_.races.empty()) return;
    std::vector<PlannedOrder> orders;
    for (const PlannedOrder& order : plan_.orders) {
      const auto offered = RacesOffered(order.RowOf("Race"));
      const bool any = std::any_of(plan_.races.begin(), plan_.races.end(),
                                   [&](const PlannedRace& race) { return offered[static_cast<size_t>(race.race)]; });
      if (any) {
        orders.push_back(order);
      } else {
        plan_.problems.push_back({order.line, ArchetypeKey::Order,
                                  "race priority " +
                                      std::string(kRowLetters[static_cast<size_t>(order.RowOf("Race"))]) +
                                      " offers none of the archetype's races"});
      }
    }
    plan_.orders = std::move(orders);
    std::vector<PlannedRace> races;
    for (const PlannedRace& race : plan_.races) {
      const bool offered = std::any_of(plan_.orders.begin(), plan_.orders.end(), [&](const PlannedOrder& order) {
        return RacesOffered(order.RowOf("Race"))[static_cast<size_t>(race.race)];
      });
      if (offered) {
        races.push_back(race);
      } else {
        plan_.problems.push_back({race.line, ArchetypeKey::Race,
                                  std::string(Races()[static_cast<size_t>(race.race)].name) +
                                      " is not offered at the race priority of any Order line"});
      }
    }
    plan_.races = std::move(races);
  }

  // Build points as the point dialog counts them, for the dearest race the archetype may draw.
  void BuildsWithinMaximum() {
    std::vector<PlannedBuild> builds;
    for (const PlannedBuild& build : plan_.builds) {
      int most = 0;
      for (const PlannedRace& race : plan_.races) most = std::max(most, BuildCost(build, race));
      if (most > maxpoints_) {
        plan_.problems.push_back(
            {build.line, ArchetypeKey::Build,
             "costs up to " + IntText(most) + " build points, more than maxpoints " + IntText(maxpoints_)});
      } else {
        builds.push_back(build);
      }
    }
    plan_.builds = std::move(builds);
  }

  int BuildCost(const PlannedBuild& build, const PlannedRace& race) const {
    CharacterRecord record;
    record.PtsRsel = static_cast<int16_t>(race.shapeshifter                          ? kShapeShifterChoice
                                          : race.race == kHuman                      ? 0
                                          : race.race == kDwarf || race.race == kOrk ? 1
                                                                                     : 2);
    record.PtsMeta = !race.metatype.empty() && !race.shapeshifter;
    record.PtsGhoul = plan_.ghoul;
    record.PtsResourceSel = static_cast<int16_t>(race.shapeshifter ? 1 : build.resources);
    PointGenerationView view;
    view.magic = plan_.magic != MagicPath::Mundane;
    view.magicChoice = PointMagicChoice(plan_.magic);
    view.attributePoints = IntText(build.attributePoints);
    view.activeSkills = IntText(build.activeSkills);
    return PointCost(record, view);
  }

  std::optional<int> AttributeNamed(std::string_view name, int count) const {
    for (int i = 0; i < count; ++i) {
      if (name == kAttributeCodes[static_cast<size_t>(i)] || name == kAttributeKeys[static_cast<size_t>(i)]) return i;
    }
    return std::nullopt;
  }

  void Attributes(ArchetypeKey key, std::vector<PlannedAttribute>& planned) {
    const bool animal = key == ArchetypeKey::Animal;
    const bool shapeshifter =
        std::any_of(plan_.races.begin(), plan_.races.end(), [](const PlannedRace& race) { return race.shapeshifter; });
    for (const ArchetypeLine* line : Lines(key)) {
      if (animal && !shapeshifter) {
        Problem(*line, "only a shapeshifter has an animal form");
        continue;
      }
      const std::optional<int> attribute = AttributeNamed(line->parts.front(), animal ? 3 : kAttributeCount);
      if (!attribute) {
        Problem(*line, Quoted(line->parts.front()) + " is not an attribute " +
                           (animal ? "of the animal form: BOD, QCK or STR" : "code or name"));
        continue;
      }
      std::optional<int> minimum = 0;
      if (line->parts.size() > 2 || (line->parts.size() == 2 && !(minimum = WholeNumberOf(line->parts[1])))) {
        Problem(*line, "an attribute takes at most a least total, a whole number");
        continue;
      }
      planned.push_back({{line->line, line->weight}, *attribute, *minimum});
    }
  }

  void Skills() {
    const SkillCatalog& catalog = catalogs_.skills;
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Skill)) {
      PlannedSkill skill;
      skill.line = line->line;
      skill.weight = line->weight;
      std::string specialization;
      bool wrong = false;
      for (size_t i = 1; i < line->parts.size(); ++i) {
        if (const std::optional<int> rating = WholeNumberOf(line->parts[i])) {
          wrong = wrong || *rating < 1 || *rating > 6;
          skill.maxRating = *rating;
        } else if (specialization.empty()) {
          specialization = line->parts[i];
        } else {
          wrong = true;
        }
      }
      if (wrong) {
        Problem(*line, "a skill takes at most one specialization and a highest rating from 1 to 6");
        continue;
      }
      const std::string& name = line->parts.front();
      for (size_t category = 0; category < catalog.SkillCategoryStart.size() && skill.row < 0; ++category) {
        const int start = catalog.SkillCategoryStart[category];
        if (start < 0 || start >= static_cast<int>(catalog.SkillTable.size())) continue;
        const std::vector<int> skills = SkillChain(catalog, catalog.SkillTable[static_cast<size_t>(start)].FirstChild);
        for (size_t row = 0; row < skills.size(); ++row) {
          if (NodeName(catalog, skills[row]) != name) continue;
          skill.category = static_cast<int>(category);
          skill.row = static_cast<int>(row);
          const std::vector<int> specializations =
              SkillChain(catalog, catalog.SkillTable[static_cast<size_t>(skills[row])].FirstChild);
          for (size_t s = 0; s < specializations.size() && !specialization.empty(); ++s) {
            if (NodeName(catalog, specializations[s]) == specialization) skill.specialization = static_cast<int>(s);
          }
          break;
        }
      }
      if (skill.row < 0) {
        Problem(*line, "skill " + Quoted(name) + " is not in skills.dat");
        continue;
      }
      if (!specialization.empty() && (skill.specialization < 0 || specialization.ends_with("->"))) {
        Problem(*line, "specialization " + Quoted(specialization) + " is not one that " + Quoted(name) +
                           " lists with its name (one ending in \"->\" asks the player for it)");
        continue;
      }
      skill.entryName = specialization.empty() ? name : name + "/" + specialization;
      skill.pool = PoolOfClass(SkillClassCode(name));
      if (!specialization.empty() && skill.maxRating < 2) {
        Problem(*line, "a specialized skill starts at rating 2");
        continue;
      }
      plan_.skills.push_back(skill);
    }
  }

  template <typename Option>
  PlannedList<Option>& ListNamed(std::vector<PlannedList<Option>>& lists, const std::string& label, int line) {
    for (PlannedList<Option>& list : lists) {
      if (list.label == label) return list;
    }
    lists.push_back({label, line, {}});
    return lists.back();
  }

  // The tree node of an item, or nothing.
  std::optional<int> TreeItem(const CatalogTree& tree, std::string_view name) const {
    for (size_t node = 0; node < tree.size(); ++node) {
      if (tree[node].indent >= 2 && TreeEntryFields(tree[node].text).front() == name) return static_cast<int>(node);
    }
    return std::nullopt;
  }

  void ImplantLists(ArchetypeKey key, std::vector<PlannedList<PlannedPackage>>& lists) {
    const bool cyber = key == ArchetypeKey::Cyberware;
    const CatalogTree& tree = cyber ? catalogs_.cyberware : catalogs_.bioware;
    const auto options = cyber ? std::vector<std::string_view>(kGradeNames.begin(), kGradeNames.end())
                               : std::vector<std::string_view>(kBiowareTypeNames.begin(), kBiowareTypeNames.end());
    for (const ArchetypeLine* line : Lines(key)) {
      PlannedList<PlannedPackage>& list = ListNamed(lists, line->parts.front(), line->line);
      PlannedPackage package{{line->line, line->weight}, {}};
      std::string wrong;
      const bool none = line->parts.size() == 2 && line->parts[1] == kNone;
      if (line->parts.size() < 2)
        wrong = "list " + Quoted(line->parts.front()) + " is an empty list: name its items, or none";
      for (size_t i = 1; i < line->parts.size() && wrong.empty() && !none; ++i) {
        const std::string& part = line->parts[i];
        const auto option = std::find(options.begin(), options.end(), std::string_view(part));
        if (part == "Used" && cyber && !package.items.empty()) {
          package.items.back().used = true;
        } else if (option != options.end()) {
          if (package.items.empty()) {
            wrong = Quoted(part) + " follows no item";
          } else {
            package.items.back().option = static_cast<int>(option - options.begin());
          }
        } else if (const std::optional<int> node = TreeItem(tree, part)) {
          package.items.push_back({*node, -1, 0, false, part, 0, 0});
        } else {
          wrong = Quoted(part) + " is neither " +
                  (cyber ? "a grade (Standard, Alpha, Beta, Delta, Used)" : "a type (Standard, Cultured, Used)") +
                  " nor in the " + (cyber ? "cyberware" : "bioware") + " catalog in use";
        }
      }
      for (PlannedItem& item : package.items) {
        if (!wrong.empty()) break;
        if (cyber) {
          const auto entry = CatalogItem<CyberwareEntry>(tree, item.node);
          const CyberOffer offer = CyberwareOffer(*entry, item.option, item.used);
          item.essence = offer.essence;
          item.price = offer.price;
          if (!BookAllowed(books_, BookCodeOf(entry->book)))
            wrong = Quoted(item.name) + " is not in the allowed sourcebooks";
        } else {
          const auto entry = CatalogItem<BiowareEntry>(tree, item.node);
          const BioOffer offer = BiowareOffer(*entry, item.option);
          item.essence = offer.bioIndex;
          item.price = offer.price;
          if (!BookAllowed(books_, BookCodeOf(entry->book)))
            wrong = Quoted(item.name) + " is not in the allowed sourcebooks";
        }
      }
      if (!wrong.empty()) {
        Problem(*line, wrong);
        continue;
      }
      list.options.push_back(std::move(package));
    }
  }

  void Traditions() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Tradition)) {
      if (!plan_.Spellcaster()) {
        Problem(*line, "only a character with spell points chooses a tradition");
        continue;
      }
      const std::string& start = line->parts.front();
      const auto& list = catalogs_.traditions;
      const auto found =
          std::find_if(list.begin(), list.end(), [&](const std::string& t) { return t.starts_with(start); });
      if (found == list.end()) {
        Problem(*line, "no tradition in use begins with " + Quoted(start));
        continue;
      }
      plan_.traditions.push_back({{line->line, line->weight}, static_cast<int>(found - list.begin())});
    }
  }

  void Spells() {
    const SpellCatalog& catalog = catalogs_.spells;
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Spell)) {
      if (!plan_.Spellcaster()) {
        Problem(*line, "only a character with spell points buys spells");
        continue;
      }
      PlannedSpell spell{{line->line, line->weight}, -1, -1, kMaxSpellPoints, line->parts.front()};
      if (line->parts.size() > 2 ||
          (line->parts.size() == 2 && (!WholeNumberOf(line->parts[1]) || *WholeNumberOf(line->parts[1]) < 1 ||
                                       *WholeNumberOf(line->parts[1]) > kMaxSpellPoints))) {
        Problem(*line, "a spell takes at most its most spell points, from 1 to 6");
        continue;
      }
      if (line->parts.size() == 2) spell.maxPoints = *WholeNumberOf(line->parts[1]);
      std::string book;
      for (size_t category = 0; category < catalog.categories.size() && spell.row < 0; ++category) {
        const std::vector<std::string> spells = SpellsInCategory(catalog, catalog.categories[category]);
        for (size_t row = 0; row < spells.size(); ++row) {
          if (Trim(SpellColumns(spells[row]).front()) != spell.name) continue;
          spell.category = static_cast<int>(category);
          spell.row = static_cast<int>(row);
          const size_t percent = spells[row].find('%');
          book = percent == std::string::npos ? "" : spells[row].substr(percent + 1);
          break;
        }
      }
      if (spell.row < 0) {
        Problem(*line, "spell " + Quoted(spell.name) + " is not in the spell catalog in use");
        continue;
      }
      if (!BookAllowed(books_, BookCodeOf(book))) {
        Problem(*line, "spell " + Quoted(spell.name) + " is not in the allowed sourcebooks");
        continue;
      }
      plan_.spells.push_back(spell);
    }
  }

  void Powers() {
    const auto& catalog = catalogs_.powers;
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Power)) {
      if (plan_.magic != MagicPath::Physical) {
        Problem(*line, "only a physical adept buys powers");
        continue;
      }
      PlannedPower power;
      power.line = line->line;
      power.weight = line->weight;
      power.name = line->parts.front();
      bool allowed = true;
      for (size_t i = 0; i < catalog.size() && power.index < 0; ++i) {
        const std::vector<std::string> fields = SplitTabs(catalog[i]);
        if (Trim(fields.front()) != power.name) continue;
        power.index = static_cast<int>(i);
        power.cost = fields.size() > 1 ? Val(fields[1]) : 0;
        allowed = fields.size() <= 3 || BookAllowed(books_, BookCodeOf(fields[3]));
      }
      if (power.index < 0 || !allowed) {
        Problem(*line, "power " + Quoted(power.name) +
                           (allowed ? " is not in the power catalog in use" : " is not in the allowed sourcebooks"));
        continue;
      }
      if (power.name.find("Magical Power") != std::string::npos) {
        Problem(*line, "Magical Power needs the path of the magician, which random characters do not take");
        continue;
      }
      power.leveled = power.name.find('*') != std::string::npos;
      bool wrong = line->parts.size() > 3;
      for (size_t i = 1; i < line->parts.size(); ++i) {
        if (const std::optional<int> level = WholeNumberOf(line->parts[i])) {
          wrong = wrong || !power.leveled || *level < 1;
          power.level = *level;
        } else {
          wrong = wrong || !power.target.empty();
          power.target = line->parts[i];
        }
      }
      const bool asksTarget = power.name.find("->") != std::string::npos;
      if (wrong || asksTarget != !power.target.empty()) {
        Problem(*line, "a power takes a level when its name holds \"*\" and a target exactly when it holds \"->\"");
        continue;
      }
      if (power.cost <= 0) {
        Problem(*line, "power " + Quoted(power.name) + " costs no power points");
        continue;
      }
      plan_.powers.push_back(power);
    }
  }

  // A gear item the gear page lists and sells at a price of its own.
  std::optional<PlannedItem> GearItem(const ArchetypeLine& line, const std::string& name) {
    if (!gearIndex_) gearIndex_ = GearIndex(catalogs_, books_, folder_);
    const auto found = gearIndex_->find(name);
    if (found == gearIndex_->end()) {
      Problem(line, "gear " + Quoted(name) + " is not listed by any group of gear.dat in use");
      return std::nullopt;
    }
    const GearEntry entry = ParseEntry<GearEntry>(found->second.entry);
    const int type = entry.Type();
    const std::string price = entry.Value(GearPriceField(catalogs_.gear, type) + 1);
    const std::string book = entry.Value(GearFieldCount(catalogs_.gear, type));
    std::string wrong;
    if (type == kGearTypeContact) {
      wrong = "is a contact: use a Contact line";
    } else if (price.ends_with("?") || found->second.entry.find("I, Internal") != std::string::npos) {
      wrong = "has no price of its own (it is asked, or an internal mount's)";
    } else if (book.find('-') != std::string::npos && !BookAllowed(books_, BookCodeOf(book))) {
      wrong = "is not in the allowed sourcebooks";
    }
    if (!wrong.empty()) {
      Problem(line, "gear " + Quoted(name) + " " + wrong);
      return std::nullopt;
    }
    return PlannedItem{static_cast<int>(found->second.node), found->second.row, 0, false, name, 0, CLng(Val(price))};
  }

  void GearLists() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Gear)) {
      PlannedList<PlannedPackage>& list = ListNamed(plan_.gear, line->parts.front(), line->line);
      if (line->parts.size() < 2) {
        Problem(*line, "list " + Quoted(line->parts.front()) + " is an empty list: name its items, or none");
        continue;
      }
      PlannedPackage package{{line->line, line->weight}, {}};
      bool found = true;
      if (!(line->parts.size() == 2 && line->parts[1] == kNone)) {
        for (size_t i = 1; i < line->parts.size() && found; ++i) {
          const std::optional<PlannedItem> item = GearItem(*line, line->parts[i]);
          found = item.has_value();
          if (item) package.items.push_back(*item);
        }
      }
      if (found) list.options.push_back(std::move(package));
    }
  }

  void Contacts() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Contact)) {
      PlannedList<PlannedContact>& list = ListNamed(plan_.contacts, line->parts.front(), line->line);
      const int level = line->parts.size() == 3 ? WholeNumberOf(line->parts[2]).value_or(0) : 0;
      if (line->parts.size() == 2 && line->parts[1] == kNone) {
        list.options.push_back({{line->line, line->weight}, "", 0});
      } else if (level < 1 || level > 3) {
        Problem(*line, "a contact is a list, an occupation and a level from 1 to 3, or a list and none");
      } else {
        list.options.push_back({{line->line, line->weight}, line->parts[1], level});
      }
    }
  }

  void Fillers() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Filler)) {
      if (line->parts.size() != 1) {
        Problem(*line, "a filler is one gear item");
        continue;
      }
      const std::optional<PlannedItem> item = GearItem(*line, line->parts.front());
      if (!item) continue;
      if (item->price <= 0) {
        Problem(*line, "gear " + Quoted(item->name) + " costs nothing, so it spends no money");
        continue;
      }
      plan_.fillers.push_back({{line->line, line->weight}, {*item}});
    }
    const bool small = std::any_of(plan_.fillers.begin(), plan_.fillers.end(), [](const PlannedPackage& filler) {
      return filler.items.front().price <= kMoneyKeptAtMost;
    });
    if (!small) {
      Lacks(ArchetypeKey::Filler, "no Filler line costs 5,000 or less, so the money left may stay above 5,000");
    }
  }

  void StreetNames() {
    for (const ArchetypeLine* line : Lines(ArchetypeKey::Street)) {
      if (line->parts.size() != 1) {
        Problem(*line, "a street name is one part");
        continue;
      }
      plan_.streetNames.push_back({{line->line, line->weight}, line->parts.front()});
    }
    if (Lines(ArchetypeKey::Street).empty())
      Lacks(ArchetypeKey::Street, "no Street line: every character needs a street name");
  }

  static int PointMagicChoice(MagicPath magic) {
    switch (magic) {
      case MagicPath::Mundane:
      case MagicPath::Magician:
        return 0;
      default:
        return static_cast<int>(magic) - static_cast<int>(MagicPath::Physical) + 1;
    }
  }

  const Archetype& archetype_;
  const Catalogs& catalogs_;
  const BookLists& books_;
  const std::string& folder_;
  int maxpoints_;
  ArchetypePlan plan_;
  std::optional<std::map<std::string, GearPlace>> gearIndex_;
};

// Pools that have points to spend and nothing to spend them on, and spell or power points without
// spells or powers.
void NoteWhatCannotBeSpent(ArchetypePlan& plan) {
  auto has = [&](SkillPool pool) {
    return std::any_of(plan.skills.begin(), plan.skills.end(),
                       [pool](const PlannedSkill& skill) { return skill.pool == pool; });
  };
  auto lacks = [&](ArchetypeKey key, std::string what) { plan.problems.push_back({plan.line, key, std::move(what)}); };
  if (!has(SkillPool::Knowledge))
    lacks(ArchetypeKey::Skill, "no knowledge skill line to spend the knowledge skill points on");
  if (!has(SkillPool::Language))
    lacks(ArchetypeKey::Skill, "no language skill line to spend the language skill points on");
  const bool activePoints = !plan.points || std::any_of(plan.builds.begin(), plan.builds.end(),
                                                        [](const PlannedBuild& b) { return b.activeSkills > 0; });
  if (activePoints && !has(SkillPool::Active))
    lacks(ArchetypeKey::Skill, "no active skill line to spend the active skill points on");
  if (plan.Spellcaster() && plan.spells.empty())
    lacks(ArchetypeKey::Spell, "no Spell line to spend the spell points on");
  if (plan.magic == MagicPath::Physical && plan.powers.empty())
    lacks(ArchetypeKey::Power, "no Power line to spend the power points on");
  if (plan.attributes.empty()) lacks(ArchetypeKey::Attribute, "no Attribute line to spend the attribute points on");
}

}  // namespace

int PlannedOrder::RowOf(std::string_view area) const {
  for (size_t row = 0; row < areas.size(); ++row) {
    if (areas[row] == area) return static_cast<int>(row);
  }
  return -1;
}

std::string ArchetypePlan::FirstProblem(ArchetypeKey key) const {
  // A line that was left out says more than what the archetype as a whole lacks because of it.
  const PlanProblem* first = nullptr;
  for (const PlanProblem& problem : problems) {
    if (problem.key != key || (first != nullptr && problem.line == line)) continue;
    if (first == nullptr || first->line == line) first = &problem;
  }
  return first == nullptr ? "" : "line " + IntText(first->line) + ": " + first->what;
}

std::string_view MagicPathName(MagicPath path) { return kMagicPathNames[static_cast<size_t>(path)]; }

ArchetypePlan PlanArchetype(const Archetype& archetype, const Catalogs& catalogs, const BookLists& books,
                            const std::string& folder, int maxpoints) {
  ArchetypePlan plan = Planner(archetype, catalogs, books, folder, maxpoints).Plan();
  NoteWhatCannotBeSpent(plan);
  std::stable_sort(plan.problems.begin(), plan.problems.end(),
                   [](const PlanProblem& a, const PlanProblem& b) { return a.line < b.line; });
  return plan;
}

std::vector<CatalogProblem> CheckArchetypes(const std::string& folder) {
  const std::optional<ArchetypeCatalog> archetypes = LoadArchetypes(folder);
  if (!archetypes) return {};
  // Every book allowed, as the checker reads every other catalog.
  BookLists books;
  if (auto loaded = LoadBooks(folder)) books = std::move(*loaded);
  books.allowed.insert(books.allowed.end(), books.notAllowed.begin(), books.notAllowed.end());
  books.notAllowed.clear();
  Catalogs catalogs;
  catalogs.allowedBooks = AllowedBooks(books);
  if (auto skills = LoadSkills(folder)) catalogs.skills = std::move(*skills);
  for (const ReloadStep& step : ReloadSteps()) step.load(folder, catalogs);
  const int maxpoints = SettingsFrom(IniFile::Load(SettingsPath(kSettingsFileName, folder, ""))).maxpoints;

  std::vector<CatalogProblem> problems;
  for (const Archetype& archetype : archetypes->archetypes) {
    for (const PlanProblem& problem : PlanArchetype(archetype, catalogs, books, folder, maxpoints).problems) {
      problems.push_back({archetypes->file, problem.line, archetype.name + ": " + problem.what});
    }
  }
  return problems;
}

}  // namespace ivgen
