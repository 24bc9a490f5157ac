// The Cyberware page: the catalog tree, the grade and used options, the item's detail boxes, buy
// and remove, the installed list, Essence and nuyen left, and the cyber limbs view options.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "ui/implant_lists.h"
#include "ui/page_view.h"

namespace ivgen {

class CyberwarePage : public PageView {
  Q_OBJECT
 public:
  CyberwarePage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  QLineEdit* search_ = nullptr;
  CatalogTreeView* catalog_ = nullptr;
  std::array<QRadioButton*, 4> grades_{};
  QCheckBox* used_ = nullptr;
  QLineEdit* basePrice_ = nullptr;
  QLineEdit* essenceCost_ = nullptr;
  QLineEdit* streetIndex_ = nullptr;
  QLineEdit* calculatedPrice_ = nullptr;
  QLineEdit* modifiedEssence_ = nullptr;
  QLineEdit* book_ = nullptr;
  QLabel* notes_ = nullptr;
  QPushButton* buy_ = nullptr;
  QPushButton* remove_ = nullptr;
  EntryListView* installed_ = nullptr;
  QLineEdit* essence_ = nullptr;
  QLineEdit* moneyLeft_ = nullptr;
  QGroupBox* limbs_ = nullptr;
  QRadioButton* limbsView_ = nullptr;
  QRadioButton* standardView_ = nullptr;
};

}  // namespace ivgen
