// ivgen-batch: runs a script of editor actions without a window, for game masters who produce
// many characters and for the end-to-end tests.
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/archetype_plan.h"
#include "app/editor.h"
#include "app/settings.h"
#include "batch/random_commands.h"
#include "batch/script_runner.h"
#include "catalog/catalog_checker.h"
#include "catalog/data_folders.h"
#include "platform/program_folder.h"
#include "platform/scripted_platform.h"
#include "record/cp1252.h"
#include "system/system.h"

namespace {

constexpr const char* kUsage =
    "usage: ivgen-batch [--settings FILE] SCRIPT\n"
    "       ivgen-batch [--settings FILE] random ARCHETYPE [--seed N] [--count N] [--out FOLDER]\n"
    "       ivgen-batch [--settings FILE] random --list\n"
    "       ivgen-batch --check-data [FOLDER]\n"
    "  SCRIPT  a file of editor actions, one per line; \"-\" reads standard input\n"
    "  random  builds characters of an archetype of archetypes.dat and saves them in FOLDER\n"
    "  --check-data  lists every problem of the catalogs in FOLDER (default: the program folder)\n";

// The usage, and where the commands are described: an installed copy's documents lie under the
// same prefix as its program folder, <prefix>/lib/ivgen/.
std::string Usage() {
  const std::string folder = ivgen::ProgramFolder();
  const std::string reference =
      ivgen::IsInstalledLayout(folder)
          ? std::filesystem::path(folder + "../../share/doc/ivgen/batch.md").lexically_normal().string()
          : "docs/batch.md in the source";
  return kUsage + ("The commands of a script are described in " + ivgen::AsUtf8(reference) + "\n");
}

// The catalog checker, over the folder's settings file too: one line per problem, then the
// count; 1 when anything was found.
int CheckData(const std::string& folder) {
  // Eleven "cannot be opened" lines would hide that the folder itself is the problem.
  std::error_code error;
  const std::filesystem::directory_iterator probe(folder, error);
  if (error) {
    std::cout << ivgen::ScriptedPlatform::Visible(ivgen::AsUtf8(folder)) << ": the folder cannot be opened\n";
    return 1;
  }
  // In an installed layout the player's copies are what would be loaded; each is named first.
  std::vector<std::string_view> names(ivgen::CatalogFileNames().begin(), ivgen::CatalogFileNames().end());
  names.push_back(ivgen::kArchetypesFile);
  names.push_back(ivgen::kSettingsFileName);
  for (std::string_view name : names) {
    if (const auto copy = ivgen::PlayerCopy(folder, name)) {
      std::cout << "using " << ivgen::ScriptedPlatform::Visible(ivgen::AsUtf8(*copy)) << "\n";
    }
  }
  auto problems = ivgen::CheckCatalogFolder(folder);
  for (auto& problem : ivgen::CheckArchetypes(folder)) problems.push_back(std::move(problem));
  for (auto& problem : ivgen::CheckSettingsFile(ivgen::SettingsPath(ivgen::kSettingsFileName, folder, ""))) {
    problems.push_back(std::move(problem));
  }
  ivgen::SortProblems(problems);
  for (const ivgen::CatalogProblem& problem : problems) {
    std::cout << ivgen::Cp1252ToUtf8(ivgen::FormatProblem(problem)) << "\n";
  }
  const std::string shown = ivgen::ScriptedPlatform::Visible(ivgen::AsUtf8(folder));
  if (problems.empty()) {
    std::cout << "no problems found in " << shown << "\n";
  } else {
    std::cout << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " found in " << shown << "\n";
  }
  return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Output is compared byte for byte with what the same script printed elsewhere.
  ivgen::UseBinaryStandardStreams();
  const std::vector<std::string> arguments = ivgen::CommandLineArguments(argc, argv);
  const size_t count = arguments.size();
  std::string settingsFile;
  std::string scriptName;
  std::optional<std::vector<std::string>> random;
  for (size_t i = 1; i < count && !random; ++i) {
    const std::string& argument = arguments[i];
    if (argument == "random" && scriptName.empty()) {
      // A script that is called "random" is run as ./random.
      random.emplace(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1, arguments.end());
    } else if (argument == "--settings" && i + 1 < count) {
      settingsFile = arguments[++i];
    } else if (argument == "--check-data" && i == 1 && count <= 3) {
      return CheckData(count == 3 ? arguments[2] : ivgen::ProgramFolder());
    } else if (argument == "--help" || argument == "-h") {
      std::cout << Usage();
      return 0;
    } else if (scriptName.empty() && (argument == "-" || argument.rfind("--", 0) != 0)) {
      scriptName = argument;
    } else {
      std::cerr << "ivgen-batch: unexpected argument '" << argument << "'\n" << Usage();
      return 2;
    }
  }
  if (!random && scriptName.empty()) {
    std::cerr << Usage();
    return 2;
  }
  std::istringstream script;
  if (!random) {
    std::string problem;
    const std::optional<std::string> text = ivgen::ReadScript(scriptName, problem);
    if (!text) {
      std::cerr << "ivgen-batch: " << problem << "\n";
      return 2;
    }
    script.str(*text);
  }

  // The terminal and the files a game master compares output with are UTF-8.
  ivgen::ScriptedPlatform platform;
  // Start-up's progress window is the same on every run; its messages are not.
  platform.SetEcho([](const std::string& line) {
    if (line.rfind("progress", 0) != 0) std::cout << line << "\n";
  });
  ivgen::Editor editor(platform, ivgen::ProgramFolder(), settingsFile);
  if (!editor.Startup()) {
    std::cout.flush();
    return 1;
  }
  if (random) {
    const int status = ivgen::RunRandomCommand(editor, *random, std::cout, std::cerr);
    std::cout.flush();
    return status;
  }
  platform.SetEcho([](const std::string& line) { std::cout << line << "\n"; });
  ivgen::ScriptRunner runner(platform, editor, std::cout);
  const ivgen::RunStatus status = runner.Run(script, scriptName == "-" ? "<stdin>" : scriptName, std::cerr);
  std::cout.flush();
  return runner.ExitStatus(status);
}
