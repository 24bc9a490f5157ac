#include "ui/books_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "record/entries.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

QTreeWidget* BookList(const QString& name, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(name);
  list->setColumnCount(2);
  list->setHeaderLabels({QObject::tr("Title"), QObject::tr("Code")});
  list->setRootIsDecorated(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  return list;
}

void Fill(QTreeWidget* list, const std::vector<std::string>& entries, int selected) {
  const QSignalBlocker block(list);
  list->clear();
  for (const std::string& entry : entries) {
    new QTreeWidgetItem(list, {ToQt(TabField(entry, 0)), ToQt(TabField(entry, 1))});
  }
  if (selected >= 0 && selected < list->topLevelItemCount()) {
    list->setCurrentItem(list->topLevelItem(selected));
  } else {
    list->setCurrentItem(nullptr);
    list->clearSelection();
  }
}

}  // namespace

BooksPage::BooksPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  allowed_ = BookList("allowedBooks", this);
  notAllowed_ = BookList("notAllowedBooks", this);
  moveToNotAllowed_ = new QPushButton(tr("Not allowed >>"), this);
  moveToNotAllowed_->setObjectName("moveToNotAllowed");
  moveToAllowed_ = new QPushButton(tr("<< Allowed"), this);
  moveToAllowed_->setObjectName("moveToAllowed");
  auto* save = new QPushButton(tr("Save Settings"), this);
  save->setObjectName("saveBooks");
  auto* reload = new QPushButton(tr("Reload Datafiles"), this);
  reload->setObjectName("reloadDatafiles");

  connect(allowed_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    editor_.Books().SelectAllowed(allowed_->indexOfTopLevelItem(item));
    Refresh();
  });
  connect(notAllowed_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    editor_.Books().SelectNotAllowed(notAllowed_->indexOfTopLevelItem(item));
    Refresh();
  });
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
