#include "app/editor.h"

#include <filesystem>

#include "charfile/character_writer.h"
#include "record/cp1252.h"
#include "record/text_file.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr const char* kNewTitlePrefix = "Ironveil Character Generator ";

// The texts the player types, by their file keys.
std::string* TextField(CharacterRecord& record, std::string_view key) {
  if (key == "StreetName") return &record.StreetName;
  if (key == "RealName") return &record.RealName;
  if (key == "Archetype") return &record.Archetype;
  if (key == "Race") return &record.Race;
  if (key == "Gender") return &record.Gender;
  if (key == "Height") return &record.Height;
  if (key == "Weight") return &record.Weight;
  if (key == "Eyes") return &record.Eyes;
  if (key == "Hair") return &record.Hair;
  if (key == "Birthdate") return &record.Birthdate;
  if (key == "Birthplace") return &record.Birthplace;
  if (key == "KarmaTotal") return &record.KarmaTotal;
  if (key == "KarmaRemain") return &record.KarmaRemain;
  if (key == "Karma") return &record.Pools.Karma;
  if (key == "Hacking") return &record.Pools.Hacking;
  if (key == "Astral") return &record.Pools.Astral;
  if (key == "lblPool1") return &record.Pools.lblPool1;
  if (key == "lblPool2") return &record.Pools.lblPool2;
  if (key == "txtPool1") return &record.Pools.txtPool1;
  if (key == "txtPool2") return &record.Pools.txtPool2;
  return nullptr;
}

std::string WithoutLineBreaks(std::string text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') kept += c;
  }
  return kept;
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Editor::Editor(Platform& platform, std::string programFolder, std::string commandLine)
    : platform_(platform), programFolder_(std::move(programFolder)), commandLine_(std::move(commandLine)) {
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
}

std::string Editor::SettingsFile() const { return SettingsPath(kSettingsFileName, programFolder_, commandLine_); }

void Editor::Tell(const std::string& text, Icon icon) { platform_.Message(text, kAppTitle, icon, Buttons::Ok); }

bool Editor::Startup() {
  frame_.splashVisible = true;
  settings_ = LoadSettings(SettingsFile(), platform_);
  record_.GraphicsFilename = settings_.DefaultGIF;
  document_.Modified = false;
  document_.DefaultSaveName.clear();
  record_.Initiation = 0;
  record_.Grade = 0;
  record_.Adept = -1;
  frame_.splashVersion = "version " + std::string(kVersionText);
  frame_.aboutLoaded = true;
  frame_.aboutVersion = frame_.splashVersion;
  FillPriorityOrder();
  if (!LoadBooksAndSkills()) return false;
  record_.GeneratorPoints = false;
  if (!ReloadDatafiles(true)) return false;
  New();
  frame_.splashVisible = false;
  frame_.cyberlimbFrameVisible = false;
  frame_.currentPage = 0;
  return true;
}

void Editor::ResetCharacter() {
  document_.DefaultSaveName.clear();
  document_.CurrentFile.clear();
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
  ResetRecordFields(record_, settings_.DefaultGIF);
  ResetCreationPages();
  RecalcDerived();
  RecountTotals();
  document_.Modified = false;
  frame_.cyberlimbFrameVisible = false;
  frame_.pictureVisible = false;
}

NewOutcome Editor::New() {
  if (document_.Modified) {
    switch (platform_.Message(kSavePrompt, "New character", Icon::Warning, Buttons::YesNoCancel)) {
      case Answer::Yes:
        // The player asked to keep this character: if it was not saved, it stays.
        if (!Save()) return NewOutcome::KeptUnsaved;
        break;
      case Answer::No:
        break;
      default:
        return NewOutcome::Cancelled;
    }
  }
  ResetCharacter();
  return NewOutcome::Reset;
}

void Editor::Open() {
  if (New() == NewOutcome::KeptUnsaved) return;
  const std::string path = platform_.OpenFile({"Open", kCharacterFilter, "iv3", ""});
  if (path.empty()) return;
  // A cancelled save prompt leaves the old character; reading starts from a new one.
  ResetCharacter();
  std::string reason;
  if (!LoadCharacter(path, reason)) {
    ResetCharacter();
    Tell("Could not open " + PathToText(path) + ": " + reason, Icon::Warning);
    return;
  }
  document_.CurrentFile = path;
  document_.DefaultSaveName = record_.StreetName;
  document_.Modified = false;
  frame_.title = OpenedTitle();
}

std::string Editor::OpenedTitle() const {
  return "Ironveil CharGen 3 - [" + PathToText(FileNameOf(document_.CurrentFile)) + "]";
}

std::string Editor::FileText() {
  ShowStandardView();
  return CharacterFileText(record_, {kVersionText, settings_.DefaultGIF});
}

bool Editor::WriteTo(const std::string& path) {
  ShowStandardView();
  const SaveResult result = SaveCharacter(record_, {kVersionText, settings_.DefaultGIF}, path, platform_);
  switch (result.outcome) {
    case SaveOutcome::Written:
      document_.CurrentFile = path;
      document_.Modified = false;
      frame_.title = OpenedTitle();
      return true;
    case SaveOutcome::NoFileName:
      return false;
    case SaveOutcome::Failed:
      Tell("The character was not saved.\r\n" + result.io.Describe("write"), Icon::Warning);
      return false;
  }
  return false;
}

bool Editor::Save() {
  std::string path = document_.CurrentFile;
  if (path.empty()) {
    path = platform_.SaveFile({"SaveAs", kCharacterFilter, "iv3", document_.DefaultSaveName});
  }
  RecalcDerived();
  // An empty path here means Save As was cancelled; the writer says so.
  return WriteTo(path);
}

bool Editor::SaveAs() {
  const std::string path = platform_.SaveFile({"SaveAs", kCharacterFilter, "iv3", document_.DefaultSaveName});
  if (path.empty()) return false;
  RecalcDerived();
  return WriteTo(path);
}

bool Editor::Exit() {
  if (!document_.Modified) return true;
  switch (platform_.Message(kSavePrompt, "Exit Ironveil Char Gen 3", Icon::Warning, Buttons::YesNoCancel)) {
    case Answer::Yes:
      return Save();
    case Answer::No:
      return true;
    default:
      return CloseWindow();
  }
}

bool Editor::CloseWindow() {
  if (!document_.Modified) return true;
  if (platform_.Message(kSavePrompt, "Exit Ironveil Chargen 3", Icon::Warning, Buttons::YesNo) == Answer::Yes) {
    return Save();
  }
  return true;
}

void Editor::Properties() { Tell("Add 'mnuFileProperties_Click' code."); }

void Editor::HelpContents() {
  Tell("Unable to display Help Contents. There is no Help associated with this project.", Icon::Information);
}

void Editor::HelpSearch() { HelpContents(); }

void Editor::ToggleStatusBar() { frame_.statusBarVisible = !frame_.statusBarVisible; }

void Editor::ShowAbout() {
  if (!frame_.aboutLoaded) {
    frame_.aboutLoaded = true;
    frame_.aboutVersion = "Version " + std::string(kShortVersion);
  }
  platform_.RunDialog(Dialog::About);
}

void Editor::AboutSystemInfo() {
  // This platform has no system information tool to start.
  Tell("System Information Is Unavailable At This Time");
}

void Editor::AboutOk() {
  frame_.aboutLoaded = false;
  frame_.aboutVersion.clear();
  platform_.CloseDialog(Dialog::About);
}

void Editor::HideSplash() { frame_.splashVisible = false; }

OptionsFields Editor::OptionsInEffect() const {
  // After a Done the file holds values that partly take effect only at the next start; the
  // dialog shows what it wrote.
  if (lastWritten_) return *lastWritten_;
  return {IntText(settings_.maxpoints), IntText(settings_.MaxAbsEpts), settings_.DefaultGIF,
          IntText(settings_.MaxFlawEdge)};
}

void Editor::OpenOptions() {
  options_ = OptionsInEffect();
  frame_.optionsOpen = true;
  platform_.RunDialog(Dialog::Options);
}

void Editor::SetOptionsField(std::string_view key, std::string text) {
  text = WithoutLineBreaks(std::move(text));
  if (key == "maxpoints") options_.maxpoints = std::move(text);
  if (key == "MaxAbsEpts") options_.MaxAbsEpts = std::move(text);
  if (key == "DefaultGIF") options_.DefaultGIF = std::move(text);
  if (key == "MaxFlawEdge") options_.MaxFlawEdge = std::move(text);
}

void Editor::OptionsBrowse() {
  const std::string path = platform_.OpenFile({"Open", kPictureFilter, "", ""});
  if (path.empty()) return;
  std::string refusal;
  if (const auto text = PictureFieldText(path, refusal)) {
    options_.DefaultGIF = *text;
  } else {
    Tell(refusal, Icon::Warning);
  }
}

bool Editor::OptionsDone() {
  const double maxpoints = Val(options_.maxpoints);
  const double maxAbsEpts = Val(options_.MaxAbsEpts);
  const double maxFlawEdge = Val(options_.MaxFlawEdge);
  // All three are checked before any takes effect, so a refused dialog changes nothing.
  if (maxpoints < 0 || maxpoints > 200) {
    Tell("Invalid entry... <0..200> only");
    return false;
  }
  if (maxAbsEpts < 0 || maxAbsEpts > 10) {
    Tell("Invalid entry  <0..10> only");
    return false;
  }
  if (maxFlawEdge < 0 || maxFlawEdge > 10) {
    Tell("Invalid entry  <0..10> only");
    return false;
  }
  const IoResult written = ReplaceFile(SettingsFile(), SettingsFileText(options_.maxpoints, options_.MaxAbsEpts,
                                                                        options_.DefaultGIF, options_.MaxFlawEdge));
  if (!written.ok) {
    Tell("The settings were not saved.\r\n" + written.Describe("write"), Icon::Warning);
    return false;
  }
  // The picture and the edge/flaw count take effect at the next start.
  settings_.maxpoints = CInt(maxpoints);
  settings_.MaxAbsEpts = CInt(maxAbsEpts);
  lastWritten_ = options_;
  frame_.optionsOpen = false;
  platform_.CloseDialog(Dialog::Options);
  return true;
}

void Editor::OptionsCancel() {
  options_ = OptionsInEffect();
  frame_.optionsOpen = false;
  platform_.CloseDialog(Dialog::Options);
}

bool Editor::SetText(std::string_view key, std::string text) {
  std::string* field = TextField(record_, key);
  if (field == nullptr) return false;
  text = WithoutLineBreaks(std::move(text));
  if (*field == text) return true;
  *field = std::move(text);
  document_.Modified = true;
  return true;
}

std::optional<std::string> Editor::Text(std::string_view key) const {
  const std::string* field = TextField(const_cast<CharacterRecord&>(record_), key);
  if (field == nullptr) return std::nullopt;
  return *field;
}

void Editor::SetDescription(std::string text) {
  std::string normalized;
  normalized.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      normalized += "\r\n";
    } else {
      normalized += text[i];
    }
  }
  if (normalized == record_.Description) return;
  record_.Description = std::move(normalized);
  document_.Modified = true;
}

void Editor::SelectPage(int page) {
  if (page < 0 || page >= kPageCount || page == frame_.currentPage) return;
  const int from = frame_.currentPage;
  frame_.currentPage = page;
  PageChange(from, page);
}

}  // namespace ivgen
