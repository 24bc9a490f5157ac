// The edges and flaws dialog: the catalog's edges and flaws, the character's list and its points.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/dialog_view.h"

namespace ivgen {

class EdgesDialog : public DialogView {
  Q_OBJECT
 public:
  EdgesDialog(Editor& editor, QWidget* parent);
  void Refresh() override;

 protected:
  /// The frame's close button and Escape are "Done", with its checks.
  void reject() override;

 private:
  /// The button that takes the catalog's entry, as the highlight allows.
  void ShowAddEnabled();
  QLineEdit* edgeFilter_ = nullptr;
  QLineEdit* flawFilter_ = nullptr;
  QTreeWidget* edges_ = nullptr;
  QTreeWidget* flaws_ = nullptr;
  QTreeWidget* chosen_ = nullptr;
  QPushButton* addEdge_ = nullptr;
  QPushButton* addFlaw_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLineEdit* points_ = nullptr;
};

}  // namespace ivgen
