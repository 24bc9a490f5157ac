// Pieces the purchase pages share: lists whose entries show in columns, and read-only fields.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace ivgen {

/// A flat list with one column per heading; the first column takes the room left.
QTreeWidget* ColumnList(const QString& name, const QStringList& headings, QWidget* parent);

/// Shows the rows, fields in columns, with row `selected` current (none when outside the rows).
/// No signal is sent.
void FillRows(QTreeWidget* list, const std::vector<QStringList>& rows, int selected);
void ShowRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows, int selected);

/// A closed branch that hides the current item becomes current, so nothing unseen stays chosen.
void ChooseClosedBranches(QTreeWidget* tree);

/// A button that disables itself would hand the keyboard to the next one in the chain (on the
/// spells page, a purchase); the list it acted on takes the focus back instead.
void KeepFocusNear(QAbstractButton* button, QWidget* list);

/// The row of an item, -1 for none.
int RowOf(QTreeWidget* list, QTreeWidgetItem* item);

/// A field that shows a value the player cannot type into.
QLineEdit* ReadOnlyField(const QString& name, QWidget* parent);
/// Shows a core text in a field, leaving the field alone when it already shows it.
void ShowText(QLineEdit* field, const std::string& text);

}  // namespace ivgen
