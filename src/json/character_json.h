// A character as a JSON document and back: every field the character file stores, named and
// typed, each list's entries as objects of their declared columns, and beside them the values the
// rules compute (readOnly in the schema). One description of the document serves the export, the
// import and the schema, so the three cannot disagree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "charfile/character_reader.h"
#include "charfile/character_writer.h"
#include "json/json_value.h"
#include "record/character_record.h"

namespace ivgen {

inline constexpr std::string_view kJsonFormat = "ivgen-character";
inline constexpr int kJsonVersion = 1;

/// What a character built with build points has of them: the maxpoints setting and what the point
/// dialog spent. The document shows them beside the character; the record does not hold them.
struct BuildPointCount {
  int available = 0;
  int spent = 0;
};

/// The document of a character, UTF-8 with CR LF line ends and its keys in a fixed order: what a
/// save of it would write, lists left out where a save leaves them out, and the computed values.
std::string CharacterJson(const CharacterRecord& record, const BuildPointCount& buildPoints = {});

/// The fields a character file stores, read from a document into a new character's record, which
/// keeps its new values where the document gives none (a readOnly value is checked, never taken).
/// Nothing, with the path of the first problem, for a document that breaks the schema.
std::optional<CharacterRecord> ReadCharacterJson(std::string_view text, const std::string& defaultGif,
                                                 JsonProblem& problem);

/// The document as the character file a save of it writes, for the file's reader and the replay
/// that follows it, exactly as an opened file gets them.
std::optional<CharacterFile> CharacterFileFromJson(std::string_view text, const WriterContext& context,
                                                   JsonProblem& problem);

/// The JSON Schema (draft 2020-12) of the documents, as docs/character.schema.json holds it.
std::string CharacterSchema();

}  // namespace ivgen
