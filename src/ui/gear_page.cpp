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

namespace {

// The divider is an entry the player moves like any other, shown as a line across the list.
void ShowDivider(QTreeWidgetItem* item, bool divider) {
  if (item->isFirstColumnSpanned() == divider) return;
  item->setFirstColumnSpanned(divider);
  item->setTextAlignment(0, divider ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  item->setForeground(0, divider ? QBrush(Qt::darkGray) : QBrush());
  item->setBackground(0, divider ? QBrush(QColor(0xe4, 0xe4, 0xe4)) : QBrush());
}

}  // namespace

GearPage::GearPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("gearTree");
  tree_->setHeaderLabel(tr("Gear"));
  tree_->setMinimumWidth(220);
  // The highlighted node is the one acted on, however it got there: a click, the arrow keys, or
  // a closed branch.
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    ClearShopFilter();
    editor_.Gear().ClickGroup(item->data(0, Qt::UserRole).toULongLong());
    emit Changed();
  });
  ChooseClosedBranches(tree_);

  groupTitle_ = new QLabel(this);
  groupTitle_->setObjectName("gearGroupTitle");
  groupTitle_->setTextFormat(Qt::PlainText);
  shop_ = ColumnList("gearShop", {tr("Item"), tr("Weight"), tr("Price"), tr("Book"), tr("Details")}, this);
  shop_->setMinimumWidth(230);
  NumberColumns(shop_, {1, 2});
  auto chooseShopItem = [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    editor_.Gear().ChooseItem(RowOf(shop_, item));
    emit Changed();
  };
  connect(shop_, &QTreeWidget::currentItemChanged, this, chooseShopItem);
  // A click on the row already current shows it again, after an owned entry took the panel.
  connect(shop_, &QTreeWidget::itemClicked, this, chooseShopItem);
  connect(shop_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    editor_.Gear().BuyItem(RowOf(shop_, item));
    emit Changed();
  });
  search_ = SearchBox("gearSearch", tr("Search all gear..."), this, [this](const QString& text) {
    editor_.Gear().Search(FromQt(text));
    emit Changed();
  });
  matches_ = ColumnList("gearMatches", {tr("Item"), tr("Group")}, this);
  matches_->setMinimumWidth(220);
  matches_->hide();
  auto chooseMatch = [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    ClearShopFilter();
    editor_.Gear().ChooseMatch(RowOf(matches_, item));
    emit Changed();
  };
  connect(matches_, &QTreeWidget::currentItemChanged, this, chooseMatch);
  // A click on the match already current shows it again, after an owned entry took the panel.
  connect(matches_, &QTreeWidget::itemClicked, this, chooseMatch);
  connect(matches_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    ClearShopFilter();
    editor_.Gear().BuyMatch(RowOf(matches_, item));
    emit Changed();
  });
  LeadInto(search_, [this]() -> QAbstractItemView* { return search_->text().isEmpty() ? tree_ : matches_; });
  shopFilter_ = FilterBox("gearShopFilter", this, [this] { Refresh(); });
  LeadInto(shopFilter_, [this] { return shop_; });
  auto* shopColumn = new QVBoxLayout;
  shopColumn->addWidget(groupTitle_);
  shopColumn->addWidget(shopFilter_);
  shopColumn->addWidget(shop_, 1);
  auto* treeColumn = new QVBoxLayout;
  treeColumn->addWidget(search_);
  treeColumn->addWidget(tree_, 1);
  treeColumn->addWidget(matches_, 1);

  auto* item = new QGroupBox(tr("Item"), this);
  auto* fields = new QGridLayout(item);
  itemTitle_ = new QLabel(item);
  itemTitle_->setObjectName("gearItemTitle");
  itemTitle_->setTextFormat(Qt::PlainText);
  itemTitle_->setStyleSheet("font-weight: bold;");
  fields->addWidget(itemTitle_, 0, 0, 1, 2);
  for (int i = 0; i < kGearShownFields; ++i) {
    names_[i] = new QLabel(item);
    values_[i] = new QLabel(item);
    values_[i]->setObjectName(QString("gearValue%1").arg(i + 1));
    // Catalog text, shown as written even where it looks like markup.
    names_[i]->setTextFormat(Qt::PlainText);
    values_[i]->setTextFormat(Qt::PlainText);
    fields->addWidget(names_[i], i + 1, 0);
    fields->addWidget(values_[i], i + 1, 1);
  }
  fields->setColumnStretch(1, 1);
  fields->setRowStretch(kGearShownFields + 1, 1);
  count_ = new QLineEdit(item);
  count_->setObjectName("gearCount");
  count_->setMaximumWidth(60);
  connect(count_, &QLineEdit::textEdited, this, [this](const QString& text) { editor_.Gear().SetCount(FromQt(text)); });
  buy_ = new QPushButton(tr("&Buy"), item);
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
  shopping->addLayout(treeColumn, 1);
  shopping->addLayout(shopColumn, 1);
  shopping->addWidget(item, 1);

  owned_ = ColumnList(
      "gearOwned",
      {tr("Gear (carried below the divider)"), tr("Count"), tr("Weight"), tr("Price"), tr("Book"), tr("Details")},
      this);
  NumberColumns(owned_, {1, 2, 3});
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
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName("gearRemove");
  connect(remove_, &QPushButton::clicked, this, [this] {
    editor_.Gear().Remove();
    emit Changed();
  });
  weight_ = new QLabel(this);
  weight_->setObjectName("gearWeight");
  money_ = new QLabel(this);
  weight_->setToolTip(tr("Weight of the gear carried: the entries below the divider"));
  money_->setToolTip(tr("Nuyen left: your resources minus everything bought"));
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
  PressOnKey(shop_, {Qt::Key_Return, Qt::Key_Enter}, buy_);
  PressOnKey(matches_, {Qt::Key_Return, Qt::Key_Enter}, buy_);
  PressOnKey(owned_, {Qt::Key_Delete}, remove_);
  setTabOrder(search_, tree_);
  setTabOrder(tree_, matches_);
  setTabOrder(matches_, shopFilter_);
  setTabOrder(shopFilter_, shop_);
  setTabOrder(shop_, count_);
  setTabOrder(count_, buy_);
  setTabOrder(buy_, owned_);
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

void GearPage::ClearShopFilter() {
  if (shopFilter_->text().isEmpty()) return;
  const QSignalBlocker block(shopFilter_);
  shopFilter_->clear();
}

void GearPage::ShowGroupInTree(int node) {
  const QTreeWidgetItem* current = tree_->currentItem();
  if (node < 0 || (current != nullptr && current->data(0, Qt::UserRole).toInt() == node)) return;
  for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
    if ((*it)->data(0, Qt::UserRole).toInt() != node) continue;
    const QSignalBlocker block(tree_);
    tree_->setCurrentItem(*it);
    tree_->scrollToItem(*it);
    return;
  }
}

// Every action refreshes every built page, so a long gear list is cut into rows only when it or
// the gear types changed.
void GearPage::ShowOwned(int selected) {
  const GearCatalog& catalog = editor_.CurrentCatalogs().gear;
  std::vector<std::string> types;
  for (const GearType& type : catalog.types) types.insert(types.end(), type.fieldNames.begin(), type.fieldNames.end());
  if (editor_.Record().Gear != ownedShown_ || types != typesShown_) {
    ownedShown_ = editor_.Record().Gear;
    typesShown_ = std::move(types);
    const std::vector<GearRow> owned = GearRows(ownedShown_, catalog);
    ownedRows_.clear();
    ownedRows_.reserve(owned.size());
    dividers_.assign(owned.size(), false);
    for (size_t i = 0; i < owned.size(); ++i) {
      const GearRow& row = owned[i];
      dividers_[i] = row.divider;
      if (row.divider) {
        ownedRows_.push_back({tr("Carried gear below")});
        continue;
      }
      ownedRows_.push_back({ToQt(row.item), QString::number(row.count), ToQt(row.weight), ToQt(row.price),
                            ToQt(row.book), ToQt(row.details)});
    }
  }
  FillRows(owned_, ownedRows_, selected);
  for (size_t i = 0; i < dividers_.size(); ++i) ShowDivider(owned_->topLevelItem(static_cast<int>(i)), dividers_[i]);
}

void GearPage::Refresh() {
  FillTree();
  const GearView& view = editor_.Gear().View();
  groupTitle_->setText(ToQt(view.groupTitle));
  {
    const std::vector<std::string> names = GearShopNames(view.shopItems);
    const std::vector<GearRow> items = GearRows(view.shopItems, editor_.CurrentCatalogs().gear);
    std::vector<QStringList> rows;
    rows.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      rows.push_back(
          {ToQt(names[i]), ToQt(items[i].weight), ToQt(items[i].price), ToQt(items[i].book), ToQt(items[i].details)});
    }
    FillRows(shop_, rows, view.shopSelected);
    FilterRows(shop_, shopFilter_->text());
  }
  ShowText(search_, view.search.text);
  const bool searching = !view.search.text.empty();
  tree_->setVisible(!searching);
  matches_->setVisible(searching);
  // The tree follows the group a match listed, and shows it when the box is emptied; while it
  // shows, the player's own moves through it must not be undone.
  if (searching) ShowGroupInTree(view.groupNode);
  {
    std::vector<QStringList> rows;
    rows.reserve(view.search.matches.size());
    for (const CatalogMatch& match : view.search.matches) rows.push_back({ToQt(match.name), ToQt(match.group)});
    FillRows(matches_, rows, view.search.chosen);
    ShowNoMatches(matches_, view.search.NoMatches());
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
  // A filtered-out item is not the one Buy would take.
  buy_->setEnabled(view.buyEnabled && CurrentShown(shop_));

  ShowOwned(view.ownedSelected);
  remove_->setEnabled(view.removeEnabled);
  weight_->setText(ToQt(view.totalWeight));
  money_->setText(ToQt(view.moneyLeft));
}

}  // namespace ivgen
