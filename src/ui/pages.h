// Which view each page of the editor gets.
#pragma once

#include "rules/pages.h"
#include "ui/page_view.h"

namespace ivgen {

/// The view of a page.
PageView* CreatePage(Page page, Editor& editor, QWidget* parent);

}  // namespace ivgen
