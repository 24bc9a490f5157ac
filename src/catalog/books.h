// The sourcebooks (books.dat): the allowed and not-allowed lists the Books page sorts, the
// saving of that choice, the AllowedBooks text the loaders filter by, and BookAllowed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"
#include "record/text_file.h"

namespace ivgen {

/// What a purchase tells the player when the item's sourcebook is not allowed.
inline constexpr const char* kIllegalItemTitle = "Illegal item";
inline constexpr const char* kIllegalItemMessage = "You can't get this item!\r\nIt is not in the allowed sourcebooks.";

inline constexpr std::string_view kBooksFile = "books.dat";
/// The scratch name older saves wrote through; a save leaves none behind.
inline constexpr std::string_view kBooksScratchFile = "booksdat.dat";

/// The two lists, entries "title<Tab>code" in the order added, with their selections and the
/// enabled state of the move button beside each list.
struct BookLists {
  std::vector<std::string> allowed;
  std::vector<std::string> notAllowed;
  int allowedSelected = -1;
  int notAllowedSelected = -1;
  bool moveToNotAllowedEnabled = false;  // the button beside "Source books allowed"
  bool moveToAllowedEnabled = false;     // the button beside "Source books not allowed"
};

/// Fills the lists from books.dat: "*" marks an allowed book. Lines without ";" are left out.
/// Nothing when books.dat is missing or cannot be opened.
std::optional<BookLists> LoadBooks(const std::string& folder, LoadNotes* notes = nullptr);

/// A click on an entry: selects it and enables that list's move button; an index outside the
/// list changes nothing.
void SelectAllowedBook(BookLists& books, int index);
void SelectNotAllowedBook(BookLists& books, int index);

/// Moves the selected entry to the end of the other list and disables the button; false, and
/// nothing changes, when the list has no selected entry.
bool MoveToNotAllowed(BookLists& books);
bool MoveToAllowed(BookLists& books);

/// "[" + code + "]" for every allowed entry, in list order.
std::string AllowedBooks(const BookLists& books);

/// Whether some allowed entry's code equals `code` in upper case.
bool BookAllowed(const BookLists& books, std::string_view code);

/// The text books.dat gets for the current choice: each book line re-marked with "*" when its
/// title occurs within some allowed entry; comments and lines without ";" unchanged; CR LF ends.
std::string BooksFileText(const std::vector<std::string_view>& lines, const BookLists& books);

/// Rewrites books.dat with the current choice. The new file is complete before it replaces the
/// old one, so a failure leaves books.dat as it was; the result names the path. A save that
/// succeeds removes a scratch file left in the folder.
IoResult SaveBooks(const std::string& folder, const BookLists& books);

}  // namespace ivgen
