// The Editor's catalogs: the start-up loads, and the Books page, whose sourcebook lists decide
// what the loaders keep and what BookAllowed answers.
#include "app/editor.h"

namespace ivgen {

bool Editor::LoadCatalogLists() { return LoadStartupLists(programFolder_, books_, catalogs_.skills, platform_); }

bool Editor::ReloadCatalogs(bool atStartup) {
  const bool loaded = ivgen::ReloadDatafiles(programFolder_, books_, catalogs_, platform_,
                                             atStartup ? ReloadTrigger::StartUp : ReloadTrigger::Button);
  catalogSelection_ = FirstSelections(catalogs_);
  return loaded;
}

void Editor::BooksSelectAllowed(int index) { SelectAllowedBook(books_, index); }

void Editor::BooksSelectNotAllowed(int index) { SelectNotAllowedBook(books_, index); }

void Editor::BooksMoveToNotAllowed() { MoveToNotAllowed(books_); }

void Editor::BooksMoveToAllowed() { MoveToAllowed(books_); }

bool Editor::BooksSave() {
  const IoResult result = SaveBooks(programFolder_, books_);
  if (!result.ok) Tell(result.Describe("write"), Icon::Warning);
  return result.ok;
}

void Editor::BooksReload() { ReloadCatalogs(false); }

}  // namespace ivgen
