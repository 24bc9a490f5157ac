#include "record/ini_file.h"

#include "record/entries.h"
#include "record/text_file.h"

namespace ivgen {

namespace {

std::string StripQuotes(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
  IniFile ini;
  std::string section;
  bool inSection = false;
  // A section named again is not read: only the first of a name counts, as the profile reader
  // the format follows finds it.
  for (const std::string& raw : SplitLines(WithoutByteOrderMark(text))) {
    const std::string line = Trim(raw);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      section = UpperCase(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
      inSection = ini.sections_.insert(section).second;
      continue;
    }
    const size_t equals = line.find('=');
    if (!inSection || equals == std::string::npos) continue;
    std::string key = UpperCase(Trim(line.substr(0, equals)));
    std::string value = StripQuotes(Trim(line.substr(equals + 1)));
    if (value.size() > kMaxValueLength) value.resize(kMaxValueLength);
    ini.values_.emplace(std::make_pair(section, std::move(key)), std::move(value));
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path, IoResult* problem) {
  const auto text = ReadWholeFile(path, problem);
  if (!text) return IniFile{};
  return Parse(*text);
}

std::string IniFile::Get(std::string_view section, std::string_view key) const {
  const auto it = values_.find({UpperCase(Trim(section)), UpperCase(Trim(key))});
  return it == values_.end() ? std::string() : it->second;
}

bool IniFile::Has(std::string_view section, std::string_view key) const {
  return values_.count({UpperCase(Trim(section)), UpperCase(Trim(key))}) != 0;
}

bool IniFile::HasSection(std::string_view section) const { return sections_.count(UpperCase(Trim(section))) != 0; }

}  // namespace ivgen
