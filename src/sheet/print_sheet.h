// Print to HTML: the prompts it shows, the finalization of the character (the leftover money cut
// down and a cash roll added) and the writing of the sheet, which undoes the finalization when
// the file cannot be written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/catalogs.h"
#include "platform/platform.h"
#include "record/character_record.h"
#include "record/text_file.h"
#include "sheet/print_options.h"

namespace ivgen {

inline constexpr const char* kFinalizeWarning = "Warning: This will finalize your character. Proceed?";
inline constexpr const char* kSheetDialogTitle = "HTML File";
inline constexpr const char* kSheetFilter = "HTML Ironveil 3 (*.htm)|*.htm";
inline constexpr const char* kSheetExtension = ".htm";
inline constexpr const char* kPictureDialogTitle = "Open";
inline constexpr const char* kPictureDialogFilter = "Graphics (*.gif;*.jpg)|*.gif;*.jpg";
inline constexpr const char* kSheetWritten = "Created HTML Character file: ";
inline constexpr const char* kPdfDialogTitle = "PDF File";
inline constexpr const char* kPdfFilter = "PDF Ironveil 3 (*.pdf)|*.pdf";
inline constexpr const char* kPdfExtension = ".pdf";
inline constexpr const char* kPdfWritten = "Created PDF Character file: ";

/// What printing changed in the character, kept so that a print that wrote nothing can be undone.
struct Finalization {
  /// False under Override Limits: the money and OnceThru were left alone.
  bool applied = false;
  int16_t roll = 0;
  int32_t nuyenSpentBefore = 0;
  bool onceThruBefore = false;
};

/// Unless Override Limits is on: OnceThru on, the money left cut to the smallest whole number not
/// below a tenth of it, plus 300 times one die.
Finalization FinalizeCharacter(CharacterRecord& record, Platform& platform);
/// NuyenSpent after a finalization whose die showed roll.
int32_t FinalizedNuyenSpent(const CharacterRecord& record, int roll);
/// Puts back what FinalizeCharacter changed.
void UndoFinalization(CharacterRecord& record, const Finalization& finalization);

/// Writes the sheet's bytes to path through a temporary file, so a failed write leaves any
/// earlier sheet there as it was; the outcome carries the path and the reason on failure.
IoResult WriteSheetFile(const std::string& path, std::string_view bytes);

/// Asks the finalization warning; false when the print stops here (Cancel, unless Override
/// Limits is on, which goes on whatever the answer).
bool ConfirmFinalization(const CharacterRecord& record, Platform& platform);
/// The save dialog for the sheet; "" when cancelled.
std::string AskSheetPath(const std::string& proposedName, Platform& platform);

/// The save dialog for a PDF of the sheet, proposing the street name; "" when cancelled.
std::string AskPdfPath(const CharacterRecord& record, Platform& platform);
/// Writes a finished sheet (HTML or PDF) and tells the person: `createdText` and the path, or
/// the failure with the path. True when it was written.
bool SaveSheetFile(const std::string& path, std::string_view bytes, const char* createdText, Platform& platform);

/// The picture a print offers: the character's, or the default when it has none.
std::string PrintedPicture(const CharacterRecord& record);
/// The sheet a print would write now with these options, for looking at while building: written
/// from a copy of the character, never finalized.
std::string PreviewSheet(CharacterRecord record, const Catalogs& catalogs, PrintOptions options,
                         std::string_view sheetName);
/// What a game master's export prints: every section box ticked and the character's picture.
PrintOptions ExportOptions(const CharacterRecord& record);

/// Finalizes, writes the sheet to path and tells the person the outcome. When the sheet cannot
/// be written the failure is shown with the path and the finalization is undone. True
/// when the sheet was written.
bool PrintSheet(CharacterRecord& record, const Catalogs& catalogs, const PrintOptions& options,
                std::string_view sheetName, const std::string& path, Platform& platform);

}  // namespace ivgen
