// The sheet's sections that print one group or list of the character each: edges and flaws, the
// condition monitor, the attributes and the animal form, skills, and the optional lists.
#pragma once

#include "record/character_record.h"
#include "sheet/sheet_html.h"

namespace ivgen {

void WriteEdgesSection(SheetText& out, const CharacterRecord& record);
/// The fixed damage track; leaves its "<div class=monitor>" open for the frame to close.
void WriteConditionMonitor(SheetText& out);
/// Opens the right-hand column, then writes the attribute table.
void WriteAttributesSection(SheetText& out, const CharacterRecord& record);
/// The animal form of a shapeshifter; for anyone else a table of empty lines for notes.
void WriteShapeshiftSection(SheetText& out, const CharacterRecord& record);
/// Active skills beside knowledge and language skills, at most 50 and 51 of them.
void WriteSkillsSection(SheetText& out, const CharacterRecord& record);
void WritePowersSection(SheetText& out, const CharacterRecord& record);
void WriteCyberwareSection(SheetText& out, const CharacterRecord& record);
void WriteBiowareSection(SheetText& out, const CharacterRecord& record);
void WriteSpellsSection(SheetText& out, const CharacterRecord& record);
void WriteContactsSection(SheetText& out, const CharacterRecord& record);

}  // namespace ivgen
