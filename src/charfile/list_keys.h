// Where each list of the record lives in the character file: its section and the prefix of its
// numbered keys (Skill0, Skill1, ...). The writer and the reader both name lists only here.
#pragma once

#include <string_view>

namespace ivgen {

struct ListKeys {
  std::string_view section;
  std::string_view prefix;
};

inline constexpr ListKeys kRaceDescList{"RaceDesc", "Desc"};
inline constexpr ListKeys kEdgeList{"Edges", "Edge"};
inline constexpr ListKeys kSkillList{"Skills", "Skill"};
inline constexpr ListKeys kCyberList{"Cyberware", "Cyber"};
inline constexpr ListKeys kBioList{"Bioware", "Bio"};
inline constexpr ListKeys kPowerList{"Powers", "Power"};
inline constexpr ListKeys kSpellList{"Magic", "Spell"};
inline constexpr ListKeys kGearList{"Gear", "Gear"};
inline constexpr ListKeys kContactList{"Contacts", "Contact"};
inline constexpr ListKeys kDescriptionLines{"Description", "Line"};

}  // namespace ivgen
