// Pieces the purchase pages share: lists whose entries show in columns, and read-only fields.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

namespace ivgen {

/// A flat list with one column per heading, sized by FitColumns and resizable by the player.
QTreeWidget* ColumnList(const QString& name, const QStringList& headings, QWidget* parent);

/// Widens the columns to the headings and to the rows given (all rows when none are), never
/// narrowing what the player widened. At most kFitSample rows are measured: fitting every row of a
/// long list cost more than a frame.
inline constexpr int kFitSample = 64;
void FitColumns(QTreeWidget* list, const std::vector<QTreeWidgetItem*>& rows = {});

/// The columns that hold numbers, set right so their digits line up.
void NumberColumns(QTreeWidget* list, const QList<int>& columns);

/// Shows the rows, fields in columns, with row `selected` current (none when outside the rows),
/// and fits the columns to the rows that changed. No signal is sent.
void FillRows(QTreeWidget* list, const std::vector<QStringList>& rows, int selected);
void ShowRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows, int selected);

/// A closed branch that hides the current item becomes current, so nothing unseen stays chosen.
void ChooseClosedBranches(QTreeWidget* tree);

/// A button that disables itself would hand the keyboard to the next one in the chain (on the
/// spells page, a purchase); the list it acted on takes the focus back instead.
void KeepFocusNear(QAbstractButton* button, QWidget* list);

/// A "Filter..." box; `changed` runs on every edit, to narrow the lists it filters.
QLineEdit* FilterBox(const QString& name, QWidget* parent, std::function<void()> changed);
/// Hides the rows whose name (column 0) does not hold `text`, ignoring case; a branch shows whole
/// when its own name holds it, and stays while one of its rows shows. Rows keep their places, so
/// a row's position still names the same entry. The view says "No matches" while none shows.
void FilterRows(QTreeWidget* tree, const QString& text);
void FilterRows(QListWidget* list, const QString& text);
/// A box that searches a whole catalog: `typed` runs on every edit the player makes, never on the
/// text a refresh puts back.
QLineEdit* SearchBox(const QString& name, const QString& placeholder, QWidget* parent,
                     std::function<void(const QString&)> typed);
/// "No matches" across the top of the view, while `none`: an empty filtered list must not look
/// like an empty catalog.
void ShowNoMatches(QAbstractItemView* view, bool none);
/// Down, Enter and Return in the box move the keyboard into the list it narrows (`list` says
/// which, none while it is hidden), onto the first row shown unless the current one shows.
void LeadInto(QLineEdit* box, std::function<QAbstractItemView*()> list);
/// Whether the view's current entry is shown and highlighted: the only entry an action may take.
bool CurrentShown(const QAbstractItemView* view);
/// Runs `update` whenever the list's highlight changes. A click makes a row current before it
/// highlights it, so a button that follows CurrentShown, set as the page refreshes, would keep the
/// state it had before the click.
template <typename List, typename Update>
void OnHighlightChange(List* list, QWidget* page, Update update) {
  QObject::connect(list, &List::itemSelectionChanged, page, update);
}
/// The key pressed in the view clicks the button, when it is enabled (Enter buys, Delete removes).
void PressOnKey(QAbstractItemView* view, std::vector<int> keys, QAbstractButton* button);

/// The row of an item, -1 for none.
int RowOf(QTreeWidget* list, QTreeWidgetItem* item);

/// A field that shows a value the player cannot type into.
QLineEdit* ReadOnlyField(const QString& name, QWidget* parent);
/// A read-only number, right-aligned, as wide as \p width allows unless its text needs more.
QLineEdit* ReadOnlyNumber(const QString& name, QWidget* parent, int width);
/// Shows a core text in a field, leaving the field alone when it already shows it.
void ShowText(QLineEdit* field, const std::string& text);

}  // namespace ivgen
