#include "ui/pages.h"

#include <QLabel>
#include <QVBoxLayout>

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

PendingPage::PendingPage(Editor& editor, const QString& caption, QWidget* parent) : PageView(editor, parent) {
  auto* note = new QLabel(tr("The %1 page is not available in this version yet.").arg(caption), this);
  note->setAlignment(Qt::AlignCenter);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
}

PageView* CreatePage(int index, const QString& caption, Editor& editor, QWidget* parent) {
  switch (index) {
    case 0:
      return new PrioritiesPage(editor, parent);
    case 1:
      return new RacePage(editor, parent);
    case 2:
      return new AttributesPage(editor, parent);
    case 8:
      return new GearPage(editor, parent);
    case 6:
      return new SpellsPage(editor, parent);
    case 7:
      return new PowersPage(editor, parent);
    case 3:
      return new SkillsPage(editor, parent);
    case 4:
      return new CyberwarePage(editor, parent);
    case 5:
      return new BiowarePage(editor, parent);
    case 9:
      return new BioInfoPage(editor, parent);
    case 10:
      return new BooksPage(editor, parent);
    case 11:
      return new ContactsPage(editor, parent);
    default:
      return new PendingPage(editor, caption, parent);
  }
}

}  // namespace ivgen
