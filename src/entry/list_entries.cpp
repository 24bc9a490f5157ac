#include "entry/list_entries.h"

#include <algorithm>

#include "record/text.h"
#include "record/values.h"

namespace ivgen {

BracketPair ReadBrackets(std::string_view text) {
  const size_t open = text.find('[');
  if (open == std::string_view::npos) return {};
  text = text.substr(open + 1);
  text = text.substr(0, text.find(']'));
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return {IntFloor(Val(text)), 0};
  return {IntFloor(Val(text.substr(0, slash))), IntFloor(Val(text.substr(slash + 1)))};
}

double CyberwareEntry::Essence() const { return Val(essence); }
int32_t CyberwareEntry::Price() const { return CLng(Val(price)); }
double CyberwareEntry::Capacity() const { return Val(capacity); }
int CyberwareEntry::Grade() const { return grade.empty() ? -1 : grade[0] - '0'; }

double BiowareEntry::BioIndex() const { return Val(bioIndex); }
int32_t BiowareEntry::Price() const { return CLng(Val(price)); }

std::string GearEntry::TypeText() const { return values.substr(0, values.find('|')); }

int GearEntry::Type() const { return CInt(Val(TypeText())); }

std::string GearEntry::Value(int i) const {
  const std::vector<std::string> split = Split(values, '|');
  return i >= 1 && static_cast<size_t>(i) < split.size() ? split[static_cast<size_t>(i)] : "";
}

void GearEntry::SetValue(int i, std::string value) {
  if (i < 1) return;
  std::vector<std::string> split = Split(values, '|');
  if (split.size() <= static_cast<size_t>(i)) split.resize(static_cast<size_t>(i) + 1);
  split[static_cast<size_t>(i)] = std::move(value);
  values = Join(split, "|");
}

int64_t GearEntry::Count() const {
  // Read after the name column, so a catalog name holding "[" is not taken for a count.
  if (name.size() <= kGearNameWidth || name[kGearNameWidth] != '[') return 1;
  const size_t close = name.find(']', kGearNameWidth);
  if (close == std::string::npos) return 1;
  return CLng(Val(std::string_view(name).substr(kGearNameWidth + 1, close - kGearNameWidth - 1)));
}

std::string GearEntry::Item() const {
  return Trim(std::string_view(name).substr(0, std::min(name.size(), kGearNameWidth)));
}

double PowerEntry::Cost() const { return Val(cost); }

double ContactEntry::Level() const { return Val(level); }
int32_t ContactEntry::Price() const { return CLng(Val(price)); }

}  // namespace ivgen
