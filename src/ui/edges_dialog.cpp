#include "ui/edges_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// An entry as the lists show it: name, points and book, the description as its tip.
void Fill(QTreeWidget* list, const std::vector<std::string>& entries, int selected, const QLineEdit* filter) {
  const std::vector<EdgeRow> rows = EdgeRows(entries);
  std::vector<QStringList> texts;
  texts.reserve(rows.size());
  for (const EdgeRow& row : rows) {
    texts.push_back({ToQt(row.name), ToQt(NumbersInBrackets(row.value).first), ToQt(row.book)});
  }
  FillRows(list, texts, selected);
  for (size_t i = 0; i < rows.size(); ++i) {
    QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(i));
    const QString tip = PlainTip(ToQt(rows[i].description));
    if (item->toolTip(0) != tip) item->setToolTip(0, tip);
  }
  if (filter != nullptr) FilterRows(list, filter->text());
}

QTreeWidget* List(const QString& name, QWidget* parent) {
  QTreeWidget* list = ColumnList(name, {QObject::tr("Name"), QObject::tr("Points"), QObject::tr("Book")}, parent);
  list->setMinimumWidth(220);
  NumberColumns(list, {1});
  return list;
}

}  // namespace

EdgesDialog::EdgesDialog(Editor& editor, QWidget* parent) : DialogView(editor, parent) {
  setWindowTitle("Edges and Flaws");
  setObjectName("edgesDialog");
  edges_ = List("edges", this);
  flaws_ = List("flaws", this);
  chosen_ = List("chosen", this);
  edgeFilter_ = FilterBox("edgeFilter", this, [this] { Refresh(); });
  flawFilter_ = FilterBox("flawFilter", this, [this] { Refresh(); });
  addEdge_ = new QPushButton(tr("Add &Edge"), this);
  QPushButton* addEdge = addEdge_;
  addEdge->setObjectName("addEdge");
  addFlaw_ = new QPushButton(tr("Add &Flaw"), this);
  QPushButton* addFlaw = addFlaw_;
  addFlaw->setObjectName("addFlaw");
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName("remove");
  // Enter closes the dialog, whichever button was clicked last.
  for (QPushButton* button : {addEdge, addFlaw, remove_}) button->setAutoDefault(false);
  auto* done = new QPushButton("&Done", this);
  done->setObjectName("edgesDone");
  done->setDefault(true);
  points_ = ReadOnlyNumber("edgePoints", this, 80);

  auto select = [this](QTreeWidget* list, void (EdgesUnit::*choose)(int)) {
    connect(list, &QTreeWidget::currentItemChanged, this, [this, list, choose](QTreeWidgetItem* item) {
      Act([this, choose, row = RowOf(list, item)] { (editor_.EdgesAndFlaws().*choose)(row); });
    });
  };
  select(edges_, &EdgesUnit::SelectEdge);
  select(flaws_, &EdgesUnit::SelectFlaw);
  select(chosen_, &EdgesUnit::SelectEntry);
  for (QTreeWidget* list : {edges_, flaws_}) OnHighlightChange(list, this, [this] { ShowAddEnabled(); });
  // A double click is the add button of its list.
  connect(edges_, &QTreeWidget::itemDoubleClicked, this,
          [this] { Act([this] { editor_.EdgesAndFlaws().AddEdge(); }); });
  connect(flaws_, &QTreeWidget::itemDoubleClicked, this,
          [this] { Act([this] { editor_.EdgesAndFlaws().AddFlaw(); }); });
  LeadInto(edgeFilter_, [this] { return edges_; });
  LeadInto(flawFilter_, [this] { return flaws_; });
  setTabOrder(edgeFilter_, edges_);
  setTabOrder(edges_, flawFilter_);
  setTabOrder(flawFilter_, flaws_);
  setTabOrder(flaws_, chosen_);
  PressOnKey(edges_, {Qt::Key_Return, Qt::Key_Enter}, addEdge);
  PressOnKey(flaws_, {Qt::Key_Return, Qt::Key_Enter}, addFlaw);
  PressOnKey(chosen_, {Qt::Key_Delete}, remove_);
  connect(addEdge, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().AddEdge(); }); });
  connect(addFlaw, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().AddFlaw(); }); });
  connect(remove_, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().Remove(); }); });
  connect(done, &QPushButton::clicked, this, [this] { Act([this] { editor_.EdgesAndFlaws().Done(); }); });

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Edges"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Flaws"), this), 0, 1);
  grid->addWidget(new QLabel(tr("Character's edges and flaws"), this), 0, 2);
  grid->addWidget(edgeFilter_, 1, 0);
  grid->addWidget(flawFilter_, 1, 1);
  grid->addWidget(edges_, 2, 0);
  grid->addWidget(flaws_, 2, 1);
  grid->addWidget(chosen_, 1, 2, 2, 1);
  grid->addWidget(addEdge, 3, 0);
  grid->addWidget(addFlaw, 3, 1);
  grid->addWidget(remove_, 3, 2);
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

void EdgesDialog::ShowAddEnabled() {
  // A filtered-out entry is not the one its Add button would take.
  addEdge_->setEnabled(CurrentShown(edges_) || !edges_->currentIndex().isValid());
  addFlaw_->setEnabled(CurrentShown(flaws_) || !flaws_->currentIndex().isValid());
}

void EdgesDialog::Refresh() {
  const EdgesView& view = editor_.EdgesAndFlaws().View();
  const EdgeCatalog& catalog = editor_.CurrentCatalogs().edges;
  Fill(edges_, catalog.edges, view.selectedEdge, edgeFilter_);
  Fill(flaws_, catalog.flaws, view.selectedFlaw, flawFilter_);
  Fill(chosen_, editor_.Record().Edges, view.selectedEntry, nullptr);
  ShowAddEnabled();
  remove_->setEnabled(view.removeEnabled);
  if (points_->text() != ToQt(view.pointsDisplay)) points_->setText(ToQt(view.pointsDisplay));
}

void EdgesDialog::reject() {
  Act([this] { editor_.EdgesAndFlaws().Done(); });
}

}  // namespace ivgen
