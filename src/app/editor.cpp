#include "app/editor.h"

#include <filesystem>

#include "app/catalog_loading.h"
#include "app/character_loading.h"
#include "charfile/character_reader.h"
#include "charfile/character_writer.h"
#include "record/cp1252.h"
#include "record/text_file.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/page_change.h"

namespace ivgen {

namespace {

constexpr const char* kNewTitlePrefix = "Ironveil Character Generator ";

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

RulesContext Editor::Context() { return RulesContext{record_, creation_, platform_, hooks_, catalogs_}; }

void Editor::Run(const Action& action) {
  RulesContext ctx = Context();
  const bool changed = action(ctx);
  RefreshCreationView(ctx);
  spells_.Refresh(ctx);
  cyberware_.Refresh(record_);
  bioware_.Refresh(record_);
  points_.Refresh(ctx);
  if (changed) document_.Modified = true;
}

void Editor::Recalculate() {
  Run([](RulesContext& ctx) {
    RecalcDerived(ctx);
    return false;
  });
}

void Editor::Hooks::ShowStandardView() {
  RulesContext ctx = editor_.Context();
  editor_.cyberware_.StandardView(ctx);
}

void Editor::Hooks::RecountCyberwareEssence() {
  RulesContext ctx = editor_.Context();
  editor_.cyberware_.Recount(ctx);
}

void Editor::Hooks::RecountBioIndex() {
  RulesContext ctx = editor_.Context();
  editor_.bioware_.Recount(ctx);
}

bool Editor::ReloadCatalogs(bool atStartup) {
  // The tradition is kept by its name: another book choice may move it in the list.
  const std::string tradition = spells_.TraditionName();
  const bool loaded = ReloadDatafiles(programFolder_, bookLists_, catalogs_, platform_,
                                      atStartup ? ReloadTrigger::StartUp : ReloadTrigger::Button);
  catalogSelection_ = FirstSelections(catalogs_);
  spells_.CatalogsReloaded(tradition, catalogSelection_.spellCategory);
  powers_.CatalogsReloaded();
  cyberware_.CatalogsReloaded();
  points_.CatalogsReloaded(catalogs_);
  bioware_.CatalogsReloaded();
  return loaded;
}

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
  Run([](RulesContext& ctx) {
    StartCreation(ctx);
    return false;
  });
  if (!LoadStartupLists(programFolder_, bookLists_, catalogs_.skills, platform_)) return false;
  record_.GeneratorPoints = false;
  if (!ReloadCatalogs(true)) return false;
  // The first load chose the first tradition for the character; nothing is the player's work yet.
  document_.Modified = false;
  New();
  frame_.splashVisible = false;
  creation_.pages.page = kPagePriorities;
  return true;
}

void Editor::ResetCharacter() {
  document_.DefaultSaveName.clear();
  document_.CurrentFile.clear();
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
  ResetRecordFields(record_, settings_.DefaultGIF);
  sheet_.ForgetSheetName();
  Run([this](RulesContext& ctx) {
    ResetCreation(ctx);
    points_.Reset(ctx);
    RecalcDerived(ctx);
    bioware_.Reset(ctx);
    cyberware_.Reset(ctx);
    return false;
  });
  gear_.Reset();
  contacts_.Reset();
  spells_.NewCharacter();
  powers_.NewCharacter();
  skills_.Reset();
  document_.Modified = false;
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
  IoResult problem;
  const std::optional<CharacterFile> file = CharacterFile::Load(path, problem);
  if (!file) {
    // Every key of a missing file would read empty and make a shapeshifter; the person is told
    // instead, and whatever character is there stays, the one kept at the save prompt too.
    Tell(problem.Describe("open"), Icon::Warning);
    return;
  }
  if (!file->IsCharacter()) {
    Tell(PathToText(path) + kNotACharacter, Icon::Warning);
    return;
  }
  // A cancelled save prompt leaves the old character; reading starts from a new one.
  ResetCharacter();
  document_.CurrentFile = path;
  Run([&](RulesContext& ctx) {
    LoadCharacter(ctx, *file, settings_.DefaultGIF);
    points_.Opened(ctx);
    return false;
  });
  gear_.ShowOpenedWeight();
  document_.DefaultSaveName = record_.StreetName;
  frame_.title = OpenedTitle();
  document_.Modified = false;
}

std::string Editor::OpenedTitle() const {
  return "Ironveil CharGen 3 - [" + PathToText(FileNameOf(document_.CurrentFile)) + "]";
}

std::string Editor::FileText() {
  // Exactly what a save runs before it writes, so the two can never differ.
  Recalculate();
  hooks_.ShowStandardView();
  return CharacterFileText(record_, {kVersionText, settings_.DefaultGIF});
}

bool Editor::WriteTo(const std::string& path) {
  hooks_.ShowStandardView();
  const SaveResult result = SaveCharacter(record_, {kVersionText, settings_.DefaultGIF}, path);
  switch (result.outcome) {
    case SaveOutcome::Written:
      document_.CurrentFile = path;
      document_.Modified = false;
      frame_.title = OpenedTitle();
      return true;
    case SaveOutcome::NoFileName:
      platform_.Message(kNoFileName, kAppTitle, Icon::None, Buttons::Ok);
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
  Recalculate();
  // An empty path here means Save As was cancelled; the writer says so.
  return WriteTo(path);
}

bool Editor::SaveAs() {
  const std::string path = platform_.SaveFile({"SaveAs", kCharacterFilter, "iv3", document_.DefaultSaveName});
  if (path.empty()) return false;
  Recalculate();
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

void Editor::SelectPage(int page) {
  Run([page](RulesContext& ctx) { return SwitchPage(ctx, page); });
}

}  // namespace ivgen
