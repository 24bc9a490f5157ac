#include "ui/cyberware_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <functional>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

CyberwarePage::CyberwarePage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  // Each control runs one action of the page's unit; the window then shows what changed.
  auto run = [this](std::function<void(CyberwareUnit&)> action) {
    return [this, action] {
      action(editor_.Cyberware());
      emit Changed();
    };
  };

  catalog_ = new CatalogTreeView(
      "cyberCatalog", {{tr("Item"), 0}, {tr("Essence"), 1}, {tr("Price"), 2}, {tr("Street Index"), 5}, {tr("Book"), 3}},
      this, 3, 6);
  search_ = SearchBox("cyberSearch", tr("Search all cyberware..."), this, [run](const QString& text) {
    run([text](CyberwareUnit& unit) { unit.Search(FromQt(text)); })();
  });
  LeadInto(search_, [this] { return catalog_; });
  connect(catalog_, &CatalogTreeView::NodeChosen, this,
          [run](int node) { run([node](CyberwareUnit& unit) { unit.ChooseItem(node); })(); });
  connect(catalog_, &CatalogTreeView::NodeDoubleClicked, this,
          [run](int node) { run([node](CyberwareUnit& unit) { unit.BuyItem(node); })(); });

  auto* gradeGroup = new QGroupBox(tr("Grade"), this);
  auto* gradeLayout = new QHBoxLayout(gradeGroup);
  for (int g = 0; g < kGradeCount; ++g) {
    grades_[g] = new QRadioButton(ToQt(std::string(kGradeNames[g])), this);
    grades_[g]->setObjectName("grade" + grades_[g]->text());
    connect(grades_[g], &QRadioButton::clicked, this, run([g](CyberwareUnit& unit) { unit.ChooseGrade(g); }));
    gradeLayout->addWidget(grades_[g]);
  }
  used_ = new QCheckBox(tr("Used"), this);
  used_->setObjectName("used");
  connect(used_, &QCheckBox::clicked, this, [run](bool on) { run([on](CyberwareUnit& unit) { unit.SetUsed(on); })(); });
  gradeLayout->addWidget(used_);

  basePrice_ = ReadOnlyField("basePrice", this);
  essenceCost_ = ReadOnlyField("essenceCost", this);
  streetIndex_ = ReadOnlyField("streetIndex", this);
  calculatedPrice_ = ReadOnlyField("calculatedPrice", this);
  modifiedEssence_ = ReadOnlyField("modifiedEssence", this);
  book_ = ReadOnlyField("book", this);
  notes_ = NotesBox(this);
  QGroupBox* details = BoxGroup(tr("Item"),
                                {{tr("Price"), basePrice_},
                                 {tr("Essence"), essenceCost_},
                                 {tr("Calculated Price"), calculatedPrice_},
                                 {tr("Modified Essence"), modifiedEssence_},
                                 {tr("Street Index"), streetIndex_},
                                 {tr("Book"), book_},
                                 {tr("Notes"), notes_}},
                                this);

  auto* buttons = new QHBoxLayout;
  buy_ = ActionButton(tr("&Buy"), "buyCyberware", this, run([](CyberwareUnit& unit) { unit.Buy(); }));
  buttons->addWidget(buy_);
  remove_ = ActionButton(tr("&Remove"), "removeCyberware", this, run([](CyberwareUnit& unit) { unit.Remove(); }));
  buttons->addWidget(remove_);
  buttons->addStretch();

  essence_ = ReadOnlyField("essence", this);
  moneyLeft_ = ReadOnlyField("moneyLeft", this);
  essence_->setToolTip(tr("Essence: 6 minus the Essence cost of your cyberware"));
  moneyLeft_->setToolTip(tr("Nuyen left: your resources minus everything bought"));
  limbs_ = new QGroupBox(tr("Cyberlimb attributes"), this);
  limbs_->setObjectName("cyberLimbs");
  auto* limbsLayout = new QVBoxLayout(limbs_);
  limbsView_ = new QRadioButton("Cyber Arms/Legs", this);
  limbsView_->setObjectName("limbsView");
  standardView_ = new QRadioButton("Standard View", this);
  standardView_->setObjectName("standardView");
  connect(limbsView_, &QRadioButton::clicked, this, run([](CyberwareUnit& unit) { unit.ShowLimbs(); }));
  connect(standardView_, &QRadioButton::clicked, this, run([](CyberwareUnit& unit) { unit.ShowStandard(); }));
  limbsLayout->addWidget(limbsView_);
  limbsLayout->addWidget(standardView_);
  auto* below = new QHBoxLayout;
  below->addWidget(BoxGroup(tr("Totals"), {{tr("Essence"), essence_}, {tr("Nuyen left"), moneyLeft_}}, this, 1), 1);
  below->addWidget(limbs_, 1);

  installed_ =
      new EntryListView("installedCyberware",
                        {tr("Installed"), tr("Essence"), tr("Price"), tr("Book"), tr("Modifiers"), tr("Notes")}, this);
  connect(installed_, &EntryListView::EntryChosen, this,
          [run](int index) { run([index](CyberwareUnit& unit) { unit.SelectInstalled(index); })(); });
  LayOutImplantPage(this, tr("Cyberware"), search_, catalog_, {gradeGroup, details, buttons, below}, installed_);
  KeepFocusNear(remove_, installed_);
  setTabOrder(search_, catalog_);
  PressOnKey(catalog_, {Qt::Key_Return, Qt::Key_Enter}, buy_);
  PressOnKey(installed_, {Qt::Key_Delete}, remove_);
}

void CyberwarePage::Refresh() {
  const CyberwareView& view = editor_.Cyberware().View();
  catalog_->Show(editor_.CurrentCatalogs().cyberware, view.selectedItem);
  for (int g = 0; g < kGradeCount; ++g) grades_[g]->setChecked(view.grade == g);
  used_->setChecked(view.used);
  ShowText(basePrice_, view.basePrice);
  ShowText(essenceCost_, view.essenceCost);
  ShowText(streetIndex_, view.streetIndex);
  ShowText(calculatedPrice_, view.calculatedPrice);
  ShowText(modifiedEssence_, view.modifiedEssence);
  ShowText(book_, view.book);
  SetLabelText(notes_, view.note);
  ShowText(search_, view.search.text);
  catalog_->ShowFound(view.search);
  // A filtered-out item is not the one Buy would take.
  buy_->setEnabled(view.buyEnabled && CurrentShown(catalog_));
  remove_->setEnabled(view.removeEnabled);
  std::vector<QStringList> rows;
  for (const CyberwareRow& row : CyberwareRows(editor_.Record().Cyberware)) {
    rows.push_back(
        {ToQt(row.name), ToQt(row.essence), ToQt(row.price), ToQt(row.book), ToQt(row.codes), ToQt(row.notes)});
  }
  installed_->Show(rows, view.selectedInstalled);
  ShowText(essence_, view.essence);
  ShowText(moneyLeft_, view.moneyLeft);
  limbs_->setVisible(view.limbsFrameVisible);
  limbsView_->setChecked(view.limbsView);
  standardView_->setChecked(!view.limbsView);
}

}  // namespace ivgen
