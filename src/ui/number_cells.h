// Read-only number cells kept by name, so a refresh sets each one by the name it was made with.
#pragma once

#include <QLineEdit>
#include <QMap>
#include <QString>
#include <string>

#include "ui/qt_text.h"

namespace ivgen {

class NumberCells {
 public:
  QLineEdit* Add(QWidget* parent, const QString& name, int width = 56) {
    auto* cell = new QLineEdit(parent);
    cell->setObjectName(name);
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::NoFocus);
    cell->setMaximumWidth(width);
    cell->setAlignment(Qt::AlignRight);
    cells_.insert(name, cell);
    return cell;
  }

  /// Sets a cell's text; an unknown name changes nothing.
  void Show(const QString& name, const std::string& text) const {
    QLineEdit* cell = cells_.value(name);
    if (cell != nullptr && cell->text() != ToQt(text)) cell->setText(ToQt(text));
  }

 private:
  QMap<QString, QLineEdit*> cells_;
};

}  // namespace ivgen
