// The Books page: the sourcebooks sorted into allowed and not allowed, saved to books.dat, and
// the reload of the catalogs for the allowed books.
#pragma once

#include <QPushButton>
#include <QTreeWidget>

#include "ui/page_view.h"

namespace ivgen {

class BooksPage : public PageView {
  Q_OBJECT
 public:
  BooksPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  QTreeWidget* allowed_ = nullptr;
  QTreeWidget* notAllowed_ = nullptr;
  QPushButton* moveToNotAllowed_ = nullptr;
  QPushButton* moveToAllowed_ = nullptr;
};

}  // namespace ivgen
