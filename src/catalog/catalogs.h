// Every catalog the program holds, and the two ways they are filled: the start-up lists
// (books.dat, skills.dat) and ReloadDatafiles, which rebuilds AllowedBooks and reloads the rest.
#pragma once

#include <string>
#include <vector>

#include "catalog/books.h"
#include "catalog/edge_catalog.h"
#include "catalog/equipment_catalogs.h"
#include "catalog/gear_catalog.h"
#include "catalog/line_syntax.h"
#include "catalog/magic_catalogs.h"
#include "catalog/metatype_catalog.h"
#include "catalog/range_catalog.h"
#include "catalog/skill_catalog.h"
#include "platform/platform.h"

namespace ivgen {

/// The catalogs as the pages read them; each is replaced as a whole by its loader.
struct Catalogs {
  std::string allowedBooks;  // AllowedBooks as of the last ReloadDatafiles
  CatalogTree cyberware;
  CatalogTree bioware;
  SpellCatalog spells;
  std::vector<std::string> traditions;
  std::vector<std::string> powers;
  GearCatalog gear;
  EdgeCatalog edges;
  MetaLines metaLines;
  std::vector<RangeRow> RangeTable;
  SkillCatalog skills;  // read at start-up only
};

/// The entries a reload selects: the first spell category, tradition, edge and flaw; -1 for a
/// list that is empty, which selects nothing.
struct CatalogSelections {
  int spellCategory = -1;
  int tradition = -1;
  int edge = -1;
  int flaw = -1;
};
CatalogSelections FirstSelections(const Catalogs& catalogs);

/// Who runs ReloadDatafiles: start-up ends on a catalog that cannot be opened; the button reports
/// it, shows the busy pointer and goes on.
enum class ReloadTrigger { StartUp, Button };

/// The message that names a catalog that cannot be opened.
std::string CatalogNotFoundMessage(const std::string& path);

/// Start-up's first catalogs: the sourcebook lists from books.dat, then skills.dat. When one
/// cannot be opened the person is told which (a critical message) and false is returned: start-up
/// ends there.
bool LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills, Platform& platform);

/// Rebuilds AllowedBooks from the allowed list and reloads cyberware, bioware, spells,
/// traditions, powers, gear, edges and flaws, metatypes and ranges, in that order, showing the
/// progress window. A missing cyber.dat shows "Crash: <folder>Cyber.dat not found.!" and loading
/// goes on. Any other catalog that cannot be opened: at start-up it is reported as critical and
/// false is returned at once; from the button it is reported, left empty, and loading goes on.
bool ReloadDatafiles(const std::string& folder, const BookLists& books, Catalogs& catalogs, Platform& platform,
                     ReloadTrigger trigger);

}  // namespace ivgen
