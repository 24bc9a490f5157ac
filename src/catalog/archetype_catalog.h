// The archetype catalog (archetypes.dat): recipes for random characters. "#Name" starts an
// archetype; each line under it sets one thing in fixed columns: what it sets in columns 1-10, a
// weight in columns 11-14 and the choice from column 16, its parts separated by "|". The file is
// optional: without it there are no archetypes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

inline constexpr std::string_view kArchetypesFile = "archetypes.dat";

/// What an archetype line sets, by the word in its columns 1-10.
enum class ArchetypeKey {
  Method,     // Priority or Points
  Order,      // the five areas from A to E
  Build,      // build points: resources, attribute points, active skills
  Race,       // a race, with a metatype under build points
  Ghoul,      // build points buy the ghoul option
  Magic,      // Magician, Physical, Elementalist, Sorcerer, Conjurer or Shamanist
  Tradition,  // the start of a tradition or totem
  Attribute,  // an attribute's share of the points, with a least total
  Animal,     // a shapeshifter's animal attribute, likewise
  Skill,      // a skill's share of its pool, with a specialization and a highest rating
  Cyberware,  // one option of a named list: items with their grades
  Bioware,    // one option of a named list: items with their types
  Spell,      // a spell's share of the spell points, with its most points
  Power,      // an adept power's share of the power points, with a level or a target
  Gear,       // one option of a named list: gear items
  Contact,    // one option of a named list: an occupation and a level
  Filler,     // gear bought by the number to spend the money down to 5,000 or less
  Street,     // a street name
};
inline constexpr size_t kArchetypeKeyCount = 18;

/// The word of a key as a line writes it.
std::string_view ArchetypeKeyName(ArchetypeKey key);

/// Keys that take one line only and ignore its weight.
bool ArchetypeKeyIsSingle(ArchetypeKey key);

/// One line of an archetype: its key, its weight (1 when the column is empty) and the parts of
/// its choice, trimmed.
struct ArchetypeLine {
  ArchetypeKey key = ArchetypeKey::Method;
  int weight = 1;
  std::vector<std::string> parts;
  int line = 0;
};

struct Archetype {
  std::string name;
  /// The line of its "#".
  int line = 0;
  std::vector<ArchetypeLine> lines;

  /// Its lines of one key, in file order.
  std::vector<const ArchetypeLine*> Of(ArchetypeKey key) const;
};

struct ArchetypeCatalog {
  /// The file's own name, for messages that name a line.
  std::string file{kArchetypesFile};
  std::vector<Archetype> archetypes;

  /// The archetype whose name matches, without regard to case and with "-" or "_" for blanks;
  /// nothing when none does.
  const Archetype* Find(std::string_view name) const;
};

/// Reads archetypes.dat. A line with an unknown key, a weight that is not a whole number of at
/// most four digits or is negative, text in column 15, an empty part, a missing choice or no
/// archetype above it is noted and left out; so is an archetype whose name is empty or taken.
/// Nothing when the file is missing or cannot be read.
std::optional<ArchetypeCatalog> LoadArchetypes(const std::string& folder, LoadNotes* notes = nullptr);

}  // namespace ivgen
