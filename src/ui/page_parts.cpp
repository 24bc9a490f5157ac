#include "ui/page_parts.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "ui/qt_text.h"

namespace ivgen {

QTreeWidget* ColumnList(const QString& name, const QStringList& headings, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setColumnCount(static_cast<int>(headings.size()));
  list->setHeaderLabels(headings);
  list->setRootIsDecorated(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  return list;
}

void FillRows(QTreeWidget* list, const std::vector<QStringList>& rows, int selected) {
  const QSignalBlocker block(list);
  // Rows are rewritten in place and only the surplus is taken away: a list cleared and refilled
  // kept drawing a removed row until something repainted it.
  const int count = static_cast<int>(rows.size());
  while (list->topLevelItemCount() > count) delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
  while (list->topLevelItemCount() < count) list->addTopLevelItem(new QTreeWidgetItem);
  for (int r = 0; r < count; ++r) {
    QTreeWidgetItem* item = list->topLevelItem(r);
    const QStringList& row = rows[static_cast<size_t>(r)];
    for (int c = 0; c < list->columnCount(); ++c) {
      const QString text = c < row.size() ? row[c] : QString();
      if (item->text(c) != text) item->setText(c, text);
    }
  }
  QTreeWidgetItem* current = selected >= 0 && selected < count ? list->topLevelItem(selected) : nullptr;
  if (list->currentItem() != current) list->setCurrentItem(current);
  if (current == nullptr) list->clearSelection();
  list->viewport()->update();
}

void ShowRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows, int selected) {
  std::vector<QStringList> texts;
  for (const std::vector<std::string>& row : rows) {
    QStringList cells;
    for (const std::string& field : row) cells << ToQt(field);
    texts.push_back(cells);
  }
  FillRows(list, texts, selected);
}

void ChooseClosedBranches(QTreeWidget* tree) {
  QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, [tree](QTreeWidgetItem* branch) {
    for (QTreeWidgetItem* item = tree->currentItem(); item != nullptr; item = item->parent()) {
      if (item->parent() == branch) {
        tree->setCurrentItem(branch);
        return;
      }
    }
  });
}

void KeepFocusNear(QAbstractButton* button, QWidget* list) {
  // Queued, so it runs after the click's own handling has refreshed the page.
  QObject::connect(
      button, &QAbstractButton::clicked, list,
      [button, list] {
        if (!button->isEnabled()) list->setFocus();
      },
      Qt::QueuedConnection);
}

int RowOf(QTreeWidget* list, QTreeWidgetItem* item) { return item == nullptr ? -1 : list->indexOfTopLevelItem(item); }

QLineEdit* ReadOnlyField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  return field;
}

void ShowText(QLineEdit* field, const std::string& text) {
  if (field->text() != ToQt(text)) field->setText(ToQt(text));
}

}  // namespace ivgen
