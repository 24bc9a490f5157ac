// The Phys. Adept page: the adept power catalog, the character's powers and the power points.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/page_view.h"

namespace ivgen {

class PowersPage : public PageView {
  Q_OBJECT
 public:
  PowersPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  /// The button that takes the catalog's entry, as the highlight allows.
  void ShowBuyEnabled();
  void Act(const std::function<void()>& action);

  QGroupBox* powerGroup_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QTreeWidget* catalog_ = nullptr;
  QPushButton* buy_ = nullptr;
  QTreeWidget* owned_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLineEdit* cost_ = nullptr;
  QLineEdit* note_ = nullptr;
  QLineEdit* points_ = nullptr;
};

}  // namespace ivgen
