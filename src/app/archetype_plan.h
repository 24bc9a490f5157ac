// An archetype of archetypes.dat looked up in the catalogs in use: each name it gives found where
// its page lists it, with the price and Essence the page would charge, and its choices held against
// the creation rules. A line that names what is not there, or what the rules would not let the
// method buy, is a problem of that line and its option is left out of the plan.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/archetype_catalog.h"
#include "catalog/catalogs.h"
#include "purchase/skills.h"
#include "rules/creation_state.h"

namespace ivgen {

/// A line the plan could not take, and why.
struct PlanProblem {
  int line = 0;
  ArchetypeKey key = ArchetypeKey::Method;
  std::string what;
};

/// What the Magic line makes of the character.
enum class MagicPath { Mundane, Magician, Physical, Elementalist, Sorcerer, Conjurer, Shamanist };

/// An option's line and weight.
struct Weighted {
  int line = 0;
  int weight = 1;
};

struct PlannedOrder : Weighted {
  /// The area of priority row 0 (A) to 4 (E), as the priorities page names it.
  std::array<std::string, kPriorityRows> areas;
  int RowOf(std::string_view area) const;
};

struct PlannedBuild : Weighted {
  /// The resource choice of the point dialog, 0 ("500") to 7 ("1000K").
  int resources = 1;
  int attributePoints = 6;
  int activeSkills = 0;
};

struct PlannedRace : Weighted {
  /// 0 Human to 4 Troll; a shapeshifter is human.
  int race = 0;
  bool shapeshifter = false;
  /// The metatype's name as its list shows it; "" for none.
  std::string metatype;
};

struct PlannedTradition : Weighted {
  int index = 0;
};

struct PlannedAttribute : Weighted {
  int attribute = 0;
  /// The least total the points are spent to reach first; 0 for none.
  int minimum = 0;
};

struct PlannedSkill : Weighted {
  /// Rows as the skills page lists its categories, skills and specializations; -1 for none.
  int category = -1;
  int row = -1;
  int specialization = -1;
  /// The name the entry gets in the character's list.
  std::string entryName;
  SkillPool pool = SkillPool::Active;
  int maxRating = 6;
};

/// One catalog item of a package: its place in the page's tree (gear: the group's node and the
/// row of its shop list), the grade or type it is bought in and what that costs.
struct PlannedItem {
  int node = -1;
  int row = -1;
  int option = 0;
  bool used = false;
  std::string name;
  int64_t essence = 0;  // hundredths of Essence or of Bio-index
  int64_t price = 0;
};

struct PlannedPackage : Weighted {
  /// Empty for the option "none".
  std::vector<PlannedItem> items;
};

struct PlannedContact : Weighted {
  std::string occupation;
  int level = 1;
};

/// A named list of options, of which one is taken.
template <typename Option>
struct PlannedList {
  std::string label;
  int line = 0;
  std::vector<Option> options;
};

struct PlannedSpell : Weighted {
  int category = -1;
  int row = -1;
  int maxPoints = 6;
  std::string name;
};

struct PlannedPower : Weighted {
  int index = -1;
  double cost = 0;
  bool leveled = false;
  /// A fixed level; 0 lets the points decide.
  int level = 0;
  std::string target;
  std::string name;
};

struct PlannedName : Weighted {
  std::string name;
};

struct ArchetypePlan {
  std::string name;
  int line = 0;
  bool points = false;
  bool ghoul = false;
  MagicPath magic = MagicPath::Mundane;
  std::vector<PlannedOrder> orders;
  std::vector<PlannedBuild> builds;
  std::vector<PlannedRace> races;
  std::vector<PlannedTradition> traditions;
  std::vector<PlannedAttribute> attributes;
  std::vector<PlannedAttribute> animal;
  std::vector<PlannedSkill> skills;
  std::vector<PlannedList<PlannedPackage>> cyberware;
  std::vector<PlannedList<PlannedPackage>> bioware;
  std::vector<PlannedList<PlannedPackage>> gear;
  std::vector<PlannedList<PlannedContact>> contacts;
  std::vector<PlannedSpell> spells;
  std::vector<PlannedPower> powers;
  std::vector<PlannedPackage> fillers;
  std::vector<PlannedName> streetNames;
  /// In line order; the archetype's own line for what it lacks as a whole.
  std::vector<PlanProblem> problems;

  /// "line N: what" of the first problem of a key, a line's before the archetype's own; "" when
  /// it has none.
  std::string FirstProblem(ArchetypeKey key) const;
  /// Whether the character has spell points, and powers to buy.
  bool Spellcaster() const { return magic != MagicPath::Mundane && magic != MagicPath::Physical; }
};

/// The magic paths as Magic lines name them.
std::string_view MagicPathName(MagicPath path);

/// Looks the archetype up in the catalogs the character is built from; the gear groups are read
/// from gear.dat in `folder`. `maxpoints` is the build point limit the Build lines are held to.
ArchetypePlan PlanArchetype(const Archetype& archetype, const Catalogs& catalogs, const BookLists& books,
                            const std::string& folder, int maxpoints);

/// The problems of the folder's archetypes.dat against its own catalogs with every book allowed
/// and its own ivgen.ini, as the catalog checker reports them. Nothing without archetypes.dat.
std::vector<CatalogProblem> CheckArchetypes(const std::string& folder);

}  // namespace ivgen
