// The metatype catalog (meta.dat): its lines kept as they stand for the race rules, which read
// the race code in column 1 and the "|"-separated record from column 3.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/catalog_file.h"

namespace ivgen {

inline constexpr std::string_view kMetatypesFile = "meta.dat";
inline constexpr size_t kMetaLinesMax = 31;

/// MetaLines positions 0 to 30; positions past the last line hold "".
using MetaLines = std::array<std::string, kMetaLinesMax>;

/// Reads meta.dat unfiltered; lines past the 31st are left out. Nothing when the file is missing
/// or cannot be opened.
std::optional<MetaLines> LoadMetatypes(const std::string& folder, LoadNotes* notes = nullptr);

}  // namespace ivgen
