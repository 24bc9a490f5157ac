// The application frame: the Editor owns the document (the character, its document state, the
// settings and the catalogs), runs start-up and the document commands, and owns one unit per
// page. The window and ivgen-batch call the units' actions and refresh from their views.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/animal_form_unit.h"
#include "app/attributes_unit.h"
#include "app/bioware_unit.h"
#include "app/books_unit.h"
#include "app/contacts_unit.h"
#include "app/cyberware_unit.h"
#include "app/document.h"
#include "app/edges_unit.h"
#include "app/gear_unit.h"
#include "app/help_and_about.h"
#include "app/info_dialogs.h"
#include "app/options_unit.h"
#include "app/point_generation_unit.h"
#include "app/powers_unit.h"
#include "app/priorities_unit.h"
#include "app/race_unit.h"
#include "app/random_unit.h"
#include "app/settings.h"
#include "app/sheet_unit.h"
#include "app/skills_unit.h"
#include "app/spells_unit.h"
#include "app/texts_unit.h"
#include "app/todo_unit.h"
#include "app/undo_history.h"
#include "app/unit_host.h"
#include "catalog/catalogs.h"
#include "charfile/character_reader.h"
#include "charfile/character_writer.h"
#include "platform/platform.h"
#include "record/character_record.h"
#include "record/shown_text.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kVersionText = "3.2.6 - 2 July 2000";
inline constexpr const char* kShortVersion = "3.2.6";
inline constexpr const char* kCharacterFilter = "Ironveil 3 (*.iv3)|*.iv3";
inline constexpr const char* kJsonFilter = "JSON (*.json)|*.json";
/// Follows the path of a file Open refuses for holding no character.
inline constexpr const char* kNotACharacter = " is not an Ironveil character file";
inline constexpr const char* kSavePrompt = "Current character has been modified.\n\rDo you want do save changes?";

/// How many characters the File menu offers again.
inline constexpr size_t kRecentFileCount = 4;

/// How a New that may ask to save ended.
enum class NewOutcome { Reset, Cancelled, KeptUnsaved };

/// What the window's frame shows that is not a field of the record.
struct FrameView {
  ShownText title;
  bool statusBarVisible = true;
  // Hidden by a new character; the print options show it later.
  bool pictureVisible = false;
};

class Editor final : private UnitHost {
 public:
  /// commandLine: the program's command line as one text ("" for none).
  Editor(Platform& platform, std::string programFolder, std::string commandLine);

  /// Runs the start-up sequence. False when a catalog could not be opened and the program must
  /// end; the person has been told which file.
  bool Startup();
  /// Starts over the settings, sourcebook lists and catalogs `other` uses now instead of reading
  /// them from the files: a new character, as the other editor would begin it.
  void StartLike(const Editor& other);
  /// Makes the character `builder` holds the current one, as a New would start it (the caller has
  /// run New and its save prompt): no file, the undo history afresh, and Modified, since it was
  /// never saved. Save As proposes its street name.
  void TakeCharacter(const Editor& builder);

  // Document commands.
  NewOutcome New();
  void Open();
  /// Open with the file already chosen, as a double click in a file manager names it.
  void OpenNamed(const std::string& path);
  /// Open with a file of the recent list instead of the file dialog; a file that is gone is
  /// reported and dropped from the list.
  void OpenRecent(size_t index);
  /// The characters last opened or saved, the latest first.
  const std::vector<std::string>& RecentFiles() const { return recent_; }
  /// The list as the person's settings kept it from the last run.
  void SetRecentFiles(std::vector<std::string> paths);
  /// True when the character was written.
  bool Save();
  bool SaveAs();
  /// True when the program should end.
  bool Exit();
  /// The main window is being closed; true when the program should end.
  bool CloseWindow();
  /// The bytes a save would write now.
  std::string FileText();

  // The character as JSON.
  /// File > Export as JSON...: asks where, then writes the document; false when cancelled or not
  /// written (the person is told why).
  bool ExportJson();
  /// Writes the document to path.
  bool ExportJsonTo(const std::string& path);
  /// The document an export would write now.
  std::string JsonText();
  /// File > Import JSON...: the save prompt, the file dialog, then the document read into a new
  /// character as an opened file is, which has no file yet and is modified. A document that is no
  /// character's is refused with the place of its first problem, and the character stays.
  void ImportJson();
  /// Import JSON with the document already chosen.
  void ImportJsonNamed(const std::string& path);

  // Undo and redo: back to the last New, Open or Reload Datafiles.
  const UndoHistory& History() const { return history_; }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  /// The Edit menu's texts: "&Undo Buy Reflex Weave", or "&Undo" when there is nothing to undo.
  std::string UndoText() const { return history_.UndoText(); }
  std::string RedoText() const { return history_.RedoText(); }
  /// False when there is nothing to undo (or redo).
  bool Undo();
  bool Redo();
  /// From now on no action is an undo step: an editor that builds a character for another keeps
  /// no history it would never offer.
  void KeepNoHistory();
  /// What the status bar says about the last command; "" when nothing.
  const std::string& StatusText() const { return status_; }

  /// File > Properties: the Properties dialog over the current file's facts.
  void Properties() { info_.Properties(document_.CurrentFile, record_); }
  /// The help window, the About box, the splash and the information dialogs.
  HelpAndAbout& Info() { return info_; }
  const HelpAndAbout& Info() const { return info_; }
  void ToggleStatusBar();

  /// Moves the editor to another page; the page showing, or a number outside 0..11, does nothing.
  void SelectPage(int page);
  int CurrentPage() const { return creation_.pages.page; }

  // The pages' units.
  PrioritiesUnit& Priorities() { return priorities_; }
  const PrioritiesUnit& Priorities() const { return priorities_; }
  RaceUnit& Race() { return race_; }
  const RaceUnit& Race() const { return race_; }
  AttributesUnit& Attributes() { return attributes_; }
  const AttributesUnit& Attributes() const { return attributes_; }
  SkillsUnit& Skills() { return skills_; }
  const SkillsUnit& Skills() const { return skills_; }
  TextsUnit& Texts() { return texts_; }
  const TextsUnit& Texts() const { return texts_; }
  BooksUnit& Books() { return books_; }
  const BooksUnit& Books() const { return books_; }
  OptionsUnit& Options() { return options_; }
  const OptionsUnit& Options() const { return options_; }
  /// Character Gen. > "Random Character...".
  RandomUnit& Random() { return random_; }
  const RandomUnit& Random() const { return random_; }
  SheetUnit& Sheet() { return sheet_; }
  const SheetUnit& Sheet() const { return sheet_; }
  GearUnit& Gear() { return gear_; }
  const GearUnit& Gear() const { return gear_; }
  ContactsUnit& Contacts() { return contacts_; }
  const ContactsUnit& Contacts() const { return contacts_; }
  SpellsUnit& Spells() { return spells_; }
  const SpellsUnit& Spells() const { return spells_; }
  PowersUnit& Powers() { return powers_; }
  const PowersUnit& Powers() const { return powers_; }
  CyberwareUnit& Cyberware() { return cyberware_; }
  const CyberwareUnit& Cyberware() const { return cyberware_; }
  BiowareUnit& Bioware() { return bioware_; }
  const BiowareUnit& Bioware() const { return bioware_; }
  // The dialogs' units.
  PointGenerationUnit& PointGeneration() { return pointGeneration_; }
  const PointGenerationUnit& PointGeneration() const { return pointGeneration_; }
  EdgesUnit& EdgesAndFlaws() { return edges_; }
  const EdgesUnit& EdgesAndFlaws() const { return edges_; }
  AnimalFormUnit& AnimalForm() { return animalForm_; }
  const AnimalFormUnit& AnimalForm() const { return animalForm_; }
  /// The Left to Do pane.
  const TodoUnit& Todo() const { return todo_; }

  // The document, to read.
  const ivgen::Document& CurrentDocument() const { return doc_; }
  /// Makes `document` the character, as undo does: every unit computes its view from it.
  void Adopt(ivgen::Document document);
  const CharacterRecord& Record() const override { return record_; }
  const DocumentState& Document() const { return document_; }
  const CreationState& Creation() const override { return creation_; }
  const Settings& CurrentSettings() const { return settings_; }
  const Catalogs& CurrentCatalogs() const override { return catalogs_; }
  const FrameView& Frame() const { return frame_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  /// The settings file in use: the command-line path when one was given.
  std::string SettingsFile() const;

 private:
  void Run(const Action& action) override;
  void Name(std::string action) override { nextAction_ = std::move(action); }
  void NameTyping(const std::string& field) override;
  void BeginStep(std::string action) override;
  void EndStep() override;
  RulesContext Context();

  /// Every unit, after the action has run: the one place views are brought up to date.
  void RefreshAll(RulesContext& ctx);

  /// The one call the rules make into another page's unit (see CreationHooks).
  class Hooks final : public CreationHooks {
   public:
    explicit Hooks(Editor& editor) : editor_(editor) {}
    void ShowStandardView() override {
      RulesContext ctx = editor_.Context();
      editor_.cyberware_.StandardView(ctx);
    }

   private:
    Editor& editor_;
  };
  /// Carries out what the rule asked of other pages' units.
  void ActOn(RulesContext& ctx);

  UndoStep Snapshot(std::string action) const {
    return {std::move(action), {}, doc_, platform_.SaveDie(), document_.Modified, saveCount_};
  }
  /// Moves the document one step back (or forward) along the history.
  bool Travel(bool back);
  /// New, Open and a reload start the history afresh.
  void ForgetHistory();
  /// Remembers what the file holds now, for Modified after undo and redo.
  void MarkSaved();

  /// Watches the rules open and close the modal point and edge dialogs, so everything done in
  /// them is one undo step; passes everything on to the platform.
  class DialogWatch final : public Platform {
   public:
    explicit DialogWatch(Editor& editor) : editor_(editor) {}
    Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override {
      return Real().Message(text, title, icon, buttons);
    }
    std::string Input(const std::string& prompt, const std::string& title, const std::string& initial) override {
      return Real().Input(prompt, title, initial);
    }
    std::string OpenFile(const FileRequest& request) override { return Real().OpenFile(request); }
    std::string SaveFile(const FileRequest& request) override { return Real().SaveFile(request); }
    std::string ChooseFolder(const std::string& title) override { return Real().ChooseFolder(title); }
    void RunDialog(Dialog dialog) override;
    void ShowDialog(Dialog dialog) override { Real().ShowDialog(dialog); }
    void CloseDialog(Dialog dialog) override;
    void ProgressShow(const std::string& title, const std::string& label) override {
      Real().ProgressShow(title, label);
    }
    void ProgressStep(const std::string& label) override { Real().ProgressStep(label); }
    void ProgressHide() override { Real().ProgressHide(); }
    void SetBusy(bool busy) override { Real().SetBusy(busy); }
    void Refused(const std::string& reason) override { Real().Refused(reason); }
    double NextRandom() override { return Real().NextRandom(); }
    DieState SaveDie() const override { return editor_.platform_.SaveDie(); }
    void RestoreDie(const DieState& die) override { Real().RestoreDie(die); }

   private:
    Platform& Real() { return editor_.platform_; }
    Editor& editor_;
    bool pointsOpen_ = false;
    bool edgesOpen_ = false;
  };

  void ResetCharacter();
  /// The values that follow from the attributes, as a save writes them.
  void Recalculate();
  /// Every catalog but books.dat and skills.dat; at start-up false when the program must end.
  bool ReloadCatalogs(bool atStartup);
  /// The units choose afresh in catalogs that were replaced, and the history starts again.
  void CatalogsLoaded();
  /// The settings are in: the document's first state and the priority order's first ranking.
  void BeginDocument();
  /// The catalogs are in: the new character the program starts with.
  void FirstCharacter();
  /// Writes the character to path; on success it becomes the current file.
  bool WriteTo(const std::string& path);
  /// The save prompt of New and Open: Reset when the character may go.
  NewOutcome OfferSave();
  /// Reads a character file chosen by Open or from the recent list.
  void Load(const std::string& path);
  /// Reads a read file into the new character, replaying the rules as Open does.
  void Replay(const CharacterFile& file);
  void ImportJsonFrom(const std::string& path);
  /// A character opened or saved goes to the top of the recent list.
  void Remember(const std::string& path);
  ShownText OpenedTitle() const;
  void Tell(const ShownText& text, Icon icon = Icon::None);

  Platform& platform_;
  std::string programFolder_;
  std::string commandLine_;
  HelpAndAbout info_{platform_, programFolder_, kVersionText, kShortVersion, SettingsFile()};
  Settings settings_;
  ivgen::Document doc_;
  CharacterRecord& record_ = doc_.record;
  CreationState& creation_ = doc_.creation;
  DocumentState document_;
  FrameView frame_;
  BookLists bookLists_;
  Catalogs catalogs_;
  Hooks hooks_{*this};
  DialogWatch watch_{*this};

  UndoHistory history_{[this](const CharacterRecord& a, const CharacterRecord& b) {
    return CharacterFileText(a, {kVersionText, settings_.DefaultGIF}) ==
           CharacterFileText(b, {kVersionText, settings_.DefaultGIF});
  }};
  bool keepsHistory_ = true;
  std::string nextAction_;
  std::string nextMergeKey_;
  int runDepth_ = 0;
  /// The bytes the last save or Open left in the file (or a new character's): undo and redo
  /// set Modified by them.
  std::string savedText_;
  /// How many times the file was saved or opened: a step's Modified holds only against its save.
  int saveCount_ = 0;
  std::string status_;
  std::vector<std::string> recent_;

  PrioritiesUnit priorities_{*this};
  RaceUnit race_{*this, doc_.creation.specials};
  AttributesUnit attributes_{*this};
  SkillsUnit skills_{*this, doc_.skills};
  TextsUnit texts_{*this};
  BooksUnit books_{bookLists_, platform_, programFolder_, [this] { ReloadCatalogs(false); }};
  OptionsUnit options_{settings_, platform_, SettingsSavePath(programFolder_, commandLine_)};
  RandomUnit random_{*this, platform_};
  SheetUnit sheet_{*this, platform_, doc_.sheet};
  GearUnit gear_{*this, doc_.gear, bookLists_, programFolder_};
  ContactsUnit contacts_{*this, doc_.contacts};
  SpellsUnit spells_{*this, doc_.spells, bookLists_};
  PowersUnit powers_{*this, doc_.powers, bookLists_};
  CyberwareUnit cyberware_{*this, doc_.cyberware, bookLists_};
  BiowareUnit bioware_{*this, doc_.bioware, bookLists_};
  PointGenerationUnit pointGeneration_{*this, settings_, doc_.generation, doc_.edges, doc_.account};
  EdgesUnit edges_{*this, settings_, doc_.edges, doc_.account};
  AnimalFormUnit animalForm_{*this, doc_.creation.specials};
  TodoUnit todo_{doc_};

  /// The units by page (the page table in editor.cpp), then those of the dialogs, the sheet and
  /// the Left to Do pane; New, a reload and every action run through all of them in this order.
  static constexpr size_t kOtherUnits = 5;
  std::array<Unit*, kPageCount + kOtherUnits> units_{};
  /// The unit of a page; a number outside the pages has none.
  Unit* PageUnit(int page) const;
};

}  // namespace ivgen
