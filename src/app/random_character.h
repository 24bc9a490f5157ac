// Random characters from the archetypes of archetypes.dat: each one is built in an editor of its
// own by the same unit actions a player uses, page by page, with every random choice made by the
// program's die seeded with the character's seed, so a seed gives the same character every time.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/archetype_plan.h"
#include "app/editor.h"
#include "app/todo_unit.h"
#include "catalog/archetype_catalog.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"

namespace ivgen {

/// Seeds a person types run from 0 to this.
inline constexpr uint64_t kMaxSeed = 4294967295u;
/// Title of the messages about random characters.
inline constexpr const char* kRandomTitle = "Random Character";

/// Index of the option a die value picks: value r in [0, 1) lands on the whole part of r times
/// the weights' sum, counted off along the weights in order. Nothing when the weights sum to 0.
std::optional<size_t> WeightedPick(double r, const std::vector<int>& weights);

/// What building one character came to.
struct RandomOutcome {
  std::string archetype;
  uint64_t seed = 0;
  std::string streetName;
  /// Where building stopped, "Page: why"; "" when the character was finished.
  std::string failure;
  /// The Left to Do lines of the finished character.
  std::vector<TodoLine> check;

  bool Built() const { return failure.empty(); }
  /// Built, and `check --strict` finds nothing: no line at all, not even a note.
  bool Passes() const { return Built() && check.empty(); }
  /// "Nothing left to do", the check's lines joined by "; ", or "not built: " and the failure.
  std::string Summary() const;
};

class RandomCharacters {
 public:
  /// Builds over the settings, sourcebooks and catalogs `source` uses now; the archetypes are
  /// read from archetypes.dat of its program folder (the player's copy first).
  explicit RandomCharacters(const Editor& source);
  ~RandomCharacters();
  RandomCharacters(const RandomCharacters&) = delete;
  RandomCharacters& operator=(const RandomCharacters&) = delete;

  /// Nothing when archetypes.dat is missing or cannot be read.
  const std::optional<ArchetypeCatalog>& Archetypes() const { return archetypes_; }

  /// Builds one character. A step the rules refuse, or a question the program asks that the
  /// recipe did not expect, ends the build there, and the outcome says which and why.
  RandomOutcome Build(const Archetype& archetype, uint64_t seed);

  /// The editor that holds the last character built, finished or not.
  const Editor& Built() const { return *editor_; }
  /// Saves the last character built to `path` with Save As, as a player would; false when it was
  /// not written, with the program's message in `problem`.
  bool SaveBuilt(const std::string& path, std::string& problem);

 private:
  const ArchetypePlan& PlanOf(const Archetype& archetype);

  const Editor& source_;
  std::optional<ArchetypeCatalog> archetypes_;
  std::map<std::string, ArchetypePlan> plans_;
  std::unique_ptr<ScriptedPlatform> platform_;
  std::unique_ptr<Editor> editor_;
};

/// Several characters of one archetype saved to a folder, seeds counting up from the first, one at
/// a time so a window can show its progress between them.
class RandomBatch {
 public:
  RandomBatch(RandomCharacters& characters, const Archetype& archetype, uint64_t seed, int count, std::string folder);

  bool Done() const { return next_ >= count_; }
  int Count() const { return count_; }
  int Finished() const { return next_; }
  /// Builds and saves the next character; its line for the person:
  /// "FILE | ARCHETYPE | seed N | RESULT", with "-" for a character that was not written.
  std::string Next();
  /// Every character so far was written and passes `check --strict`.
  bool AllPass() const { return allPass_; }

 private:
  RandomCharacters& characters_;
  const Archetype& archetype_;
  uint64_t seed_;
  int count_;
  int next_ = 0;
  std::string folder_;
  std::vector<std::string> names_;
  bool allPass_ = true;
  // Every file is new: the disk is waited for once, when the batch ends.
  SyncAtEnd sync_;
};

/// A seed drawn from a value of the die: 1 to 999,999, short enough to note down.
uint64_t SeedFromDie(double r);

/// The archetypes as `random --list` and the dialog name them: "Street Samurai | Priority".
std::vector<std::string> ArchetypeListing(const ArchetypeCatalog& catalog);

/// Random Character made the current character: New with its save prompt first (a Cancel, or a
/// save that failed, ends it there), then the character built over the data `editor` uses and
/// taken. A build that stops is told in a message, and the new character stays. True when the
/// character was taken; `outcome` says what was built.
bool MakeRandomCurrent(Editor& editor, Platform& platform, const Archetype& archetype, uint64_t seed,
                       RandomOutcome& outcome);

/// A file name for a character of that street name in `folder`, unique there and among `taken`:
/// "Razor.iv3", then "Razor 2.iv3" and on. A "/" in the name becomes "-".
std::string CharacterFileName(const std::string& folder, const std::string& streetName,
                              const std::vector<std::string>& taken);

}  // namespace ivgen
