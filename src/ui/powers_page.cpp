#include "ui/powers_page.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// What a catalog power's markers ask when it is bought.
std::string Asks(const MarkedName& marked) {
  if (marked.asksLevel && marked.asksTarget) return "asks for a level and a target";
  if (marked.asksLevel) return "asks for a level";
  return marked.asksTarget ? "asks for a target" : "";
}

}  // namespace

void PowersPage::Act(const std::function<void()>& action) {
  action();
  emit Changed();
}

PowersPage::PowersPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  PowersUnit& powers = editor_.Powers();
  powerGroup_ = new QGroupBox(tr("Adept Powers"), this);
  powerGroup_->setObjectName("powerGroup");

  catalog_ = ColumnList("powerCatalog", {tr("Power"), tr("Cost"), tr("Book"), tr("When bought")}, this);
  filter_ = FilterBox("powerFilter", this, [this] { Refresh(); });
  connect(catalog_, &QTreeWidget::currentItemChanged, this, [this, &powers](QTreeWidgetItem* item) {
    Act([&powers, row = RowOf(catalog_, item)] { powers.ShowPower(row); });
  });
  OnHighlightChange(catalog_, this, [this] { ShowBuyEnabled(); });
  connect(catalog_, &QTreeWidget::itemDoubleClicked, this, [this, &powers](QTreeWidgetItem* item) {
    Act([&powers, row = RowOf(catalog_, item)] {
      powers.ShowPower(row);
      powers.Buy();
    });
  });
  owned_ = ColumnList("ownedPowers", {tr("Power"), tr("Level"), tr("Cost"), tr("Note")}, this);
  NumberColumns(owned_, {1, 2});
  NumberColumns(catalog_, {1});
  connect(owned_, &QTreeWidget::currentItemChanged, this, [this, &powers](QTreeWidgetItem* item) {
    Act([&powers, row = RowOf(owned_, item)] { powers.SelectOwned(row); });
  });
  buy_ = new QPushButton(tr("&Buy >>"), this);
  QPushButton* buy = buy_;
  buy->setObjectName("buyPower");
  connect(buy, &QPushButton::clicked, this, [this, &powers] { Act([&powers] { powers.Buy(); }); });
  remove_ = new QPushButton(tr("<< &Remove"), this);
  remove_->setObjectName("removePower");
  connect(remove_, &QPushButton::clicked, this, [this, &powers] { Act([&powers] { powers.Remove(); }); });

  cost_ = ReadOnlyField("powerCost", this);
  cost_->setMaximumWidth(70);
  note_ = ReadOnlyField("powerNote", this);
  points_ = ReadOnlyField("powerPoints", this);
  points_->setToolTip(tr("Power points: used of your Magic rating"));
  points_->setMaximumWidth(90);
  points_->setAlignment(Qt::AlignRight);

  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(buy);
  buttons->addWidget(remove_);
  buttons->addStretch();
  auto* shown = new QFormLayout;
  shown->addRow(tr("Cost"), cost_);
  shown->addRow(tr("Note"), note_);
  shown->addRow(tr("Power points used"), points_);

  auto* grid = new QGridLayout(powerGroup_);
  auto* catalogHeading = new QHBoxLayout;
  catalogHeading->addWidget(new QLabel(tr("Power catalog"), this));
  catalogHeading->addWidget(filter_, 1);
  grid->addLayout(catalogHeading, 0, 0);
  grid->addWidget(new QLabel(tr("Powers bought"), this), 0, 2);
  grid->addWidget(catalog_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addWidget(owned_, 1, 2);
  grid->addLayout(shown, 2, 0, 1, 3);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(2, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(powerGroup_);
  KeepFocusNear(remove_, owned_);
  setTabOrder(filter_, catalog_);
  LeadInto(filter_, [this] { return catalog_; });
  PressOnKey(catalog_, {Qt::Key_Return, Qt::Key_Enter}, buy_);
  PressOnKey(owned_, {Qt::Key_Delete}, remove_);
}

void PowersPage::ShowBuyEnabled() {
  // A filtered-out power is not the one Buy would take.
  buy_->setEnabled(CurrentShown(catalog_));
}

void PowersPage::Refresh() {
  const PowersUnit& powers = editor_.Powers();
  const PowersView& view = powers.View();
  powerGroup_->setVisible(powers.GroupVisible());
  std::vector<std::vector<std::string>> rows;
  std::vector<PowerRow> catalog = PowerRows(editor_.CurrentCatalogs().powers);
  for (PowerRow& row : catalog) rows.push_back({row.marked.name, row.cost, row.book, Asks(row.marked)});
  ShowRows(catalog_, rows, view.selectedPower);
  for (size_t i = 0; i < catalog.size(); ++i) {
    QTreeWidgetItem* item = catalog_->topLevelItem(static_cast<int>(i));
    const QString tip = PlainTip(ToQt(catalog[i].note));
    if (item->toolTip(0) != tip) item->setToolTip(0, tip);
  }
  FilterRows(catalog_, filter_->text());
  ShowBuyEnabled();
  rows.clear();
  for (PowerRow& row : PowerRows(editor_.Record().Powers)) {
    rows.push_back({std::move(row.marked.name),
                    !row.marked.asksLevel ? ""
                    : row.level.empty()   ? "1"
                                          : row.level,
                    std::move(row.cost), std::move(row.note)});
  }
  ShowRows(owned_, rows, view.selectedOwned);
  remove_->setEnabled(view.removeEnabled);
  ShowText(cost_, view.shownCost);
  ShowText(note_, view.shownNote);
  ShowText(points_, powers.PointsDisplay());
}

}  // namespace ivgen
