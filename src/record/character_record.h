// The one character being edited: every field the pages show, the character file stores and the
// sheet prints, with the running totals kept beside it and the document state.
// Field names are the character file's keys, letter for letter (Initative, Maxresources, norules).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/shared_list.h"

namespace ivgen {

inline constexpr int kAttributeCount = 6;
/// The six attributes by index.
enum Attribute : int { kBody = 0, kQuickness = 1, kStrength = 2, kCharisma = 3, kIntelligence = 4, kWillpower = 5 };

/// Codes of the six attributes, index 0 to 5.
inline constexpr std::array<std::string_view, kAttributeCount> kAttributeCodes = {"BOD", "QCK", "STR",
                                                                                  "CHA", "INT", "WIL"};
/// File keys of the six attributes, index 0 to 5.
inline constexpr std::array<std::string_view, kAttributeCount> kAttributeKeys = {
    "Body", "Quickness", "Strength", "Charisma", "Intelligence", "Willpower"};

/// Separates gear that is not carried (above) from carried gear (below).
inline constexpr std::string_view kGearDivider = "===Carried Gear below ======  \t26|0|IV3-???|";

/// Flag values: false is 0, true is -1.
inline constexpr int16_t kFlagTrue = -1;
inline constexpr int16_t kFlagFalse = 0;

/// Race options of the race page and of Priorities.Rsel.
enum RaceOption : int16_t { kHuman = 0, kElf = 1, kDwarf = 2, kOrk = 3, kTroll = 4 };

/// One attribute row. Cells hold the text the page shows; rules read them as numbers.
struct AttributeRow {
  std::string Base = "1";
  std::string Racial = "0";
  std::string Modifier = "0";
  /// Changed only by the R-codes; never written to the file.
  std::string BioModifier = "0";
  std::string Total = "1";

  bool operator==(const AttributeRow&) const = default;
};

/// A row of base, modifier and total (Reaction, Initiative dice, Magic, Combat pool, animal form).
struct DerivedRow {
  std::string Base = "0";
  std::string Modifier = "0";
  std::string Total = "0";

  bool operator==(const DerivedRow&) const = default;
};

/// The animal form of a shapeshifter.
struct ShapeshiftGroup {
  // Body, Quickness, Strength: natural values run from 1.
  std::array<DerivedRow, 3> Attr{{{"1", "0", "1"}, {"1", "0", "1"}, {"1", "0", "1"}}};
  std::string RunMult;
  DerivedRow Reaction;
  // An animal acts with one die before its form's modifier, as a person does.
  DerivedRow Initative{"1", "0", "1"};
  int16_t SSindex = -1;

  bool operator==(const ShapeshiftGroup&) const = default;
};

/// The texts of the dice pools shown on the attributes page.
struct DicePools {
  std::string Karma;
  std::string Combat;
  std::string Control;
  std::string Hacking;
  std::string Magic;  // the spell pool
  std::string Astral;
  std::string lblPool1;
  std::string lblPool2;
  std::string txtPool1;
  std::string txtPool2;

  bool operator==(const DicePools&) const = default;
};

struct CharacterRecord {
  // [System]
  /// Generation method: true for build points, false for priorities.
  bool GeneratorPoints = false;

  // [Character]
  std::string StreetName, RealName, Archetype, Race, Gender, Height, Weight, Eyes, Hair, Birthdate, Birthplace;
  std::string KarmaTotal, KarmaRemain;
  std::string GraphicsFilename;
  /// -1 none, 0 physical adept, 1 to 4 the aspected kinds.
  int16_t Adept = -1;
  int16_t Initiation = 0;  // check state
  int16_t Grade = 0;
  int16_t norules = 0;  // check state: Override Limits
  bool Shapeshift = false;
  bool OnceThru = false;
  int16_t CurSkill = 0;
  int16_t Attributes = 0;
  float MagicPts = 0;
  int32_t Maxresources = 0;

  // [Priorities]: rows 0 (A) to 4 (E)
  int16_t PriRace = 3;
  int16_t PriMagic = 4;
  int16_t PriAttributes = 0;
  int16_t PriSkills = 1;
  int16_t PriResources = 2;
  /// Selected race option 0..4, -1 when none is selected.
  int16_t Rsel = 0;
  int16_t PhysAdMagic = 0;  // check state

  // [PointSys]: the point-generation dialog's choices; its Race is Rsel and its Magic PriMagic.
  /// Race and resource options of the dialog; -1: no option selected, no line written.
  int16_t PtsRsel = 0;
  /// Attribute points bought in the dialog; the points granted are Attributes above.
  int16_t PtsAttributes = 6;
  int16_t PtsSkills = 0;
  int16_t PtsResourceSel = 1;
  int16_t PtsMeta = 0;
  int16_t PtsGhoul = 0;
  int16_t PtsOtaku = 0;
  int16_t PtsNoRules = 0;
  int16_t PtsPhysAdMagic = 0;
  int16_t SelIndex = -1;

  // [RaceDesc]
  SharedList<std::string> RaceDesc;

  // [Attributes]
  std::array<AttributeRow, kAttributeCount> Attr;
  DerivedRow Reaction;
  DerivedRow Initative;
  DerivedRow Magic;
  double Essence = 6.0;
  std::string EssenceText = "6";
  std::string RunMult = "3";
  float BodyIndex = 0;
  std::string BodyIndexText = "0.00";

  // [Shapeshift]
  ShapeshiftGroup Animal;

  // [Edges], [Skills]
  SharedList<std::string> Edges;
  SharedList<std::string> Skills;

  // [Dice pools]
  DicePools Pools;
  DerivedRow CombatPool;

  // [Cyberware], [Bioware], [Powers]
  SharedList<std::string> Cyberware;
  SharedList<std::string> Bioware;
  SharedList<std::string> Powers;

  // [Magic]
  int16_t Tradition = -1;
  SharedList<std::string> Spells;

  // [Gear]
  SharedList<std::string> Gear{std::string(kGearDivider)};
  float TotalWeight = 0;

  // [Description]: lines separated by CR LF
  std::string Description;

  // [Contacts]
  SharedList<std::string> Contacts;

  // Running values, not written under keys of their own.
  std::array<int16_t, kAttributeCount> NaturalMax{6, 6, 6, 6, 6, 6};
  std::array<int16_t, kAttributeCount> RacialMax{9, 9, 9, 9, 9, 9};
  int16_t VcrLevel = 0;
  int16_t ImpactBonus = 0;
  int16_t BallisticBonus = 0;
  int16_t KnowledgeAllowance = 0;
  int16_t LanguageAllowance = 0;
  int16_t Level1Contacts = 0;
  int32_t NuyenSpent = 0;
  float SpellPointsUsed = 0;
  float PowerPointsUsed = 0;
  int16_t KnowledgePointsUsed = 0;
  int16_t LanguagePointsUsed = 0;
  int16_t AttributePointsUsed = 6;

  /// Override Limits (an existing character): the rules' limits give way.
  bool OverrideLimits() const { return norules != 0; }
  /// Whether spells and the spell pool are kept (magic priority A or B).
  bool MagicUser() const { return PriMagic == 0 || PriMagic == 1; }

  /// Whether an action changed the character, where it cannot tell field by field.
  bool operator==(const CharacterRecord&) const = default;
};

/// The file, if any, behind the record and whether the record differs from it.
struct DocumentState {
  bool Modified = false;
  std::string CurrentFile;
  std::string DefaultSaveName;
};

/// Sets every field of the record to its new-character value, keeping the fields a new
/// character keeps (priority rows, Karma texts, Adept, norules, attribute points, money granted,
/// the tradition and the point-generation choices). The picture becomes defaultGif.
/// The derived values are left for the rules to recompute.
void ResetRecordFields(CharacterRecord& record, const std::string& defaultGif);

}  // namespace ivgen
