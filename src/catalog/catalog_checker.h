// The catalog checker for data authors: reads every catalog of a folder as the loaders do and
// lists each line they would skip or cut short, unknown modifier codes, book codes missing from
// books.dat and catalogs that outgrow their tables.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

/// What the checker says of a file that starts with a UTF-8 byte order mark.
inline constexpr const char* kByteOrderMarkProblem =
    "starts with a UTF-8 byte order mark, which the program skips; the file is read as Windows-1252, so save "
    "it in that encoding";

/// Every catalog the program reads, books.dat first.
std::span<const std::string_view> CatalogFileNames();

/// "file:line: what", or "file: what" for a problem of the whole file.
std::string FormatProblem(const CatalogProblem& problem);

/// Every problem of the folder's catalogs, sorted by file and line. Every line is looked at,
/// whatever books.dat allows. A missing catalog is itself a problem.
std::vector<CatalogProblem> CheckCatalogFolder(const std::string& folder);

/// Sorts problems by file, without regard to case, then by line.
void SortProblems(std::vector<CatalogProblem>& problems);

}  // namespace ivgen
