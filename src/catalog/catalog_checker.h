// The catalog checker for data authors: reads every catalog of a folder as the loaders do and
// lists each line they would skip or cut short, unknown modifier codes, book codes missing from
// books.dat and catalogs that outgrow their tables.
#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

/// "file:line: what", or "file: what" for a problem of the whole file.
std::string FormatProblem(const CatalogProblem& problem);

/// Every problem of the folder's catalogs, sorted by file and line. Every line is looked at,
/// whatever books.dat allows. A missing catalog is itself a problem.
std::vector<CatalogProblem> CheckCatalogFolder(const std::string& folder);

}  // namespace ivgen
