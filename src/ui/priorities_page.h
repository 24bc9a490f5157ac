// The Priorities page: the ranking of the five areas with what each row grants, the magic
// options, Override Limits with its Money field; and the "Character Gen." menu.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <array>
#include <functional>

#include "ui/page_view.h"

namespace ivgen {

class PrioritiesPage : public PageView {
  Q_OBJECT
 public:
  PrioritiesPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  void RowClicked(int row);

  QListWidget* areas_ = nullptr;
  QListWidget* values_ = nullptr;
  QGroupBox* adeptGroup_ = nullptr;
  std::array<QRadioButton*, 5> adeptChoices_{};
  QCheckBox* physAd_ = nullptr;
  QCheckBox* initiation_ = nullptr;
  QLineEdit* grade_ = nullptr;
  QRadioButton* byPriority_ = nullptr;
  QRadioButton* byPoints_ = nullptr;
  QCheckBox* override_ = nullptr;
  QLabel* moneyLabel_ = nullptr;
  QLineEdit* money_ = nullptr;
};

/// The "&Character Gen." menu: "Priority", "Point System" and "Existing Character", their check
/// marks read from the Editor each time the menu opens. `changed` runs after each item.
QMenu* CreateCharacterGenMenu(Editor& editor, QWidget* parent, std::function<void()> changed);

}  // namespace ivgen
