// The skills page: skills picked from the catalog, bought, raised, specialized and removed, and
// the three pools of points (active, knowledge, language) they are paid from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_search.h"
#include "catalog/skill_catalog.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kFurtherSpecializationCaption = "Further Specialization in Skill";
inline constexpr const char* kSpecializationTitle = "Specialization";
inline constexpr const char* kKnowledgeSkillTitle = "Knowledge skill";
inline constexpr const char* kKnowledgeSkillPrompt = "Enter knowledge specialization";
inline constexpr const char* kBaseSkillLabel = "Base Skill";
inline constexpr const char* kSpecializationSkillLabel = "Spec. Skill";
inline constexpr const char* kSkillStopMarker = "STOP";
/// At most this many skills of a category, and specializations of a skill, are listed.
inline constexpr int kSkillListMax = 51;

enum class SkillPool { Active, Knowledge, Language };

/// One pool as the page shows it: used "/" allowance and its over-budget marker.
struct SkillPoolView {
  std::string display = "0/0";
  bool stop = false;
  bool operator==(const SkillPoolView&) const = default;
};

/// Everything the skills page shows that the rules decide.
struct SkillsView {
  /// The catalog's categories, and the one chosen (-1 none).
  std::vector<std::string> categories;
  int category = -1;
  /// Skills of the chosen category (SkillTable indexes and their names), and the one chosen.
  std::vector<int> skillNodes;
  std::vector<std::string> skills;
  int skill = -1;
  /// Specializations of the chosen skill, and the one chosen.
  std::vector<int> specializationNodes;
  std::vector<std::string> specializations;
  int specialization = -1;
  bool addEnabled = false;
  /// The search of every category's skills and their specializations; choosing a match clicks
  /// its category, its skill and its specialization.
  CatalogSearch search;
  /// The further-specialization command, offered for knowledge skills only.
  bool furtherVisible = false;
  bool furtherEnabled = false;

  /// The character's skill list in its two columns: the name and the ratings.
  SharedList<std::string> names;
  SharedList<std::string> ratings;
  /// The skills the two columns were cut from: they are cut again only when the skills changed.
  SharedList<std::string> listedFrom;
  /// The selected entry of the character's list (-1 none), and the commands that need one.
  int selected = -1;
  bool removeEnabled = false;
  bool spinnerEnabled = false;
  /// The order arrows move the selected entry.
  bool orderEnabled = false;
  /// "Base Skill" and "Spec. Skill": shown with Override Limits only, and working on a selection.
  bool adjustersVisible = false;
  bool adjustersEnabled = false;

  SkillPoolView active;
  SkillPoolView knowledge;
  SkillPoolView language;
  bool operator==(const SkillsView&) const = default;
};

/// A skill entry's general rating B and specialization rating S (0 for a plain skill).
struct SkillRatings {
  int base = 0;
  int specialization = 0;
};

/// The ratings of an entry: the numbers in the brackets after its last TAB. Missing or
/// non-numeric numbers read as 0.
SkillRatings ParseSkillEntry(std::string_view entry);
/// The class code of an entry or catalog name: the three characters after its first "(".
std::string SkillClassCode(std::string_view entry);
/// The pool a class code pays from: "LAN" language, "KNO" knowledge, any other active.
SkillPool PoolOfClass(std::string_view code);

/// The nodes of the catalog from `first` along its next siblings, as the page lists a category's
/// skills or a skill's specializations: at most kSkillListMax.
std::vector<int> SkillChain(const SkillCatalog& catalog, int first);

/// Fills the category list from the catalog.
void ShowSkillCategories(RulesContext& ctx, SkillsView& view);
/// Lists the skills of a category; clears the chosen skill and specialization. A category
/// outside the list lists nothing.
void SelectSkillCategory(RulesContext& ctx, SkillsView& view, int category);
/// Chooses a listed skill and lists its specializations; a row outside the list chooses none.
void SelectCatalogSkill(RulesContext& ctx, SkillsView& view, int row);
/// Chooses a listed specialization; a row outside the list chooses none.
void SelectSpecialization(RulesContext& ctx, SkillsView& view, int row);

/// The skills `text` finds by their name or their category's, and the specializations it finds by
/// their own name, in catalog order: a specialization's group is its category and its skill
/// ("Firearms / Pistols (QCK)"), and detailAt its row under the skill.
std::vector<CatalogMatch> SearchSkills(const SkillCatalog& catalog, std::string_view text);
/// The search box typed: what SearchSkills finds.
void SearchSkillCatalog(RulesContext& ctx, SkillsView& view, std::string text);
/// A match clicked: its category, its skill and its specialization (if it is one) chosen, as
/// clicks on them choose them. An index outside the matches does nothing.
void ChooseSkillMatch(RulesContext& ctx, SkillsView& view, int index);
/// Which match names what is chosen now: the specialization's own, else the skill's.
void ShowChosenSkillMatch(SkillsView& view);

/// Adds the chosen skill, specialized when a specialization is chosen. Refused silently when the
/// pool cannot pay, and when a typed specialization is empty or holds "[", "]", TAB or "~".
bool AddSkill(RulesContext& ctx, SkillsView& view);
/// Adds the chosen knowledge skill with a specialization the player types.
bool AddKnowledgeSpecialization(RulesContext& ctx, SkillsView& view);

/// Selects an entry of the character's list; an index outside it selects none.
void SelectSkill(RulesContext& ctx, SkillsView& view, int index);
/// The rating spinner on the selected entry; refused silently at the ceilings (6 general,
/// 7 specialization, lifted by Override Limits), when the pool cannot pay, or below 1.
bool RaiseSkill(RulesContext& ctx, SkillsView& view);
bool LowerSkill(RulesContext& ctx, SkillsView& view);
/// The "Base Skill" and "Spec. Skill" adjusters (step +1 or -1): only with Override Limits, no
/// ceilings and no pool check. A specialization lowered to 0 leaves a plain skill.
bool AdjustBaseRating(RulesContext& ctx, SkillsView& view, int step);
bool AdjustSpecializationRating(RulesContext& ctx, SkillsView& view, int step);
/// Removes the selected entry.
bool RemoveSkill(RulesContext& ctx, SkillsView& view);
/// Moves the selected entry one place; the selection follows. False at the ends or with none.
bool MoveSkillUp(RulesContext& ctx, SkillsView& view);
bool MoveSkillDown(RulesContext& ctx, SkillsView& view);

/// The points an entry costs its pool: its effective rating, each point past the linked
/// attribute's total counted twice.
int SkillEntryCost(const CharacterRecord& record, std::string_view entry);

/// Points used in each pool, counted from the whole list without changing it.
struct SkillPointCount {
  int16_t active = 0;
  int16_t knowledge = 0;
  int16_t language = 0;
};
/// Knowledge and language points beyond their allowance are paid from active points.
SkillPointCount CountSkillPoints(const CharacterRecord& record, int knowledgeAllowance, int languageAllowance);

/// Recounts the three pools from the whole list (knowledge and language beyond their allowance
/// are paid from active points) and refreshes the list and the pools as the page shows them.
void RecountSkillPoints(RulesContext& ctx, SkillsView& view);
/// Override Limits switched: shows or hides the adjusters.
void ShowOverrideView(RulesContext& ctx, SkillsView& view);
/// The character's list as the page shows it; a selection past its end is dropped.
void RefreshSkillList(const CharacterRecord& record, SkillsView& view);

}  // namespace ivgen
