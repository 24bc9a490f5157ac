#include "ui/bioware_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <functional>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

BiowarePage::BiowarePage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  // Each control runs one action of the page's unit; the window then shows what changed.
  auto run = [this](std::function<void(BiowareUnit&)> action) {
    return [this, action] {
      action(editor_.Bioware());
      emit Changed();
    };
  };

  catalog_ = new CatalogTreeView(
      "bioCatalog", {{tr("Item"), 0}, {tr("Bio-index"), 1}, {tr("Price"), 2}, {tr("Book"), 3}}, this, 3, 6);
  search_ = SearchBox("bioSearch", tr("Search all bioware..."), this,
                      [run](const QString& text) { run([text](BiowareUnit& unit) { unit.Search(FromQt(text)); })(); });
  LeadInto(search_, [this] { return catalog_; });
  connect(catalog_, &CatalogTreeView::NodeChosen, this,
          [run](int node) { run([node](BiowareUnit& unit) { unit.ChooseItem(node); })(); });
  connect(catalog_, &CatalogTreeView::NodeDoubleClicked, this,
          [run](int node) { run([node](BiowareUnit& unit) { unit.BuyItem(node); })(); });

  auto* typeGroup = new QGroupBox(tr("Type"), this);
  auto* typeLayout = new QHBoxLayout(typeGroup);
  for (int t = 0; t < kBiowareTypeCount; ++t) {
    types_[t] = new QRadioButton(ToQt(std::string(kBiowareTypeNames[t])), this);
    types_[t]->setObjectName("type" + types_[t]->text());
    connect(types_[t], &QRadioButton::clicked, this, run([t](BiowareUnit& unit) { unit.ChooseType(t); }));
    typeLayout->addWidget(types_[t]);
  }

  basePrice_ = ReadOnlyField("basePrice", this);
  bioIndexCost_ = ReadOnlyField("bioIndexCost", this);
  calculatedPrice_ = ReadOnlyField("calculatedPrice", this);
  book_ = ReadOnlyField("book", this);
  notes_ = NotesBox(this);
  QGroupBox* details = BoxGroup(tr("Item"),
                                {{tr("Price"), basePrice_},
                                 {tr("Bio-index"), bioIndexCost_},
                                 {tr("Calculated Price"), calculatedPrice_},
                                 {tr("Book"), book_},
                                 {tr("Notes"), notes_}},
                                this);

  auto* buttons = new QHBoxLayout;
  buy_ = ActionButton(tr("&Buy"), "buyBioware", this, run([](BiowareUnit& unit) { unit.Buy(); }));
  buttons->addWidget(buy_);
  remove_ = ActionButton(tr("&Remove"), "removeBioware", this, run([](BiowareUnit& unit) { unit.Remove(); }));
  buttons->addWidget(remove_);
  buttons->addStretch();

  bioIndex_ = ReadOnlyField("bioIndex", this);
  essenceIndex_ = ReadOnlyField("essenceIndex", this);
  moneyLeft_ = ReadOnlyField("moneyLeft", this);
  bioIndex_->setToolTip(tr("Bio-index: the bio-index cost of all your bioware"));
  essenceIndex_->setToolTip(tr("Essence index: your Essence plus 3; bioware reaching it is excessive"));
  moneyLeft_->setToolTip(tr("Nuyen left: your resources minus everything bought"));
  QGroupBox* totals = BoxGroup(
      tr("Totals"),
      {{tr("Bio-index"), bioIndex_}, {tr("Essence Index"), essenceIndex_}, {tr("Nuyen left"), moneyLeft_}}, this);
  warning_ = new QLabel(kExcessiveBiowareWarning, this);
  warning_->setObjectName("excessiveBioware");
  warning_->setToolTip(tr("Your bioware's bio-index has reached your Essence index (Essence plus 3)"));
  warning_->setStyleSheet("color: white; background: #b00000; padding: 2px 6px; font-weight: bold;");

  installed_ = new EntryListView(
      "installedBioware",
      {tr("Installed"), tr("Bio-index"), tr("Price"), tr("Book"), tr("Type"), tr("Modifiers"), tr("Notes")}, this);
  connect(installed_, &EntryListView::EntryChosen, this,
          [run](int index) { run([index](BiowareUnit& unit) { unit.SelectInstalled(index); })(); });
  LayOutImplantPage(this, tr("Bioware"), search_, catalog_, {typeGroup, details, buttons, totals, warning_},
                    installed_);
  KeepFocusNear(remove_, installed_);
  setTabOrder(search_, catalog_);
  PressOnKey(catalog_, {Qt::Key_Return, Qt::Key_Enter}, buy_);
  PressOnKey(installed_, {Qt::Key_Delete}, remove_);
}

void BiowarePage::Refresh() {
  const BiowareView& view = editor_.Bioware().View();
  catalog_->Show(editor_.CurrentCatalogs().bioware, view.selectedItem);
  for (int t = 0; t < kBiowareTypeCount; ++t) types_[t]->setChecked(view.type == t);
  ShowText(basePrice_, view.basePrice);
  ShowText(bioIndexCost_, view.bioIndexCost);
  ShowText(calculatedPrice_, view.calculatedPrice);
  ShowText(book_, view.book);
  SetLabelText(notes_, view.note);
  ShowText(search_, view.search.text);
  catalog_->ShowFound(view.search);
  // A filtered-out item is not the one Buy would take.
  buy_->setEnabled(view.buyEnabled && CurrentShown(catalog_));
  remove_->setEnabled(view.removeEnabled);
  std::vector<QStringList> rows;
  for (const BiowareRow& row : BiowareRows(editor_.Record().Bioware)) {
    rows.push_back({ToQt(row.name), ToQt(row.bioIndex), ToQt(row.price), ToQt(row.book), ToQt(row.type),
                    ToQt(row.codes), ToQt(row.notes)});
  }
  installed_->Show(rows, view.selectedInstalled);
  ShowText(bioIndex_, view.bioIndex);
  ShowText(essenceIndex_, view.essenceIndex);
  ShowText(moneyLeft_, view.moneyLeft);
  warning_->setVisible(view.excessiveWarning);
}

}  // namespace ivgen
