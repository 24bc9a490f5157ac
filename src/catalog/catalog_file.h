// Finding and reading a catalog file in the program folder, and the notes a loader keeps of the
// lines it skips or cuts short, so the catalog checker can tell a data author where they are.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/text_file.h"

namespace ivgen {

/// A line a loader skipped or cut short; line 0 concerns the file as a whole.
struct CatalogProblem {
  std::string file;
  int line = 0;
  std::string what;
};

/// How a catalog compares an item's book code with the sourcebooks.
enum class BookMatch {
  Exact,       // the bracketed filter of the fixed-column catalogs
  IgnoreCase,  // BookAllowed, as the gear shop list asks it
  Substring,   // edge.dat's plain substring test
};

/// A book code one catalog line refers to.
struct BookUse {
  std::string file;
  int line = 0;
  std::string code;
  BookMatch match = BookMatch::Exact;
};

/// What the loaders report when asked; a normal load passes none.
struct LoadNotes {
  /// The checker's view: every line passes the book filter, so every line is looked at.
  bool everyBook = false;
  std::vector<CatalogProblem> problems;
  std::vector<BookUse> books;

  void Problem(std::string_view file, int line, std::string what);
  void Book(std::string_view file, int line, std::string_view code, BookMatch match);
};

/// The path of a file of the folder whose name equals `name` without regard to case, an exact
/// match preferred; failing a regular file, whatever else has the exact name, so reading it says
/// why it cannot be read. Nothing when there is none or the folder cannot be read.
std::optional<std::string> FindFileInFolder(const std::string& folder, std::string_view name);

/// Where a catalog of the program folder is read from: the player's copy in an installed layout
/// (see data_folders.h), else the folder's file as FindFileInFolder finds it.
std::optional<std::string> FindCatalogFile(const std::string& folder, std::string_view name);

/// A catalog file's lines, without their line ends.
struct CatalogText {
  std::string path;
  std::string name;  // the file's own name, as the folder spells it
  /// The lines look into the file's bytes, which they share, so a catalog's lines are never
  /// copied one by one.
  std::shared_ptr<const std::string> bytes;
  std::vector<std::string_view> lines;
  /// The file began with a UTF-8 byte order mark, which the lines leave out.
  bool byteOrderMark = false;
};

/// Reads a catalog of the folder; nothing when it is missing or cannot be read (a folder, a
/// device, a file larger than any catalog), with the reason in `problem` when given.
std::optional<CatalogText> ReadCatalog(const std::string& folder, std::string_view name, IoResult* problem = nullptr);

/// The path a catalog would have: the folder with one trailing separator, then the name.
std::string CatalogPath(const std::string& folder, std::string_view name);

}  // namespace ivgen
