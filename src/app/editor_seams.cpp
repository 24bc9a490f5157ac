// The Editor's seams: the places where the catalogs, the creation rules and the purchases plug
// into start-up, New, Save and the page changes. Each body is the whole of what the program
// does at that point so far.
#include "app/editor.h"

namespace ivgen {

void Editor::FillPriorityOrder() {
  // Attributes, Skills, Resources, Race, Magic from A to E.
  record_.PriAttributes = 0;
  record_.PriSkills = 1;
  record_.PriResources = 2;
  record_.PriRace = 3;
  record_.PriMagic = 4;
}

bool Editor::LoadBooksAndSkills() { return LoadCatalogLists(); }

bool Editor::ReloadDatafiles(bool atStartup) { return ReloadCatalogs(atStartup); }

void Editor::RecalcDerived() {}

void Editor::RecountTotals() {}

void Editor::ShowStandardView() {}

void Editor::PageChange(int /*from*/, int /*to*/) {}

bool Editor::LoadCharacter(const std::string& /*path*/, std::string& reason) {
  reason = "this version of the generator cannot read character files yet.";
  return false;
}

}  // namespace ivgen
