#include "ui/random_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// A path is the file system's bytes, not Windows-1252 text.
QString PathToQt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

RandomDialog::RandomDialog(Editor& editor, QWidget* parent) : DialogView(editor, parent) {
  setWindowTitle(tr("Random Character"));
  setObjectName("randomDialog");
  archetype_ = new QComboBox(this);
  archetype_->setObjectName("archetype");
  seed_ = new QLineEdit(this);
  seed_->setObjectName("seed");
  seed_->setToolTip(tr("The same archetype and seed make the same character every time"));
  newSeed_ = new QPushButton(tr("&New Seed"), this);
  newSeed_->setObjectName("newSeed");
  newSeed_->setAutoDefault(false);
  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(seed_, 1);
  seedRow->addWidget(newSeed_);

  current_ = new QRadioButton(tr("Make it the &current character"), this);
  current_->setObjectName("current");
  toFolder_ = new QRadioButton(tr("&Save several to a folder"), this);
  toFolder_->setObjectName("toFolder");
  auto* where = new QButtonGroup(this);
  where->addButton(current_);
  where->addButton(toFolder_);
  count_ = new QLineEdit(this);
  count_->setObjectName("count");
  count_->setMaximumWidth(count_->fontMetrics().horizontalAdvance("0000000") + 16);
  folder_ = new QLineEdit(this);
  folder_->setObjectName("folder");
  browse_ = new QPushButton(tr("&Browse..."), this);
  browse_->setObjectName("browse");
  browse_->setAutoDefault(false);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(tr("Count:"), this));
  folderRow->addWidget(count_);
  folderRow->addSpacing(12);
  folderRow->addWidget(new QLabel(tr("Folder:"), this));
  folderRow->addWidget(folder_, 1);
  folderRow->addWidget(browse_);

  auto* form = new QFormLayout;
  form->addRow(tr("&Archetype:"), archetype_);
  // A row of several widgets has no buddy of its own: the label is given the seed's field.
  auto* seedLabel = new QLabel(tr("S&eed:"), this);
  seedLabel->setBuddy(seed_);
  form->addRow(seedLabel, seedRow);

  progress_ = new QProgressBar(this);
  progress_->setObjectName("progress");
  results_ = new QListWidget(this);
  results_->setObjectName("results");
  results_->setMinimumHeight(120);
  why_ = new QLabel(this);
  why_->setObjectName("why");
  why_->setTextFormat(Qt::PlainText);
  why_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  generate_ = buttons->addButton(tr("&Generate"), QDialogButtonBox::AcceptRole);
  generate_->setObjectName("generate");
  generate_->setDefault(true);
  cancel_ = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
  cancel_->setObjectName("cancel");
  cancel_->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(current_);
  layout->addWidget(toFolder_);
  auto* indented = new QHBoxLayout;
  indented->addSpacing(24);
  indented->addLayout(folderRow, 1);
  layout->addLayout(indented);
  layout->addWidget(progress_);
  layout->addWidget(results_, 1);
  // Room the dialog has to spare goes below the choices, not between them.
  layout->addStretch();
  layout->addWidget(why_);
  layout->addWidget(buttons);
  setMinimumWidth(520);

  RandomUnit& unit = editor_.Random();
  connect(archetype_, &QComboBox::activated, this,
          [this, &unit](int index) { Act([&] { unit.ChooseArchetype(index); }); });
  connect(seed_, &QLineEdit::textEdited, this,
          [this, &unit](const QString& text) { Act([&] { unit.SetSeedText(FromQt(text)); }); });
  connect(newSeed_, &QPushButton::clicked, this, [this, &unit] { Act([&] { unit.NewSeed(); }); });
  connect(current_, &QRadioButton::clicked, this, [this, &unit] { Act([&] { unit.SetToFolder(false); }); });
  connect(toFolder_, &QRadioButton::clicked, this, [this, &unit] { Act([&] { unit.SetToFolder(true); }); });
  connect(count_, &QLineEdit::textEdited, this,
          [this, &unit](const QString& text) { Act([&] { unit.SetCountText(FromQt(text)); }); });
  connect(folder_, &QLineEdit::textEdited, this,
          [this, &unit](const QString& text) { Act([&] { unit.SetFolder(QFile::encodeName(text).toStdString()); }); });
  connect(browse_, &QPushButton::clicked, this, [this, &unit] { Act([&] { unit.BrowseFolder(); }); });
  connect(generate_, &QPushButton::clicked, this, [this, &unit] {
    Act([&] { unit.Generate(); });
    if (unit.View().running) QTimer::singleShot(0, this, &RandomDialog::SaveNext);
  });
  connect(cancel_, &QPushButton::clicked, this, &RandomDialog::reject);
  Refresh();
}

void RandomDialog::SaveNext() {
  RandomUnit& unit = editor_.Random();
  if (!unit.View().running) return;
  unit.Step();
  Refresh();
  // One character per turn of the event loop: the bar moves and Cancel is heard between them.
  if (unit.View().running) QTimer::singleShot(0, this, &RandomDialog::SaveNext);
}

void RandomDialog::reject() {
  const bool running = editor_.Random().View().running;
  Act([this] { editor_.Random().Cancel(); });
  if (!running && !editor_.Random().IsOpen()) QDialog::reject();
}

void RandomDialog::Refresh() {
  const RandomView& view = editor_.Random().View();
  {
    const QSignalBlocker blocker(archetype_);
    if (archetype_->count() != static_cast<int>(view.archetypes.size())) {
      archetype_->clear();
      for (const std::string& line : view.archetypes) archetype_->addItem(ToQt(line));
    }
    archetype_->setCurrentIndex(view.archetype);
  }
  if (seed_->text() != ToQt(view.seedText)) seed_->setText(ToQt(view.seedText));
  current_->setChecked(!view.toFolder);
  toFolder_->setChecked(view.toFolder);
  if (count_->text() != ToQt(view.countText)) count_->setText(ToQt(view.countText));
  if (folder_->text() != PathToQt(view.folder)) folder_->setText(PathToQt(view.folder));
  const bool idle = !view.running;
  for (QWidget* control : std::initializer_list<QWidget*>{archetype_, seed_, newSeed_, current_, toFolder_}) {
    control->setEnabled(idle && !view.archetypes.empty());
  }
  for (QWidget* control : std::initializer_list<QWidget*>{count_, folder_, browse_}) {
    control->setEnabled(idle && view.toFolder);
  }
  progress_->setVisible(view.total > 0);
  progress_->setRange(0, std::max(view.total, 1));
  progress_->setValue(view.done);
  progress_->setFormat(tr("%1 of %2 saved").arg(view.done).arg(view.total));
  while (results_->count() > static_cast<int>(view.results.size())) delete results_->takeItem(results_->count() - 1);
  for (size_t i = static_cast<size_t>(results_->count()); i < view.results.size(); ++i) {
    results_->addItem(ToQt(view.results[i]));
  }
  if (!view.results.empty()) results_->scrollToBottom();
  results_->setVisible(!view.results.empty());
  // The line keeps its place while empty, so the buttons stay where the player aims.
  why_->setText(view.running ? QString() : ToQt(view.why));
  generate_->setEnabled(view.generateEnabled);
  cancel_->setText(view.running ? tr("Cancel") : tr("Close"));
}

}  // namespace ivgen
