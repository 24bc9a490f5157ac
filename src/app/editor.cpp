#include "app/editor.h"

#include <algorithm>
#include <filesystem>

#include "app/catalog_loading.h"
#include "app/character_loading.h"
#include "charfile/character_reader.h"
#include "charfile/character_writer.h"
#include "json/character_json.h"
#include "record/cp1252.h"
#include "record/text.h"
#include "record/text_file.h"
#include "record/values.h"
#include "rules/attributes.h"
#include "rules/page_change.h"
#include "system/system.h"

namespace ivgen {

namespace {

constexpr const char* kNewTitlePrefix = "Ironveil Character Generator ";

}  // namespace

Editor::Editor(Platform& platform, std::string programFolder, std::string commandLine)
    : platform_(platform), programFolder_(std::move(programFolder)), commandLine_(std::move(commandLine)) {
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
  // Each page's unit, from the page table.
  using Row = std::pair<Page, Unit*>;
  const std::array<Row, kPageCount> pages = {{
#define IVGEN_PAGE_UNIT(page, caption, unit, widget, commands) {page, &unit},
      IVGEN_PAGES(IVGEN_PAGE_UNIT)
#undef IVGEN_PAGE_UNIT
  }};
  for (const auto& [page, unit] : pages) units_[static_cast<size_t>(page)] = unit;
  const std::array<Unit*, kOtherUnits> others = {&pointGeneration_, &edges_, &animalForm_, &sheet_, &todo_};
  std::copy(others.begin(), others.end(), units_.begin() + kPageCount);
}

Unit* Editor::PageUnit(int page) const {
  return page >= 0 && page < kPageCount ? units_[static_cast<size_t>(page)] : nullptr;
}

std::string Editor::SettingsFile() const { return SettingsPath(kSettingsFileName, programFolder_, commandLine_); }

void Editor::Tell(const ShownText& text, Icon icon) { platform_.Message(text, kAppTitle, icon, Buttons::Ok); }

RulesContext Editor::Context() { return RulesContext{record_, creation_, watch_, hooks_, catalogs_}; }

void Editor::Run(const Action& action) {
  std::string name = std::exchange(nextAction_, {});
  std::string mergeKey = std::exchange(nextMergeKey_, {});
  const bool outermost = runDepth_ == 0;
  if (outermost) status_.clear();
  if (keepsHistory_ && outermost && !history_.StepOpen() && !name.empty()) {
    UndoStep before = Snapshot(std::move(name));
    before.mergeKey = std::move(mergeKey);
    history_.BeginAction(std::move(before));
  }
  ++runDepth_;
  RulesContext ctx = Context();
  const bool changed = action(ctx);
  ActOn(ctx);
  RefreshAll(ctx);
  --runDepth_;
  if (changed) document_.Modified = true;
  if (!outermost) return;
  history_.EndAction(doc_);
  if (std::string notice = history_.TakeNotice(); !notice.empty()) status_ = std::move(notice);
}

void Editor::ActOn(RulesContext& ctx) {
  const PageRequests requests = std::exchange(ctx.requests, {});
  if (requests.sheetName) sheet_.OfferSheetName(record_.StreetName);
  if (requests.cyberwareEssence) cyberware_.Recount(ctx);
}

void Editor::NameTyping(const std::string& field) {
  nextAction_ = "Typing " + field;
  nextMergeKey_ = field;
}

void Editor::BeginStep(std::string action) {
  if (!keepsHistory_) return;
  history_.Open(std::move(action), [this] { return Snapshot({}); });
}

void Editor::EndStep() {
  if (!keepsHistory_) return;
  history_.Close(doc_, runDepth_ > 0);
  if (std::string notice = history_.TakeNotice(); !notice.empty()) status_ = std::move(notice);
}

bool Editor::Travel(bool back) {
  if (runDepth_ > 0) return false;
  UndoStep current = Snapshot({});
  std::optional<UndoStep> step = back ? history_.Back(std::move(current)) : history_.Forward(std::move(current));
  if (!step) return false;
  platform_.RestoreDie(step->die);
  Adopt(std::move(step->document));
  // Against the same save the step knew, Modified is what it was then: a change the rules do not
  // count as an edit (a reordering) stays uncounted. Otherwise the file decides.
  document_.Modified = step->saveCount == saveCount_
                           ? step->modified
                           : CharacterFileText(record_, {kVersionText, settings_.DefaultGIF}) != savedText_;
  return true;
}

bool Editor::Undo() { return Travel(true); }

bool Editor::Redo() { return Travel(false); }

void Editor::ForgetHistory() { history_.Clear(); }

void Editor::KeepNoHistory() {
  keepsHistory_ = false;
  ForgetHistory();
}

void Editor::MarkSaved() {
  savedText_ = CharacterFileText(record_, {kVersionText, settings_.DefaultGIF});
  ++saveCount_;
}

void Editor::DialogWatch::RunDialog(Dialog dialog) {
  if (dialog == Dialog::PointGeneration && !pointsOpen_) {
    pointsOpen_ = true;
    editor_.BeginStep("Point Generation");
  } else if (dialog == Dialog::EdgesFlaws && !edgesOpen_) {
    edgesOpen_ = true;
    editor_.BeginStep("Edges and Flaws");
  }
  Real().RunDialog(dialog);
}

void Editor::DialogWatch::CloseDialog(Dialog dialog) {
  Real().CloseDialog(dialog);
  if (dialog == Dialog::PointGeneration && std::exchange(pointsOpen_, false)) editor_.EndStep();
  if (dialog == Dialog::EdgesFlaws && std::exchange(edgesOpen_, false)) editor_.EndStep();
}

void Editor::Adopt(ivgen::Document document) {
  doc_ = std::move(document);
  RulesContext ctx = Context();
  RefreshAll(ctx);
}

void Editor::RefreshAll(RulesContext& ctx) {
  for (Unit* unit : units_) unit->Refresh(ctx);
}

void Editor::Recalculate() {
  Run([](RulesContext& ctx) {
    RecalcDerived(ctx);
    return false;
  });
}

bool Editor::ReloadCatalogs(bool atStartup) {
  const bool loaded = ReloadDatafiles(programFolder_, bookLists_, catalogs_, platform_,
                                      atStartup ? ReloadTrigger::StartUp : ReloadTrigger::Button);
  const bool hadHistory = CanUndo() || CanRedo();
  CatalogsLoaded();
  // The catalogs' lists and indexes an older document refers to may have changed.
  if (!atStartup && hadHistory) status_ = "Undo history cleared: the data files were reloaded.";
  return loaded;
}

void Editor::CatalogsLoaded() {
  Run([this](RulesContext& ctx) {
    bool changed = false;
    for (Unit* unit : units_) changed = unit->CatalogsReloaded(ctx) || changed;
    return changed;
  });
  ForgetHistory();
}

void Editor::BeginDocument() {
  record_.GraphicsFilename = settings_.DefaultGIF;
  document_.Modified = false;
  document_.DefaultSaveName.clear();
  record_.Initiation = 0;
  record_.Grade = 0;
  record_.Adept = -1;
  Run([](RulesContext& ctx) {
    StartCreation(ctx);
    return false;
  });
}

void Editor::FirstCharacter() {
  // The first load chose the first tradition for the character; nothing is the player's work yet.
  document_.Modified = false;
  New();
}

bool Editor::Startup() {
  info_.ShowSplash();
  settings_ = LoadSettings(SettingsFile(), platform_);
  BeginDocument();
  if (!LoadStartupLists(programFolder_, bookLists_, catalogs_.skills, platform_)) return false;
  record_.GeneratorPoints = false;
  if (!ReloadCatalogs(true)) return false;
  FirstCharacter();
  info_.HideSplash();
  creation_.pages.page = kPagePriorities;
  return true;
}

void Editor::StartLike(const Editor& other) {
  settings_ = other.settings_;
  BeginDocument();
  bookLists_ = other.bookLists_;
  catalogs_ = other.catalogs_;
  record_.GeneratorPoints = false;
  CatalogsLoaded();
  FirstCharacter();
  creation_.pages.page = kPagePriorities;
}

void Editor::TakeCharacter(const Editor& builder) {
  // What lives with the program rather than the character stays: the print options and the last
  // firearm's price.
  const int64_t lastWeaponPrice = doc_.gear.lastWeaponPrice;
  SheetState sheet = doc_.sheet;
  sheet.sheetName = builder.doc_.sheet.sheetName;
  doc_ = builder.doc_;
  doc_.gear.lastWeaponPrice = lastWeaponPrice;
  doc_.sheet = std::move(sheet);
  document_.CurrentFile.clear();
  document_.DefaultSaveName = record_.StreetName;
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
  RulesContext ctx = Context();
  RefreshAll(ctx);
  ForgetHistory();
  // Built but never saved: closing it asks first.
  document_.Modified = true;
}

void Editor::ResetCharacter() {
  document_.DefaultSaveName.clear();
  document_.CurrentFile.clear();
  frame_.title = kNewTitlePrefix + std::string(kVersionText);
  ResetRecordFields(record_, settings_.DefaultGIF);
  Run([this](RulesContext& ctx) {
    for (Unit* unit : units_) unit->Reset(ctx);
    return false;
  });
  ForgetHistory();
  MarkSaved();
  document_.Modified = false;
  frame_.pictureVisible = false;
}

NewOutcome Editor::OfferSave() {
  if (!document_.Modified) return NewOutcome::Reset;
  switch (platform_.Message(kSavePrompt, "New character", Icon::Warning, Buttons::YesNoCancel)) {
    case Answer::Yes:
      // The player asked to keep this character: if it was not saved, it stays.
      return Save() ? NewOutcome::Reset : NewOutcome::KeptUnsaved;
    case Answer::No:
      return NewOutcome::Reset;
    default:
      return NewOutcome::Cancelled;
  }
}

NewOutcome Editor::New() {
  const NewOutcome outcome = OfferSave();
  if (outcome != NewOutcome::Reset) return outcome;
  ResetCharacter();
  return NewOutcome::Reset;
}

void Editor::Open() {
  if (New() == NewOutcome::KeptUnsaved) return;
  const std::string path = platform_.OpenFile({"Open", kCharacterFilter, "iv3", ""});
  if (!path.empty()) Load(path);
}

void Editor::OpenNamed(const std::string& path) {
  if (New() == NewOutcome::KeptUnsaved) return;
  if (!path.empty()) Load(path);
}

void Editor::OpenRecent(size_t index) {
  if (index >= recent_.size()) return;
  const std::string path = recent_[index];
  std::error_code error;
  // Asked before the save prompt, so a vanished file costs the player nothing.
  if (!std::filesystem::exists(NativePath(path), error)) {
    recent_.erase(recent_.begin() + static_cast<std::ptrdiff_t>(index));
    Tell(ShownText::Path(path) + " is gone; it was taken off the recent files.", Icon::Warning);
    return;
  }
  OpenNamed(path);
}

void Editor::SetRecentFiles(std::vector<std::string> paths) {
  recent_.clear();
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
    if (!it->empty()) Remember(*it);
  }
}

void Editor::Remember(const std::string& path) {
  std::erase(recent_, path);
  recent_.insert(recent_.begin(), path);
  if (recent_.size() > kRecentFileCount) recent_.resize(kRecentFileCount);
}

void Editor::Load(const std::string& path) {
  IoResult problem;
  const std::optional<CharacterFile> file = CharacterFile::Load(path, problem);
  if (!file) {
    // Every key of a missing file would read empty and make a shapeshifter; the person is told
    // instead, and whatever character is there stays, the one kept at the save prompt too.
    Tell(problem.Describe("open"), Icon::Warning);
    return;
  }
  if (!file->IsCharacter()) {
    Tell(ShownText::Path(path) + kNotACharacter, Icon::Warning);
    return;
  }
  // A cancelled save prompt leaves the old character; reading starts from a new one.
  ResetCharacter();
  document_.CurrentFile = path;
  Replay(*file);
  document_.DefaultSaveName = record_.StreetName;
  frame_.title = OpenedTitle();
  ForgetHistory();
  MarkSaved();
  document_.Modified = false;
  Remember(path);
}

void Editor::Replay(const CharacterFile& file) {
  Run([&](RulesContext& ctx) {
    const LoadRecounts recounts{
        [this](RulesContext& c) { pointGeneration_.RestorePointGeneration(c); },
        [this](RulesContext& c) { cyberware_.Recount(c); }, [this](RulesContext& c) { bioware_.Recount(c); },
        [this](RulesContext& c) { edges_.CalcEdgePts(c); }, [this](RulesContext& c) { skills_.Recount(c); }};
    LoadCharacter(ctx, file, settings_.DefaultGIF, recounts);
    race_.Opened(ctx);
    return false;
  });
  gear_.ShowOpenedWeight();
}

std::string Editor::JsonText() {
  // As a save writes the character, so the document and the file always agree.
  Recalculate();
  hooks_.ShowStandardView();
  return CharacterJson(record_, {settings_.maxpoints, doc_.account.BuildPointsUsed});
}

bool Editor::ExportJson() {
  const std::string path = platform_.SaveFile({"Export as JSON", kJsonFilter, "json", record_.StreetName});
  return !path.empty() && ExportJsonTo(path);
}

bool Editor::ExportJsonTo(const std::string& path) {
  const IoResult written = ReplaceFile(path, JsonText());
  if (!written.ok) Tell("The character was not exported.\r\n" + written.Describe("write"), Icon::Warning);
  return written.ok;
}

void Editor::ImportJson() {
  // Cancel keeps the character: nothing is read over a character the player did not let go.
  if (OfferSave() != NewOutcome::Reset) return;
  const std::string path = platform_.OpenFile({"Import JSON", kJsonFilter, "json", ""});
  if (!path.empty()) ImportJsonFrom(path);
}

void Editor::ImportJsonNamed(const std::string& path) {
  if (OfferSave() != NewOutcome::Reset) return;
  if (!path.empty()) ImportJsonFrom(path);
}

void Editor::ImportJsonFrom(const std::string& path) {
  IoResult problem;
  const std::optional<std::string> bytes = ReadWholeFile(path, &problem);
  if (!bytes) {
    Tell(problem.Describe("open"), Icon::Warning);
    return;
  }
  JsonProblem refusal;
  const std::optional<CharacterFile> file =
      CharacterFileFromJson(WithoutByteOrderMark(*bytes), {kVersionText, settings_.DefaultGIF}, refusal);
  if (!file) {
    Tell(ShownText::Path(path) + " was not imported: " + Utf8ToCp1252(refusal.Text()), Icon::Warning);
    return;
  }
  // A new character with the document's fields, read as an opened file is; it has no file yet.
  ResetCharacter();
  Replay(*file);
  document_.DefaultSaveName = record_.StreetName;
  ForgetHistory();
  document_.Modified = true;
}

ShownText Editor::OpenedTitle() const {
  return "Ironveil CharGen 3 - [" + ShownText::Path(std::string(LastName(document_.CurrentFile))) + "]";
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
      MarkSaved();
      frame_.title = OpenedTitle();
      Remember(path);
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

void Editor::ToggleStatusBar() { frame_.statusBarVisible = !frame_.statusBarVisible; }

void Editor::SelectPage(int page) {
  // Leaving a page may apply what it granted, so a page change that changed the character is a step.
  Name("Page Change");
  Run([this, page](RulesContext& ctx) {
    const int before = ctx.state.pages.page;
    const bool changed = SwitchPage(ctx, page);
    ActOn(ctx);
    // The page that came into view (a dialog may have chosen another) counts its totals again.
    if (ctx.state.pages.page != before) PageUnit(ctx.state.pages.page)->Entered(ctx);
    return changed;
  });
}

}  // namespace ivgen
