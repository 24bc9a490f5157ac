// The application frame: the Editor owns the character, its document state, the settings and
// everything the window shows that the rules decide. Each user action is one method; the window
// and ivgen-batch call these methods and then refresh from the Editor's state.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "catalog/catalogs.h"
#include "platform/platform.h"
#include "record/character_record.h"
#include "rules/creation_state.h"

namespace ivgen {

inline constexpr const char* kVersionText = "3.2.6 - 2 July 2000";
inline constexpr const char* kShortVersion = "3.2.6";
inline constexpr const char* kCharacterFilter = "Ironveil 3 (*.iv3)|*.iv3";
inline constexpr const char* kPictureFilter = "Picture (*.gif; *.jpg)|*.gif;*.jpg";
inline constexpr const char* kSavePrompt = "Current character has been modified.\n\rDo you want do save changes?";

inline constexpr int kPageCount = 12;
/// Captions of the editor's pages, page 0 to 11.
inline constexpr std::array<std::string_view, kPageCount> kPageCaptions = {
    "Priorities", "Race",        "Attributes", "Skills",  "Cyberware", "Bioware",
    "Spells",     "Phys. Adept", "Gear",       "BioInfo", "Books",     "Contacts"};

/// How a New that may ask to save ended.
enum class NewOutcome { Reset, Cancelled, KeptUnsaved };

/// The Options dialog's fields, as typed.
struct OptionsFields {
  std::string maxpoints;
  std::string MaxAbsEpts;
  std::string DefaultGIF;
  std::string MaxFlawEdge;
};

/// What the window shows that is not a field of the record.
struct FrameView {
  std::string title;
  int currentPage = 0;
  bool statusBarVisible = true;
  bool splashVisible = false;
  std::string splashVersion;
  /// The About box's version line; empty while the box is not loaded.
  std::string aboutVersion;
  bool aboutLoaded = false;
  bool optionsOpen = false;
  // Hidden by a new character; the cyberware page and the print options show them later.
  bool pictureVisible = false;
  bool cyberlimbFrameVisible = false;
};

class Editor {
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
  /// True when the character was written.
  bool SaveAs();
  /// True when the program should end.
  bool Exit();
  /// The main window is being closed; true when the program should end.
  bool CloseWindow();

  // Menu commands with fixed messages.
  void Properties();
  void HelpContents();
  void HelpSearch();
  void ToggleStatusBar();
  void ShowAbout();
  void AboutSystemInfo();
  void AboutOk();
  void HideSplash();

  // Options dialog.
  void OpenOptions();
  void SetOptionsField(std::string_view key, std::string text);
  void OptionsBrowse();
  /// True when the settings were written and the dialog closed.
  bool OptionsDone();
  void OptionsCancel();

  /// Sets one text the player types: an identity text of the BioInfo page (StreetName to
  /// KarmaRemain) or a typed pool (Karma, Hacking, Astral, lblPool1, lblPool2, txtPool1,
  /// txtPool2). Line breaks are dropped. False for an unknown key.
  bool SetText(std::string_view key, std::string text);
  /// Reads a text that SetText can set; nothing for an unknown key.
  std::optional<std::string> Text(std::string_view key) const;
  /// Sets the description; lone CR and lone LF are taken as line breaks and stored as CR LF.
  void SetDescription(std::string text);

  /// The bytes a save would write now.
  std::string FileText();

  /// Moves the editor to another page (0 to 11); other numbers are ignored.
  void SelectPage(int page);

  // --- Catalogs and the Books page (app/books.cpp) ---
  const Catalogs& CurrentCatalogs() const { return catalogs_; }
  const BookLists& Books() const { return books_; }
  /// The entries the last reload selected in the spell category, tradition, edge and flaw lists.
  const CatalogSelections& CatalogSelection() const { return catalogSelection_; }
  /// A click on an entry of "Source books allowed" / "Source books not allowed"; an index outside
  /// the list changes nothing.
  void BooksSelectAllowed(int index);
  void BooksSelectNotAllowed(int index);
  /// The move buttons beside the two lists; nothing happens without a selected entry.
  void BooksMoveToNotAllowed();
  void BooksMoveToAllowed();
  /// "Save Settings": rewrites books.dat; a failure is shown with the path. True when written.
  bool BooksSave();
  /// "Reload Datafiles": reloads the catalogs for the allowed books, with the busy pointer.
  void BooksReload();
  // --- end of catalogs and the Books page ---

  const CharacterRecord& Record() const { return record_; }
  CharacterRecord& MutableRecord() { return record_; }
  const DocumentState& Document() const { return document_; }
  const Settings& CurrentSettings() const { return settings_; }
  const FrameView& Frame() const { return frame_; }
  const OptionsFields& Options() const { return options_; }
  const std::string& ProgramFolder() const { return programFolder_; }
  /// The settings file in use: the command-line path when one was given.
  std::string SettingsFile() const;
  Platform& Prompts() { return platform_; }

 private:
  void ResetCharacter();
  /// Writes the character to path; on success it becomes the current file.
  bool WriteTo(const std::string& path);
  void ShowSavePromptFailure(const std::string& path, const std::string& reason);
  std::string OpenedTitle() const;
  /// The Options fields as the dialog opens: the settings in effect, or what it last wrote.
  OptionsFields OptionsInEffect() const;
  void Tell(const std::string& text, Icon icon = Icon::None);

  // Seams where later parts of the program plug in. Each is called at its place in start-up,
  // New, Save and the page changes.

  /// Fills the priority order list with its first ranking.
  void FillPriorityOrder();
  /// Reads books.dat and skills.dat; false when one cannot be opened.
  bool LoadBooksAndSkills();
  /// Loads every catalog for the allowed books; at start-up a catalog that cannot be opened
  /// ends the program (false).
  bool ReloadDatafiles(bool atStartup);
  /// Recomputes everything that follows from the attributes.
  void RecalcDerived();
  /// The totals a new character shows: Bio-index, money left, skill points, gear weight and
  /// power points.
  void RecountTotals();
  /// Puts the attribute cells in their standard view before a save.
  void ShowStandardView();
  /// Runs when the editor leaves page `from` for page `to`.
  void PageChange(int from, int to);
  /// Reads a character file into the record; false with a reason when it cannot.
  bool LoadCharacter(const std::string& path, std::string& reason);

  Platform& platform_;
  std::string programFolder_;
  std::string commandLine_;
  Settings settings_;
  CharacterRecord record_;
  DocumentState document_;
  FrameView frame_;
  OptionsFields options_;
  /// What the Options dialog last wrote, shown the next time it opens.
  std::optional<OptionsFields> lastWritten_;
  // --- Catalogs and the Books page (app/books.cpp) ---
  /// books.dat and skills.dat, read once at start-up; false when one cannot be opened.
  bool LoadCatalogLists();
  /// Every other catalog; false when start-up must end.
  bool ReloadCatalogs(bool atStartup);
  BookLists books_;
  Catalogs catalogs_;
  CatalogSelections catalogSelection_;
  // --- end of catalogs and the Books page ---

  // --- Creation rules: the Priorities, Race and Attributes pages (app/creation.cpp) ---
 public:
  /// A row of the priority table clicked, 0 (A) to 4 (E); another number does nothing.
  void SelectPriorityRow(int row);
  /// The arrows beside the priority table; nothing happens at the ends.
  void MoveAreaUp();
  void MoveAreaDown();
  /// "Adept (Aspected)": 0 "Physical" to 4 "Shamanist"; refused while the group is hidden.
  void ChooseAdept(int choice);
  /// "PhysAd: Path of the Magician"; refused while hidden.
  void SetPhysAdMagic(bool on);
  /// "Override Limits (Existing Char)"; the menu item "Existing Character" toggles it.
  void SetOverrideLimits(bool on);
  void ToggleExistingCharacter();
  /// "Initiation/Geas Mod" (refused while disabled) and its grade field.
  void SetInitiation(bool on);
  void SetGradeText(std::string text);
  /// The "Money" field of an existing character.
  void SetMoneyText(std::string text);
  /// The menu items "Priority" and "Point System".
  void ChoosePriorityGenerator();
  void ChoosePointGenerator();
  /// A race option clicked, 0 Human to 4 Troll; refused while disabled.
  void ClickRace(int race);
  /// A line of the metatype list clicked.
  void ChooseMetatype(int index);
  /// The up and down buttons of attribute row i, 0 Body to 5 Willpower.
  void RaiseAttribute(int i);
  void LowerAttribute(int i);
  /// What the three pages show that the rules decide.
  const CreationState& Creation() const { return creation_; }
  /// The creation rules over this character, for the units of the other pages.
  RulesContext Rules();

 private:
  /// What the creation rules ask of the units of the other pages.
  class CreationSeams final : public CreationHooks {
   public:
    explicit CreationSeams(Editor& editor) : editor_(editor) {}
    void SCalcMaxUsed() override;
    void GhoulCheck() override;
    void AlbinoChoice() override;
    void AlbinoFlaw() override;
    void ShowStandardView() override;
    void ShowMoneyLeft() override;
    void RecountSkillPoints() override;
    void RecountCyberwareEssence() override;
    void RecountBioIndex() override;
    void RefreshGearTotals() override;
    void RefreshContacts() override;
    void RefreshOverrideView() override;
    void OfferSheetName(const std::string& streetName) override;

   private:
    Editor& editor_;
  };
  void SyncCreationFrame();
  void StartCreationPages();
  void ResetCreationPages();
  void RunPageChange(int from, int to);
  void RecalcDerivedValues();
  CreationState creation_;
  CreationSeams creationSeams_{*this};
  // --- end of the creation rules ---
};

}  // namespace ivgen
