#include "ui/point_generation_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "app/editor.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"
#include "ui/spin_buttons.h"

namespace ivgen {

namespace {

// The keys of the choices and options, each unique in the dialog beside its two buttons' D and E.
constexpr std::array<char, kPointRaceCount> kRaceKeys = {'H', 'w', 'T', 'S'};
constexpr std::array<char, kPointMagicCount> kMagicKeys = {'F', 'P', 'l', 'r', 'C', 'a'};
constexpr std::array<char, kResourceCount> kResourceKeys = {'5', 'K', '2', '9', '0', '4', '6', '1'};

QRadioButton* Choice(const char* caption, char key, const QString& name, QWidget* parent) {
  auto* choice = new QRadioButton(WithAccelerator(caption, key), parent);
  choice->setObjectName(name);
  // The view decides which one is chosen.
  choice->setAutoExclusive(false);
  return choice;
}

QCheckBox* Check(const char* caption, char key, const QString& name, QWidget* parent) {
  auto* check = new QCheckBox(WithAccelerator(caption, key), parent);
  check->setObjectName(name);
  return check;
}

void SetText(QLineEdit* edit, const std::string& text) {
  if (edit->text() != ToQt(text)) edit->setText(ToQt(text));
}

}  // namespace

PointGenerationDialog::PointGenerationDialog(Editor& editor, QWidget* parent) : DialogView(editor, parent) {
  setWindowTitle("Character Generation Using Points");
  setObjectName("pointGenerationDialog");

  auto* raceGroup = new QGroupBox(tr("Race"), this);
  auto* raceLayout = new QVBoxLayout(raceGroup);
  for (int i = 0; i < kPointRaceCount; ++i) {
    races_[i] =
        Choice(kPointRaceCaptions[i], kRaceKeys[static_cast<size_t>(i)], "pointRace" + QString::number(i), this);
    connect(races_[i], &QRadioButton::clicked, this,
            [this, i] { Act([this, i] { editor_.PointGeneration().ChooseRace(i); }); });
    raceLayout->addWidget(races_[i]);
  }

  auto* optionGroup = new QGroupBox(tr("Options"), this);
  auto* optionLayout = new QVBoxLayout(optionGroup);
  metaVariants_ = Check("MetaVariants (+5 Pts)", 'M', "metaVariants", this);
  ghoul_ = Check("Ghoul (+10 Pts)", 'G', "ghoul", this);
  otaku_ = Check("Otaku (+30 Pts)", 'O', "otaku", this);
  noRules_ = Check("NoRules (Existing Character)", 'N', "noRules", this);
  connect(metaVariants_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetMetaVariants(on); }); });
  connect(ghoul_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetGhoul(on); }); });
  connect(otaku_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetOtaku(on); }); });
  connect(noRules_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetNoRules(on); }); });
  for (QCheckBox* option : {metaVariants_, ghoul_, otaku_, noRules_}) optionLayout->addWidget(option);

  magic_ = Check("Magic", 'i', "magic", this);
  connect(magic_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetMagic(on); }); });
  magicGroup_ = new QGroupBox(this);
  magicGroup_->setObjectName("magicGroup");
  auto* magicLayout = new QVBoxLayout(magicGroup_);
  for (int i = 0; i < kPointMagicCount; ++i) {
    magicChoices_[i] =
        Choice(kPointMagicCaptions[i], kMagicKeys[static_cast<size_t>(i)], "pointMagic" + QString::number(i), this);
    connect(magicChoices_[i], &QRadioButton::clicked, this,
            [this, i] { Act([this, i] { editor_.PointGeneration().ChooseMagic(i); }); });
    magicLayout->addWidget(magicChoices_[i]);
  }
  physAd_ = Check("PhysAd:Magician", 'y', "pointPhysAd", this);
  connect(physAd_, &QCheckBox::clicked, this,
          [this](bool on) { Act([this, on] { editor_.PointGeneration().SetPhysAdMagician(on); }); });
  magicLayout->addWidget(physAd_);

  resources_ = new QGroupBox("Resources (in nuyen)", this);
  resources_->setObjectName("resources");
  auto* resourceLayout = new QGridLayout(resources_);
  for (int i = 0; i < kResourceCount; ++i) {
    resourceChoices_[i] =
        Choice(kResourceCaptions[i], kResourceKeys[static_cast<size_t>(i)], "resource" + QString::number(i), this);
    connect(resourceChoices_[i], &QRadioButton::clicked, this,
            [this, i] { Act([this, i] { editor_.PointGeneration().ChooseResources(i); }); });
    resourceLayout->addWidget(resourceChoices_[i], i, 0);
    resourceLayout->addWidget(new QLabel(kResourceLabels[i], this), i, 1);
  }

  // A number field with its spin buttons and the price of one step.
  auto numberRow = [this](QLineEdit*& field, const QString& name, const char* price,
                          std::function<void(PointGenerationUnit&, std::string)> set,
                          std::function<void(PointGenerationUnit&)> up,
                          std::function<void(PointGenerationUnit&)> down) {
    field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaximumWidth(56);
    field->setAlignment(Qt::AlignRight);
    connect(field, &QLineEdit::textEdited, this, [this, set](const QString& text) {
      Act([this, set, &text] { set(editor_.PointGeneration(), FromQt(text)); });
    });
    QHBoxLayout* row = SpinButtons(
        this, name, [this, up] { Act([this, up] { up(editor_.PointGeneration()); }); },
        [this, down] { Act([this, down] { down(editor_.PointGeneration()); }); });
    row->insertWidget(0, field);
    row->addWidget(new QLabel(price, this));
    row->addStretch();
    return row;
  };
  auto* numbers = new QGridLayout;
  numbers->addWidget(new QLabel("Attribute Points", this), 0, 0);
  numbers->addLayout(numberRow(attributePoints_, "attributePoints", "+ 2 Pts", &PointGenerationUnit::SetAttributePoints,
                               &PointGenerationUnit::RaiseAttributePoints, &PointGenerationUnit::LowerAttributePoints),
                     0, 1);
  numbers->addWidget(new QLabel("Active Skills", this), 1, 0);
  numbers->addLayout(numberRow(activeSkills_, "activeSkills", "+ 1 Pts", &PointGenerationUnit::SetActiveSkills,
                               &PointGenerationUnit::RaiseActiveSkills, &PointGenerationUnit::LowerActiveSkills),
                     1, 1);
  points_ = ReadOnlyNumber("points", this, 80);
  numbers->addWidget(new QLabel("Points", this), 2, 0);
  numbers->addWidget(points_, 2, 1, Qt::AlignLeft);

  auto* note = new QLabel("To Return to this page.. Use Priority Tab", this);
  note->setWordWrap(true);
  auto* edges = new QPushButton("&Edges && Flaws", this);
  edges->setObjectName("pointEdges");
  edges->setAutoDefault(false);
  auto* done = new QPushButton("&Done", this);
  done->setObjectName("pointDone");
  done->setDefault(true);
  connect(edges, &QPushButton::clicked, this,
          [this] { Act([this] { editor_.PointGeneration().OpenEdgesFromPoints(); }); });
  connect(done, &QPushButton::clicked, this, [this] { Act([this] { editor_.PointGeneration().Done(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(edges);
  buttons->addStretch();
  buttons->addWidget(done);

  auto* left = new QVBoxLayout;
  left->addWidget(raceGroup);
  left->addWidget(optionGroup);
  left->addWidget(magic_);
  left->addWidget(magicGroup_);
  // The magic choices keep their room while hidden, so ticking Magic does not move the buttons.
  for (QWidget* part : {static_cast<QWidget*>(magicGroup_), static_cast<QWidget*>(physAd_)}) {
    QSizePolicy policy = part->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    part->setSizePolicy(policy);
  }
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(resources_);
  right->addLayout(numbers);
  right->addWidget(note);
  right->addStretch();
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right);

  editor_.PointGeneration().Activate();
  Refresh();
}

void PointGenerationDialog::Refresh() {
  const CharacterRecord& record = editor_.Record();
  const PointGenerationView& view = editor_.PointGeneration().View();
  for (int i = 0; i < kPointRaceCount; ++i) races_[i]->setChecked(record.PtsRsel == i);
  metaVariants_->setChecked(record.PtsMeta != 0);
  ghoul_->setChecked(record.PtsGhoul != 0);
  otaku_->setChecked(record.PtsOtaku != 0);
  noRules_->setChecked(record.PtsNoRules != 0);
  magic_->setChecked(view.magic);
  magicGroup_->setVisible(view.magic);
  for (int i = 0; i < kPointMagicCount; ++i) magicChoices_[i]->setChecked(view.magicChoice == i);
  physAd_->setVisible(view.physAdVisible);
  physAd_->setChecked(record.PtsPhysAdMagic != 0);
  resources_->setEnabled(view.resourcesEnabled);
  for (int i = 0; i < kResourceCount; ++i) resourceChoices_[i]->setChecked(record.PtsResourceSel == i);
  SetText(attributePoints_, view.attributePoints);
  SetText(activeSkills_, view.activeSkills);
  SetText(points_, view.pointsDisplay);
}

void PointGenerationDialog::reject() {
  Act([this] { editor_.PointGeneration().Done(); });
}

}  // namespace ivgen
