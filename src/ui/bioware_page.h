// The Bioware page: the catalog tree, the type options, the item's detail boxes, buy and remove,
// the installed list, the Bio-index beside the Essence Index with its warning, and nuyen left.
#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "ui/implant_lists.h"
#include "ui/page_view.h"

namespace ivgen {

class BiowarePage : public PageView {
  Q_OBJECT
 public:
  BiowarePage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  QLineEdit* search_ = nullptr;
  CatalogTreeView* catalog_ = nullptr;
  std::array<QRadioButton*, 3> types_{};
  QLineEdit* basePrice_ = nullptr;
  QLineEdit* bioIndexCost_ = nullptr;
  QLineEdit* calculatedPrice_ = nullptr;
  QLineEdit* book_ = nullptr;
  QLabel* notes_ = nullptr;
  QPushButton* buy_ = nullptr;
  QPushButton* remove_ = nullptr;
  EntryListView* installed_ = nullptr;
  QLineEdit* bioIndex_ = nullptr;
  QLineEdit* essenceIndex_ = nullptr;
  QLineEdit* moneyLeft_ = nullptr;
  QLabel* warning_ = nullptr;
};

}  // namespace ivgen
