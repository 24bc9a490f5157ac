#include "record/money.h"

#include <algorithm>
#include <limits>

#include "record/values.h"

namespace ivgen {

namespace {

constexpr int64_t kMost = std::numeric_limits<int32_t>::max();
constexpr int64_t kLeast = std::numeric_limits<int32_t>::min();

}  // namespace

int32_t MoneyLeft(const CharacterRecord& record) {
  return static_cast<int32_t>(std::clamp(int64_t{record.Maxresources} - record.NuyenSpent, kLeast, kMost));
}

std::string MoneyLeftText(const CharacterRecord& record) { return IntText(MoneyLeft(record)); }

bool CanAfford(const CharacterRecord& record, int64_t price) { return price <= MoneyLeft(record); }

void SpendNuyen(CharacterRecord& record, int64_t amount) {
  const int64_t low = std::max(kLeast, record.Maxresources - kMost);
  const int64_t high = std::min(kMost, record.Maxresources - kLeast);
  record.NuyenSpent = static_cast<int32_t>(std::clamp(int64_t{record.NuyenSpent} + amount, low, high));
}

void RefundNuyen(CharacterRecord& record, int64_t amount) { SpendNuyen(record, -amount); }

}  // namespace ivgen
