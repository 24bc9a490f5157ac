// The program's own logo, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ivgen {

/// The logo at the given size in device-independent pixels.
QPixmap LogoPixmap(int size, qreal devicePixelRatio = 1.0);

/// The icons are drawn when a size of them is first shown, not at start-up.
QIcon WindowIcon();
enum class ToolIcon { New, Open, Save, Print };
QIcon ToolbarIcon(ToolIcon which);

}  // namespace ivgen
