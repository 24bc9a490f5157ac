#include "catalog/range_catalog.h"

#include "catalog/line_syntax.h"
#include "record/entries.h"
#include "record/values.h"

namespace ivgen {

namespace {

// A whole or decimal number with an optional sign and nothing else, as a 16-bit value.
std::optional<int16_t> RangeValue(std::string_view text) {
  const std::string trimmed = Trim(text);
  size_t i = 0;
  if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) ++i;
  size_t digits = 0;
  bool point = false;
  for (; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  const double value = Val(trimmed);
  if (value < -32768.5 || value > 32767.5) return std::nullopt;
  return CInt(value);
}

}  // namespace

std::optional<std::vector<RangeRow>> LoadRanges(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kRangesFile);
  if (!catalog) return std::nullopt;
  std::vector<RangeRow> rows;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    auto skip = [&](std::string what) {
      if (notes != nullptr) notes->Problem(catalog->name, lineNumber, std::move(what) + "; the line is skipped");
    };
    const std::vector<std::string> parts = Split(line, '|');
    if (parts.size() < 6) {
      skip("range line has " + std::to_string(parts.size() - 1) + " \"|\", five are needed");
      continue;
    }
    std::optional<int16_t> values[4];
    bool numeric = true;
    for (size_t k = 0; k < 4; ++k) {
      values[k] = RangeValue(parts[k + 2]);
      if (!values[k]) {
        skip("range value \"" + parts[k + 2] + "\" is not a whole number");
        numeric = false;
        break;
      }
    }
    if (!numeric) continue;
    if (rows.size() >= kRangeRowsMax) {
      if (notes != nullptr) {
        notes->Problem(
            catalog->name, lineNumber,
            "more than " + std::to_string(kRangeRowsMax) + " range rows; this one and the rest are left out");
      }
      break;
    }
    std::string name = parts[1];
    if (name.size() > 10) {
      if (notes != nullptr) {
        notes->Problem(catalog->name, lineNumber,
                       "weapon kind \"" + name + "\" is cut to \"" + name.substr(0, 10) + "\"");
      }
      name.resize(10);
    }
    name.resize(10, ' ');
    rows.push_back({name, *values[0], *values[1], *values[2], *values[3]});
  }
  return rows;
}

}  // namespace ivgen
