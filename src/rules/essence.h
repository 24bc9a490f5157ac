// Essence as the installed cyberware leaves it: the rules of several pages count with it, so it
// is counted here, without changing anything.
#pragma once

#include <cstdint>

#include "record/character_record.h"

namespace ivgen {

/// An amount of Essence or Bio-index in whole hundredths, rounded as its "0.00" form shows it.
int64_t Hundredths(double amount);

/// A shapeshifter's Essence starts at 8 once the race page made it one, anyone else's at 6.
double BaseEssence(const CharacterRecord& record);

/// Essence as the whole installed list leaves it, eye and ear capacity items covering their
/// accessories.
double InstalledEssence(const CharacterRecord& record);

}  // namespace ivgen
