// The Gear page: the gear tree, the shop list of the clicked group, the chosen item's fields, the
// number of items and the buy button, and the character's gear list with its divider, carried
// weight and money left.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <QTreeWidget>
#include <array>
#include <string>
#include <vector>

#include "purchase/gear.h"
#include "ui/page_parts.h"
#include "ui/page_view.h"

namespace ivgen {

/// A small up or down button beside a list.
QToolButton* ArrowButton(Qt::ArrowType type, const QString& name, QWidget* parent);

class GearPage : public PageView {
  Q_OBJECT
 public:
  GearPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  void FillTree();
  void ShowOwned(int selected);
  /// Another group listed: the shop filter typed for the last one would hide this one's items.
  void ClearShopFilter();
  /// Highlights the group's node, opened, without clicking it.
  void ShowGroupInTree(int node);

  QTreeWidget* tree_ = nullptr;
  std::vector<std::string> treeTexts_;
  QLabel* groupTitle_ = nullptr;
  /// The search of every group, and its matches, shown in the tree's place while it holds a text.
  QLineEdit* search_ = nullptr;
  QTreeWidget* matches_ = nullptr;
  QLineEdit* shopFilter_ = nullptr;
  QTreeWidget* shop_ = nullptr;
  QLabel* itemTitle_ = nullptr;
  std::array<QLabel*, kGearShownFields> names_{};
  std::array<QLabel*, kGearShownFields> values_{};
  QLineEdit* count_ = nullptr;
  QPushButton* buy_ = nullptr;
  QTreeWidget* owned_ = nullptr;
  // The gear list and gear types its rows were cut from, and the rows.
  std::vector<std::string> ownedShown_;
  std::vector<std::string> typesShown_;
  std::vector<QStringList> ownedRows_;
  std::vector<bool> dividers_;
  QPushButton* remove_ = nullptr;
  QLabel* weight_ = nullptr;
  QLabel* money_ = nullptr;
};

}  // namespace ivgen
