// The Attributes page: the six attribute rows with their spin buttons and markers, the derived
// values, the dice pools and the attribute points spent.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <array>

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
    QLineEdit* total = nullptr;
    QLabel* overMaximum = nullptr;
  };
  /// A read-only number cell, kept by name for the refresh.
  QLineEdit* Cell(const QString& name);
  /// A pool the player types.
  QLineEdit* TypedPool(const QString& key);
  void Show(const QString& name, const std::string& text);

  std::array<Row, 6> rows_{};
  QMap<QString, QLineEdit*> cells_;
  QMap<QString, QLineEdit*> typed_;
  QLabel* overSpent_ = nullptr;
};

}  // namespace ivgen
