#include "ui/animal_form_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/qt_text.h"
#include "ui/spin_buttons.h"

namespace ivgen {

namespace {

constexpr const char* kAnimalNames[] = {"Body", "Quickness", "Strength"};

}  // namespace

QLineEdit* AnimalFormDialog::Cell(const QString& name) { return cells_.Add(this, name, 48); }

void AnimalFormDialog::Show(const QString& name, const std::string& text) { cells_.Show(name, text); }

AnimalFormDialog::AnimalFormDialog(Editor& editor, QWidget* parent) : DialogView(editor, parent) {
  setWindowTitle("Shapeshifter Animal Attributes");
  setObjectName("animalFormDialog");
  setModal(false);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Natural"), this), 0, 1);
  grid->addWidget(new QLabel("Mods", this), 0, 3);
  grid->addWidget(new QLabel(tr("Total"), this), 0, 4);
  for (int i = 0; i < 3; ++i) {
    const QString key = kAnimalNames[i];
    QHBoxLayout* spin = SpinButtons(
        this, "animal" + key, [this, i] { Act([this, i] { editor_.AnimalForm().Raise(i); }); },
        [this, i] { Act([this, i] { editor_.AnimalForm().Lower(i); }); });
    grid->addWidget(new QLabel(key, this), i + 1, 0);
    grid->addWidget(Cell("animal" + key + "Base"), i + 1, 1);
    grid->addLayout(spin, i + 1, 2);
    grid->addWidget(Cell("animal" + key + "Modifier"), i + 1, 3);
    grid->addWidget(Cell("animal" + key + "Total"), i + 1, 4);
  }
  grid->addWidget(new QLabel("Running Multiplier", this), 4, 0);
  grid->addWidget(Cell("animalRunMult"), 4, 1);
  int row = 5;
  for (const char* derived : {"Reaction", "Ini Dice"}) {
    const QString key = QString(derived).remove(' ');
    grid->addWidget(new QLabel(derived, this), row, 0);
    grid->addWidget(Cell("animal" + key + "Base"), row, 1);
    grid->addWidget(Cell("animal" + key + "Modifier"), row, 3);
    grid->addWidget(Cell("animal" + key + "Total"), row, 4);
    ++row;
  }
  grid->addWidget(new QLabel("Combat Pool", this), row, 0);
  grid->addWidget(Cell("animalCombatPool"), row, 1);
  grid->addWidget(new QLabel("Used/Max", this), row + 1, 0);
  grid->addWidget(Cell("animalPoints"), row + 1, 1);
  overLimit_ = new QLabel(tr("over limit"), this);
  overLimit_->setObjectName("animalOverLimit");
  overLimit_->setStyleSheet("color: white; background: #b00000; padding: 1px 4px; font-weight: bold;");
  grid->addWidget(overLimit_, row + 1, 3, 1, 2);

  auto* hide = new QPushButton("&Hide", this);
  hide->setObjectName("animalHide");
  connect(hide, &QPushButton::clicked, this, [this] { Act([this] { editor_.AnimalForm().Hide(); }); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(hide);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  Refresh();
}

void AnimalFormDialog::Refresh() {
  const ShapeshiftGroup& animal = editor_.Record().Animal;
  const SpecialsView& view = editor_.AnimalForm().View();
  for (int i = 0; i < 3; ++i) {
    const QString key = QString("animal") + kAnimalNames[i];
    Show(key + "Base", animal.Attr[i].Base);
    Show(key + "Modifier", animal.Attr[i].Modifier);
    Show(key + "Total", animal.Attr[i].Total);
  }
  Show("animalRunMult", animal.RunMult);
  for (const auto& [key, derived] :
       {std::pair{"Reaction", &animal.Reaction}, std::pair{"IniDice", &animal.Initative}}) {
    Show(QString("animal") + key + "Base", derived->Base);
    Show(QString("animal") + key + "Modifier", derived->Modifier);
    Show(QString("animal") + key + "Total", derived->Total);
  }
  Show("animalCombatPool", view.combatPool);
  Show("animalPoints", view.pointsDisplay);
  overLimit_->setVisible(view.overLimit);
}

void AnimalFormDialog::reject() {
  Act([this] { editor_.AnimalForm().Hide(); });
}

}  // namespace ivgen
