// The edges and flaws catalog (edge.dat), which the edges and flaws dialog offers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

inline constexpr std::string_view kEdgesFile = "edge.dat";

/// Entries "name<Tab>value<Tab>book<Tab>description"; column 1 "E" makes an edge, anything
/// else a flaw. The description travels to the attribute rules as the entry's modifier codes.
struct EdgeCatalog {
  std::vector<std::string> edges;
  std::vector<std::string> flaws;
};

/// Reads edge.dat with its own book filter: an empty book field is always kept; otherwise the
/// code before the first "-" must occur anywhere in AllowedBooks. A non-empty book field without
/// "-" leaves the line out. Nothing when the file is missing or cannot be opened.
std::optional<EdgeCatalog> LoadEdges(const std::string& folder, std::string_view allowedBooks,
                                     LoadNotes* notes = nullptr);

}  // namespace ivgen
