#include "entry/columns.h"

namespace ivgen::entry_detail {

std::vector<std::string> SplitFields(std::string_view text, TabSplit split, size_t columns) {
  if (split == TabSplit::EveryTab || columns < 2) return SplitTabs(text);
  std::vector<std::string> fields;
  if (split == TabSplit::LastTakesRest) {
    while (fields.size() + 1 < columns) {
      const size_t tab = text.find(kTab);
      if (tab == std::string_view::npos) break;
      fields.emplace_back(text.substr(0, tab));
      text.remove_prefix(tab + 1);
    }
    fields.emplace_back(text);
    return fields;
  }
  // From the end, so the first field keeps every TAB before the last columns'.
  while (fields.size() + 1 < columns) {
    const size_t tab = text.rfind(kTab);
    if (tab == std::string_view::npos) break;
    fields.emplace_back(text.substr(tab + 1));
    text.remove_suffix(text.size() - tab);
  }
  fields.emplace_back(text);
  return {fields.rbegin(), fields.rend()};
}

std::string_view TakeGradeCode(std::string_view text, std::string& grade) {
  const size_t n = text.size();
  if (n >= 2 && text[n - 2] == '!' && text[n - 1] >= '0' && text[n - 1] <= '3') {
    grade.assign(1, text[n - 1]);
    text.remove_suffix(2);
  }
  return text;
}

}  // namespace ivgen::entry_detail

namespace ivgen {

std::string_view LeadingName(std::string_view entry) { return entry.substr(0, entry.find(kTab)); }

}  // namespace ivgen
