// The record's single-valued fields by their place in the character file: section, key, kind
// and where the value lives. The writer, the reader, the typed texts of the pages and
// ivgen-batch's print all go through this one table, so a key one of them knows, all know.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "record/character_record.h"

namespace ivgen {

enum class FieldKind { Text, Int16, Int32, Float, Flag };

/// When the writer leaves a key out.
enum class FieldPresence {
  Always,
  /// Only when the value is 0 or more (an option with nothing selected writes no line).
  NonNegative,
  /// Only for a magic user (magic priority A or B).
  MagicUser,
  /// Only when it differs from the settings' default picture.
  NotDefaultPicture,
};

struct RecordField {
  std::string_view section;
  std::string_view key;
  FieldKind kind;
  FieldPresence presence = FieldPresence::Always;
  /// The player types it on a page (the BioInfo texts and the typed pools).
  bool typed = false;
  std::string* (*text)(CharacterRecord&) = nullptr;
  int16_t* (*int16)(CharacterRecord&) = nullptr;
  int32_t* (*int32)(CharacterRecord&) = nullptr;
  float* (*real)(CharacterRecord&) = nullptr;
  bool* (*flag)(CharacterRecord&) = nullptr;
};

/// Every single-valued field, section by section in the file's order.
std::span<const RecordField> RecordFields();

/// The fields of one section, in the file's order; a section written as priorities or build
/// points is named "Priorities" or "PointSys".
std::span<const RecordField> SectionFields(std::string_view section);

/// A field by its key ("StreetName") or section and key ("Priorities.Race"); keys are matched
/// without regard to case, and a bare key names its first section's field.
const RecordField* FindField(std::string_view name);

/// The value as the character file writes it (texts as they are, numbers as print numbers,
/// flags as 1 or 0).
std::string FieldValue(const CharacterRecord& record, const RecordField& field);

/// Sets the value from the file's text: numbers read leniently, a flag false only for exactly
/// "0", "False" or "Faux".
void SetFieldValue(CharacterRecord& record, const RecordField& field, std::string_view value);

}  // namespace ivgen
