// The Books page: the sourcebooks allowed and not allowed, saving the choice and reloading the
// catalogs for it.
#pragma once

#include <functional>
#include <string>

#include "app/unit_host.h"
#include "catalog/books.h"
#include "platform/platform.h"

namespace ivgen {

class BooksUnit final : public Unit {
 public:
  /// reload runs ReloadDatafiles for the allowed books, as the button does.
  BooksUnit(BookLists& books, Platform& platform, const std::string& folder, std::function<void()> reload)
      : books_(books), platform_(platform), folder_(folder), reload_(std::move(reload)) {}

  const BookLists& Lists() const { return books_; }

  /// A click on an entry of "Source books allowed" / "Source books not allowed"; an index outside
  /// the list changes nothing.
  void SelectAllowed(int index);
  void SelectNotAllowed(int index);
  /// The move buttons beside the two lists; nothing happens without a selected entry.
  void MoveToNotAllowed();
  void MoveToAllowed();
  /// "Save Settings": rewrites books.dat; a failure is shown with the path. True when written.
  bool Save();
  /// "Reload Datafiles": reloads the catalogs for the allowed books, with the busy pointer.
  void Reload() { reload_(); }

 private:
  BookLists& books_;
  Platform& platform_;
  const std::string& folder_;
  std::function<void()> reload_;
};

}  // namespace ivgen
