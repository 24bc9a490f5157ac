#include "ui/edges_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// An entry as the lists show it: name and value, the description as its tip.
void Fill(QListWidget* list, const std::vector<std::string>& entries, int selected) {
  const QSignalBlocker block(list);
  const std::vector<EdgeRow> rows = EdgeRows(entries);
  QStringList texts;
  for (const EdgeRow& row : rows) texts << ToQt(row.name + (row.value.empty() ? "" : "  " + row.value));
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown != texts) {
    list->clear();
    for (size_t i = 0; i < rows.size(); ++i) {
      auto* item = new QListWidgetItem(texts[static_cast<int>(i)], list);
      item->setToolTip(ToQt(rows[i].description));
    }
  }
  if (list->currentRow() != selected) list->setCurrentRow(selected);
}

QListWidget* List(const QString& name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setMinimumWidth(220);
  return list;
}

}  // namespace

EdgesDialog::EdgesDialog(Editor& editor, QWidget* parent) : DialogView(editor, parent) {
  setWindowTitle("Edges and Flaws");
  setObjectName("edgesDialog");
  edges_ = List("edges", this);
  flaws_ = List("flaws", this);
  chosen_ = List("chosen", this);
  auto* addEdge = new QPushButton(tr("Add Edge"), this);
  addEdge->setObjectName("addEdge");
  auto* addFlaw = new QPushButton(tr("Add Flaw"), this);
  addFlaw->setObjectName("addFlaw");
  remove_ = new QPushButton(tr("Remove"), this);
  remove_->setObjectName("remove");
  // Enter closes the dialog, whichever button was clicked last.
  for (QPushButton* button : {addEdge, addFlaw, remove_}) button->setAutoDefault(false);
  auto* done = new QPushButton("Done", this);
  done->setObjectName("edgesDone");
  done->setDefault(true);
  points_ = new QLineEdit(this);
  points_->setObjectName("edgePoints");
  points_->setReadOnly(true);
  points_->setFocusPolicy(Qt::NoFocus);
  points_->setMaximumWidth(80);
  points_->setAlignment(Qt::AlignRight);

  connect(edges_, &QListWidget::currentRowChanged, this,
          [this](int row) { Act([this, row] { editor_.EdgesAndFlaws().SelectEdge(row); }); });
  connect(flaws_, &QListWidget::currentRowChanged, this,
          [this](int row) { Act([this, row] { editor_.EdgesAndFlaws().SelectFlaw(row); }); });
  connect(chosen_, &QListWidget::currentRowChanged, this,
          [this](int row) { Act([this, row] { editor_.EdgesAndFlaws().SelectEntry(row); }); });
  // A double click is the add button of its list.
  connect(edges_, &QListWidget::itemDoubleClicked, this,
          [this] { Act([this] { editor_.EdgesAndFlaws().AddEdge(); }); });
  connect(flaws_, &QListWidget::itemDoubleClicked, this,
          [this] { Act([this] { editor_.EdgesAndFlaws().AddFlaw(); }); });
  connect(addEdge, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().AddEdge(); }); });
  connect(addFlaw, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().AddFlaw(); }); });
  connect(remove_, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().Remove(); }); });
  connect(done, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().Done(); }); });

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Edges"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Flaws"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Character's edges and flaws"), this), 0, 2);
  grid->addWidget(edges_, 1, 0);
  grid->addWidget(flaws_, 1, 1);
  grid->addWidget(chosen_, 1, 2);
  grid->addWidget(addEdge, 2, 0);
  grid->addWidget(addFlaw, 2, 1);
  grid->addWidget(remove_, 2, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(tr("Points"), this));
  bottom->addWidget(points_);
  bottom->addStretch();
  bottom->addWidget(done);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addLayout(bottom);
  resize(760, 420);
  Refresh();
}

void EdgesDialog::Refresh() {
  const EdgesView& view = editor_.EdgesAndFlaws().View();
  const EdgeCatalog& catalog = editor_.CurrentCatalogs().edges;
  Fill(edges_, catalog.edges, view.selectedEdge);
  Fill(flaws_, catalog.flaws, view.selectedFlaw);
  Fill(chosen_, editor_.Record().Edges, view.selectedEntry);
  remove_->setEnabled(view.removeEnabled);
  if (points_->text() != ToQt(view.pointsDisplay)) points_->setText(ToQt(view.pointsDisplay));
}

void EdgesDialog::reject() {
  Act([this] { editor_.EdgesAndFlaws().Done(); });
}

}  // namespace ivgen
