// The program's own logo, drawn rather than shipped as a file.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ivgen {

/// The logo at the given size in device-independent pixels.
QPixmap LogoPixmap(int size, qreal devicePixelRatio = 1.0);
QIcon WindowIcon();

}  // namespace ivgen
