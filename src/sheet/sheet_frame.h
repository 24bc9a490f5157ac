// The character sheet as a whole: its head and stylesheet, the two-column layout and the order
// of its sections, and the blocks that are not lists (identity, assets, pools, armour).
#pragma once

#include <string>
#include <string_view>

#include "catalog/catalogs.h"
#include "record/character_record.h"
#include "sheet/print_options.h"
#include "sheet/sheet_html.h"

namespace ivgen {

/// The sheet's bytes for the character as it is now. `sheetName` heads the title. Every value
/// from the character or the catalogs is escaped, so any text shows as text.
std::string WriteSheet(const CharacterRecord& record, const Catalogs& catalogs, const PrintOptions& options,
                       std::string_view sheetName);

/// Names and vitals; the picture row only when the options print the picture.
void WriteIdentityBlock(SheetText& out, const CharacterRecord& record, const PrintOptions& options);
/// The credsticks with the nuyen left, and the lifestyles bought as gear.
void WriteAssetsBlock(SheetText& out, const CharacterRecord& record);
void WritePoolsBlock(SheetText& out, const CharacterRecord& record);
/// The armour worn (gear of the armour type) and the bone lacing's bonus.
void WriteArmourBlock(SheetText& out, const CharacterRecord& record, const GearCatalog& gear);

}  // namespace ivgen
