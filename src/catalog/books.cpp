#include "catalog/books.h"

#include <filesystem>

#include "catalog/data_folders.h"
#include "catalog/line_syntax.h"
#include "record/entries.h"
#include "system/system.h"

namespace ivgen {

namespace {

std::string CodeOf(std::string_view entry) {
  const size_t tab = entry.find('\t');
  return tab == std::string_view::npos ? std::string() : std::string(entry.substr(tab + 1));
}

// A not-allowed book whose title starts with "!" or "*" is written after a blank, or its line
// would come back as a comment or as an allowed book; reading takes the blank off again.
bool NeedsGuard(std::string_view title) { return !title.empty() && (title.front() == '!' || title.front() == '*'); }

std::string Unguarded(std::string title) {
  if (title.size() > 1 && title.front() == ' ' && NeedsGuard(std::string_view(title).substr(1))) title.erase(0, 1);
  return title;
}

bool MoveSelected(std::vector<std::string>& from, int& selected, bool& enabled, std::vector<std::string>& to) {
  if (selected < 0 || selected >= static_cast<int>(from.size())) return false;
  to.push_back(std::move(from[selected]));
  from.erase(from.begin() + selected);
  selected = -1;
  enabled = false;
  return true;
}

}  // namespace

std::optional<BookLists> LoadBooks(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kBooksFile);
  if (!catalog) return std::nullopt;
  BookLists books;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    const size_t semicolon = line.find(';');
    if (semicolon == std::string::npos) {
      if (notes != nullptr)
        notes->Problem(catalog->name, lineNumber, "no \";\" between title and code; the line is skipped");
      continue;
    }
    const std::string entry = std::string(line.substr(0, semicolon)) + '\t' + std::string(line.substr(semicolon + 1));
    if (entry.front() == '*') {
      books.allowed.push_back(Unguarded(entry.substr(1)));
    } else {
      books.notAllowed.push_back(Unguarded(entry));
    }
  }
  return books;
}

void SelectAllowedBook(BookLists& books, int index) {
  if (index < 0 || index >= static_cast<int>(books.allowed.size())) return;
  books.allowedSelected = index;
  books.moveToNotAllowedEnabled = true;
}

void SelectNotAllowedBook(BookLists& books, int index) {
  if (index < 0 || index >= static_cast<int>(books.notAllowed.size())) return;
  books.notAllowedSelected = index;
  books.moveToAllowedEnabled = true;
}

bool MoveToNotAllowed(BookLists& books) {
  return MoveSelected(books.allowed, books.allowedSelected, books.moveToNotAllowedEnabled, books.notAllowed);
}

bool MoveToAllowed(BookLists& books) {
  return MoveSelected(books.notAllowed, books.notAllowedSelected, books.moveToAllowedEnabled, books.allowed);
}

std::string AllowedBooks(const BookLists& books) {
  std::string text;
  for (const std::string& entry : books.allowed) text += "[" + CodeOf(entry) + "]";
  return text;
}

bool BookAllowed(const BookLists& books, std::string_view code) {
  const std::string wanted = UpperCase(code);
  for (const std::string& entry : books.allowed) {
    if (UpperCase(CodeOf(entry)) == wanted) return true;
  }
  return false;
}

std::string BooksFileText(const std::vector<std::string_view>& lines, const BookLists& books) {
  std::string text;
  for (std::string_view line : lines) {
    const size_t semicolon = line.find(';');
    if (IsComment(line) || semicolon == std::string::npos) {
      text += line;
    } else {
      std::string title(line.substr(0, semicolon));
      if (!title.empty() && title.front() == '*') title.erase(0, 1);
      title = Unguarded(std::move(title));
      // A title found anywhere within an allowed entry counts: "Core" is allowed beside
      // "Core Rules". Kept, since existing books.dat files were saved this way. An empty title
      // would be found in every entry, so only the allowed entry of that very line counts.
      const std::string whole = title + '\t' + std::string(line.substr(semicolon + 1));
      bool allowed = false;
      for (const std::string& entry : books.allowed) {
        if (title.empty() ? entry == whole : entry.find(title) != std::string::npos) allowed = true;
      }
      text += (allowed ? "*" : NeedsGuard(title) ? " " : "") + title + ";";
      text += line.substr(semicolon + 1);
    }
    text += kCrLf;
  }
  return text;
}

IoResult SaveBooks(const std::string& folder, const BookLists& books) {
  const auto catalog = ReadCatalog(folder, kBooksFile);
  if (!catalog) return IoResult::Failure(CatalogPath(folder, kBooksFile), "the file cannot be read");
  // An installed copy's own file stays as shipped; the player's copy takes the save.
  std::string target = catalog->path;
  if (IsInstalledLayout(folder) && !PlayerCopy(folder, kBooksFile)) {
    const std::string saveFolder = SaveFolder(folder);
    if (saveFolder.empty()) return IoResult::Failure(std::string(kBooksFile), std::string(kNoPlayerFolder));
    target = CatalogPath(saveFolder, kBooksFile);
  }
  if (IoResult prepared = PreparePlayerFolderFor(target); !prepared.ok) return prepared;
  IoResult result = ReplaceFile(target, BooksFileText(catalog->lines, books));
  if (result.ok) {
    // A leftover is no reason to report a save that worked; only a plain file is ours to remove.
    const std::filesystem::path scratch = NativePath(CatalogPath(SaveFolder(folder), kBooksScratchFile));
    std::error_code ignored;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(scratch, ignored))) {
      std::filesystem::remove(scratch, ignored);
    }
  }
  return result;
}

}  // namespace ivgen
