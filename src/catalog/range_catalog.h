// The weapon range catalog (range.dat): the range rows the character sheet matches against the
// weapons of the gear list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

inline constexpr std::string_view kRangesFile = "range.dat";
inline constexpr size_t kRangeRowsMax = 51;

/// One row: the weapon kind cut or padded to exactly ten characters, and four range limits.
struct RangeRow {
  std::string Name;
  int16_t Short = 0;
  int16_t Medium = 0;
  int16_t Long = 0;
  int16_t Extreme = 0;

  bool operator==(const RangeRow&) const = default;
};

/// Reads range.dat into a fresh table, one row per line "ignored|name|short|medium|long|extreme";
/// a line with fewer parts or a value that is not a number within the 16-bit range is left out,
/// as are lines past the 51st row. Nothing when the file is missing or cannot be opened.
std::optional<std::vector<RangeRow>> LoadRanges(const std::string& folder, LoadNotes* notes = nullptr);

}  // namespace ivgen
