// The nuyen account: money left is Maxresources - NuyenSpent. Every page, the sheet and the
// file read it here, so they cannot disagree.
#pragma once

#include <cstdint>
#include <string>

#include "record/character_record.h"

namespace ivgen {

/// Money left, held to what 32 bits hold: a hand-edited file can state a balance past that, and
/// purchases only ever keep it within.
int32_t MoneyLeft(const CharacterRecord& record);
/// Money left as the pages show it and the file stores it (before its yen sign).
std::string MoneyLeftText(const CharacterRecord& record);
/// Whether price fits in the money left. Override Limits is the caller's to ask: contacts heed
/// the money whatever it says.
bool CanAfford(const CharacterRecord& record, int64_t price);
/// Charges amount to NuyenSpent, held where NuyenSpent and money left still fit.
void SpendNuyen(CharacterRecord& record, int64_t amount);
/// Gives amount back.
void RefundNuyen(CharacterRecord& record, int64_t amount);

/// A page's money left as it is now (beside `ShowMoneyLeft(ctx)`, which counts the gear and contacts
/// pages' money as of its events): every view that shows money left has a `moneyLeft` text.
template <typename View>
void ShowMoneyLeftNow(const CharacterRecord& record, View& view) {
  view.moneyLeft = MoneyLeftText(record);
}

}  // namespace ivgen
