#include "ui/gear_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/qt_text.h"

namespace ivgen {

QToolButton* ArrowButton(Qt::ArrowType type, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(type);
  button->setObjectName(name);
  return button;
}

GearPage::GearPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("gearTree");
  tree_->setHeaderLabel(tr("Gear"));
  tree_->setMinimumWidth(220);
  // The highlighted node is the one acted on, however it got there: a click, the arrow keys, or
  // a closed branch.
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    editor_.Gear().ClickGroup(item->data(0, Qt::UserRole).toULongLong());
    emit Changed();
  });
  ChooseClosedBranches(tree_);

  groupTitle_ = new QLabel(this);
  groupTitle_->setObjectName("gearGroupTitle");
  shop_ = new QListWidget(this);
  shop_->setObjectName("gearShop");
  shop_->setMinimumWidth(230);
  auto chooseShopItem = [this](QListWidgetItem* item) {
    if (item == nullptr) return;
    editor_.Gear().ChooseItem(shop_->row(item));
    emit Changed();
  };
  connect(shop_, &QListWidget::currentItemChanged, this, chooseShopItem);
  // A click on the row already current shows it again, after an owned entry took the panel.
  connect(shop_, &QListWidget::itemClicked, this, chooseShopItem);
  connect(shop_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    editor_.Gear().BuyItem(shop_->row(item));
    emit Changed();
  });
  auto* shopColumn = new QVBoxLayout;
  shopColumn->addWidget(groupTitle_);
  shopColumn->addWidget(shop_, 1);

  auto* item = new QGroupBox(tr("Item"), this);
  auto* fields = new QGridLayout(item);
  itemTitle_ = new QLabel(item);
  itemTitle_->setObjectName("gearItemTitle");
  itemTitle_->setStyleSheet("font-weight: bold;");
  fields->addWidget(itemTitle_, 0, 0, 1, 2);
  for (int i = 0; i < kGearShownFields; ++i) {
    names_[i] = new QLabel(item);
    values_[i] = new QLabel(item);
    values_[i]->setObjectName(QString("gearValue%1").arg(i + 1));
    fields->addWidget(names_[i], i + 1, 0);
    fields->addWidget(values_[i], i + 1, 1);
  }
  fields->setColumnStretch(1, 1);
  fields->setRowStretch(kGearShownFields + 1, 1);
  count_ = new QLineEdit(item);
  count_->setObjectName("gearCount");
  count_->setMaximumWidth(60);
  connect(count_, &QLineEdit::textEdited, this, [this](const QString& text) { editor_.Gear().SetCount(FromQt(text)); });
  buy_ = new QPushButton(tr("Buy"), item);
  buy_->setObjectName("gearBuy");
  connect(buy_, &QPushButton::clicked, this, [this] {
    editor_.Gear().Buy();
    emit Changed();
  });
  auto* buying = new QHBoxLayout;
  buying->addWidget(new QLabel(tr("Number of items"), item));
  buying->addWidget(count_);
  buying->addWidget(buy_);
  buying->addStretch();
  fields->addLayout(buying, kGearShownFields + 2, 0, 1, 2);

  auto* shopping = new QHBoxLayout;
  shopping->addWidget(tree_, 1);
  shopping->addLayout(shopColumn, 1);
  shopping->addWidget(item, 1);

  owned_ = new QTreeWidget(this);
  owned_->setObjectName("gearOwned");
  owned_->setColumnCount(2);
  owned_->setHeaderLabels({tr("Gear (carried below the divider)"), tr("Type and values")});
  owned_->setRootIsDecorated(false);
  owned_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  auto chooseOwned = [this](QTreeWidgetItem* row) {
    if (row == nullptr) return;
    editor_.Gear().ChooseOwned(owned_->indexOfTopLevelItem(row));
    emit Changed();
  };
  connect(owned_, &QTreeWidget::currentItemChanged, this, chooseOwned);
  connect(owned_, &QTreeWidget::itemClicked, this, chooseOwned);
  QToolButton* up = ArrowButton(Qt::UpArrow, "gearUp", this);
  QToolButton* down = ArrowButton(Qt::DownArrow, "gearDown", this);
  connect(up, &QToolButton::clicked, this, [this] {
    editor_.Gear().MoveUp();
    emit Changed();
  });
  connect(down, &QToolButton::clicked, this, [this] {
    editor_.Gear().MoveDown();
    emit Changed();
  });
  remove_ = new QPushButton(tr("Remove"), this);
  remove_->setObjectName("gearRemove");
  connect(remove_, &QPushButton::clicked, this, [this] {
    editor_.Gear().Remove();
    emit Changed();
  });
  weight_ = new QLabel(this);
  weight_->setObjectName("gearWeight");
  money_ = new QLabel(this);
  money_->setObjectName("gearMoney");
  auto* side = new QVBoxLayout;
  side->addWidget(up);
  side->addWidget(down);
  side->addWidget(remove_);
  side->addStretch();
  side->addWidget(new QLabel(tr("Total weight"), this));
  side->addWidget(weight_);
  side->addWidget(new QLabel(tr("Money left"), this));
  side->addWidget(money_);
  auto* owning = new QHBoxLayout;
  owning->addWidget(owned_, 1);
  owning->addLayout(side);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(shopping, 3);
  layout->addLayout(owning, 2);
  KeepFocusNear(remove_, owned_);
}

// The tree is rebuilt only when a reload changed the catalog, so what the player opened stays open.
void GearPage::FillTree() {
  const CatalogTree& nodes = editor_.CurrentCatalogs().gear.tree;
  std::vector<std::string> texts;
  for (const TreeNode& node : nodes) texts.push_back(node.text);
  if (texts == treeTexts_) return;
  treeTexts_ = std::move(texts);
  const std::vector<std::string> titles = GearGroupTitles(nodes);
  const QSignalBlocker block(tree_);
  tree_->clear();
  std::vector<QTreeWidgetItem*> parents;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const int level = std::max(nodes[i].indent, 1);
    parents.resize(std::min(parents.size(), static_cast<size_t>(level - 1)));
    const QStringList title = {ToQt(titles[i])};
    auto* item = parents.empty() ? new QTreeWidgetItem(tree_, title) : new QTreeWidgetItem(parents.back(), title);
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    parents.push_back(item);
  }
}

void GearPage::Refresh() {
  FillTree();
  const GearView& view = editor_.Gear().View();
  groupTitle_->setText(ToQt(view.groupTitle));
  {
    const QSignalBlocker block(shop_);
    const std::vector<std::string> names = GearShopNames(view.shopItems);
    const int count = static_cast<int>(names.size());
    while (shop_->count() > count) delete shop_->takeItem(shop_->count() - 1);
    while (shop_->count() < count) shop_->addItem(QString());
    for (int i = 0; i < count; ++i) {
      const QString name = ToQt(names[static_cast<size_t>(i)]);
      if (shop_->item(i)->text() != name) shop_->item(i)->setText(name);
    }
    if (shop_->currentRow() != view.shopSelected) shop_->setCurrentRow(view.shopSelected);
    if (view.shopSelected < 0) shop_->clearSelection();
    shop_->viewport()->update();
  }
  itemTitle_->setText(ToQt(view.itemTitle));
  for (size_t i = 0; i < kGearShownFields; ++i) {
    const bool shown = i < view.fields.size();
    names_[i]->setVisible(shown);
    values_[i]->setVisible(shown);
    if (!shown) continue;
    names_[i]->setText(ToQt(view.fields[i].name));
    values_[i]->setText(ToQt(view.fields[i].value));
    values_[i]->setEnabled(view.valuesEnabled);
  }
  if (FromQt(count_->text()) != view.countText) count_->setText(ToQt(view.countText));
  buy_->setEnabled(view.buyEnabled);

  std::vector<QStringList> rows;
  for (const GearRow& row : GearRows(editor_.Record().Gear, editor_.CurrentCatalogs().gear)) {
    rows.push_back({ToQt(row.name), ToQt(row.values)});
  }
  FillRows(owned_, rows, view.ownedSelected);
  remove_->setEnabled(view.removeEnabled);
  weight_->setText(ToQt(view.totalWeight));
  money_->setText(ToQt(view.moneyLeft));
}

}  // namespace ivgen
