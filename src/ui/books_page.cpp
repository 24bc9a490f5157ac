#include "ui/books_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"

namespace ivgen {

namespace {

void Fill(QTreeWidget* list, const std::vector<std::string>& entries, int selected) {
  std::vector<std::vector<std::string>> rows;
  for (BookRow& row : BookRows(entries)) rows.push_back({std::move(row.title), std::move(row.code)});
  ShowRows(list, rows, selected);
}

}  // namespace

BooksPage::BooksPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  allowed_ = ColumnList("allowedBooks", {tr("Title"), tr("Code")}, this);
  notAllowed_ = ColumnList("notAllowedBooks", {tr("Title"), tr("Code")}, this);
  moveToNotAllowed_ = new QPushButton(tr("&Not allowed >>"), this);
  moveToNotAllowed_->setObjectName("moveToNotAllowed");
  moveToAllowed_ = new QPushButton(tr("<< &Allowed"), this);
  moveToAllowed_->setObjectName("moveToAllowed");
  auto* save = new QPushButton(tr("&Save Settings"), this);
  save->setObjectName("saveBooks");
  auto* reload = new QPushButton(tr("Reload &Datafiles"), this);
  reload->setObjectName("reloadDatafiles");

  // The highlight is the selection, whether a click or the arrow keys moved it, so the move
  // buttons always move the book the player sees highlighted. The keyboard focus alone makes a
  // row current without highlighting it, and chooses nothing.
  auto follow = [this](QTreeWidget* list, void (BooksUnit::*select)(int)) {
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this, list, select] {
      const QList<QTreeWidgetItem*> chosen = list->selectedItems();
      (editor_.Books().*select)(chosen.isEmpty() ? -1 : RowOf(list, chosen.front()));
      Refresh();
    });
  };
  follow(allowed_, &BooksUnit::SelectAllowed);
  follow(notAllowed_, &BooksUnit::SelectNotAllowed);
  connect(moveToNotAllowed_, &QPushButton::clicked, this, [this] {
    editor_.Books().MoveToNotAllowed();
    Refresh();
  });
  connect(moveToAllowed_, &QPushButton::clicked, this, [this] {
    editor_.Books().MoveToAllowed();
    Refresh();
  });
  connect(save, &QPushButton::clicked, this, [this] { editor_.Books().Save(); });
  connect(reload, &QPushButton::clicked, this, [this] {
    editor_.Books().Reload();
    // Every catalog page shows the new selection of books.
    emit Changed();
  });

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(tr("Source books allowed"), this), 0, 0);
  lists->addWidget(new QLabel(tr("Source books not allowed"), this), 0, 1);
  lists->addWidget(allowed_, 1, 0);
  lists->addWidget(notAllowed_, 1, 1);
  lists->addWidget(moveToNotAllowed_, 2, 0, Qt::AlignRight);
  lists->addWidget(moveToAllowed_, 2, 1, Qt::AlignLeft);

  auto* actions = new QHBoxLayout;
  actions->addStretch();
  actions->addWidget(save);
  actions->addWidget(reload);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(actions);
}

void BooksPage::Refresh() {
  const BookLists& books = editor_.Books().Lists();
  Fill(allowed_, books.allowed, books.allowedSelected);
  Fill(notAllowed_, books.notAllowed, books.notAllowedSelected);
  moveToNotAllowed_->setEnabled(books.moveToNotAllowedEnabled);
  moveToAllowed_->setEnabled(books.moveToAllowedEnabled);
}

}  // namespace ivgen
