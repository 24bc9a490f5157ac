// The sheet's picture is named in a character file that may come from anyone, so it is read only
// from a regular file of the player's own disk that holds a GIF, JPEG or PNG of sensible size:
// never a URL, a device or a pipe, which could hang the layout or reach what it should not.
#pragma once

#include <QImage>
#include <QString>

namespace ivgen {

/// Where a relative picture name is looked for, in this order.
struct PictureFolders {
  QString character;
  QString program;
};

inline constexpr qint64 kMostPictureBytes = 10 * 1024 * 1024;

/// The picture named by src (as the sheet writes it, backslashes and blanks included), or a null
/// image when it is not a picture this sheet may show.
QImage LoadSheetPicture(const QString& src, const PictureFolders& folders);

}  // namespace ivgen
