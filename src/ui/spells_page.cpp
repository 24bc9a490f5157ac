#include "ui/spells_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

QStringList SpellHeadings(const QStringList& more) {
  QStringList headings{QObject::tr("Name")};
  for (std::string_view heading : kSpellColumnHeadings) headings << ToQt(std::string(heading));
  return headings + more;
}

// Where a chosen spell holds its points, between its five data columns and its book.
constexpr size_t kSpellPointsField = 6;

}  // namespace

void SpellsPage::Act(const std::function<void()>& action) {
  action();
  emit Changed();
}

SpellsPage::SpellsPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  SpellsUnit& spells = editor_.Spells();

  auto* traditionGroup = new QGroupBox(tr("Tradition / Totem"), this);
  auto* traditionLayout = new QVBoxLayout(traditionGroup);
  traditions_ = new QListWidget(this);
  traditions_->setObjectName("traditions");
  traditions_->setWordWrap(true);
  traditions_->setTextElideMode(Qt::ElideNone);
  traditions_->setAlternatingRowColors(true);
  traditionLayout->addWidget(traditions_);
  connect(traditions_, &QListWidget::currentRowChanged, this,
          [this, &spells](int row) { Act([&spells, row] { spells.ChooseTradition(row); }); });

  spellGroup_ = new QGroupBox(tr("Spells"), this);
  spellGroup_->setObjectName("spellGroup");
  categories_ = new QListWidget(this);
  categories_->setObjectName("spellCategories");
  categories_->setMaximumWidth(130);
  connect(categories_, &QListWidget::currentRowChanged, this,
          [this, &spells](int row) { Act([&spells, row] { spells.SelectCategory(row); }); });
  catalog_ = ColumnList("spellCatalog", SpellHeadings({}), this);
  connect(catalog_, &QTreeWidget::currentItemChanged, this, [this, &spells](QTreeWidgetItem* item) {
    Act([&spells, row = RowOf(catalog_, item)] { spells.SelectSpell(row); });
  });
  OnHighlightChange(catalog_, this, [this] { ShowAddEnabled(); });
  connect(catalog_, &QTreeWidget::itemDoubleClicked, this, [this, &spells](QTreeWidgetItem* item) {
    Act([&spells, row = RowOf(catalog_, item)] {
      spells.SelectSpell(row);
      spells.Add();
    });
  });
  search_ = SearchBox("spellSearch", tr("Search all spells..."), this,
                      [this, &spells](const QString& text) { Act([&spells, text] { spells.Search(FromQt(text)); }); });
  matches_ = ColumnList("spellMatches", {tr("Name"), tr("Category")}, this);
  matches_->hide();
  auto chooseMatch = [this, &spells](QTreeWidgetItem* item) {
    if (item != nullptr) Act([&spells, row = RowOf(matches_, item)] { spells.ChooseMatch(row); });
  };
  connect(matches_, &QTreeWidget::currentItemChanged, this, chooseMatch);
  connect(matches_, &QTreeWidget::itemClicked, this, chooseMatch);
  OnHighlightChange(matches_, this, [this] { ShowAddEnabled(); });
  connect(matches_, &QTreeWidget::itemDoubleClicked, this, [this, &spells](QTreeWidgetItem* item) {
    Act([&spells, row = RowOf(matches_, item)] {
      spells.ChooseMatch(row);
      if (spells.View().search.chosen == row) spells.Add();
    });
  });
  LeadInto(search_, [this]() -> QAbstractItemView* { return search_->text().isEmpty() ? catalog_ : matches_; });
  add_ = new QPushButton(tr("&Add"), this);
  QPushButton* add = add_;
  add->setObjectName("addSpell");
  connect(add, &QPushButton::clicked, this, [this, &spells] { Act([&spells] { spells.Add(); }); });

  chosen_ = ColumnList("chosenSpells", SpellHeadings({tr("Pts"), tr("Book")}), this);
  NumberColumns(chosen_, {static_cast<int>(kSpellPointsField)});
  connect(chosen_, &QTreeWidget::currentItemChanged, this, [this, &spells](QTreeWidgetItem* item) {
    Act([&spells, row = RowOf(chosen_, item)] { spells.SelectChosen(row); });
  });
  up_ = new QToolButton(this);
  up_->setObjectName("spellUp");
  up_->setArrowType(Qt::UpArrow);
  connect(up_, &QToolButton::clicked, this, [this, &spells] { Act([&spells] { spells.Raise(); }); });
  down_ = new QToolButton(this);
  down_->setObjectName("spellDown");
  down_->setArrowType(Qt::DownArrow);
  connect(down_, &QToolButton::clicked, this, [this, &spells] { Act([&spells] { spells.Lower(); }); });
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName("removeSpell");
  connect(remove_, &QPushButton::clicked, this, [this, &spells] { Act([&spells] { spells.Remove(); }); });

  points_ = ReadOnlyNumber("spellPoints", this, 90);
  overSpent_ = new QLabel(tr("over-spent"), this);
  overSpent_->setObjectName("spellsOverSpent");
  overSpent_->setStyleSheet("color: white; background: #b00000; padding: 1px 4px; font-weight: bold;");
  moneyLeft_ = ReadOnlyNumber("spellMoneyLeft", this, 90);
  points_->setToolTip(tr("Spell points: used of those you have"));
  overSpent_->setToolTip(tr("More spell points used than you have"));
  moneyLeft_->setToolTip(tr("Nuyen left: your resources minus everything bought"));
  auto* buy = new QPushButton("&" + ToQt(kBuySpellPointsCaption), this);
  buy->setObjectName("buySpellPoints");
  connect(buy, &QPushButton::clicked, this, [this, &spells] { Act([&spells] { spells.BuyPoints(); }); });

  auto* grid = new QGridLayout(spellGroup_);
  grid->addWidget(new QLabel(tr("Category"), this), 0, 0);
  auto* spellsHeading = new QHBoxLayout;
  spellsHeading->addWidget(new QLabel(tr("Spells"), this));
  spellsHeading->addWidget(search_, 1);
  grid->addLayout(spellsHeading, 0, 1);
  grid->addWidget(categories_, 1, 0);
  auto* spellList = new QVBoxLayout;
  spellList->addWidget(catalog_);
  spellList->addWidget(matches_);
  grid->addLayout(spellList, 1, 1);
  auto* addColumn = new QVBoxLayout;
  addColumn->addWidget(add);
  addColumn->addStretch();
  grid->addLayout(addColumn, 1, 2);
  grid->addWidget(new QLabel(tr("Chosen spells"), this), 2, 0, 1, 2);
  grid->addWidget(chosen_, 3, 0, 1, 2);
  auto* chosenColumn = new QVBoxLayout;
  auto* spin = new QHBoxLayout;
  spin->setSpacing(0);
  spin->addWidget(up_);
  spin->addWidget(down_);
  chosenColumn->addLayout(spin);
  chosenColumn->addWidget(remove_);
  chosenColumn->addStretch();
  grid->addLayout(chosenColumn, 3, 2);
  auto* totals = new QHBoxLayout;
  totals->addWidget(new QLabel(tr("Spell points used"), this));
  totals->addWidget(points_);
  totals->addWidget(overSpent_);
  totals->addSpacing(24);
  totals->addWidget(new QLabel(tr("Nuyen left"), this));
  totals->addWidget(moneyLeft_);
  totals->addStretch();
  totals->addWidget(buy);
  grid->addLayout(totals, 4, 0, 1, 3);
  grid->setRowStretch(1, 3);
  grid->setRowStretch(3, 2);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(traditionGroup, 2);
  layout->addWidget(spellGroup_, 5);
  KeepFocusNear(remove_, chosen_);
  setTabOrder(categories_, search_);
  setTabOrder(search_, catalog_);
  setTabOrder(catalog_, matches_);
  PressOnKey(catalog_, {Qt::Key_Return, Qt::Key_Enter}, add_);
  PressOnKey(matches_, {Qt::Key_Return, Qt::Key_Enter}, add_);
  PressOnKey(chosen_, {Qt::Key_Delete}, remove_);
}

void SpellsPage::ShowAddEnabled() {
  // Add takes the spell highlighted in the list the page shows.
  add_->setEnabled(CurrentShown(catalog_->isHidden() ? matches_ : catalog_));
}

void SpellsPage::Refresh() {
  const SpellsUnit& spells = editor_.Spells();
  const SpellsView& view = spells.View();
  const Catalogs& catalogs = editor_.CurrentCatalogs();
  auto showList = [](QListWidget* list, const QStringList& lines, int selected) {
    const QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (shown != lines) {
      list->clear();
      list->addItems(lines);
    }
    list->setCurrentRow(selected >= 0 && selected < list->count() ? selected : -1);
  };
  QStringList traditions;
  for (const std::string& entry : catalogs.traditions) traditions << ToQt(entry);
  showList(traditions_, traditions, editor_.Record().Tradition);

  spellGroup_->setVisible(spells.GroupVisible());
  QStringList categories;
  for (const std::string& name : EntryNames(catalogs.spells.categories)) categories << ToQt(name);
  showList(categories_, categories, view.selectedCategory);
  std::vector<std::vector<std::string>> rows;
  for (const std::string& entry : view.categorySpells) rows.push_back(SpellColumns(entry));
  ShowRows(catalog_, rows, view.selectedSpell);
  ShowText(search_, view.search.text);
  const bool searching = !view.search.text.empty();
  catalog_->setVisible(!searching);
  matches_->setVisible(searching);
  rows.clear();
  for (const CatalogMatch& match : view.search.matches) rows.push_back({match.name, match.group});
  ShowRows(matches_, rows, view.search.chosen);
  ShowNoMatches(matches_, view.search.NoMatches());
  ShowAddEnabled();
  rows.clear();
  for (SpellRow& row : SpellRows(editor_.Record().Spells)) {
    row.cells.resize(kSpellPointsField + 2);
    row.cells[kSpellPointsField] = NumbersInBrackets(row.points).first;
    rows.push_back(std::move(row.cells));
  }
  ShowRows(chosen_, rows, view.selectedChosen);

  up_->setEnabled(view.spinnerEnabled);
  down_->setEnabled(view.spinnerEnabled);
  remove_->setEnabled(view.removeEnabled);
  ShowText(points_, spells.PointsDisplay());
  overSpent_->setVisible(spells.OverSpent());
  ShowText(moneyLeft_, view.moneyLeft);
}

}  // namespace ivgen
