// The Contacts page: the eight texts of a contact with its level, the add, "Update", "Remove" and
// "Clear" buttons, the contact list in columns, the price and money left.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

#include "purchase/contacts.h"
#include "ui/page_view.h"

namespace ivgen {

class ContactsPage : public PageView {
  Q_OBJECT
 public:
  ContactsPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  QWidget* Field(int index);

  std::array<QLineEdit*, kContactTextFields> lines_{};
  std::array<QPlainTextEdit*, kContactTextFields> texts_{};
  QPushButton* update_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* price_ = nullptr;
  QLabel* money_ = nullptr;
  QTreeWidget* list_ = nullptr;
};

}  // namespace ivgen
