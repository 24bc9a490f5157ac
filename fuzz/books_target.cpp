// books.dat with moves and saves: whatever the file holds, a save keeps every line and every
// book, keeps every allowed book allowed, and never turns a book into a comment.
#include <algorithm>

#include "catalog/books.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  using fuzz::Check;
  fuzz::ProgramFolder& folder = fuzz::Folder();
  folder.Write(kBooksFile, fuzz::Bytes(data, size));
  auto books = LoadBooks(folder.Path());
  if (!books) return 0;
  const size_t lineCount = SplitLines(WithoutByteOrderMark(fuzz::Bytes(data, size))).size();
  const size_t bookCount = books->allowed.size() + books->notAllowed.size();

  // Every other book changes sides, as a player sorting the lists would move them.
  const size_t allowedBefore = books->allowed.size();
  const size_t notAllowedBefore = books->notAllowed.size();
  for (size_t i = 0; i < allowedBefore / 2; ++i) {
    SelectAllowedBook(*books, static_cast<int>(i));
    Check(MoveToNotAllowed(*books), "a selected book moves");
  }
  for (size_t i = 0; i < notAllowedBefore / 2; ++i) {
    SelectNotAllowedBook(*books, static_cast<int>(i));
    Check(MoveToAllowed(*books), "a selected book moves");
  }
  AllowedBooks(*books);
  BookAllowed(*books, "IV3");

  Check(SaveBooks(folder.Path(), *books).ok, "books.dat can be saved");
  const auto saved = ReadWholeFile(folder.PathOf(kBooksFile));
  Check(saved.has_value(), "the saved books.dat can be read");
  Check(SplitLines(*saved).size() == lineCount, "a save keeps every line");
  const auto reloaded = LoadBooks(folder.Path());
  Check(reloaded.has_value(), "the saved books.dat loads");
  Check(reloaded->allowed.size() + reloaded->notAllowed.size() == bookCount, "a save keeps every book a book");
  for (const std::string& entry : books->allowed) {
    Check(std::find(reloaded->allowed.begin(), reloaded->allowed.end(), entry) != reloaded->allowed.end(),
          "an allowed book stays allowed");
  }
  return 0;
}
