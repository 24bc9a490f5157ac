// The window's edge: core texts are Windows-1252 bytes, Qt's are Unicode.
#pragma once

#include <QString>
#include <QTextDocument>
#include <string>

#include "record/cp1252.h"
#include "record/shown_text.h"

namespace ivgen {

inline QString ToQt(const std::string& text) { return QString::fromUtf8(Cp1252ToUtf8(text)); }
inline QString ToQt(const char* text) { return ToQt(std::string(text)); }
inline QString ToQt(const ShownText& text) { return QString::fromUtf8(text.Utf8()); }
inline std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toUtf8().toStdString()); }

/// A caption that the keyboard reaches with Alt and `key`: "&" before the first `key` in it (the
/// caption as it is when it holds none). A caption's own "&" is doubled first.
inline QString WithAccelerator(const QString& caption, QChar key) {
  QString text = caption;
  text.replace("&", "&&");
  const qsizetype at = text.indexOf(key);
  if (at >= 0) text.insert(at, '&');
  return text;
}

/// A tooltip that shows a file name or catalog text as written. Qt lays out any tooltip that
/// looks like markup as markup, and a name such as `<img src="/dev/zero">` would be read.
inline QString PlainTip(const QString& text) {
  return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

}  // namespace ivgen
