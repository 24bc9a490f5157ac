// The "Random Character" dialog of the Character Gen. menu: an archetype and a seed make one
// character in place of the current one, or several saved to a folder, one at a time, so the
// window shows its progress and stays responsive between them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/archetype_catalog.h"
#include "platform/platform.h"

namespace ivgen {

class Editor;
class RandomBatch;
class RandomCharacters;

/// The title of the folder dialog of "Browse...".
inline constexpr const char* kRandomFolderTitle = "Save the random characters in";

/// What the dialog shows.
struct RandomView {
  /// The archetypes, "Street Samurai | Priority", and the one chosen (-1 none).
  std::vector<std::string> archetypes;
  int archetype = -1;
  /// Why there are none: "No archetypes: archetypes.dat is missing"; "" when there are.
  std::string noArchetypes;
  /// The seed as typed; "New Seed" draws one with the die.
  std::string seedText;
  /// "Save several to a folder": the count and the folder as typed; off, the character replaces
  /// the current one.
  bool toFolder = false;
  std::string countText = "10";
  std::string folder;
  /// Saving several: how many are written so far of how many, and a line for each, as
  /// ivgen-batch random prints it.
  bool running = false;
  int done = 0;
  int total = 0;
  std::vector<std::string> results;
  /// "Generate" can be pressed; when not, `why` says what is missing.
  bool generateEnabled = false;
  std::string why;
};

class RandomUnit {
 public:
  RandomUnit(Editor& editor, Platform& platform);
  ~RandomUnit();
  RandomUnit(const RandomUnit&) = delete;
  RandomUnit& operator=(const RandomUnit&) = delete;

  const RandomView& View() const { return view_; }
  bool IsOpen() const { return open_; }

  /// Opens the dialog over archetypes.dat as it is now; the choices of its last opening stay, and
  /// a seed is drawn when none is typed.
  void Open();
  void ChooseArchetype(int index);
  void SetSeedText(std::string text);
  /// "New Seed".
  void NewSeed();
  void SetToFolder(bool on);
  void SetCountText(std::string text);
  void SetFolder(std::string path);
  /// "Browse...": the folder dialog.
  void BrowseFolder();
  /// "Generate": one character in place of the current one (New's save prompt first; the dialog
  /// closes once it is taken), or the start of saving several. Does nothing while disabled.
  void Generate();
  /// Saves the next of several; false when there is none left to save.
  bool Step();
  /// "Cancel": stops saving several after the character being saved, or closes the dialog.
  void Cancel();

 private:
  void Update();
  const Archetype* Chosen() const;

  Editor& editor_;
  Platform& platform_;
  RandomView view_;
  bool open_ = false;
  std::optional<ArchetypeCatalog> archetypes_;
  std::unique_ptr<RandomCharacters> characters_;
  std::unique_ptr<RandomBatch> batch_;
};

}  // namespace ivgen
