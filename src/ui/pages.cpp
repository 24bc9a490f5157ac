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
#define IVGEN_PAGE_WIDGET(page, caption, unit, widget, commands) \
  case page:                                                     \
    return new widget(editor, parent);
    IVGEN_PAGES(IVGEN_PAGE_WIDGET)
#undef IVGEN_PAGE_WIDGET
  }
  return nullptr;
}

}  // namespace ivgen
