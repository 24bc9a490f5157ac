#include "ui/pages.h"

#include "ui/attributes_page.h"
#include "ui/bioinfo_page.h"
#include "ui/bioware_page.h"
#include "ui/books_page.h"
#include "ui/contacts_page.h"
#include "ui/cyberware_page.h"
#include "ui/gear_page.h"
#include "ui/powers_page.h"
#include "ui/priorities_page.h"
#include "ui/race_page.h"
#include "ui/skills_page.h"
#include "ui/spells_page.h"

namespace ivgen {

PageView* CreatePage(Page page, Editor& editor, QWidget* parent) {
  switch (page) {
    case kPagePriorities:
      return new PrioritiesPage(editor, parent);
    case kPageRace:
      return new RacePage(editor, parent);
    case kPageAttributes:
      return new AttributesPage(editor, parent);
    case kPageSkills:
      return new SkillsPage(editor, parent);
    case kPageCyberware:
      return new CyberwarePage(editor, parent);
    case kPageBioware:
      return new BiowarePage(editor, parent);
    case kPageSpells:
      return new SpellsPage(editor, parent);
    case kPagePowers:
      return new PowersPage(editor, parent);
    case kPageGear:
      return new GearPage(editor, parent);
    case kPageBioInfo:
      return new BioInfoPage(editor, parent);
    case kPageBooks:
      return new BooksPage(editor, parent);
    case kPageContacts:
      return new ContactsPage(editor, parent);
  }
  return nullptr;
}

}  // namespace ivgen
