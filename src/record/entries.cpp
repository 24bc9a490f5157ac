#include "record/entries.h"

namespace ivgen {

std::vector<std::string> SplitTabs(std::string_view entry) { return Split(entry, kTab); }

std::string TabField(std::string_view entry, size_t n) {
  size_t start = 0;
  for (size_t field = 0; field < n; ++field) {
    const size_t tab = entry.find(kTab, start);
    if (tab == std::string_view::npos) return "";
    start = tab + 1;
  }
  const size_t end = entry.find(kTab, start);
  return std::string(entry.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

namespace {

// Sized first, so an entry is one allocation however many fields it has.
template <typename Fields>
std::string JoinFields(const Fields& fields) {
  size_t size = fields.size();
  for (const auto& field : fields) size += field.size();
  std::string joined;
  joined.reserve(size);
  bool first = true;
  for (const auto& field : fields) {
    if (!first) joined += kTab;
    joined += field;
    first = false;
  }
  return joined;
}

}  // namespace

std::string JoinTabs(const std::vector<std::string>& fields) { return JoinFields(fields); }
std::string JoinTabs(const std::vector<std::string_view>& fields) { return JoinFields(fields); }
std::string JoinTabs(std::initializer_list<std::string_view> fields) { return JoinFields(fields); }

}  // namespace ivgen
