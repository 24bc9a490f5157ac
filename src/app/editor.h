// The application frame: the Editor owns the document (the character, its document state, the
// settings and the catalogs), runs start-up and the document commands, and owns one unit per
// page. The window and ivgen-batch call the units' actions and refresh from their views.
#pragma once

#include <string>

#include "app/attributes_unit.h"
#include "app/bioware_unit.h"
#include "app/books_unit.h"
#include "app/contacts_unit.h"
#include "app/cyberware_unit.h"
#include "app/gear_unit.h"
#include "app/options_unit.h"
#include "app/points_unit.h"
#include "app/powers_unit.h"
#include "app/priorities_unit.h"
#include "app/race_unit.h"
#include "app/settings.h"
#include "app/sheet_unit.h"
#include "app/skills_unit.h"
#include "app/spells_unit.h"
#include "app/texts_unit.h"
#include "app/unit_host.h"
#include "catalog/catalogs.h"
#include "platform/platform.h"
#include "record/character_record.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kVersionText = "3.2.6 - 2 July 2000";
inline constexpr const char* kShortVersion = "3.2.6";
inline constexpr const char* kCharacterFilter = "Ironveil 3 (*.iv3)|*.iv3";
/// Follows the path of a file Open refuses for holding no character.
inline constexpr const char* kNotACharacter = " is not an Ironveil character file";
inline constexpr const char* kSavePrompt = "Current character has been modified.\n\rDo you want do save changes?";

/// How a New that may ask to save ended.
enum class NewOutcome { Reset, Cancelled, KeptUnsaved };

/// What the window's frame shows that is not a field of the record.
struct FrameView {
  std::string title;
  bool statusBarVisible = true;
  bool splashVisible = false;
  std::string splashVersion;
  /// The About box's version line; empty while the box is not loaded.
  std::string aboutVersion;
  bool aboutLoaded = false;
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

  // Document commands.
  NewOutcome New();
  void Open();
  /// True when the character was written.
  bool Save();
  bool SaveAs();
  /// True when the program should end.
  bool Exit();
  /// The main window is being closed; true when the program should end.
  bool CloseWindow();
  /// The bytes a save would write now.
  std::string FileText();

  // Menu commands with fixed messages, the About box and the splash.
  void Properties();
  void HelpContents();
  void HelpSearch();
  void ToggleStatusBar();
  void ShowAbout();
  void AboutSystemInfo();
  void AboutOk();
  void HideSplash();

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
  PointsUnit& Points() { return points_; }
  const PointsUnit& Points() const { return points_; }

  // The document, to read.
  const CharacterRecord& Record() const override { return record_; }
  const DocumentState& Document() const { return document_; }
  const CreationState& Creation() const override { return creation_; }
  const Settings& CurrentSettings() const { return settings_; }
  const Catalogs& CurrentCatalogs() const override { return catalogs_; }
  /// The entries the last reload selected in the spell category, tradition, edge and flaw lists.
  const CatalogSelections& CatalogSelection() const { return catalogSelection_; }
  const FrameView& Frame() const { return frame_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  /// The settings file in use: the command-line path when one was given.
  std::string SettingsFile() const;

 private:
  void Run(const Action& action) override;
  RulesContext Context();

  /// What the rules ask of the units of other pages.
  class Hooks final : public CreationHooks {
   public:
    explicit Hooks(Editor& editor) : editor_(editor) {}
    void SCalcMaxUsed() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.SCalcMaxUsed(ctx); });
    }
    void GhoulCheck() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.GhoulCheck(ctx); });
    }
    void AlbinoChoice() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.AlbinoChoice(ctx); });
    }
    void AlbinoFlaw() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.AlbinoFlaw(ctx); });
    }
    void ShowStandardView() override;
    void ShowMoneyLeft() override {
      editor_.gear_.ShowMoney();
      editor_.contacts_.ShowMoney();
    }
    void RecountSkillPoints() override { editor_.skills_.Recount(); }
    void RecountCyberwareEssence() override;
    void RecountBioIndex() override;
    void RefreshGearTotals() override { editor_.gear_.RecountWeight(); }
    void RefreshContacts() override { editor_.contacts_.ShowMoney(); }
    void RefreshOverrideView() override { editor_.skills_.RefreshOverrideView(); }
    void OfferSheetName(const std::string& streetName) override { editor_.sheet_.OfferSheetName(streetName); }
    void RestorePointGeneration() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.RestorePointGeneration(ctx); });
    }
    void CalcEdgePts() override {
      Points([](PointsUnit& unit, RulesContext& ctx) { unit.CalcEdgePts(ctx); });
    }

   private:
    template <typename Call>
    void Points(Call call) {
      RulesContext ctx = editor_.Context();
      call(editor_.points_, ctx);
    }
    Editor& editor_;
  };

  void ResetCharacter();
  /// The values that follow from the attributes, as a save writes them.
  void Recalculate();
  /// Every catalog but books.dat and skills.dat; at start-up false when the program must end.
  bool ReloadCatalogs(bool atStartup);
  /// Writes the character to path; on success it becomes the current file.
  bool WriteTo(const std::string& path);
  std::string OpenedTitle() const;
  void Tell(const std::string& text, Icon icon = Icon::None);

  Platform& platform_;
  std::string programFolder_;
  std::string commandLine_;
  Settings settings_;
  CharacterRecord record_;
  DocumentState document_;
  FrameView frame_;
  BookLists bookLists_;
  Catalogs catalogs_;
  CatalogSelections catalogSelection_;
  CreationState creation_;
  Hooks hooks_{*this};

  PrioritiesUnit priorities_{*this};
  RaceUnit race_{*this};
  AttributesUnit attributes_{*this};
  SkillsUnit skills_{*this};
  TextsUnit texts_{*this};
  BooksUnit books_{bookLists_, platform_, programFolder_, [this] { ReloadCatalogs(false); }};
  OptionsUnit options_{settings_, platform_, SettingsFile()};
  SheetUnit sheet_{*this, platform_};
  GearUnit gear_{*this, bookLists_, programFolder_};
  ContactsUnit contacts_{*this};
  SpellsUnit spells_{*this, bookLists_};
  PowersUnit powers_{*this, bookLists_};
  CyberwareUnit cyberware_{*this, bookLists_};
  BiowareUnit bioware_{*this, bookLists_};
  PointsUnit points_{*this, settings_};
};

}  // namespace ivgen
