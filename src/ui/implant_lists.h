// What the Cyberware and Bioware pages share: the catalog tree with its categories and items,
// the installed list in columns, and the read-only detail boxes.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_search.h"
#include "catalog/line_syntax.h"

namespace ivgen {

/// A column of a list: its heading and the entry field it shows.
struct ListColumn {
  QString heading;
  size_t field;
};

/// A catalog tree shown as categories holding their items; each row remembers its node.
class CatalogTreeView : public QTreeWidget {
  Q_OBJECT
 public:
  /// An item's tip shows its notes and book reference, the entry fields given.
  CatalogTreeView(const QString& name, std::vector<ListColumn> columns, QWidget* parent, size_t bookField,
                  size_t notesField);
  /// Shows the tree (rebuilt only when it changed) with node `selected` as the current row.
  void Show(const CatalogTree& tree, int selected);
  /// While the search holds a text, shows only the items it found, under their categories
  /// opened, and "No matches" when it found none.
  void ShowFound(const CatalogSearch& search);

 signals:
  void NodeChosen(int node);
  void NodeDoubleClicked(int node);

 private:
  QString Tip(const std::vector<std::string>& fields) const;

  std::vector<ListColumn> columns_;
  size_t bookField_;
  size_t notesField_;
  CatalogTree shown_;
  /// The search shown: its text, and the nodes it found.
  std::string searched_;
  std::vector<int> found_;
};

/// A list of installed entries in columns; a click reports the entry's position.
class EntryListView : public QTreeWidget {
  Q_OBJECT
 public:
  EntryListView(const QString& name, const QStringList& headings, QWidget* parent);
  void Show(const std::vector<QStringList>& rows, int selected);

 signals:
  void EntryChosen(int index);
};

/// A group of labelled boxes, `perRow` a row; a box named "notes" takes a whole row of its own.
QGroupBox* BoxGroup(const QString& title, const std::vector<std::pair<QString, QWidget*>>& boxes, QWidget* parent,
                    int perRow = 2);
/// An item's notes: wrapped text, three lines high.
QLabel* NotesBox(QWidget* parent);
/// A button that runs an action.
QPushButton* ActionButton(const QString& text, const QString& name, QWidget* parent, std::function<void()> action);
/// The page: the catalog under its search box beside the column of options, details, buttons and
/// totals, and the installed list below both.
void LayOutImplantPage(QWidget* page, const QString& caption, QWidget* filter, QWidget* catalog,
                       const std::vector<QObject*>& column, QWidget* installed);

/// Sets a label only when its text differs.
void SetLabelText(QLabel* label, const std::string& text);

}  // namespace ivgen
