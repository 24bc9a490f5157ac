#include "app/books_unit.h"

namespace ivgen {

void BooksUnit::SelectAllowed(int index) { SelectAllowedBook(books_, index); }

void BooksUnit::SelectNotAllowed(int index) { SelectNotAllowedBook(books_, index); }

void BooksUnit::MoveToNotAllowed() { ivgen::MoveToNotAllowed(books_); }

void BooksUnit::MoveToAllowed() { ivgen::MoveToAllowed(books_); }

bool BooksUnit::Save() {
  const IoResult result = SaveBooks(folder_, books_);
  if (!result.ok) platform_.Message(result.Describe("write"), kAppTitle, Icon::Warning, Buttons::Ok);
  return result.ok;
}

}  // namespace ivgen
