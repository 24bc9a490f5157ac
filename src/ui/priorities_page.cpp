#include "ui/priorities_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "rules/priorities.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

void SetListTexts(QListWidget* list, const std::array<std::string, kPriorityRows>& texts) {
  for (int row = 0; row < kPriorityRows; ++row) {
    const QString text = ToQt(texts[row]);
    if (list->item(row)->text() != text) list->item(row)->setText(text);
  }
}

}  // namespace

PrioritiesPage::PrioritiesPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  auto* table = new QGroupBox(tr("Priorities"), this);
  auto* tableLayout = new QGridLayout(table);
  areas_ = new QListWidget(this);
  areas_->setObjectName("priorityAreas");
  values_ = new QListWidget(this);
  values_->setObjectName("priorityValues");
  for (QListWidget* list : {areas_, values_}) {
    for (int row = 0; row < kPriorityRows; ++row) list->addItem(QString());
    list->setFixedHeight(list->sizeHintForRow(0) * kPriorityRows + 2 * list->frameWidth() + 4);
    connect(list, &QListWidget::currentRowChanged, this, &PrioritiesPage::RowClicked);
  }
  // A list of its own, framed and sized as the two beside it, so each letter sits on its row at
  // any font size or scale.
  auto* letters = new QListWidget(this);
  letters->setObjectName("priorityLetters");
  for (std::string_view letter : kRowLetters) letters->addItem(ToQt(std::string(letter)));
  letters->setSelectionMode(QAbstractItemView::NoSelection);
  letters->setFocusPolicy(Qt::NoFocus);
  letters->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  letters->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  letters->setFixedSize(letters->fontMetrics().horizontalAdvance("MM") + 2 * letters->frameWidth(),
                        areas_->maximumHeight());
  auto* up = new QToolButton(this);
  up->setObjectName("priorityUp");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setObjectName("priorityDown");
  down->setArrowType(Qt::DownArrow);
  connect(up, &QToolButton::clicked, this, [this] {
    editor_.Priorities().MoveUp();
    emit Changed();
  });
  connect(down, &QToolButton::clicked, this, [this] {
    editor_.Priorities().MoveDown();
    emit Changed();
  });
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(up);
  arrows->addWidget(down);
  arrows->addStretch();
  tableLayout->addWidget(new QLabel(tr("Area"), this), 0, 1);
  tableLayout->addWidget(new QLabel(tr("Grants"), this), 0, 2);
  tableLayout->addWidget(letters, 1, 0);
  tableLayout->addWidget(areas_, 1, 1);
  tableLayout->addWidget(values_, 1, 2);
  tableLayout->addLayout(arrows, 1, 3);
  tableLayout->setRowStretch(2, 1);

  auto* magic = new QGroupBox(tr("Magic"), this);
  auto* magicLayout = new QVBoxLayout(magic);
  adeptGroup_ = new QGroupBox("Adept (Aspected)", this);
  adeptGroup_->setObjectName("adeptGroup");
  auto* adeptLayout = new QVBoxLayout(adeptGroup_);
  for (int i = 0; i < 5; ++i) {
    adeptChoices_[i] = new QRadioButton(ToQt(std::string(kAdeptChoices[i])), this);
    adeptChoices_[i]->setObjectName("adept" + QString::number(i));
    adeptChoices_[i]->setAutoExclusive(false);
    connect(adeptChoices_[i], &QRadioButton::clicked, this, [this, i] {
      editor_.Priorities().ChooseAdept(i);
      emit Changed();
    });
    adeptLayout->addWidget(adeptChoices_[i]);
  }
  physAd_ = new QCheckBox("PhysAd: Path of the Magician", this);
  physAd_->setObjectName("physAdMagic");
  connect(physAd_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.Priorities().SetPhysAdMagic(on);
    emit Changed();
  });
  initiation_ = new QCheckBox("Initiation/Geas Mod", this);
  initiation_->setObjectName("initiation");
  connect(initiation_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.Priorities().SetInitiation(on);
    emit Changed();
  });
  grade_ = new QLineEdit(this);
  grade_->setObjectName("grade");
  grade_->setMaximumWidth(60);
  connect(grade_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.Priorities().SetGradeText(FromQt(text));
    emit Changed();
  });
  auto* initiationRow = new QHBoxLayout;
  initiationRow->addWidget(initiation_);
  initiationRow->addWidget(new QLabel(tr("Grade"), this));
  initiationRow->addWidget(grade_);
  initiationRow->addStretch();
  magicLayout->addWidget(adeptGroup_);
  magicLayout->addWidget(physAd_);
  magicLayout->addLayout(initiationRow);

  auto* existing = new QGroupBox(tr("Existing character"), this);
  auto* existingLayout = new QHBoxLayout(existing);
  override_ = new QCheckBox("Override Limits (Existing Char)", this);
  override_->setObjectName("overrideLimits");
  connect(override_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.Priorities().SetOverrideLimits(on);
    emit Changed();
  });
  moneyLabel_ = new QLabel("Money", this);
  money_ = new QLineEdit(this);
  money_->setObjectName("money");
  money_->setMaximumWidth(120);
  connect(money_, &QLineEdit::textEdited, this, [this](const QString& text) {
    editor_.Priorities().SetMoneyText(FromQt(text));
    emit Changed();
  });
  existingLayout->addWidget(override_);
  existingLayout->addWidget(moneyLabel_);
  existingLayout->addWidget(money_);
  existingLayout->addStretch();

  // Where a new player looks first; the View menu holds the same choice.
  auto* method = new QGroupBox(tr("Generation method"), this);
  auto* methodLayout = new QHBoxLayout(method);
  byPriority_ = new QRadioButton(tr("&Priority"), this);
  byPriority_->setObjectName("methodPriority");
  byPoints_ = new QRadioButton(tr("B&uild Points"), this);
  byPoints_->setObjectName("methodPoints");
  connect(byPriority_, &QRadioButton::clicked, this, [this] {
    editor_.Priorities().ChoosePriorityGenerator();
    emit Changed();
  });
  connect(byPoints_, &QRadioButton::clicked, this, [this] {
    editor_.Priorities().ChoosePointGenerator();
    emit Changed();
  });
  methodLayout->addWidget(byPriority_);
  methodLayout->addWidget(byPoints_);
  methodLayout->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(method);
  right->addWidget(magic);
  right->addWidget(existing);
  right->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addLayout(right, 1);
}

void PrioritiesPage::RowClicked(int row) {
  if (row < 0) return;
  editor_.Priorities().SelectRow(row);
  emit Changed();
}

void PrioritiesPage::Refresh() {
  const CharacterRecord& record = editor_.Record();
  const PriorityView& view = editor_.Priorities().View();
  for (QListWidget* list : {areas_, values_}) {
    const QSignalBlocker block(list);
    SetListTexts(list, list == areas_ ? view.order : view.valueTexts);
    if (list->currentRow() != view.selectedRow) list->setCurrentRow(view.selectedRow);
  }
  adeptGroup_->setVisible(view.adeptGroupVisible);
  for (int i = 0; i < 5; ++i) adeptChoices_[i]->setChecked(record.Adept == i);
  physAd_->setVisible(view.physAdVisible);
  physAd_->setChecked(record.PhysAdMagic != 0);
  initiation_->setEnabled(view.initiationEnabled);
  initiation_->setChecked(record.Initiation != 0);
  grade_->setEnabled(view.gradeEnabled);
  if (grade_->text() != ToQt(view.gradeText)) grade_->setText(ToQt(view.gradeText));
  override_->setChecked(record.OverrideLimits());
  byPriority_->setChecked(!record.GeneratorPoints);
  byPoints_->setChecked(record.GeneratorPoints);
  byPoints_->setEnabled(view.pointSystemAvailable);
  moneyLabel_->setVisible(view.moneyVisible);
  money_->setVisible(view.moneyVisible);
  if (money_->text() != ToQt(view.moneyText)) money_->setText(ToQt(view.moneyText));
}

QMenu* CreateCharacterGenMenu(Editor& editor, QWidget* parent, std::function<void()> changed) {
  auto* menu = new QMenu("&Character Gen.", parent);
  QAction* priority = menu->addAction("Priority");
  QAction* points = menu->addAction("Point System");
  QAction* existing = menu->addAction("Existing Character");
  for (QAction* action : {priority, points, existing}) action->setCheckable(true);
  auto marks = [&editor, priority, points, existing] {
    points->setEnabled(editor.Priorities().View().pointSystemAvailable);
    priority->setChecked(!editor.Record().GeneratorPoints);
    points->setChecked(editor.Record().GeneratorPoints);
    existing->setChecked(editor.Record().OverrideLimits());
  };
  QObject::connect(menu, &QMenu::aboutToShow, menu, marks);
  QObject::connect(priority, &QAction::triggered, menu, [&editor, changed, marks] {
    editor.Priorities().ChoosePriorityGenerator();
    marks();
    changed();
  });
  QObject::connect(points, &QAction::triggered, menu, [&editor, changed, marks] {
    editor.Priorities().ChoosePointGenerator();
    marks();
    changed();
  });
  QObject::connect(existing, &QAction::triggered, menu, [&editor, changed, marks] {
    editor.Priorities().ToggleExistingCharacter();
    marks();
    changed();
  });
  marks();
  return menu;
}

}  // namespace ivgen
