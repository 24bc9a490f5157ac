// Save: the whole character as an .iv3 file, byte for byte as existing character files have it.
#pragma once

#include <string>

#include "record/character_record.h"
#include "record/text_file.h"

namespace ivgen {

/// What the file records besides the character: the program's version and the picture setting.
struct WriterContext {
  std::string versionText;
  /// A GraphicsFilename equal to this is not written.
  std::string defaultGif;
};

/// The bytes of the character file: Windows-1252 text with CR LF line ends. Line breaks survive
/// only in the description (one Line key each) and in contacts ("__"); elsewhere they are dropped.
/// Empty list entries are left out, so the numbering has no gap for the reader to stop at.
std::string CharacterFileText(const CharacterRecord& record, const WriterContext& context);

enum class SaveOutcome { Written, NoFileName, Failed };

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Written;
  /// The path and the reason when the outcome is Failed.
  IoResult io;
};

/// What the person is told when a save has no file name.
inline constexpr const char* kNoFileName = "No filename specified";

/// Writes the character file through a temporary file renamed over the target. An empty path
/// writes nothing (NoFileName); a failed write leaves any existing file as it was. The caller
/// tells the person.
SaveResult SaveCharacter(const CharacterRecord& record, const WriterContext& context, const std::string& path);

}  // namespace ivgen
