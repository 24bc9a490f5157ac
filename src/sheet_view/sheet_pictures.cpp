#include "sheet_view/sheet_pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ivgen {

namespace {

// Larger than any portrait a sheet frames, small enough that decoding cannot exhaust memory.
constexpr int kMostPictureSide = 8000;

const char* FormatOf(const QByteArray& bytes) {
  if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) return "gif";
  if (bytes.startsWith("\xFF\xD8\xFF")) return "jpeg";
  if (bytes.startsWith("\x89PNG\r\n\x1A\n")) return "png";
  return nullptr;
}

// The whole file, or nothing when it is not a regular file of at most kMostPictureBytes. Opened
// without waiting, so a pipe put in a picture's place cannot hold the layout.
QByteArray ReadRegularFile(const QString& path) {
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {};
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMostPictureBytes) {
    ::close(fd);
    return {};
  }
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return {};
  }
#else
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kMostPictureBytes) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
#endif
  QByteArray bytes = file.read(kMostPictureBytes + 1);
  return bytes.size() > kMostPictureBytes ? QByteArray() : bytes;
}

QImage Decode(const QByteArray& bytes) {
  const char* format = FormatOf(bytes);
  if (format == nullptr) return {};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMostPictureSide || size.height() > kMostPictureSide) return {};
  return reader.read();
}

}  // namespace

QImage LoadSheetPicture(const QString& src, const PictureFolders& folders) {
  QString name = src.trimmed();
  // A scheme of two letters or more is a URL; one letter is a Windows drive.
  if (name.isEmpty() || name.contains(QRegularExpression("^[A-Za-z][A-Za-z0-9+.-]+:"))) return {};
  name.replace('\\', '/');
  QStringList candidates;
  if (QDir::isAbsolutePath(name)) {
    candidates << name;
  } else {
    for (const QString& folder : {folders.character, folders.program}) {
      if (!folder.isEmpty()) candidates << QDir(folder).filePath(name);
    }
  }
  for (const QString& path : candidates) {
    // The first name that is there is the picture, whatever it holds: a file that is not a
    // picture shows an empty frame, not some other file of the same name.
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) return Decode(ReadRegularFile(path));
  }
  return {};
}

}  // namespace ivgen
