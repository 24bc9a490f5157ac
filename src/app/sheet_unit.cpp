#include "app/sheet_unit.h"

#include "app/settings.h"
#include "sheet/print_sheet.h"

namespace ivgen {

void SheetUnit::PrintToHtml() {
  written_.clear();
  if (!ConfirmFinalization(host_.Record(), platform_)) return;
  // The box shows this character's picture each time, so one character's picture never ends up
  // on the next one's sheet; the ticks stay as the last print left them.
  options_.pictureFile = PrintedPicture(host_.Record());
  open_ = true;
  optionsOnly_ = false;
  platform_.RunDialog(Dialog::PrintOptions);
}

void SheetUnit::EditOptions() {
  if (open_) return;
  previewOptions_.pictureFile = PrintedPicture(host_.Record());
  open_ = true;
  optionsOnly_ = true;
  platform_.RunDialog(Dialog::PrintOptions);
}

std::string SheetUnit::Preview() const {
  return PreviewSheet(host_.Record(), host_.CurrentCatalogs(), previewOptions_, sheetName_);
}

void SheetUnit::SetPictureFile(std::string text) {
  if (!open_ || optionsOnly_) return;
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  options_.pictureFile = std::move(text);
}

void SheetUnit::BrowsePicture() {
  if (!open_ || optionsOnly_) return;
  const std::string path = platform_.OpenFile({kPictureDialogTitle, kPictureDialogFilter, "", ""});
  if (path.empty()) return;
  // The character file keeps the name and the sheet links it: a name either would change is
  // refused rather than quietly become another file's.
  ShownText refusal;
  if (const auto text = PictureFieldText(path, refusal, "the character file")) {
    options_.pictureFile = *text;
  } else {
    platform_.Message(refusal, kAppTitle, Icon::Warning, Buttons::Ok);
  }
}

void SheetUnit::SetPrintPicture(bool on) {
  if (open_) Edited().printPicture = on;
}

void SheetUnit::SetSection(int box, bool on) {
  if (open_ && box >= 0 && box < kPrintSectionCount) Edited().sections[box] = on;
}

void SheetUnit::SetSheetKind(int kind) {
  if (open_ && kind >= 0 && kind < kSheetKindCount) Edited().sheetKind = kind;
}

bool SheetUnit::Print() {
  if (!open_) return false;
  if (optionsOnly_) {
    Cancel();
    return false;
  }
  const StepScope step(host_, "Print to HTML");
  open_ = false;
  platform_.CloseDialog(Dialog::PrintOptions);
  // The picture is the character's from here on, even when no sheet gets written: the next print
  // offers it again. Printing changes the picture and the money left, yet leaves Modified as it was.
  host_.Run([&](RulesContext& ctx) {
    ctx.record.GraphicsFilename = options_.pictureFile;
    return false;
  });
  const std::string path = AskSheetPath(sheetName_, platform_);
  if (path.empty()) return false;
  bool written = false;
  host_.Run([&](RulesContext& ctx) {
    const bool fixedBefore = ctx.record.OnceThru;
    written = PrintSheet(ctx.record, ctx.catalogs, options_, sheetName_, path, ctx.platform);
    if (!fixedBefore && ctx.record.OnceThru) ctx.state.race.fixedBy = RaceFixedBy::Print;
    return false;
  });
  if (written) written_ = path;
  return written;
}

void SheetUnit::Cancel() {
  if (!open_) return;
  open_ = false;
  optionsOnly_ = false;
  platform_.CloseDialog(Dialog::PrintOptions);
}

}  // namespace ivgen
