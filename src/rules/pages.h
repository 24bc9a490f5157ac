// The pages of the character editor, named once in one table that every layer reads.
#pragma once

#include <array>
#include <string_view>

namespace ivgen {

/// Every page of the editor, named once and in tab order: its enum value, caption, the Editor's
/// unit member, the window's widget class and the batch registrar of its commands. Each layer
/// expands the columns it knows: the enum and captions here, the unit table in app/editor.cpp,
/// the widgets in ui/pages.cpp and the commands in batch/script_runner.cpp. Adding a page is one
/// row here plus the page's own files.
#define IVGEN_PAGES(PAGE)                                                    \
  PAGE(kPagePriorities, "Priorities", priorities_, PrioritiesPage, Creation) \
  PAGE(kPageRace, "Race", race_, RacePage, Creation)                         \
  PAGE(kPageAttributes, "Attributes", attributes_, AttributesPage, Creation) \
  PAGE(kPageSkills, "Skills", skills_, SkillsPage, Skills)                   \
  PAGE(kPageCyberware, "Cyberware", cyberware_, CyberwarePage, Implant)      \
  PAGE(kPageBioware, "Bioware", bioware_, BiowarePage, Implant)              \
  PAGE(kPageSpells, "Spells", spells_, SpellsPage, Magic)                    \
  PAGE(kPagePowers, "Phys. Adept", powers_, PowersPage, Magic)               \
  PAGE(kPageGear, "Gear", gear_, GearPage, Gear)                             \
  PAGE(kPageBioInfo, "BioInfo", texts_, BioInfoPage, Texts)                  \
  PAGE(kPageBooks, "Books", books_, BooksPage, Catalog)                      \
  PAGE(kPageContacts, "Contacts", contacts_, ContactsPage, Contacts)

/// Pages of the character editor by index.
enum Page : int {
#define IVGEN_PAGE_ENUM(page, caption, unit, widget, commands) page,
  IVGEN_PAGES(IVGEN_PAGE_ENUM)
#undef IVGEN_PAGE_ENUM
};

#define IVGEN_PAGE_ONE(page, caption, unit, widget, commands) +1
inline constexpr int kPageCount = 0 IVGEN_PAGES(IVGEN_PAGE_ONE);
#undef IVGEN_PAGE_ONE

/// Captions of the editor's pages, by page.
inline constexpr std::array<std::string_view, kPageCount> kPageCaptions = {
#define IVGEN_PAGE_CAPTION(page, caption, unit, widget, commands) caption,
    IVGEN_PAGES(IVGEN_PAGE_CAPTION)
#undef IVGEN_PAGE_CAPTION
};

static_assert(kPagePriorities == 0 && kPageContacts == kPageCount - 1 && kPageCount == 12,
              "the character file and the scripts number the pages 0 to 11");

}  // namespace ivgen
