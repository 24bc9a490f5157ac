// The pages of the character editor, named once: their numbers and captions.
#pragma once

#include <array>
#include <string_view>

namespace ivgen {

/// Pages of the character editor by index.
enum Page : int {
  kPagePriorities = 0,
  kPageRace = 1,
  kPageAttributes = 2,
  kPageSkills = 3,
  kPageCyberware = 4,
  kPageBioware = 5,
  kPageSpells = 6,
  kPagePowers = 7,
  kPageGear = 8,
  kPageBioInfo = 9,
  kPageBooks = 10,
  kPageContacts = 11,
};

inline constexpr int kPageCount = 12;

/// Captions of the editor's pages, page 0 to 11.
inline constexpr std::array<std::string_view, kPageCount> kPageCaptions = {
    "Priorities", "Race",        "Attributes", "Skills",  "Cyberware", "Bioware",
    "Spells",     "Phys. Adept", "Gear",       "BioInfo", "Books",     "Contacts"};

}  // namespace ivgen
