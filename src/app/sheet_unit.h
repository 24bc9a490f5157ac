// Print to HTML and the "Print Options" dialog: the warning, the dialog whose choices last from one
// print to the next, the file dialog, and the sheet written from the finalized character.
#pragma once

#include <string>

#include "app/document.h"
#include "app/unit_host.h"
#include "platform/platform.h"
#include "sheet/print_options.h"

namespace ivgen {

/// Asked by the window once a sheet was written.
inline constexpr const char* kOpenSheetQuestion = "Open the character sheet in your browser?";

class SheetUnit final : public Unit {
 public:
  SheetUnit(UnitHost& host, Platform& platform, SheetState& state)
      : host_(host),
        platform_(platform),
        options_(state.options),
        previewOptions_(state.previewOptions),
        open_(state.open),
        optionsOnly_(state.optionsOnly),
        sheetName_(state.sheetName),
        written_(state.written) {}

  /// The File menu's "Print to HTML": the warning, then the print options dialog. The print goes
  /// on from the dialog's "Print" button.
  void PrintToHtml();

  /// The sheet preview's "Options...": the same dialog, whose "Print" then only closes it. The
  /// picture belongs to the character and is stored only by a print, so its box stays disabled.
  void EditOptions();
  /// The sheet as a print would write it now, with the options as they are; nothing is finalized
  /// and the document is left as it was.
  std::string Preview() const;

  // The dialog's controls; each does nothing while the dialog is closed.
  /// The "Insert Graphics [FileName]" box, as typed; line breaks are dropped. Disabled while the
  /// dialog only edits the options.
  void SetPictureFile(std::string text);
  /// "Browse": a picture chosen in the open-file dialog replaces the box's text; a name the
  /// character file cannot keep is refused with a message.
  void BrowsePicture();
  /// The "Print" tick of the picture.
  void SetPrintPicture(bool on);
  /// Section box 0 to 6; another number changes nothing.
  void SetSection(int box, bool on);
  /// Sheet kind 0 to 5; another number changes nothing.
  void SetSheetKind(int kind);
  /// "Print": while the dialog only edits the options, closes it and prints nothing. Otherwise
  /// keeps the box's picture as the character's, closes the dialog, asks for the file,
  /// finalizes the character and writes the sheet.
  /// True when the sheet was written.
  bool Print();
  /// "Cancel": closes the dialog; nothing is printed.
  void Cancel();

  /// The options the dialog shows: the preview's while it edits those, else Print to HTML's.
  const PrintOptions& Options() const { return optionsOnly_ ? previewOptions_ : options_; }
  /// The preview's options, which start with every box ticked.
  const PrintOptions& PreviewOptions() const { return previewOptions_; }
  bool IsOpen() const { return open_; }
  /// Opened by EditOptions: the picture box and "Browse" are disabled, "Print" only closes.
  bool OptionsOnly() const { return open_ && optionsOnly_; }
  /// The name the sheet proposes and puts in its title: the street name at the last page change.
  const std::string& SheetName() const { return sheetName_; }
  /// The path of the sheet the last print wrote; "" when it wrote none.
  const std::string& WrittenSheet() const { return written_; }

  /// Page changes copy the street name here; a new character starts without one.
  void OfferSheetName(const std::string& streetName) { sheetName_ = streetName; }
  /// A new character starts without a sheet name.
  void Reset(RulesContext&) override { sheetName_.clear(); }

 private:
  UnitHost& host_;
  Platform& platform_;
  /// The options the dialog's boxes change.
  PrintOptions& Edited() { return optionsOnly_ ? previewOptions_ : options_; }

  PrintOptions& options_;
  PrintOptions& previewOptions_;
  bool& open_;
  bool& optionsOnly_;
  std::string& sheetName_;
  std::string& written_;
};

}  // namespace ivgen
