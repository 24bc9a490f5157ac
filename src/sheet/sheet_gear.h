// The sheet's two views of the gear list: the weapons with their ranges, and the other gear in a
// not-carried and a carried column.
#pragma once

#include "catalog/catalogs.h"
#include "record/character_record.h"
#include "sheet/sheet_html.h"

namespace ivgen {

/// Melee, thrown, firearms with their accessories and mounts, then heavy weapons; a weapon that is
/// not carried shows an "X" after its weight.
void WriteWeaponsSection(SheetText& out, const CharacterRecord& record, const Catalogs& catalogs);
/// Everything but weapons, armour and lifestyles, at most 100 entries a column, and the weight.
void WriteGearSection(SheetText& out, const CharacterRecord& record, const GearCatalog& gear);

}  // namespace ivgen
