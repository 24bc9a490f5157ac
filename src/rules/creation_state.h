// What the priority, race and attribute pages show that the creation rules decide, what those
// rules ask of the units of later pages, and the context every rule runs in.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalogs.h"
#include "platform/platform.h"
#include "record/character_record.h"
#include "rules/pages.h"

namespace ivgen {

inline constexpr int kPriorityRows = 5;
inline constexpr int kRaceCount = 5;
/// Metatype fields: the six racial modifiers and the run multiplier.
inline constexpr int kMetaFieldCount = 7;
/// Animal-form fields of a shapeshifter metatype.
inline constexpr int kAnimalFieldCount = 6;

/// The attributes page: markers, displays, and the ceiling codes behind NaturalMax.
struct AttributeView {
  /// Per attribute: the base has passed NaturalMax (hidden again only by the spin buttons).
  std::array<bool, kAttributeCount> overMaximum{};
  /// AttributePointsUsed > Attributes.
  bool overSpent = false;
  /// AttributePointsUsed "/" Attributes, for example "22/30".
  std::string pointsDisplay = "6/0";
  /// SpellPointsUsed "/" MagicPts and its over-spent marker.
  std::string spellPointsDisplay = "0/0";
  bool spellsOverSpent = false;
  /// PowerPointsUsed "/" Magic total.
  std::string powerPointsDisplay = "0/0";
  /// Essence + 3, shown beside the Bio-index.
  std::string essenceIndexText = "9";
  /// X-codes applied and not yet taken back, in order: attribute index and signed amount.
  /// NaturalMax is recomputed from these when one is taken back.
  std::vector<std::pair<int, int>> ceilingCodes;
  /// What the "ATR" codes applied and not yet taken back add to Attributes; a grant keeps it.
  int codePoints = 0;
  /// What the "MAG" codes applied and not yet taken back add to MagicPts; a magic grant keeps it.
  float magicCodePoints = 0;
  bool operator==(const AttributeView&) const = default;
};

/// The priorities page: the ranking, its value column and the magic options.
struct PriorityView {
  /// Area names, row 0 (A) to row 4 (E).
  std::array<std::string, kPriorityRows> order{"Attributes", "Skills", "Resources", "Race", "Magic"};
  /// The row selected in both columns.
  int selectedRow = 0;
  /// What each row grants its area ("30 points", "Magician", ...).
  std::array<std::string, kPriorityRows> valueTexts;
  bool adeptGroupVisible = false;
  /// "PhysAd: Path of the Magician".
  bool physAdVisible = false;
  /// "Initiation/Geas Mod".
  bool initiationEnabled = false;
  /// The grade field as typed.
  std::string gradeText = "0";
  /// The "Money" field as typed; shown only with Override Limits.
  std::string moneyText = "0";
  /// The "Edges && Flaws" button.
  bool edgesButtonVisible = true;
  /// The grade field takes typing only while Initiation is on and can be switched.
  bool gradeEnabled = false;
  /// The "Money" field of an existing character shows only under Override Limits.
  bool moneyVisible = false;
  /// The menu item "Point System" can be chosen.
  bool pointSystemAvailable = true;
  bool operator==(const PriorityView&) const = default;
};

/// What fixed the race (OnceThru), so a refused race or metatype click can say which applies.
enum class RaceFixedBy { None, LeavingRacePage, Print, Ghoul, OpenedFile };

/// The race page: which races are offered, the metatype group and its fields.
struct RaceView {
  std::array<bool, kRaceCount> optionEnabled{};
  /// The metatype catalog lines offered for the race, without their first two characters.
  std::vector<std::string> metaList;
  /// Body, Quickness, Strength, Charisma, Intelligence, Willpower, run multiplier.
  std::array<std::string, kMetaFieldCount> metaFields;
  std::array<std::string, kAnimalFieldCount> animalFields;
  std::string modCaption = "Unknown Race Mods";
  bool shapeFieldsVisible = false;
  bool metaGroupVisible = false;
  /// The troll's dermal armour is counted in the Body modifier.
  bool trollArmour = false;
  RaceFixedBy fixedBy = RaceFixedBy::None;
  bool operator==(const RaceView&) const = default;
};

/// Which page shows and what page changes decide for pages of other units.
struct PageState {
  int page = kPagePriorities;
  bool spellGroupVisible = false;
  bool powerGroupVisible = false;
  bool unhideShifterVisible = false;
  /// The player went on from the priorities page (or pressed the point dialog's Done) since New,
  /// so the grants are the character's; an opened character's are.
  bool prioritiesDone = false;
  bool operator==(const PageState&) const = default;
};

/// The money left as the gear and contacts pages show it. Those two pages count it again only at a
/// purchase or a refund, on leaving the priorities page, at Open and when they are entered, so it
/// is kept as of then; the other pages show it as it is after every action.
struct MoneyShown {
  std::string gear = "0";
  std::string contacts = "0";
  bool operator==(const MoneyShown&) const = default;
};

/// What the ghoul button, the albino option and the animal-form window show.
struct SpecialsView {
  /// "Begin Ghoul" on the attributes page.
  bool ghoulButtonVisible = false;
  /// "Albino": enabled exactly while "MetaVariants" is ticked.
  bool albinoEnabled = false;
  bool albino = false;
  /// The "Albino Flaw" group shows while "Albino" is on; its choice 0 to 4.
  bool albinoFlawVisible = false;
  int albinoFlaw = 0;
  /// "Combat Pool" of the animal form.
  std::string combatPool = "0";
  /// "Used/Max": the attribute points display, as the attributes page shows it.
  std::string pointsDisplay = "6/0";
  /// More attribute points used than granted.
  bool overLimit = false;
  bool operator==(const SpecialsView&) const = default;
};

struct CreationState {
  AttributeView attributes;
  PriorityView priorities;
  RaceView race;
  PageState pages;
  MoneyShown money;
  SpecialsView specials;
  bool operator==(const CreationState&) const = default;
};

/// What a rule asks of the units of other pages. The rules never call up into them: the Editor
/// carries the requests out after the rule, before the page that came into view counts.
struct PageRequests {
  /// A page change: the character sheet proposes the street name as it is now.
  bool sheetName = false;
  /// The cyberware page counts its Essence and limbs again (a new race changed the base Essence).
  bool cyberwareEssence = false;
};

/// The one call a rule makes into another page's unit, because it cannot wait for the rule to end:
/// leaving the attributes page puts back the bases the cyberlimb view replaced, before the point
/// dialog may open over the change and before the next page counts with them.
class CreationHooks {
 public:
  virtual ~CreationHooks() = default;
  /// Leaving the attributes page: the cyberware page's standard view.
  virtual void ShowStandardView() = 0;
};

/// Everything a rule reads or changes. The Editor builds one per action. Rules never touch the
/// document state: an action that changes what a save writes says so in its return value.
struct RulesContext {
  CharacterRecord& record;
  CreationState& state;
  Platform& platform;
  CreationHooks& hooks;
  const Catalogs& catalogs;
  PageRequests requests{};
};

/// Tells the player why a step did nothing (no message box: the window's status bar, a batch
/// `refused:` line) and gives the rule's false.
inline bool Refuse(RulesContext& ctx, const std::string& reason) {
  ctx.platform.Refused(reason);
  return false;
}

/// An amount as a reason names it: "25,000", "0".
std::string NuyenText(int64_t amount);

/// The start of a refusal over money: "Not enough nuyen: 5,000 needed, 2,000 left".
std::string NotEnoughNuyen(const CharacterRecord& record, int64_t price);

/// "The race is fixed now (...); New starts over", naming what fixed it.
std::string RaceFixedReason(RaceFixedBy cause);

/// Start-up: the priority order in its first ranking, row 0 selected and the table shown.
void StartCreation(RulesContext& ctx);

/// New: what the three pages show for a new character. Runs after the record fields were reset.
void ResetCreation(RulesContext& ctx);

/// Brings the flags and texts that follow from the record up to date; runs after every action.
void RefreshCreationView(RulesContext& ctx);

/// A purchase or a refund on any page, leaving the priorities page, Open: the gear and contacts
/// pages count the money left again.
void ShowMoneyLeft(RulesContext& ctx);

}  // namespace ivgen
