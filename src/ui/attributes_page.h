// The Attributes page: the six attribute rows with their spin buttons and markers, the derived
// values, the dice pools and the attribute points spent.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <array>

#include "ui/number_cells.h"
#include "ui/page_view.h"

namespace ivgen {

class AttributesPage : public PageView {
  Q_OBJECT
 public:
  AttributesPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  struct Row {
    QLineEdit* base = nullptr;
    QLineEdit* racial = nullptr;
    QLineEdit* modifier = nullptr;
    QLineEdit* bio = nullptr;
    QLineEdit* total = nullptr;
    QLabel* overMaximum = nullptr;
  };
  /// A read-only number cell, kept by name for the refresh.
  QLineEdit* Cell(const QString& name);
  /// A pool the player types.
  QLineEdit* TypedPool(const QString& key);
  void Show(const QString& name, const std::string& text);

  std::array<Row, 6> rows_{};
  NumberCells cells_;
  QMap<QString, QLineEdit*> typed_;
  QLabel* overSpent_ = nullptr;
  QPushButton* beginGhoul_ = nullptr;
  QPushButton* unhideShifter_ = nullptr;
};

}  // namespace ivgen
