// Which view each page of the editor gets.
#pragma once

#include "ui/page_view.h"

namespace ivgen {

/// The view of page `index` (0 to 11), with `caption` as its title.
PageView* CreatePage(int index, const QString& caption, Editor& editor, QWidget* parent);

}  // namespace ivgen
