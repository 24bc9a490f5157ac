#include "sheet/print_sheet.h"

#include "record/money.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "sheet/sheet_frame.h"

namespace ivgen {

Finalization FinalizeCharacter(CharacterRecord& record, Platform& platform) {
  Finalization done;
  done.nuyenSpentBefore = record.NuyenSpent;
  done.onceThruBefore = record.OnceThru;
  if (record.OverrideLimits()) return done;

  done.applied = true;
  record.OnceThru = true;
  done.roll = Rollsix(platform);
  record.NuyenSpent = FinalizedNuyenSpent(record, done.roll);
  return done;
}

int32_t FinalizedNuyenSpent(const CharacterRecord& record, int roll) {
  const double left = MoneyLeft(record);
  // Subtracting whole nuyen after the floor gives the same as before it; IntFloor keeps the
  // result inside the account's range.
  return IntFloor(record.Maxresources - left / 10 - 300.0 * roll);
}

void UndoFinalization(CharacterRecord& record, const Finalization& finalization) {
  if (!finalization.applied) return;
  record.NuyenSpent = finalization.nuyenSpentBefore;
  record.OnceThru = finalization.onceThruBefore;
}

IoResult WriteSheetFile(const std::string& path, std::string_view bytes) { return ReplaceFile(path, bytes); }

bool ConfirmFinalization(const CharacterRecord& record, Platform& platform) {
  const Answer answer = platform.Message(kFinalizeWarning, kAppTitle, Icon::None, Buttons::OkCancel);
  return answer != Answer::Cancel || record.OverrideLimits();
}

std::string AskSheetPath(const std::string& proposedName, Platform& platform) {
  return platform.SaveFile({kSheetDialogTitle, kSheetFilter, kSheetExtension, proposedName});
}

std::string PrintedPicture(const CharacterRecord& record) {
  return record.GraphicsFilename.empty() ? std::string(kDefaultPicture) : record.GraphicsFilename;
}

std::string PreviewSheet(CharacterRecord record, const Catalogs& catalogs, PrintOptions options,
                         std::string_view sheetName) {
  // A print keeps the box's picture, which starts as the character's or the default, as the
  // character's before it writes; the preview does the same to its copy.
  record.GraphicsFilename = options.pictureFile = PrintedPicture(record);
  return WriteSheet(record, catalogs, options, sheetName);
}

PrintOptions ExportOptions(const CharacterRecord& record) {
  PrintOptions options = EverySection();
  options.pictureFile = PrintedPicture(record);
  return options;
}

bool PrintSheet(CharacterRecord& record, const Catalogs& catalogs, const PrintOptions& options,
                std::string_view sheetName, const std::string& path, Platform& platform) {
  const Finalization finalization = FinalizeCharacter(record, platform);
  if (!SaveSheetFile(path, WriteSheet(record, catalogs, options, sheetName), kSheetWritten, platform)) {
    UndoFinalization(record, finalization);
    return false;
  }
  return true;
}

std::string AskPdfPath(const CharacterRecord& record, Platform& platform) {
  const std::string proposed = record.StreetName.empty() ? "" : record.StreetName + kPdfExtension;
  return platform.SaveFile({kPdfDialogTitle, kPdfFilter, kPdfExtension, proposed});
}

bool SaveSheetFile(const std::string& path, std::string_view bytes, const char* createdText, Platform& platform) {
  const IoResult written = WriteSheetFile(path, bytes);
  if (!written.ok) {
    platform.Message("The character sheet was not written.\r\n" + written.Describe("write"), kAppTitle, Icon::Warning,
                     Buttons::Ok);
    return false;
  }
  platform.Message(createdText + ShownText::Path(path), kAppTitle, Icon::None, Buttons::Ok);
  return true;
}

}  // namespace ivgen
