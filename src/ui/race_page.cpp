#include "ui/race_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "rules/race.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

constexpr const char* kAnimalLabels[] = {"Body", "Quickness", "Strength", "Run Mult.", "Reaction", "Ini Dice"};

QLineEdit* ReadOnlyCell(QWidget* parent, const QString& name) {
  auto* cell = new QLineEdit(parent);
  cell->setObjectName(name);
  cell->setReadOnly(true);
  cell->setMaximumWidth(48);
  cell->setAlignment(Qt::AlignRight);
  return cell;
}

void SetText(QLineEdit* cell, const std::string& text) {
  if (cell->text() != ToQt(text)) cell->setText(ToQt(text));
}

}  // namespace

RacePage::RacePage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  auto* raceGroup = new QGroupBox(tr("Race"), this);
  auto* raceLayout = new QVBoxLayout(raceGroup);
  for (int i = 0; i < kRaceCount; ++i) {
    races_[i] = new QRadioButton(Races()[i].name, this);
    races_[i]->setObjectName(QString("race") + Races()[i].name);
    races_[i]->setAutoExclusive(false);
    connect(races_[i], &QRadioButton::clicked, this, [this, i] {
      editor_.Race().Click(i);
      emit Changed();
    });
    raceLayout->addWidget(races_[i]);
  }
  auto* warning = new QLabel(kRaceWarning, this);
  warning->setWordWrap(true);
  warning->setStyleSheet("color: #a00000; font-weight: bold;");
  notOffered_ = new QLabel(kRaceNotOffered, this);
  notOffered_->setObjectName("raceNotOffered");
  notOffered_->setWordWrap(true);
  notOffered_->setStyleSheet("color: #a00000;");
  auto* descriptionGroup = new QGroupBox(tr("Racial traits"), this);
  auto* descriptionLayout = new QVBoxLayout(descriptionGroup);
  description_ = new QListWidget(this);
  description_->setObjectName("raceDesc");
  descriptionLayout->addWidget(description_);

  auto* left = new QVBoxLayout;
  left->addWidget(raceGroup);
  left->addWidget(warning);
  left->addWidget(notOffered_);
  left->addWidget(descriptionGroup, 1);
  auto* edges = new QPushButton("Edges && Flaws", this);
  edges->setObjectName("raceEdges");
  connect(edges, &QPushButton::clicked, this, [this] {
    editor_.EdgesAndFlaws().Open();
    emit Changed();
  });
  left->addWidget(edges, 0, Qt::AlignLeft);

  metaGroup_ = new QGroupBox("MetaTypes", this);
  metaGroup_->setObjectName("metaGroup");
  auto* metaLayout = new QVBoxLayout(metaGroup_);
  metaLayout->addWidget(new QLabel("Subtypes", this));
  subtypes_ = new QListWidget(this);
  subtypes_->setObjectName("subtypes");
  connect(subtypes_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    editor_.Race().ChooseMetatype(row);
    emit Changed();
  });
  metaLayout->addWidget(subtypes_, 1);
  modCaption_ = new QLabel(this);
  modCaption_->setObjectName("modCaption");
  modCaption_->setTextFormat(Qt::PlainText);
  metaLayout->addWidget(modCaption_);
  auto* fields = new QGridLayout;
  for (int k = 0; k < 7; ++k) {
    const QString label = k < kAttributeCount ? ToQt(std::string(kAttributeCodes[k])) : QString("Run Mult.");
    metaFields_[k] = ReadOnlyCell(this, "metaField" + QString::number(k));
    fields->addWidget(new QLabel(label, this), 0, k);
    fields->addWidget(metaFields_[k], 1, k);
  }
  metaLayout->addLayout(fields);
  animal_ = new QWidget(this);
  animal_->setObjectName("animalFields");
  auto* animalLayout = new QGridLayout(animal_);
  animalLayout->setContentsMargins(0, 0, 0, 0);
  animalLayout->addWidget(new QLabel("Shapeshifter Animal Form", this), 0, 0, 1, 6);
  for (int k = 0; k < 6; ++k) {
    animalFields_[k] = ReadOnlyCell(this, "animalField" + QString::number(k));
    animalLayout->addWidget(new QLabel(kAnimalLabels[k], this), 1, k);
    animalLayout->addWidget(animalFields_[k], 2, k);
  }
  metaLayout->addWidget(animal_);
  albino_ = new QCheckBox("Albino", this);
  albino_->setObjectName("albino");
  connect(albino_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.Race().SetAlbino(on);
    emit Changed();
  });
  metaLayout->addWidget(albino_);
  albinoFlaw_ = new QGroupBox("Albino Flaw", this);
  albinoFlaw_->setObjectName("albinoFlaw");
  auto* flawLayout = new QGridLayout(albinoFlaw_);
  for (int i = 0; i < kAlbinoFlawCount; ++i) {
    albinoFlaws_[i] = new QRadioButton(kAlbinoFlawCaptions[i], this);
    albinoFlaws_[i]->setObjectName("albinoFlaw" + QString::number(i));
    albinoFlaws_[i]->setAutoExclusive(false);
    connect(albinoFlaws_[i], &QRadioButton::clicked, this, [this, i] {
      editor_.Race().ChooseAlbinoFlaw(i);
      emit Changed();
    });
    flawLayout->addWidget(albinoFlaws_[i], i / 3, i % 3);
  }
  metaLayout->addWidget(albinoFlaw_);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(metaGroup_, 1);
}

void RacePage::Refresh() {
  const CharacterRecord& record = editor_.Record();
  const RaceView& view = editor_.Race().View();
  for (int i = 0; i < kRaceCount; ++i) {
    races_[i]->setEnabled(view.optionEnabled[i]);
    races_[i]->setChecked(record.Rsel == i);
  }
  notOffered_->setVisible(editor_.Race().ChosenRaceNotOffered());

  QStringList lines;
  for (const std::string& line : record.RaceDesc) lines << ToQt(line);
  QStringList shown;
  for (int i = 0; i < description_->count(); ++i) shown << description_->item(i)->text();
  if (shown != lines) {
    description_->clear();
    description_->addItems(lines);
  }

  metaGroup_->setVisible(view.metaGroupVisible);
  {
    const QSignalBlocker block(subtypes_);
    QStringList names;
    for (const std::string& line : view.metaList) names << ToQt(MetatypeName(line));
    QStringList listed;
    for (int i = 0; i < subtypes_->count(); ++i) listed << subtypes_->item(i)->text();
    if (listed != names) {
      subtypes_->clear();
      subtypes_->addItems(names);
    }
    const int selected = record.SelIndex < subtypes_->count() ? record.SelIndex : -1;
    if (subtypes_->currentRow() != selected) subtypes_->setCurrentRow(selected);
  }
  modCaption_->setText(ToQt(view.modCaption));
  for (int k = 0; k < 7; ++k) SetText(metaFields_[k], view.metaFields[k]);
  animal_->setVisible(view.shapeFieldsVisible);
  for (int k = 0; k < 6; ++k) SetText(animalFields_[k], view.animalFields[k]);
  const SpecialsView& specials = editor_.Race().Specials();
  albino_->setEnabled(specials.albinoEnabled);
  albino_->setChecked(specials.albino);
  albinoFlaw_->setVisible(specials.albinoFlawVisible);
  // The flaw is chosen with the option; once the race page is completed neither can change.
  albinoFlaw_->setEnabled(specials.albinoEnabled);
  for (int i = 0; i < kAlbinoFlawCount; ++i) albinoFlaws_[i]->setChecked(specials.albinoFlaw == i);
}

}  // namespace ivgen
