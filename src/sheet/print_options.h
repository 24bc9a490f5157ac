// The choices of the "Print Options" dialog: the picture and which optional sections the sheet
// holds. They last from one print to the next while the program runs.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ivgen {

/// The picture proposed when the character has none.
inline constexpr std::string_view kDefaultPicture = ".\\iv.gif";

/// The section boxes, in the dialog's order. Vehicles, Decks and Undefined change nothing on the
/// sheet but are offered all the same.
enum PrintSection : int {
  kPrintPhysAdept = 0,
  kPrintCyberware = 1,
  kPrintSpells = 2,
  kPrintVehicles = 3,
  kPrintDecks = 4,
  kPrintBioware = 5,
  kPrintUndefined = 6,
};
inline constexpr int kPrintSectionCount = 7;
inline constexpr std::array<std::string_view, kPrintSectionCount> kPrintSectionCaptions = {
    "Phys Adept", "Cyberware", "Spells", "Vehicles", "Decks", "Bioware", "Undefined"};

/// The sheet kinds; none of them changes the sheet.
inline constexpr int kSheetKindCount = 6;
inline constexpr std::array<std::string_view, kSheetKindCount> kSheetKindCaptions = {"Standard", "Magician", "Decker",
                                                                                     "Rigger",   "Undef",    "Undef"};

struct PrintOptions {
  /// The "Insert Graphics [FileName]" box.
  std::string pictureFile{kDefaultPicture};
  /// "Print": the identity block begins with the picture.
  bool printPicture = false;
  std::array<bool, kPrintSectionCount> sections{};
  int sheetKind = 0;
  bool operator==(const PrintOptions&) const = default;
};

/// Every section and the picture: how the preview, its PDF and `ivgen --export-pdf` start, so a
/// sheet nobody ticked boxes for still shows all the character has.
inline PrintOptions EverySection() {
  PrintOptions options;
  options.printPicture = true;
  options.sections.fill(true);
  return options;
}

}  // namespace ivgen
