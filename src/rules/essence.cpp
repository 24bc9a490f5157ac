#include "rules/essence.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "entry/list_entries.h"
#include "record/values.h"

namespace ivgen {

int64_t Hundredths(double amount) { return std::llround(Val(FormatFixed2(HeldAmount(amount))) * 100.0); }

double BaseEssence(const CharacterRecord& record) { return record.Shapeshift && record.OnceThru ? 8.0 : 6.0; }

double InstalledEssence(const CharacterRecord& record) {
  int64_t total = 0;
  // Per capacity group E and R: what its accessories cost, and what its capacity item covers.
  std::array<int64_t, 2> accessories{}, capacity{};
  for (const std::string& entry : record.Cyberware) {
    const CyberwareEntry cyber = ParseEntry<CyberwareEntry>(entry);
    const int64_t essence = Hundredths(cyber.Essence());
    const int64_t cover = cyber.capacity.empty() ? 0 : Hundredths(cyber.Capacity());
    total += essence;
    const int group = cyber.group == "E" ? 0 : cyber.group == "R" ? 1 : -1;
    if (group < 0) continue;
    if (cover <= 0) {
      accessories[group] += essence;
    } else {
      capacity[group] = cover;
    }
  }
  for (size_t g = 0; g < 2; ++g) total -= std::min(capacity[g], accessories[g]);
  return BaseEssence(record) - static_cast<double>(total) / 100.0;
}

}  // namespace ivgen
