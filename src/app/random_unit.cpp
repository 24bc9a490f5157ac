#include "app/random_unit.h"

#include <filesystem>

#include "app/editor.h"
#include "app/random_character.h"
#include "record/shown_text.h"

namespace ivgen {

namespace {

constexpr int kMostCharacters = 100000;

// A whole number written in digits from 0 to `most`; nothing for anything else.
std::optional<uint64_t> Number(const std::string& text, uint64_t most) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const uint64_t value = std::stoull(text);
  if (value > most) return std::nullopt;
  return value;
}

}  // namespace

RandomUnit::RandomUnit(Editor& editor, Platform& platform) : editor_(editor), platform_(platform) {}

RandomUnit::~RandomUnit() = default;

const Archetype* RandomUnit::Chosen() const {
  if (!archetypes_ || view_.archetype < 0 || view_.archetype >= static_cast<int>(archetypes_->archetypes.size())) {
    return nullptr;
  }
  return &archetypes_->archetypes[static_cast<size_t>(view_.archetype)];
}

void RandomUnit::Update() {
  view_.why.clear();
  if (view_.running) {
    view_.why = "Saving the characters";
  } else if (Chosen() == nullptr) {
    view_.why = view_.noArchetypes.empty() ? "Choose an archetype" : view_.noArchetypes;
  } else if (!Number(view_.seedText, kMaxSeed)) {
    view_.why = "The seed is a whole number from 0 to " + std::to_string(kMaxSeed);
  } else if (view_.toFolder && Number(view_.countText, kMostCharacters).value_or(0) < 1) {
    view_.why = "The count is a whole number from 1 to " + std::to_string(kMostCharacters);
  } else if (view_.toFolder && view_.folder.empty()) {
    view_.why = "Choose the folder to save them in";
  }
  view_.generateEnabled = view_.why.empty();
}

void RandomUnit::Open() {
  const std::string chosen = Chosen() != nullptr ? Chosen()->name : "";
  archetypes_ = LoadArchetypes(editor_.ProgramFolder());
  view_.archetypes = archetypes_ ? ArchetypeListing(*archetypes_) : std::vector<std::string>{};
  view_.noArchetypes = !archetypes_ ? "No archetypes: " + std::string(kArchetypesFile) + " is missing"
                       : archetypes_->archetypes.empty() ? "No archetypes in " + std::string(kArchetypesFile)
                                                         : "";
  // The archetype chosen last time, found again by its name in the file as it is now.
  view_.archetype = view_.archetypes.empty() ? -1 : 0;
  if (archetypes_ && !chosen.empty()) {
    for (size_t i = 0; i < archetypes_->archetypes.size(); ++i) {
      if (archetypes_->archetypes[i].name == chosen) view_.archetype = static_cast<int>(i);
    }
  }
  if (view_.seedText.empty()) view_.seedText = std::to_string(SeedFromDie(platform_.NextRandom()));
  view_.running = false;
  view_.results.clear();
  view_.done = view_.total = 0;
  open_ = true;
  Update();
  platform_.RunDialog(Dialog::RandomCharacter);
}

void RandomUnit::ChooseArchetype(int index) {
  if (view_.running || index < 0 || index >= static_cast<int>(view_.archetypes.size())) return;
  view_.archetype = index;
  Update();
}

void RandomUnit::SetSeedText(std::string text) {
  if (view_.running) return;
  view_.seedText = std::move(text);
  Update();
}

void RandomUnit::NewSeed() { SetSeedText(std::to_string(SeedFromDie(platform_.NextRandom()))); }

void RandomUnit::SetToFolder(bool on) {
  if (view_.running) return;
  view_.toFolder = on;
  Update();
}

void RandomUnit::SetCountText(std::string text) {
  if (view_.running) return;
  view_.countText = std::move(text);
  Update();
}

void RandomUnit::SetFolder(std::string path) {
  if (view_.running) return;
  view_.folder = std::move(path);
  Update();
}

void RandomUnit::BrowseFolder() {
  if (view_.running) return;
  const std::string path = platform_.ChooseFolder(kRandomFolderTitle);
  if (!path.empty()) SetFolder(path);
}

void RandomUnit::Generate() {
  if (!view_.generateEnabled) return;
  const Archetype& archetype = *Chosen();
  const uint64_t seed = *Number(view_.seedText, kMaxSeed);
  if (!view_.toFolder) {
    RandomOutcome outcome;
    if (MakeRandomCurrent(editor_, platform_, archetype, seed, outcome)) {
      open_ = false;
      platform_.CloseDialog(Dialog::RandomCharacter);
    }
    return;
  }
  std::error_code error;
  std::filesystem::create_directories(view_.folder, error);
  if (!std::filesystem::is_directory(view_.folder, error)) {
    platform_.Message("Could not make the folder " + ShownText::Path(view_.folder) + ": " + error.message(),
                      kRandomTitle, Icon::Warning, Buttons::Ok);
    return;
  }
  characters_ = std::make_unique<RandomCharacters>(editor_);
  view_.total = static_cast<int>(*Number(view_.countText, kMostCharacters));
  batch_ = std::make_unique<RandomBatch>(*characters_, archetype, seed, view_.total, view_.folder);
  view_.results.clear();
  view_.done = 0;
  view_.running = true;
  Update();
}

bool RandomUnit::Step() {
  if (!batch_ || batch_->Done()) return false;
  view_.results.push_back(batch_->Next());
  view_.done = batch_->Finished();
  if (batch_->Done()) {
    view_.running = false;
    batch_.reset();
    characters_.reset();
    Update();
  }
  return true;
}

void RandomUnit::Cancel() {
  if (view_.running) {
    view_.running = false;
    batch_.reset();
    characters_.reset();
    Update();
    return;
  }
  open_ = false;
  platform_.CloseDialog(Dialog::RandomCharacter);
}

}  // namespace ivgen
