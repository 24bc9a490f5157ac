// An INI-form file parsed once and asked any number of times, with the conventions players'
// settings files and character files rely on: section and key names compared without regard to
// case, values trimmed and stripped of one pair of surrounding quotes, the first occurrence wins
// (of a key in its section, and of a section: a section named again is not read), and "" for
// anything missing.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "record/text_file.h"

namespace ivgen {

class IniFile {
 public:
  /// Longest value returned; longer values are cut.
  static constexpr size_t kMaxValueLength = 4095;

  /// Parses text whose lines end with CR LF, LF or CR; a leading byte order mark is skipped.
  static IniFile Parse(std::string_view text);
  /// Reads and parses a file; a file that cannot be read gives an empty IniFile, and `problem`,
  /// when given, says why.
  static IniFile Load(const std::string& path, IoResult* problem = nullptr);

  /// The value of key in section, or "" when either is missing.
  std::string Get(std::string_view section, std::string_view key) const;
  /// Whether the key is present in the section (even with an empty value).
  bool Has(std::string_view section, std::string_view key) const;
  /// Whether the section is named in the file, with or without keys.
  bool HasSection(std::string_view section) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
  std::set<std::string> sections_;
};

}  // namespace ivgen
