// The Editor's seams: the places where the catalogs, the creation rules and the purchases plug
// into start-up, New, Save and the page changes. Each body is the whole of what the program
// does at that point so far.
#include "app/editor.h"

namespace ivgen {

void Editor::FillPriorityOrder() { StartCreationPages(); }

bool Editor::LoadBooksAndSkills() { return LoadCatalogLists(); }

bool Editor::ReloadDatafiles(bool atStartup) { return ReloadCatalogs(atStartup); }

void Editor::RecalcDerived() { RecalcDerivedValues(); }

void Editor::RecountTotals() {}

void Editor::ShowStandardView() {}

void Editor::PageChange(int from, int to) { RunPageChange(from, to); }

bool Editor::LoadCharacter(const std::string& /*path*/, std::string& reason) {
  reason = "this version of the generator cannot read character files yet.";
  return false;
}

}  // namespace ivgen
