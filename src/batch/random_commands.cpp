#include "batch/random_commands.h"

#include <filesystem>

#include "app/random_character.h"
#include "app/random_unit.h"
#include "platform/random_source.h"
#include "record/cp1252.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr int64_t kMostCharacters = 100000;

void List(const std::optional<ArchetypeCatalog>& archetypes, std::ostream& out) {
  if (!archetypes) {
    out << "no archetypes: " << kArchetypesFile << " is missing\n";
  } else if (archetypes->archetypes.empty()) {
    out << "no archetypes in " << kArchetypesFile << "\n";
  }
  if (!archetypes) return;
  for (const std::string& line : ArchetypeListing(*archetypes)) out << Cp1252ToUtf8(line) << "\n";
}

const Archetype* Find(const std::optional<ArchetypeCatalog>& archetypes, const std::string& name) {
  return archetypes ? archetypes->Find(name) : nullptr;
}

std::string Unknown(const std::string& name) {
  return "no archetype \"" + name + "\" in " + std::string(kArchetypesFile) + " (random --list shows them)";
}

}  // namespace

int RunRandomCommand(Editor& editor, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  RandomCharacters characters(editor);
  if (arguments.size() == 1 && arguments[0] == "--list") {
    List(characters.Archetypes(), out);
    return 0;
  }
  std::string name;
  std::optional<int64_t> seed;
  int64_t count = 1;
  std::string folder = ".";
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool valued = i + 1 < arguments.size();
    std::optional<int64_t> number;
    if (argument == "--seed" && valued && (number = WholeNumber(arguments[i + 1], 0, kMaxSeed))) {
      seed = number;
      ++i;
    } else if (argument == "--count" && valued && (number = WholeNumber(arguments[i + 1], 1, kMostCharacters))) {
      count = *number;
      ++i;
    } else if (argument == "--out" && valued && !arguments[i + 1].empty()) {
      folder = arguments[++i];
    } else if (name.empty() && !argument.starts_with("--")) {
      name = argument;
    } else {
      err << "ivgen-batch: random: unexpected argument '" << argument
          << "' (random ARCHETYPE [--seed N] [--count N] [--out FOLDER], or random --list)\n";
      return 2;
    }
  }
  const std::string wanted = IsUtf8(name) ? Utf8ToCp1252(name) : name;
  const Archetype* archetype = Find(characters.Archetypes(), wanted);
  if (name.empty() || archetype == nullptr) {
    err << "ivgen-batch: random: " << (name.empty() ? "which archetype? (random --list shows them)" : Unknown(name))
        << "\n";
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) {
    err << "ivgen-batch: random: cannot make the folder " << folder << "\n";
    return 2;
  }
  // Without a seed the clock gives one; every line names its seed, so any character can be made
  // again.
  RandomBatch batch(characters, *archetype, seed ? static_cast<uint64_t>(*seed) : SeedFromDie(RandomSource().Next()),
                    static_cast<int>(count), folder);
  while (!batch.Done()) out << Cp1252ToUtf8(batch.Next()) << "\n";
  return batch.AllPass() ? 0 : 3;
}

namespace {

// The Random Character dialog's controls; each answers only while the dialog is in front.
void AddDialogCommands(Editor& editor, ScriptedPlatform& platform, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands) {
  RandomUnit& unit = editor.Random();
  auto inDialog = [&platform](BatchCommand command) {
    return InWindow(platform, Dialog::RandomCharacter, "the Random Character dialog", std::move(command));
  };
  commands["random-dialog"] =
      InWindow(platform, std::nullopt, "the main window", NoArguments([&unit] { unit.Open(); }));
  commands["random-archetype"] = inDialog(Choosing(
      [&unit] {
        std::vector<std::string> names;
        for (const std::string& line : unit.View().archetypes) names.push_back(line.substr(0, line.find(" | ")));
        return names;
      },
      "an archetype", [&unit](int index) { unit.ChooseArchetype(index); }));
  commands["random-seed"] = inDialog([&unit](const ScriptLine& line, std::string&) {
    unit.SetSeedText(TextArgument(line));
    return true;
  });
  commands["random-new-seed"] = inDialog(NoArguments([&unit] { unit.NewSeed(); }));
  commands["random-to-folder"] = inDialog(OnOffArgument([&unit](bool on) { unit.SetToFolder(on); }));
  commands["random-count"] = inDialog([&unit](const ScriptLine& line, std::string&) {
    unit.SetCountText(TextArgument(line));
    return true;
  });
  commands["random-folder"] = inDialog([&unit](const ScriptLine& line, std::string&) {
    unit.SetFolder(PathArgument(line));
    return true;
  });
  commands["random-browse"] = inDialog(NoArguments([&unit] { unit.BrowseFolder(); }));
  // A script waits for the last character as a person watches the progress bar.
  commands["random-generate"] = inDialog([&unit, &out](const ScriptLine& line, std::string& error) {
    if (!line.words.empty()) {
      error = "takes no arguments";
      return false;
    }
    if (!unit.View().generateEnabled) {
      error = "Generate cannot be used now: " + unit.View().why;
      return false;
    }
    unit.Generate();
    while (unit.Step()) out << unit.View().results.back() << "\n";
    return true;
  });
  commands["random-cancel"] = inDialog(NoArguments([&unit] { unit.Cancel(); }));
  commands["show-random"] = NoArguments([&unit, &out] {
    const RandomView& view = unit.View();
    out << "open=" << (unit.IsOpen() ? "yes" : "no") << "\n";
    for (size_t i = 0; i < view.archetypes.size(); ++i) {
      out << "archetype " << view.archetypes[i] << (static_cast<int>(i) == view.archetype ? " <" : "") << "\n";
    }
    if (!view.noArchetypes.empty()) out << view.noArchetypes << "\n";
    out << "seed=" << view.seedText << "\n"
        << "to-folder=" << (view.toFolder ? "on" : "off") << " count=" << view.countText
        << " folder=" << PathToText(view.folder) << "\n"
        << "generate=" << (view.generateEnabled ? "enabled" : "disabled (" + view.why + ")") << "\n";
    if (view.total > 0) out << "saved " << view.done << " of " << view.total << "\n";
  });
}

}  // namespace

void AddRandomCommands(Editor& editor, ScriptedPlatform& platform, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands) {
  AddDialogCommands(editor, platform, out, commands);
  commands["random"] = [&editor, &platform, &out](const ScriptLine& line, std::string& error) {
    if (line.words.size() == 1 && line.words[0] == "--list") {
      List(LoadArchetypes(editor.ProgramFolder()), out);
      return true;
    }
    const std::optional<ArchetypeCatalog> archetypes = LoadArchetypes(editor.ProgramFolder());
    const std::optional<int64_t> seed =
        line.words.size() == 2 ? WholeNumber(line.words[1], 0, kMaxSeed) : std::optional<int64_t>();
    if (line.words.empty() || line.words.size() > 2 || (line.words.size() == 2 && !seed)) {
      error = "expects an archetype and a seed from 0 to " + std::to_string(kMaxSeed) + ", or --list";
      return false;
    }
    const Archetype* archetype = Find(archetypes, line.words[0]);
    if (archetype == nullptr) {
      error = Unknown(line.words[0]);
      return false;
    }
    // Without a seed the die gives one, as the dialog's "New Seed" does; `roll` fixes it.
    const uint64_t used = seed ? static_cast<uint64_t>(*seed) : SeedFromDie(platform.NextRandom());
    RandomOutcome outcome;
    if (MakeRandomCurrent(editor, platform, *archetype, used, outcome)) {
      out << "random: " << archetype->name << ", seed " << used << ": " << outcome.streetName << "\n";
    }
    return true;
  };
}

}  // namespace ivgen
