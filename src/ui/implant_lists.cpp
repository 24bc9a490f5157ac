#include "ui/implant_lists.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

constexpr int kNodeRole = Qt::UserRole;

QStringList Headings(const std::vector<ListColumn>& columns) {
  QStringList headings;
  for (const ListColumn& column : columns) headings << column.heading;
  return headings;
}

QStringList Cells(const std::vector<std::string>& fields, const std::vector<ListColumn>& columns) {
  QStringList cells;
  for (const ListColumn& column : columns) cells << (column.field < fields.size() ? ToQt(fields[column.field]) : "");
  return cells;
}

void SetUp(QTreeWidget* list, const QString& name, const QStringList& headings) {
  list->setObjectName(name);
  list->setColumnCount(static_cast<int>(headings.size()));
  list->setHeaderLabels(headings);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setAllColumnsShowFocus(true);
  list->setUniformRowHeights(true);
  list->header()->setStretchLastSection(true);
  list->header()->setSectionResizeMode(QHeaderView::Interactive);
}

}  // namespace

CatalogTreeView::CatalogTreeView(const QString& name, std::vector<ListColumn> columns, QWidget* parent,
                                 size_t bookField, size_t notesField)
    : QTreeWidget(parent), columns_(std::move(columns)), bookField_(bookField), notesField_(notesField) {
  SetUp(this, name, Headings(columns_));
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) emit NodeChosen(item->data(0, kNodeRole).toInt());
  });
  // A click on the row already current shows it again, after an installed entry took the boxes.
  connect(this, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { emit NodeChosen(item->data(0, kNodeRole).toInt()); });
  connect(this, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { emit NodeDoubleClicked(item->data(0, kNodeRole).toInt()); });
  ChooseClosedBranches(this);
}

void CatalogTreeView::Show(const CatalogTree& tree, int selected) {
  const QSignalBlocker block(this);
  if (tree != shown_) {
    clear();
    QTreeWidgetItem* category = nullptr;
    for (size_t i = 0; i < tree.size(); ++i) {
      const std::vector<std::string> fields = TreeEntryFields(tree[i].text);
      // A category shows its name only; an item before any category stands at the top.
      QTreeWidgetItem* row =
          tree[i].indent < 2 || category == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(category);
      if (tree[i].indent < 2) {
        row->setText(0, ToQt(fields[0]));
        row->setFirstColumnSpanned(true);
        category = row;
      } else {
        const QStringList cells = Cells(fields, columns_);
        for (int c = 0; c < cells.size(); ++c) row->setText(c, cells[c]);
        row->setToolTip(0, Tip(fields));
      }
      row->setData(0, kNodeRole, static_cast<int>(i));
    }
    shown_ = tree;
    setProperty("fitted", false);
    FitColumns(this);
    // The new rows are shown as the search found them.
    searched_.clear();
    found_.clear();
  }
  QTreeWidgetItem* current = nullptr;
  for (QTreeWidgetItemIterator it(this); *it != nullptr && current == nullptr; ++it) {
    if ((*it)->data(0, kNodeRole).toInt() == selected) current = *it;
  }
  if (currentItem() != current) {
    setCurrentItem(current);
    if (current != nullptr) scrollToItem(current);
  }
}

void CatalogTreeView::ShowFound(const CatalogSearch& search) {
  std::vector<int> found;
  for (const CatalogMatch& match : search.matches) found.push_back(match.itemAt);
  // Every refresh passes the search; only a new one walks the tree.
  if (search.text == searched_ && found == found_ && topLevelItemCount() > 0) {
    ShowNoMatches(this, search.NoMatches());
    return;
  }
  searched_ = search.text;
  found_ = std::move(found);
  const bool all = searched_.empty();
  auto shows = [this, all](QTreeWidgetItem* item) {
    return all || std::binary_search(found_.begin(), found_.end(), item->data(0, kNodeRole).toInt());
  };
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = topLevelItem(i);
    bool childShown = false;
    for (int c = 0; c < top->childCount(); ++c) {
      const bool shown = shows(top->child(c));
      top->child(c)->setHidden(!shown);
      childShown |= shown;
    }
    // A category stands for its items; an item above the first category for itself.
    const bool category = top->isFirstColumnSpanned();
    top->setHidden(!(category ? all || childShown : shows(top)));
    if (!all && childShown) top->setExpanded(true);
  }
  ShowNoMatches(this, search.NoMatches());
}

QString CatalogTreeView::Tip(const std::vector<std::string>& fields) const {
  QStringList lines;
  if (notesField_ < fields.size() && !fields[notesField_].empty()) lines << ToQt(fields[notesField_]);
  if (bookField_ < fields.size() && !fields[bookField_].empty()) lines << tr("Book: %1").arg(ToQt(fields[bookField_]));
  return PlainTip(lines.join("\n"));
}

EntryListView::EntryListView(const QString& name, const QStringList& headings, QWidget* parent) : QTreeWidget(parent) {
  SetUp(this, name, headings);
  setRootIsDecorated(false);
  // Essence or bio-index, and the price.
  NumberColumns(this, {1, 2});
  auto choose = [this](QTreeWidgetItem* item) {
    if (item != nullptr) emit EntryChosen(indexOfTopLevelItem(item));
  };
  connect(this, &QTreeWidget::currentItemChanged, this, choose);
  // A click on the row already current shows it again, after the catalog took the boxes.
  connect(this, &QTreeWidget::itemClicked, this, choose);
}

void EntryListView::Show(const std::vector<QStringList>& rows, int selected) { FillRows(this, rows, selected); }

QGroupBox* BoxGroup(const QString& title, const std::vector<std::pair<QString, QWidget*>>& boxes, QWidget* parent,
                    int perRow) {
  auto* group = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(group);
  int row = 0, column = 0;
  for (const auto& [label, box] : boxes) {
    const bool wide = box->objectName() == "notes";
    if (wide && column > 0) ++row, column = 0;
    grid->addWidget(new QLabel(label, parent), row, column * 2, wide ? Qt::AlignTop : Qt::Alignment());
    grid->addWidget(box, row, column * 2 + 1, 1, wide ? perRow * 2 - 1 : 1);
    column = wide ? perRow : column + 1;
    if (column == perRow) ++row, column = 0;
  }
  return group;
}

QLabel* NotesBox(QWidget* parent) {
  auto* notes = new QLabel(parent);
  notes->setObjectName("notes");
  notes->setTextFormat(Qt::PlainText);
  notes->setWordWrap(true);
  notes->setFrameShape(QFrame::StyledPanel);
  notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  notes->setMinimumHeight(notes->fontMetrics().lineSpacing() * 3 + 6);
  return notes;
}

QPushButton* ActionButton(const QString& text, const QString& name, QWidget* parent, std::function<void()> action) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  QObject::connect(button, &QPushButton::clicked, parent, [action = std::move(action)] { action(); });
  return button;
}

void LayOutImplantPage(QWidget* page, const QString& caption, QWidget* filter, QWidget* catalog,
                       const std::vector<QObject*>& column, QWidget* installed) {
  auto* catalogGroup = new QGroupBox(caption, page);
  auto* catalogLayout = new QVBoxLayout(catalogGroup);
  catalogLayout->addWidget(filter);
  catalogLayout->addWidget(catalog);
  auto* right = new QVBoxLayout;
  for (QObject* part : column) {
    if (auto* widget = qobject_cast<QWidget*>(part)) {
      right->addWidget(widget);
    } else if (auto* layout = qobject_cast<QLayout*>(part)) {
      right->addLayout(layout);
    }
  }
  right->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(catalogGroup, 3);
  top->addLayout(right, 2);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top, 3);
  layout->addWidget(installed, 2);
}

void SetLabelText(QLabel* label, const std::string& text) {
  if (label->text() != ToQt(text)) label->setText(ToQt(text));
}

}  // namespace ivgen
