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

void ShowRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows, int selected) {
  const QSignalBlocker block(list);
  bool same = list->topLevelItemCount() == static_cast<int>(rows.size());
  for (int r = 0; same && r < list->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = list->topLevelItem(r);
    for (int c = 0; same && c < list->columnCount(); ++c) {
      const std::string field = static_cast<size_t>(c) < rows[r].size() ? rows[r][c] : std::string();
      same = item->text(c) == ToQt(field);
    }
  }
  if (!same) {
    list->clear();
    for (const std::vector<std::string>& row : rows) {
      auto* item = new QTreeWidgetItem(list);
      for (int c = 0; c < list->columnCount() && static_cast<size_t>(c) < row.size(); ++c)
        item->setText(c, ToQt(row[c]));
    }
  }
  if (selected >= 0 && selected < list->topLevelItemCount()) {
    list->setCurrentItem(list->topLevelItem(selected));
  } else {
    list->setCurrentItem(nullptr);
    list->clearSelection();
  }
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
