#include "batch/sheet_commands.h"

#include <array>
#include <optional>
#include <string_view>

#include "record/text.h"
#include "record/values.h"

namespace ivgen {

namespace {

// A box or option by its caption (any case) or its number.
template <size_t N>
std::optional<int> ChoiceOf(const std::string& word, const std::array<std::string_view, N>& captions) {
  for (size_t i = 0; i < N; ++i) {
    if (UpperCase(word) == UpperCase(captions[i])) return static_cast<int>(i);
  }
  if (word.size() == 1 && word[0] >= '0' && word[0] < static_cast<char>('0' + N)) return word[0] - '0';
  return std::nullopt;
}

const char* OnOffText(bool on) { return on ? "on" : "off"; }

void ShowPrintOptions(const SheetUnit& sheet, std::ostream& out) {
  const PrintOptions& options = sheet.Options();
  out << "Print Options: " << (sheet.IsOpen() ? "open" : "closed") << "\n";
  out << "Insert Graphics [FileName]=" << options.pictureFile << ", Print=" << OnOffText(options.printPicture) << "\n";
  for (int box = 0; box < kPrintSectionCount; ++box) {
    out << (box ? ", " : "") << kPrintSectionCaptions[box] << "=" << OnOffText(options.sections[box]);
  }
  out << "\nSheet kind=" << kSheetKindCaptions[options.sheetKind] << "\n";
  out << "Sheet name=" << sheet.SheetName() << "\n";
}

}  // namespace

void AddSheetCommands(Editor& editor, ScriptedPlatform& platform, std::ostream& out,
                      std::map<std::string, BatchCommand>& commands) {
  SheetUnit& sheet = editor.Sheet();
  // The dialog's controls exist only while it is open; being modal, it keeps the menu (a command
  // of the main window) waiting.
  auto inDialog = [&sheet](BatchCommand command) {
    return [&sheet, command](const ScriptLine& line, std::string& error) {
      if (!sheet.IsOpen()) {
        error = "the Print Options dialog is not open";
        return false;
      }
      return command(line, error);
    };
  };

  commands["print-to-html"] = NoArguments([&sheet] { sheet.PrintToHtml(); });
  // The picture is the character's, stored only by a print: opened from the preview, its box and
  // "Browse" are disabled.
  auto pictureBox = [&sheet, inDialog](BatchCommand command) {
    return inDialog([&sheet, command](const ScriptLine& line, std::string& error) {
      if (sheet.OptionsOnly()) {
        error = "the picture box is disabled while the dialog only changes the options";
        return false;
      }
      return command(line, error);
    });
  };
  commands["print-options-file"] = pictureBox([&sheet](const ScriptLine& line, std::string&) {
    sheet.SetPictureFile(line.words.size() == 1 ? line.words[0] : line.rest);
    return true;
  });
  commands["print-options-browse"] = pictureBox(NoArguments([&sheet] { sheet.BrowsePicture(); }));
  commands["print-options-picture"] = inDialog(OnOffArgument([&sheet](bool on) { sheet.SetPrintPicture(on); }));
  commands["print-options-section"] = inDialog([&sheet](const ScriptLine& line, std::string& error) {
    // A caption with a blank may be quoted or written as two words.
    const std::string caption =
        line.words.size() == 3 ? line.words[0] + " " + line.words[1] : (line.words.empty() ? "" : line.words[0]);
    const auto box = line.words.size() >= 2 ? ChoiceOf(caption, kPrintSectionCaptions) : std::nullopt;
    const auto on = box ? OnOff(line.words.back()) : std::nullopt;
    if (!on) {
      error = "expects a section (Phys Adept, Cyberware, Spells, Vehicles, Decks, Bioware, Undefined) and on or off";
      return false;
    }
    sheet.SetSection(*box, *on);
    return true;
  });
  commands["print-options-kind"] = inDialog([&sheet](const ScriptLine& line, std::string& error) {
    const auto kind = line.words.size() == 1 ? ChoiceOf(line.words[0], kSheetKindCaptions) : std::nullopt;
    if (!kind) {
      error = "expects Standard, Magician, Decker, Rigger or a number from 0 to 5";
      return false;
    }
    sheet.SetSheetKind(*kind);
    return true;
  });
  commands["print-options-print"] = inDialog(NoArguments([&sheet] { sheet.Print(); }));
  commands["print-options-cancel"] = inDialog(NoArguments([&sheet] { sheet.Cancel(); }));
  commands["show-print-options"] = NoArguments([&sheet, &out] { ShowPrintOptions(sheet, out); });
  commands["sheet-preview-options"] = NoArguments([&sheet] { sheet.EditOptions(); });
  // One sheet line per output line, as the preview pane shows it.
  commands["show-sheet-preview"] = NoArguments([&sheet, &out] {
    const std::string bytes = sheet.Preview();
    for (size_t start = 0; start < bytes.size();) {
      size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) end = bytes.size();
      out << std::string_view(bytes).substr(start, end - start) << "\n";
      start = end + 2;
    }
  });
  // A sheet for each character of a game: the warning answered as queued (OK when nothing is),
  // the dialog's choices as last left, and the file dialog answered with the path.
  commands["print-sheet"] = [&sheet, &platform](const ScriptLine& line, std::string& error) {
    const std::string path = line.words.size() == 1 ? line.words[0] : line.rest;
    if (path.empty()) {
      error = "expects the file name of the sheet";
      return false;
    }
    sheet.PrintToHtml();
    if (!sheet.IsOpen()) return true;
    platform.QueueAnswer(path, PathArgument(line));
    sheet.Print();
    return true;
  };
}

}  // namespace ivgen
