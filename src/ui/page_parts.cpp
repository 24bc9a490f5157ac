#include "ui/page_parts.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "ui/qt_text.h"

namespace ivgen {

QTreeWidget* ColumnList(const QString& name, const QStringList& headings, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setColumnCount(static_cast<int>(headings.size()));
  list->setHeaderLabels(headings);
  list->setRootIsDecorated(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->header()->setStretchLastSection(true);
  list->header()->setSectionResizeMode(QHeaderView::Interactive);
  return list;
}

void FitColumns(QTreeWidget* list, const std::vector<QTreeWidgetItem*>& rows) {
  std::vector<QTreeWidgetItem*> sample = rows;
  if (sample.empty()) {
    // Rows spread over the whole list, so a long name near its end still counts.
    std::vector<QTreeWidgetItem*> all;
    for (QTreeWidgetItemIterator it(list); *it != nullptr; ++it) all.push_back(*it);
    const size_t stride = std::max<size_t>(1, all.size() / kFitSample);
    for (size_t i = 0; i < all.size() && sample.size() < static_cast<size_t>(kFitSample); i += stride) {
      sample.push_back(all[i]);
    }
  }
  if (sample.size() > static_cast<size_t>(kFitSample)) sample.resize(kFitSample);
  QHeaderView* header = list->header();
  const QFontMetrics metrics = list->fontMetrics();
  const int padding = metrics.averageCharWidth() * 2;
  // The first fit sets the widths; later ones only widen, keeping what the player dragged.
  const bool first = !list->property("fitted").toBool();
  list->setProperty("fitted", true);
  const int last = header->stretchLastSection() ? list->columnCount() - 1 : list->columnCount();
  for (int c = 0; c < last; ++c) {
    int width = header->sectionSizeHint(c);
    for (QTreeWidgetItem* item : sample) {
      if (c > 0 && item->isFirstColumnSpanned()) continue;
      int indent = 0;
      if (c == 0) {
        for (QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) indent += list->indentation();
        if (list->rootIsDecorated()) indent += list->indentation();
      }
      if (!item->isFirstColumnSpanned())
        width = std::max(width, metrics.horizontalAdvance(item->text(c)) + padding + indent);
    }
    if (first || width > list->columnWidth(c)) list->setColumnWidth(c, width);
  }
}

void NumberColumns(QTreeWidget* list, const QList<int>& columns) {
  list->setProperty("numberColumns", QVariant::fromValue(columns));
  for (int c : columns) list->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

void FillRows(QTreeWidget* list, const std::vector<QStringList>& rows, int selected) {
  const QSignalBlocker block(list);
  // Rows are rewritten in place and only the surplus is taken away: a list cleared and refilled
  // kept drawing a removed row until something repainted it.
  const int count = static_cast<int>(rows.size());
  while (list->topLevelItemCount() > count) delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
  std::vector<QTreeWidgetItem*> changed;
  const QList<int> numbers = list->property("numberColumns").value<QList<int>>();
  auto align = [&numbers](QTreeWidgetItem* item) {
    for (int c : numbers) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  };
  const int kept = list->topLevelItemCount();
  for (int r = 0; r < kept; ++r) {
    QTreeWidgetItem* item = list->topLevelItem(r);
    const QStringList& row = rows[static_cast<size_t>(r)];
    bool differs = false;
    for (int c = 0; c < list->columnCount(); ++c) {
      const QString text = c < row.size() ? row[c] : QString();
      if (item->text(c) != text) item->setText(c, text), differs = true;
    }
    if (!differs) continue;
    align(item);
    if (changed.size() < static_cast<size_t>(kFitSample)) changed.push_back(item);
  }
  // New rows are filled before they join the list, and join it at once: one by one, each told
  // the view again, which a long list feels.
  QList<QTreeWidgetItem*> added;
  for (int r = kept; r < count; ++r) {
    auto* item = new QTreeWidgetItem(rows[static_cast<size_t>(r)].mid(0, list->columnCount()));
    align(item);
    if (changed.size() < static_cast<size_t>(kFitSample)) changed.push_back(item);
    added << item;
  }
  list->addTopLevelItems(added);
  if (!changed.empty() || !list->property("fitted").toBool()) FitColumns(list, changed);
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

QLineEdit* FilterBox(const QString& name, QWidget* parent, std::function<void()> changed) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setPlaceholderText(QObject::tr("Filter..."));
  box->setClearButtonEnabled(true);
  box->setToolTip(QObject::tr("Shows only the entries whose name holds this text"));
  QObject::connect(box, &QLineEdit::textChanged, parent, [changed = std::move(changed)] { changed(); });
  return box;
}

namespace {

void SetShown(QTreeWidgetItem* item, bool shown) {
  if (item->isHidden() == shown) item->setHidden(!shown);
}

// Whether the item or one of its rows shows; a branch whose name matches shows all its rows.
bool FilterItem(QTreeWidgetItem* item, const QString& text, bool branchMatched) {
  const bool matches = branchMatched || item->text(0).contains(text, Qt::CaseInsensitive);
  bool childShown = false;
  for (int i = 0; i < item->childCount(); ++i) childShown |= FilterItem(item->child(i), text, matches);
  const bool shown = matches || childShown;
  SetShown(item, shown);
  if (!text.isEmpty() && childShown && !item->isExpanded()) item->setExpanded(true);
  return shown;
}

}  // namespace

void FilterRows(QTreeWidget* tree, const QString& text) {
  bool shown = false;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) shown |= FilterItem(tree->topLevelItem(i), text, false);
  ShowNoMatches(tree, !text.isEmpty() && !shown);
}

void FilterRows(QListWidget* list, const QString& text) {
  bool shown = false;
  for (int i = 0; i < list->count(); ++i) {
    const bool hidden = !list->item(i)->text().contains(text, Qt::CaseInsensitive);
    if (list->isRowHidden(i) != hidden) list->setRowHidden(i, hidden);
    shown |= !hidden;
  }
  ShowNoMatches(list, !text.isEmpty() && !shown);
}

QLineEdit* SearchBox(const QString& name, const QString& placeholder, QWidget* parent,
                     std::function<void(const QString&)> typed) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setPlaceholderText(placeholder);
  box->setClearButtonEnabled(true);
  box->setToolTip(QObject::tr("Lists every item whose name, or whose group's name, holds this text"));
  // The clear button counts as an edit; a text a refresh puts back (after an undo) does not.
  QObject::connect(box, &QLineEdit::textEdited, parent, std::move(typed));
  return box;
}

namespace {

// Keeps a hint over the whole of the viewport it lies on.
class Cover : public QObject {
 public:
  explicit Cover(QWidget* hint) : QObject(hint), hint_(hint) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) hint_->setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
  }

 private:
  QWidget* hint_;
};

}  // namespace

void ShowNoMatches(QAbstractItemView* view, bool none) {
  QWidget* viewport = view->viewport();
  auto* hint = viewport->findChild<QLabel*>("noMatches", Qt::FindDirectChildrenOnly);
  if (hint == nullptr) {
    if (!none) return;
    hint = new QLabel(QObject::tr("No matches"), viewport);
    hint->setObjectName("noMatches");
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setMargin(hint->fontMetrics().height() / 2);
    hint->setEnabled(false);
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    hint->setGeometry(viewport->rect());
    viewport->installEventFilter(new Cover(hint));
  }
  if (hint->isVisibleTo(viewport) != none) hint->setVisible(none);
}

namespace {

// The first row the player can see: in a tree, the first one without rows of its own (an item,
// or a group that lists its items), else the first shown at all.
QTreeWidgetItem* FirstShown(QTreeWidget* tree) {
  QTreeWidgetItem* first = nullptr;
  for (QTreeWidgetItemIterator it(tree, QTreeWidgetItemIterator::NotHidden); *it != nullptr; ++it) {
    bool open = true;
    for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr && open; up = up->parent()) open = up->isExpanded();
    if (!open) continue;
    if ((*it)->childCount() == 0) return *it;
    if (first == nullptr) first = *it;
  }
  return first;
}

class LeadKeys : public QObject {
 public:
  LeadKeys(QObject* parent, std::function<QAbstractItemView*()> list) : QObject(parent), list_(std::move(list)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool lead = key->key() == Qt::Key_Down || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!lead || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    QAbstractItemView* view = list_();
    if (view == nullptr || !view->isVisible()) return false;
    if (!CurrentShown(view)) {
      // Made current as a click would make it, so the page shows what the list now points at.
      if (auto* tree = qobject_cast<QTreeWidget*>(view)) {
        if (QTreeWidgetItem* first = FirstShown(tree)) tree->setCurrentItem(first);
      } else if (auto* list = qobject_cast<QListWidget*>(view)) {
        for (int i = 0; i < list->count(); ++i) {
          if (!list->isRowHidden(i)) {
            list->setCurrentRow(i);
            break;
          }
        }
      }
    }
    view->setFocus(Qt::TabFocusReason);
    return true;
  }

 private:
  std::function<QAbstractItemView*()> list_;
};

}  // namespace

void LeadInto(QLineEdit* box, std::function<QAbstractItemView*()> list) {
  box->installEventFilter(new LeadKeys(box, std::move(list)));
}

bool CurrentShown(const QAbstractItemView* view) {
  const QModelIndex current = view->currentIndex();
  if (!current.isValid() || !view->selectionModel()->isSelected(current)) return false;
  if (const auto* tree = qobject_cast<const QTreeWidget*>(view)) {
    for (QTreeWidgetItem* item = tree->itemFromIndex(current); item != nullptr; item = item->parent()) {
      if (item->isHidden() || (item != tree->itemFromIndex(current) && !item->isExpanded())) return false;
    }
  }
  if (const auto* list = qobject_cast<const QListWidget*>(view)) return !list->isRowHidden(current.row());
  return true;
}

namespace {

class KeyPress : public QObject {
 public:
  KeyPress(QObject* parent, std::vector<int> keys, QAbstractButton* button)
      : QObject(parent), keys_(std::move(keys)), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (std::find(keys_.begin(), keys_.end(), key->key()) == keys_.end() ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    if (button_->isEnabled() && button_->isVisible()) button_->click();
    return true;
  }

 private:
  std::vector<int> keys_;
  QAbstractButton* button_;
};

}  // namespace

void PressOnKey(QAbstractItemView* view, std::vector<int> keys, QAbstractButton* button) {
  view->installEventFilter(new KeyPress(view, std::move(keys), button));
}

int RowOf(QTreeWidget* list, QTreeWidgetItem* item) { return item == nullptr ? -1 : list->indexOfTopLevelItem(item); }

namespace {

// A field showing a total or a price never gets narrower than its text: a squeezed page would
// otherwise show ")/25" for "25/25" or "999" for "19999".
class FittedField : public QLineEdit {
 public:
  explicit FittedField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
      if (maximumWidth() < TextWidth()) setMaximumWidth(TextWidth());
      updateGeometry();
    });
  }
  QSize minimumSizeHint() const override {
    const QSize least = QLineEdit::minimumSizeHint();
    return {std::max(least.width(), TextWidth()), least.height()};
  }

 private:
  int TextWidth() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    // The line edit's own margins on both sides, and the cursor's pixel.
    const QSize shown(fontMetrics().horizontalAdvance(text()) + 2 * 2 + 1, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, shown, this).width();
  }
};

}  // namespace

QLineEdit* ReadOnlyField(const QString& name, QWidget* parent) {
  auto* field = new FittedField(parent);
  field->setObjectName(name);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  return field;
}

QLineEdit* ReadOnlyNumber(const QString& name, QWidget* parent, int width) {
  QLineEdit* field = ReadOnlyField(name, parent);
  field->setMaximumWidth(width);
  field->setAlignment(Qt::AlignRight);
  return field;
}

void ShowText(QLineEdit* field, const std::string& text) {
  if (field->text() != ToQt(text)) field->setText(ToQt(text));
}

}  // namespace ivgen
