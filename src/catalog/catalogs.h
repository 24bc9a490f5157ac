// Every catalog the program holds, and the two ways they are filled: the start-up lists
// (books.dat, skills.dat) and ReloadDatafiles, which rebuilds AllowedBooks and reloads the rest.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
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
#include "record/shown_text.h"

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

/// The message that names a catalog that cannot be opened.
ShownText CatalogNotFoundMessage(const std::string& path);
/// The message of a missing cyberware catalog, which is optional.
ShownText CyberwareNotFoundMessage(const std::string& folder);

/// Start-up's first catalogs: the sourcebook lists from books.dat, then skills.dat. The name of
/// the first file that cannot be opened (start-up ends there), or nothing when both loaded.
std::optional<std::string_view> LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills);

/// One step of ReloadDatafiles: its progress label, its file, and its loader, which stores the
/// catalog (an empty one when the file cannot be opened) and says whether the file was opened.
struct ReloadStep {
  std::string_view label;
  std::string_view file;
  bool (*load)(const std::string& folder, Catalogs& catalogs);
};

/// Cyberware, bioware, spells, traditions, powers, gear, edges and flaws, metatypes and ranges,
/// in that order. The loaders keep what catalogs.allowedBooks allows.
std::span<const ReloadStep> ReloadSteps();

}  // namespace ivgen
