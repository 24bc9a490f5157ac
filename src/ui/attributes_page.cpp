#include "ui/attributes_page.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/editor.h"
#include "record/values.h"
#include "ui/qt_text.h"
#include "ui/spin_buttons.h"

namespace ivgen {

namespace {

QLabel* Marker(const QString& text, QWidget* parent) {
  auto* marker = new QLabel(text, parent);
  marker->setStyleSheet("color: white; background: #b00000; padding: 1px 4px; font-weight: bold;");
  return marker;
}

// A row of base, modifier and total in a grid.
QHBoxLayout* Triple(QLineEdit* base, QLineEdit* modifier, QLineEdit* total, const QString& suffix = {}) {
  auto* row = new QHBoxLayout;
  row->addWidget(base);
  row->addWidget(new QLabel("+"));
  row->addWidget(modifier);
  if (!suffix.isEmpty()) row->addWidget(new QLabel(suffix));
  row->addWidget(new QLabel("="));
  row->addWidget(total);
  row->addStretch();
  return row;
}

}  // namespace

QLineEdit* AttributesPage::Cell(const QString& name) { return cells_.Add(this, name); }

QLineEdit* AttributesPage::TypedPool(const QString& key) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(key);
  edit->setMaximumWidth(key.startsWith("lbl") ? 140 : 56);
  connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
    editor_.Texts().Set(key.toStdString(), FromQt(text));
    emit Changed();
  });
  typed_.insert(key, edit);
  return edit;
}

void AttributesPage::Show(const QString& name, const std::string& text) { cells_.Show(name, text); }

AttributesPage::AttributesPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  auto* attributes = new QGroupBox(tr("Attributes"), this);
  auto* grid = new QGridLayout(attributes);
  // Bioware's own column, so each row visibly adds up to its total.
  const QStringList headers = {tr("Base"), QString(), tr("Racial"), tr("Modifier"), tr("Bio"), tr("Total")};
  for (int c = 0; c < headers.size(); ++c) grid->addWidget(new QLabel(headers[c], this), 0, c + 1);
  for (int i = 0; i < kAttributeCount; ++i) {
    const QString key = ToQt(std::string(kAttributeKeys[i]));
    Row& row = rows_[i];
    row.base = Cell(key + "Base");
    row.racial = Cell(key + "Racial");
    row.modifier = Cell(key + "Modifier");
    row.bio = Cell(key + "Bio");
    row.total = Cell(key + "Total");
    row.overMaximum = Marker(tr("over max."), this);
    row.overMaximum->setObjectName(key + "OverMaximum");
    QHBoxLayout* spin = SpinButtons(
        this, key,
        [this, i] {
          editor_.Attributes().Raise(i);
          emit Changed();
        },
        [this, i] {
          editor_.Attributes().Lower(i);
          emit Changed();
        });
    grid->addWidget(new QLabel(key, this), i + 1, 0);
    grid->addWidget(row.base, i + 1, 1);
    grid->addLayout(spin, i + 1, 2);
    grid->addWidget(row.racial, i + 1, 3);
    grid->addWidget(row.modifier, i + 1, 4);
    grid->addWidget(row.bio, i + 1, 5);
    grid->addWidget(row.total, i + 1, 6);
    grid->addWidget(row.overMaximum, i + 1, 7);
  }
  overSpent_ = Marker(tr("over-spent"), this);
  overSpent_->setObjectName("attributePointsOverSpent");
  auto* points = new QHBoxLayout;
  points->addWidget(new QLabel(tr("Attribute points used"), this));
  points->addWidget(Cell("AttributePoints"));
  points->addWidget(overSpent_);
  points->addStretch();
  grid->addLayout(points, kAttributeCount + 1, 0, 1, 8);
  grid->setColumnStretch(8, 1);

  auto* derived = new QGroupBox(tr("Derived"), this);
  auto* derivedForm = new QFormLayout(derived);
  derivedForm->addRow(tr("Reaction"), Triple(Cell("ReactionBase"), Cell("ReactionModifier"), Cell("ReactionTotal")));
  derivedForm->addRow(tr("Initiative"),
                      Triple(Cell("InitiativeBase"), Cell("InitiativeModifier"), Cell("InitiativeTotal"), "D6"));
  derivedForm->addRow(tr("Magic"), Triple(Cell("MagicBase"), Cell("MagicModifier"), Cell("MagicTotal")));
  derivedForm->addRow(tr("Essence"), Cell("Essence"));
  derivedForm->addRow(tr("Run Mult."), Cell("RunMult"));
  derivedForm->addRow(tr("Bio-index"), Cell("BioIndex"));
  derivedForm->addRow(tr("Essence Index"), Cell("EssenceIndex"));
  derivedForm->addRow(tr("Knowledge skill points"), Cell("Knowledge"));
  derivedForm->addRow(tr("Language skill points"), Cell("Language"));

  auto* pools = new QGroupBox(tr("Dice pools"), this);
  auto* poolForm = new QFormLayout(pools);
  poolForm->addRow(tr("Combat"), Triple(Cell("CombatBase"), Cell("CombatModifier"), Cell("CombatTotal")));
  poolForm->addRow(tr("Control"), Cell("Control"));
  poolForm->addRow(tr("Spell"), Cell("SpellPool"));
  QLineEdit* astral = TypedPool("Astral");
  // A number, aligned with the computed pools above it.
  astral->setAlignment(Qt::AlignRight);
  poolForm->addRow(tr("Astral"), astral);
  poolForm->addRow(tr("Karma"), TypedPool("Karma"));
  poolForm->addRow(tr("Hacking"), TypedPool("Hacking"));
  for (const char* n : {"1", "2"}) {
    auto* free = new QHBoxLayout;
    free->addWidget(TypedPool(QString("lblPool") + n));
    free->addWidget(TypedPool(QString("txtPool") + n));
    free->addStretch();
    poolForm->addRow(tr("Pool %1").arg(n), free);
  }

  auto* right = new QVBoxLayout;
  right->addWidget(derived);
  right->addWidget(pools);
  right->addStretch();
  beginGhoul_ = new QPushButton("Begin &Ghoul", this);
  beginGhoul_->setObjectName("beginGhoul");
  connect(beginGhoul_, &QPushButton::clicked, this, [this] {
    editor_.Race().BeginGhoul();
    emit Changed();
  });
  unhideShifter_ = new QPushButton("Unhide S&hifter", this);
  unhideShifter_->setObjectName("unhideShifter");
  connect(unhideShifter_, &QPushButton::clicked, this, [this] {
    editor_.AnimalForm().Unhide();
    emit Changed();
  });
  auto* specials = new QHBoxLayout;
  specials->addWidget(beginGhoul_);
  specials->addWidget(unhideShifter_);
  specials->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(attributes);
  left->addLayout(specials);
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 3);
  layout->addLayout(right, 2);
}

void AttributesPage::Refresh() {
  const CharacterRecord& record = editor_.Record();
  const AttributeView& view = editor_.Attributes().View();
  for (int i = 0; i < kAttributeCount; ++i) {
    const AttributeRow& cells = record.Attr[i];
    const QString key = ToQt(std::string(kAttributeKeys[i]));
    Show(key + "Base", cells.Base);
    Show(key + "Racial", cells.Racial);
    Show(key + "Modifier", cells.Modifier);
    Show(key + "Bio", cells.BioModifier);
    Show(key + "Total", cells.Total);
    rows_[i].overMaximum->setVisible(view.overMaximum[i]);
  }
  Show("AttributePoints", view.pointsDisplay);
  overSpent_->setVisible(view.overSpent);
  beginGhoul_->setVisible(editor_.Race().Specials().ghoulButtonVisible);
  unhideShifter_->setVisible(editor_.Creation().pages.unhideShifterVisible);
  Show("ReactionBase", record.Reaction.Base);
  Show("ReactionModifier", record.Reaction.Modifier);
  Show("ReactionTotal", record.Reaction.Total);
  Show("InitiativeBase", record.Initative.Base);
  Show("InitiativeModifier", record.Initative.Modifier);
  Show("InitiativeTotal", record.Initative.Total);
  Show("MagicBase", record.Magic.Base);
  Show("MagicModifier", record.Magic.Modifier);
  Show("MagicTotal", record.Magic.Total);
  Show("Essence", record.EssenceText);
  Show("RunMult", record.RunMult);
  Show("BioIndex", record.BodyIndexText);
  Show("EssenceIndex", view.essenceIndexText);
  Show("Knowledge", IntText(record.KnowledgeAllowance));
  Show("Language", IntText(record.LanguageAllowance));
  Show("CombatBase", record.CombatPool.Base);
  Show("CombatModifier", record.CombatPool.Modifier);
  Show("CombatTotal", record.CombatPool.Total);
  Show("Control", record.Pools.Control);
  Show("SpellPool", record.Pools.Magic);
  for (auto it = typed_.begin(); it != typed_.end(); ++it) {
    const QString text = ToQt(editor_.Texts().Get(it.key().toStdString()).value_or(""));
    if (it.value()->text() != text) it.value()->setText(text);
  }
}

}  // namespace ivgen
