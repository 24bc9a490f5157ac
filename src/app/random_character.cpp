#include "app/random_character.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

#include "entry/list_entries.h"
#include "purchase/contacts.h"
#include "purchase/cyberware.h"
#include "purchase/skills.h"
#include "purchase/spells.h"
#include "record/cp1252.h"
#include "record/money.h"
#include "record/text.h"
#include "record/text_file.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/race.h"

namespace ivgen {

namespace {

/// Money left above this is a note of the Left to Do pane: fillers spend it down.
constexpr int32_t kMoneyKept = 5000;
/// Half a hundredth: power points are sums of quarters, held in a float.
constexpr double kPointSlack = 0.005;
/// A leveled power drawn without a fixed level takes at most this many levels.
constexpr int kMostPowerLevels = 6;

/// Ends a build: the page it stopped on and why.
struct Stop {
  std::string why;
};

[[noreturn]] void Fail(int page, const std::string& why) {
  throw Stop{std::string(kPageCaptions[static_cast<size_t>(page)]) + ": " + why};
}

/// The problem of the plan that left a choice empty, for a failure that names no line of its own.
std::string Because(const ArchetypePlan& plan, ArchetypeKey key) {
  const std::string problem = plan.FirstProblem(key);
  return problem.empty() ? "" : " (" + problem + ")";
}

class Builder {
 public:
  Builder(Editor& editor, ScriptedPlatform& platform, const ArchetypePlan& plan)
      : editor_(editor), platform_(platform), plan_(plan) {}

  std::string streetName;

  void Build() {
    Identity();
    if (plan_.points) {
      BuildPoints();
    } else {
      Priorities();
    }
    Race();
    Implants(kPageCyberware, plan_.cyberware);
    Implants(kPageBioware, plan_.bioware);
    Attributes();
    Powers();
    Skills();
    Spells();
    Gear();
    Contacts();
    Fillers();
    Page(kPageBioInfo);
  }

 private:
  const CharacterRecord& Record() const { return editor_.Record(); }

  // The die decides every choice; a choice with one option still takes a roll, so a change in
  // one list never shifts the choices after it for some seeds and not others.
  std::optional<size_t> Pick(const std::vector<int>& weights) { return WeightedPick(platform_.NextRandom(), weights); }

  template <typename Option>
  const Option* PickWeighted(const std::vector<const Option*>& options) {
    std::vector<int> weights;
    for (const Option* option : options) weights.push_back(option->weight);
    const std::optional<size_t> picked = Pick(weights);
    return picked ? options[*picked] : nullptr;
  }

  template <typename Option>
  std::vector<const Option*> All(const std::vector<Option>& options) {
    std::vector<const Option*> all;
    for (const Option& option : options) all.push_back(&option);
    return all;
  }

  /// Runs one action as the player would; a question or message the recipe did not expect, or a
  /// refusal, ends the build. `expected` are texts the prompts it may show hold.
  void Act(int page, const std::function<void()>& action, std::vector<std::string> expected = {}) {
    platform_.ClearLog();
    action();
    for (const std::string& line : platform_.Log()) {
      if (line.starts_with("dialog ") || line.starts_with("closed ")) continue;
      const auto wanted = std::find_if(expected.begin(), expected.end(),
                                       [&](const std::string& text) { return line.find(text) != std::string::npos; });
      if (wanted == expected.end()) Fail(page, "the program asked what the archetype did not expect: " + line);
      expected.erase(wanted);
    }
    platform_.ClearLog();
    if (const std::vector<std::string> refusals = platform_.TakeRefusals(); !refusals.empty()) {
      Fail(page, refusals.front());
    }
  }

  void Page(int page) {
    Act(page, [&] { editor_.SelectPage(page); });
    if (editor_.CurrentPage() != page) Fail(page, "the page could not be brought into view");
  }

  // The street name first: every page change from here on offers it to the sheet.
  void Identity() {
    const PlannedName* name = PickWeighted(All(plan_.streetNames));
    if (name == nullptr) Fail(kPageBioInfo, "no street name to draw" + Because(plan_, ArchetypeKey::Street));
    streetName = name->name;
    Act(kPageBioInfo, [&] {
      editor_.Texts().Set("StreetName", streetName);
      editor_.Texts().Set("Archetype", plan_.name);
    });
  }

  void Priorities() {
    const PlannedOrder* order = PickWeighted(All(plan_.orders));
    if (order == nullptr) Fail(kPagePriorities, "no usable Order line" + Because(plan_, ArchetypeKey::Order));
    PrioritiesUnit& priorities = editor_.Priorities();
    for (int row = 0; row < kPriorityRows; ++row) {
      const auto& now = priorities.View().order;
      int at =
          static_cast<int>(std::find(now.begin(), now.end(), order->areas[static_cast<size_t>(row)]) - now.begin());
      Act(kPagePriorities, [&] { priorities.SelectRow(at); });
      for (; at > row; --at) Act(kPagePriorities, [&] { priorities.MoveUp(); });
    }
    if (priorities.View().order != order->areas) Fail(kPagePriorities, "the priorities could not be ordered");
    if (plan_.magic != MagicPath::Mundane && plan_.magic != MagicPath::Magician) {
      const int choice = static_cast<int>(plan_.magic) - static_cast<int>(MagicPath::Physical);
      Act(kPagePriorities, [&] { priorities.ChooseAdept(choice); });
      if (Record().Adept != choice) Fail(kPagePriorities, "the Adept (Aspected) choice was not taken");
    }
    Page(kPageRace);
  }

  void BuildPoints() {
    const PlannedBuild* build = PickWeighted(All(plan_.builds));
    if (build == nullptr) Fail(kPagePriorities, "no usable Build line" + Because(plan_, ArchetypeKey::Build));
    race_ = PickWeighted(All(plan_.races));
    if (race_ == nullptr) Fail(kPageRace, "no usable Race line" + Because(plan_, ArchetypeKey::Race));
    Act(kPagePriorities, [&] { editor_.Priorities().ChoosePointGenerator(); });
    PointGenerationUnit& points = editor_.PointGeneration();
    const int raceChoice = race_->shapeshifter                            ? 3
                           : race_->race == kHuman                        ? 0
                           : race_->race == kDwarf || race_->race == kOrk ? 1
                                                                          : 2;
    Act(kPagePriorities, [&] {
      points.ChooseRace(raceChoice);
      points.SetMetaVariants(!race_->metatype.empty() && !race_->shapeshifter);
      points.SetGhoul(plan_.ghoul);
      points.SetOtaku(false);
      points.SetNoRules(false);
      points.SetMagic(plan_.magic != MagicPath::Mundane);
    });
    if (plan_.magic != MagicPath::Mundane) {
      const int choice = plan_.magic == MagicPath::Magician
                             ? 0
                             : static_cast<int>(plan_.magic) - static_cast<int>(MagicPath::Physical) + 1;
      Act(kPagePriorities, [&] { points.ChooseMagic(choice); });
    }
    if (!race_->shapeshifter) Act(kPagePriorities, [&] { points.ChooseResources(build->resources); });
    Act(kPagePriorities, [&] {
      points.SetAttributePoints(IntText(build->attributePoints));
      points.SetActiveSkills(IntText(build->activeSkills));
    });
    Act(kPagePriorities, [&] { points.Done(); });
    if (editor_.CurrentPage() != kPageRace) Fail(kPagePriorities, "the point dialog's Done did not lead on to Race");
  }

  void Race() {
    RaceUnit& race = editor_.Race();
    if (race_ == nullptr) {
      std::vector<const PlannedRace*> offered;
      for (const PlannedRace& option : plan_.races) {
        if (race.View().optionEnabled[static_cast<size_t>(option.race)]) offered.push_back(&option);
      }
      race_ = PickWeighted(offered);
      if (race_ == nullptr) {
        Fail(kPageRace,
             "none of the archetype's races is offered at this race priority" + Because(plan_, ArchetypeKey::Race));
      }
    }
    Act(kPageRace, [&] { race.Click(race_->race); });
    if (Record().Rsel != race_->race) Fail(kPageRace, "the race option could not be chosen");
    if (!race_->metatype.empty()) {
      const auto& list = race.View().metaList;
      const auto line = std::find_if(list.begin(), list.end(),
                                     [&](const std::string& text) { return MetatypeName(text) == race_->metatype; });
      if (line == list.end()) Fail(kPageRace, "metatype \"" + race_->metatype + "\" is not in the metatype list");
      Act(kPageRace, [&] { race.ChooseMetatype(static_cast<int>(line - list.begin())); });
    }
    Page(kPageAttributes);
    if (race.Specials().ghoulButtonVisible) {
      Act(kPageAttributes, [&] { race.BeginGhoul(); }, {"Ghoul Transformation complete:"});
    }
  }

  void Implants(int page, const std::vector<PlannedList<PlannedPackage>>& lists) {
    if (lists.empty()) return;
    Page(page);
    const bool cyber = page == kPageCyberware;
    for (const PlannedList<PlannedPackage>& list : lists) {
      std::vector<const PlannedPackage*> affordable;
      for (const PlannedPackage& option : list.options) {
        if (Affordable(option, cyber)) affordable.push_back(&option);
      }
      const PlannedPackage* package = PickWeighted(affordable);
      if (package == nullptr) continue;
      for (const PlannedItem& item : package->items) {
        const size_t before = cyber ? Record().Cyberware.size() : Record().Bioware.size();
        if (cyber) {
          CyberwareUnit& unit = editor_.Cyberware();
          Act(page, [&] {
            unit.ChooseGrade(item.option);
            unit.SetUsed(item.used);
            unit.BuyItem(item.node);
          });
        } else {
          BiowareUnit& unit = editor_.Bioware();
          Act(page, [&] {
            unit.ChooseType(item.option);
            unit.BuyItem(item.node);
          });
        }
        if ((cyber ? Record().Cyberware.size() : Record().Bioware.size()) == before) {
          Fail(page, "\"" + item.name + "\" was not bought");
        }
      }
    }
  }

  // Money for the whole package, Essence for each item in turn, and for bioware a Bio-index that
  // stays below the Essence Index.
  bool Affordable(const PlannedPackage& package, bool cyber) const {
    int64_t price = 0;
    int64_t essence = 0;
    for (const PlannedItem& item : package.items) {
      price += item.price;
      essence += item.essence;
    }
    if (!CanAfford(Record(), price)) return false;
    const int64_t left = Hundredths(Record().Essence);
    if (cyber) return essence <= left;
    int64_t bioIndex = 0;
    for (const std::string& entry : Record().Bioware)
      bioIndex += Hundredths(ParseEntry<BiowareEntry>(entry).BioIndex());
    const bool each = std::all_of(package.items.begin(), package.items.end(),
                                  [&](const PlannedItem& item) { return item.essence <= left; });
    return each && bioIndex + essence < left + 300;
  }

  struct AttributeChoice {
    int weight = 0;
    int attribute = 0;
    bool animal = false;
  };

  int AttributePointsLeft() const { return Record().Attributes - AttributePointsSpent(Record()); }

  bool CanRaise(int attribute, bool animal) const {
    if (animal) return CellValue(Record().Animal.Attr[static_cast<size_t>(attribute)].Base) < kAnimalMaximum;
    return CellValue(Record().Attr[static_cast<size_t>(attribute)].Base) <
           Record().NaturalMax[static_cast<size_t>(attribute)];
  }

  double Total(int attribute, bool animal) const {
    return CellValue(animal ? Record().Animal.Attr[static_cast<size_t>(attribute)].Total
                            : Record().Attr[static_cast<size_t>(attribute)].Total);
  }

  void Raise(int attribute, bool animal) {
    const int left = AttributePointsLeft();
    Act(kPageAttributes, [&] {
      if (animal) {
        editor_.AnimalForm().Raise(attribute);
      } else {
        editor_.Attributes().Raise(attribute);
      }
    });
    if (AttributePointsLeft() != left - 1) Fail(kPageAttributes, "an attribute could not be raised");
  }

  void Attributes() {
    Page(kPageAttributes);
    // The least totals first, in the archetype's order, as far as the points and maxima allow.
    for (const auto* planned : {&plan_.attributes, &plan_.animal}) {
      const bool animal = planned == &plan_.animal;
      for (const PlannedAttribute& attribute : *planned) {
        while (AttributePointsLeft() > 0 && Total(attribute.attribute, animal) < attribute.minimum &&
               CanRaise(attribute.attribute, animal)) {
          Raise(attribute.attribute, animal);
        }
      }
    }
    while (AttributePointsLeft() > 0) {
      std::vector<AttributeChoice> choices;
      for (const auto* planned : {&plan_.attributes, &plan_.animal}) {
        const bool animal = planned == &plan_.animal;
        for (const PlannedAttribute& attribute : *planned) {
          if (attribute.weight > 0 && CanRaise(attribute.attribute, animal)) {
            choices.push_back({attribute.weight, attribute.attribute, animal});
          }
        }
      }
      // Every attribute the archetype weighs is at its maximum: the points go where they can.
      if (choices.empty()) {
        for (int i = 0; i < kAttributeCount; ++i) {
          if (CanRaise(i, false)) choices.push_back({1, i, false});
        }
      }
      std::vector<int> weights;
      for (const AttributeChoice& choice : choices) weights.push_back(choice.weight);
      const std::optional<size_t> picked = Pick(weights);
      if (!picked) {
        Fail(kPageAttributes,
             IntText(AttributePointsLeft()) + " attribute points left and every attribute at its maximum");
      }
      Raise(choices[*picked].attribute, choices[*picked].animal);
    }
  }

  double PowerPointsLeft() const { return Val(MagicTotalText(Record())) - Record().PowerPointsUsed; }

  void BuyPower(int index, const std::string& target, int level, bool leveled) {
    std::vector<std::string> expected;
    if (!target.empty()) {
      platform_.QueueAnswer(target);
      expected.push_back(std::string("] ") + kEnterSpecificPrompt);
    }
    if (leveled) {
      platform_.QueueAnswer(IntText(level));
      expected.push_back(std::string("] ") + kEnterLevelPrompt);
    }
    const size_t before = Record().Powers.size();
    Act(
        kPagePowers,
        [&] {
          editor_.Powers().ShowPower(index);
          editor_.Powers().Buy();
        },
        expected);
    if (Record().Powers.size() == before) Fail(kPagePowers, "a power was not bought");
  }

  void Powers() {
    if (plan_.magic != MagicPath::Physical) return;
    Page(kPagePowers);
    std::vector<bool> bought(plan_.powers.size(), false);
    std::vector<bool> owned(editor_.CurrentCatalogs().powers.size(), false);
    while (PowerPointsLeft() > kPointSlack) {
      const double left = PowerPointsLeft();
      std::vector<int> weights;
      for (size_t i = 0; i < plan_.powers.size(); ++i) {
        const PlannedPower& power = plan_.powers[i];
        const double least = power.cost * std::max(power.level, 1);
        weights.push_back(!bought[i] && least <= left + kPointSlack ? power.weight : 0);
      }
      if (const std::optional<size_t> picked = Pick(weights)) {
        const PlannedPower& power = plan_.powers[*picked];
        int level = power.level;
        if (power.leveled && level == 0) {
          const int most = std::min(kMostPowerLevels, static_cast<int>(std::floor((left + kPointSlack) / power.cost)));
          level = 1 + static_cast<int>(*Pick(std::vector<int>(static_cast<size_t>(most), 1)));
        }
        BuyPower(power.index, power.target, level, power.leveled);
        bought[*picked] = true;
        owned[static_cast<size_t>(power.index)] = true;
        continue;
      }
      // What is left is less than any power of the archetype costs: a small power of the catalog
      // that asks nothing takes it.
      const auto& catalog = editor_.CurrentCatalogs().powers;
      std::vector<int> fits;
      for (size_t i = 0; i < catalog.size(); ++i) {
        const std::vector<std::string> fields = SplitTabs(catalog[i]);
        const bool asks =
            fields[0].find_first_of("*>") != std::string::npos || fields[0].find("Magical Power") != std::string::npos;
        const double cost = fields.size() > 1 ? Val(fields[1]) : 0;
        fits.push_back(!owned[i] && !asks && cost > 0 && cost <= left + kPointSlack ? 1 : 0);
      }
      const std::optional<size_t> picked = Pick(fits);
      if (!picked) Fail(kPagePowers, GeneralNumber(left) + " power points left and no power costs that little");
      BuyPower(static_cast<int>(*picked), "", 1, false);
      owned[*picked] = true;
    }
  }

  // The points a pool has left, counted as the Left to Do pane counts them.
  int SkillPointsLeft(SkillPool pool) const {
    const CharacterRecord& record = Record();
    const int knowledge = KnowledgeAllowanceOf(record);
    const int language = LanguageAllowanceOf(record);
    const SkillPointCount used = CountSkillPoints(record, knowledge, language);
    switch (pool) {
      case SkillPool::Knowledge:
        return knowledge - used.knowledge;
      case SkillPool::Language:
        return language - used.language;
      case SkillPool::Active:
        break;
    }
    return record.PtsSkills - used.active;
  }

  int SkillIndex(const std::string& entryName) const {
    const auto& skills = Record().Skills;
    for (size_t i = 0; i < skills.size(); ++i) {
      if (ParseEntry<SkillEntry>(skills[i]).name == entryName) return static_cast<int>(i);
    }
    return -1;
  }

  // What one more step of the skill costs: adding it, or raising it where it is.
  std::optional<int> SkillStepCost(const PlannedSkill& skill) const {
    const int index = SkillIndex(skill.entryName);
    const bool specialized = skill.specialization >= 0;
    if (index < 0) {
      const std::string entry = FormatEntry(SkillEntry{skill.entryName, specialized ? "[1/3]" : "[1]", {}});
      const int linked = Attrvalue(Record(), SkillClassCode(skill.entryName));
      const int check = specialized ? (linked == 1 ? 3 : 2) : 1;
      return std::max(SkillEntryCost(Record(), entry), check);
    }
    const std::string& entry = Record().Skills[static_cast<size_t>(index)];
    const SkillRatings ratings = ParseSkillEntry(entry);
    if (ratings.base >= std::min(skill.maxRating, 6) || ratings.specialization >= 7) return std::nullopt;
    const SkillRatings raised{ratings.base + 1, ratings.specialization > 0 ? ratings.specialization + 1 : 0};
    const std::string ratingsText =
        "[" + IntText(raised.base) + (raised.specialization > 0 ? "/" + IntText(raised.specialization) : "") + "]";
    const int after = SkillEntryCost(Record(), FormatEntry(SkillEntry{skill.entryName, ratingsText, {}}));
    const int linked = Attrvalue(Record(), SkillClassCode(skill.entryName));
    const int check = linked < ratings.base + 1 || linked < ratings.specialization ? 2 : 1;
    return std::max(after - SkillEntryCost(Record(), entry), check);
  }

  void AddSkill(int category, int row, int specialization) {
    SkillsUnit& skills = editor_.Skills();
    Act(kPageSkills, [&] {
      skills.SelectCategory(category);
      skills.SelectCatalogSkill(row);
      skills.SelectSpecialization(specialization);
      skills.Add();
    });
  }

  void StepSkill(const PlannedSkill& skill) {
    const int index = SkillIndex(skill.entryName);
    if (index < 0) {
      AddSkill(skill.category, skill.row, skill.specialization);
      return;
    }
    Act(kPageSkills, [&] {
      editor_.Skills().Select(index);
      editor_.Skills().Raise();
    });
  }

  // A skill of the catalog the character lacks, added plain for one point: the last point of a
  // pool that the archetype's skills cannot take.
  bool AddAnySkill(SkillPool pool) {
    const SkillCatalog& catalog = editor_.CurrentCatalogs().skills;
    std::vector<std::pair<int, int>> places;
    for (size_t category = 0; category < catalog.SkillCategoryStart.size(); ++category) {
      const int start = catalog.SkillCategoryStart[category];
      const std::vector<int> skills = SkillChain(catalog, catalog.SkillTable[static_cast<size_t>(start)].FirstChild);
      for (int row = 0; row < static_cast<int>(skills.size()); ++row) {
        const std::string name =
            TrimRight(catalog.SkillTable[static_cast<size_t>(skills[static_cast<size_t>(row)])].Name);
        if (PoolOfClass(SkillClassCode(name)) != pool || SkillIndex(name) >= 0) continue;
        if (SkillEntryCost(Record(), FormatEntry(SkillEntry{name, "[1]", {}})) != 1) continue;
        places.emplace_back(static_cast<int>(category), row);
      }
    }
    const std::optional<size_t> picked = Pick(std::vector<int>(places.size(), 1));
    if (!picked) return false;
    AddSkill(places[*picked].first, places[*picked].second, -1);
    return true;
  }

  void Skills() {
    Page(kPageSkills);
    for (SkillPool pool : {SkillPool::Active, SkillPool::Knowledge, SkillPool::Language}) {
      for (int left = SkillPointsLeft(pool); left > 0; left = SkillPointsLeft(pool)) {
        std::vector<int> weights;
        for (const PlannedSkill& skill : plan_.skills) {
          const std::optional<int> cost = skill.pool == pool ? SkillStepCost(skill) : std::nullopt;
          weights.push_back(cost && *cost <= left ? skill.weight : 0);
        }
        if (const std::optional<size_t> picked = Pick(weights)) {
          StepSkill(plan_.skills[*picked]);
        } else if (!AddAnySkill(pool)) {
          const char* name = pool == SkillPool::Active      ? "active"
                             : pool == SkillPool::Knowledge ? "knowledge"
                                                            : "language";
          Fail(kPageSkills, IntText(left) + " " + name + " skill points left and no skill to spend them on");
        }
        if (SkillPointsLeft(pool) >= left) Fail(kPageSkills, "a skill step spent no points");
      }
    }
  }

  double SpellPointsLeft() const { return Record().MagicPts - Record().SpellPointsUsed; }

  int ChosenSpell(const std::string& name) const {
    const auto& spells = Record().Spells;
    for (size_t i = 0; i < spells.size(); ++i) {
      if (Trim(ParseEntry<SpellEntry>(spells[i]).name) == name) return static_cast<int>(i);
    }
    return -1;
  }

  void AddSpell(int category, int row) {
    SpellsUnit& spells = editor_.Spells();
    Act(kPageSpells, [&] {
      spells.SelectCategory(category);
      spells.SelectSpell(row);
      spells.Add();
    });
  }

  void Spells() {
    if (!plan_.Spellcaster()) return;
    Page(kPageSpells);
    if (const PlannedTradition* tradition = PickWeighted(All(plan_.traditions))) {
      Act(kPageSpells, [&] { editor_.Spells().ChooseTradition(tradition->index); });
    }
    while (SpellPointsLeft() >= 1) {
      const double left = SpellPointsLeft();
      std::vector<int> weights;
      for (const PlannedSpell& spell : plan_.spells) {
        const int chosen = ChosenSpell(spell.name);
        const bool room = chosen < 0 || SpellPoints(Record().Spells[static_cast<size_t>(chosen)]) <
                                            std::min(spell.maxPoints, kMaxSpellPoints);
        weights.push_back(room ? spell.weight : 0);
      }
      if (const std::optional<size_t> picked = Pick(weights)) {
        const PlannedSpell& spell = plan_.spells[*picked];
        const int chosen = ChosenSpell(spell.name);
        if (chosen < 0) {
          AddSpell(spell.category, spell.row);
        } else {
          Act(kPageSpells, [&] {
            editor_.Spells().SelectChosen(chosen);
            editor_.Spells().Raise();
          });
        }
      } else if (!AddAnySpell()) {
        Fail(kPageSpells, GeneralNumber(left) + " spell points left and no spell to spend them on");
      }
      if (SpellPointsLeft() >= left) Fail(kPageSpells, "a spell step spent no points");
    }
  }

  // Every spell of the archetype holds its most points: another spell of the catalog takes one.
  bool AddAnySpell() {
    const SpellCatalog& catalog = editor_.CurrentCatalogs().spells;
    std::vector<std::pair<int, int>> places;
    for (size_t category = 0; category < catalog.categories.size(); ++category) {
      const std::vector<std::string> spells = SpellsInCategory(catalog, catalog.categories[category]);
      for (size_t row = 0; row < spells.size(); ++row) {
        const size_t percent = spells[row].find('%');
        const std::string book = percent == std::string::npos ? "" : spells[row].substr(percent + 1);
        if (ChosenSpell(Trim(SpellColumns(spells[row]).front())) >= 0) continue;
        if (!BookAllowed(editor_.Books().Lists(), BookCodeOf(book))) continue;
        places.emplace_back(static_cast<int>(category), static_cast<int>(row));
      }
    }
    const std::optional<size_t> picked = Pick(std::vector<int>(places.size(), 1));
    if (!picked) return false;
    AddSpell(places[*picked].first, places[*picked].second);
    return true;
  }

  void BuyGear(const PlannedItem& item, int count) {
    GearUnit& gear = editor_.Gear();
    const size_t before = Record().Gear.size();
    Act(kPageGear, [&] {
      gear.ClickGroup(static_cast<size_t>(item.node));
      gear.SetCount(IntText(count));
      gear.BuyItem(item.row);
    });
    if (Record().Gear.size() == before) Fail(kPageGear, "\"" + item.name + "\" was not bought");
  }

  void Gear() {
    if (plan_.gear.empty()) return;
    Page(kPageGear);
    for (const PlannedList<PlannedPackage>& list : plan_.gear) {
      std::vector<const PlannedPackage*> affordable;
      for (const PlannedPackage& option : list.options) {
        int64_t price = 0;
        for (const PlannedItem& item : option.items) price += item.price;
        if (CanAfford(Record(), price)) affordable.push_back(&option);
      }
      if (const PlannedPackage* package = PickWeighted(affordable)) {
        for (const PlannedItem& item : package->items) BuyGear(item, 1);
      }
    }
  }

  void Contacts() {
    if (plan_.contacts.empty()) return;
    Page(kPageContacts);
    std::vector<std::string> names{streetName};
    for (const PlannedList<PlannedContact>& list : plan_.contacts) {
      std::vector<const PlannedContact*> affordable;
      for (const PlannedContact& option : list.options) {
        if (option.level == 0 || CanAfford(Record(), ContactPrice(Record(), option.level)))
          affordable.push_back(&option);
      }
      const PlannedContact* contact = PickWeighted(affordable);
      if (contact == nullptr || contact->level == 0) continue;
      // A contact is named from the street names no one of this character's circle has yet.
      std::vector<const PlannedName*> free;
      for (const PlannedName& name : plan_.streetNames) {
        if (std::find(names.begin(), names.end(), name.name) == names.end()) free.push_back(&name);
      }
      const PlannedName* name = PickWeighted(free);
      const std::string contactName = name != nullptr ? name->name : contact->occupation;
      names.push_back(contactName);
      ContactsUnit& contacts = editor_.Contacts();
      const size_t before = Record().Contacts.size();
      Act(kPageContacts, [&] {
        contacts.Clear();
        contacts.SetField(0, contactName);
        contacts.SetField(2, contact->occupation);
        contacts.SetField(kContactLevelField, IntText(contact->level));
        contacts.Add();
      });
      if (Record().Contacts.size() == before) Fail(kPageContacts, "a contact was not added");
    }
  }

  // Money above 5,000 is spent on fillers by the number, the dearest that fits first when drawn.
  void Fillers() {
    if (MoneyLeft(Record()) <= kMoneyKept) return;
    Page(kPageGear);
    while (MoneyLeft(Record()) > kMoneyKept) {
      const int32_t left = MoneyLeft(Record());
      std::vector<int> weights;
      for (const PlannedPackage& filler : plan_.fillers)
        weights.push_back(filler.items.front().price <= left ? filler.weight : 0);
      const std::optional<size_t> picked = Pick(weights);
      if (!picked) {
        Fail(kPageGear, NuyenText(left) + " nuyen left and no Filler line costs that little" +
                            Because(plan_, ArchetypeKey::Filler));
      }
      const PlannedItem& item = plan_.fillers[*picked].items.front();
      BuyGear(item, static_cast<int>(left / item.price));
    }
  }

  Editor& editor_;
  ScriptedPlatform& platform_;
  const ArchetypePlan& plan_;
  const PlannedRace* race_ = nullptr;
};

}  // namespace

std::optional<size_t> WeightedPick(double r, const std::vector<int>& weights) {
  int64_t total = 0;
  for (int weight : weights) total += std::max(weight, 0);
  if (total <= 0) return std::nullopt;
  // The product is exact enough for any sum of weights a catalog can write, and the same on
  // every machine; clamped, so a value a hair below 1 still lands on the last option.
  int64_t mark = static_cast<int64_t>(std::floor(std::clamp(r, 0.0, 1.0) * static_cast<double>(total)));
  mark = std::min(mark, total - 1);
  for (size_t i = 0; i < weights.size(); ++i) {
    const int64_t weight = std::max(weights[i], 0);
    if (mark < weight) return i;
    mark -= weight;
  }
  return std::nullopt;
}

std::string RandomOutcome::Summary() const {
  if (!Built()) return "not built: " + failure;
  if (check.empty()) return kNothingLeftToDo;
  std::string text;
  for (const TodoLine& line : check) text += (text.empty() ? "" : "; ") + TodoLineText(line);
  return text;
}

RandomCharacters::RandomCharacters(const Editor& source)
    : source_(source), archetypes_(LoadArchetypes(source.ProgramFolder())) {}

RandomCharacters::~RandomCharacters() = default;

const ArchetypePlan& RandomCharacters::PlanOf(const Archetype& archetype) {
  const auto found = plans_.find(archetype.name);
  if (found != plans_.end()) return found->second;
  return plans_
      .emplace(archetype.name, PlanArchetype(archetype, source_.CurrentCatalogs(), source_.Books().Lists(),
                                             source_.ProgramFolder(), source_.CurrentSettings().maxpoints))
      .first->second;
}

RandomOutcome RandomCharacters::Build(const Archetype& archetype, uint64_t seed) {
  const ArchetypePlan& plan = PlanOf(archetype);
  // A fresh editor each time: New keeps the point dialog's choices, the priority rows and more,
  // and a character must not depend on the one built before it.
  editor_.reset();
  platform_ = std::make_unique<ScriptedPlatform>(seed);
  editor_ = std::make_unique<Editor>(*platform_, source_.ProgramFolder(), source_.SettingsFile());
  editor_->KeepNoHistory();
  editor_->StartLike(source_);
  platform_->ClearLog();
  platform_->TakeRefusals();

  RandomOutcome outcome{archetype.name, seed, "", "", {}};
  Builder builder(*editor_, *platform_, plan);
  try {
    builder.Build();
  } catch (const Stop& stop) {
    outcome.failure = stop.why;
  }
  outcome.streetName = builder.streetName;
  if (outcome.Built()) outcome.check = editor_->Todo().Lines();
  return outcome;
}

bool RandomCharacters::SaveBuilt(const std::string& path, std::string& problem) {
  if (!editor_) return false;
  platform_->ClearLog();
  platform_->QueueAnswer(path, path);
  const bool saved = editor_->SaveAs();
  problem.clear();
  for (const std::string& line : platform_->Log()) {
    if (line.starts_with("message ")) problem = line;
  }
  platform_->ClearLog();
  return saved;
}

RandomBatch::RandomBatch(RandomCharacters& characters, const Archetype& archetype, uint64_t seed, int count,
                         std::string folder)
    : characters_(characters), archetype_(archetype), seed_(seed), count_(count), folder_(std::move(folder)) {}

std::string RandomBatch::Next() {
  const uint64_t seed = seed_ + static_cast<uint64_t>(next_++);
  const RandomOutcome outcome = characters_.Build(archetype_, seed);
  std::string file = "-";
  std::string result = outcome.Summary();
  if (outcome.Built()) {
    const std::string name = CharacterFileName(folder_, outcome.streetName, names_);
    std::string problem;
    if (characters_.SaveBuilt((std::filesystem::path(folder_) / name).string(), problem)) {
      names_.push_back(name);
      file = PathToText(name);
    } else {
      result = "not saved: " + problem;
    }
  }
  allPass_ = allPass_ && outcome.Passes() && file != "-";
  return file + " | " + archetype_.name + " | seed " + std::to_string(seed) + " | " + result;
}

uint64_t SeedFromDie(double r) {
  constexpr double kSeeds = 999999;
  return 1 + static_cast<uint64_t>(std::min(std::floor(std::clamp(r, 0.0, 1.0) * kSeeds), kSeeds - 1));
}

std::vector<std::string> ArchetypeListing(const ArchetypeCatalog& catalog) {
  std::vector<std::string> lines;
  for (const Archetype& archetype : catalog.archetypes) {
    const auto method = archetype.Of(ArchetypeKey::Method);
    lines.push_back(archetype.name + " | " + (method.empty() ? "?" : method.front()->parts.front()));
  }
  return lines;
}

bool MakeRandomCurrent(Editor& editor, Platform& platform, const Archetype& archetype, uint64_t seed,
                       RandomOutcome& outcome) {
  if (editor.New() != NewOutcome::Reset) return false;
  RandomCharacters characters(editor);
  outcome = characters.Build(archetype, seed);
  if (!outcome.Built()) {
    platform.Message(archetype.name + ", seed " + std::to_string(seed) + ", could not be built.\r\n" + outcome.failure,
                     kRandomTitle, Icon::Warning, Buttons::Ok);
    return false;
  }
  editor.TakeCharacter(characters.Built());
  return true;
}

std::string CharacterFileName(const std::string& folder, const std::string& streetName,
                              const std::vector<std::string>& taken) {
  std::string base = TextToPath(streetName);
  std::replace(base.begin(), base.end(), '/', '-');
  if (base.empty() || base == "." || base == "..") base = "character";
  for (int n = 1;; ++n) {
    const std::string name = base + (n == 1 ? "" : " " + std::to_string(n)) + ".iv3";
    std::error_code error;
    const bool onDisk = std::filesystem::exists(std::filesystem::path(folder) / name, error);
    if (!onDisk && std::find(taken.begin(), taken.end(), name) == taken.end()) return name;
  }
}

}  // namespace ivgen
