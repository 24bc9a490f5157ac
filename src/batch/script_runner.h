// Runs an ivgen-batch script: one editor action per line, prompts answered from queued answers
// and printed as they appear, so a script shows what a player would have seen.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/editor.h"
#include "platform/scripted_platform.h"

namespace ivgen {

/// One line of a script split into its verb and arguments.
struct ScriptLine {
  /// The line as UTF-8, before it became Windows-1252 text: arguments that are paths come from
  /// here, so every character of a file name survives.
  std::string utf8;
  std::string verb;
  /// The rest of the line after the verb, with surrounding blanks removed.
  std::string rest;
  /// The rest split into words; a word in double quotes may hold blanks and the escapes
  /// \n \r \t \" and \\.
  std::vector<std::string> words;
};

/// Splits a script line; false with a reason when a quote is not closed.
bool ParseScriptLine(const std::string& line, ScriptLine& parsed, std::string& error);

/// A command: false with a reason when its arguments are wrong.
using BatchCommand = std::function<bool(const ScriptLine&, std::string& error)>;
/// A command without arguments that runs one action.
BatchCommand NoArguments(std::function<void()> action);
/// The single text argument of a command from word `skipWords` on: one word (quoted or not), or
/// the rest of the line as it stands.
std::string TextArgument(const ScriptLine& line, size_t skipWords = 0);
/// The same argument as a path: with the script's own characters, which Windows-1252 may lack.
std::string PathArgument(const ScriptLine& line, size_t skipWords = 0);
/// A whole number written in digits, from low to high; nothing for anything else, however long.
std::optional<int64_t> WholeNumber(std::string_view word, int64_t low, int64_t high);

/// A value of the die's generator, in [0, 1), written in decimal digits ("0.5", ".95", "0");
/// nothing for anything else.
std::optional<double> DieValue(std::string_view word);

/// The whole script named on the command line: a file, a pipe, or standard input for "-". It is
/// read before its first line runs and no further than the limit of every file the program
/// reads, so a device such as /dev/zero cannot run on without end. Nothing for a script that
/// cannot be read, a folder or one past the limit; `problem` then says so, naming the script.
std::optional<std::string> ReadScript(const std::string& name, std::string& problem);

/// The path's names without "", "." and "..", under `folder`, so no path leads outside a folder
/// that holds no links; "" stays "", a cancelled dialog.
std::string ConfinedPath(const std::string& folder, const std::string& path);

/// A scripted person whose file dialogs lead only inside `folder`, however the answer was queued
/// or spelled: the fuzzing of scripts runs Save, Open and Print there and nowhere else.
class ConfinedPlatform : public ScriptedPlatform {
 public:
  explicit ConfinedPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string OpenFile(const FileRequest& request) override {
    return ConfinedPath(folder_, ScriptedPlatform::OpenFile(request));
  }
  std::string SaveFile(const FileRequest& request) override {
    return ConfinedPath(folder_, ScriptedPlatform::SaveFile(request));
  }
  std::string NamedPath(const std::string& path) const override { return ConfinedPath(folder_, path); }

 private:
  std::string folder_;
};

/// Turns the Windows-1252 text written to it into UTF-8 for the stream beneath.
class Utf8Output : public std::streambuf {
 public:
  explicit Utf8Output(std::streambuf* target) : target_(target) {}

 protected:
  int overflow(int c) override;
  int sync() override { return target_->pubsync(); }

 private:
  std::streambuf* target_;
};

/// "on" or "off"; nothing for any other word.
std::optional<bool> OnOff(const std::string& word);
/// A command that takes one word, on or off, and runs one action with it.
BatchCommand OnOffArgument(std::function<void(bool)> action);
/// A player cannot use a control that is hidden or disabled; a script that tries is wrong:
/// `command` runs only while `usable` says so, else "WHAT cannot be used now".
BatchCommand Reachable(std::function<bool()> usable, std::string what, BatchCommand command);
/// A command whose argument (one word, or the rest of the line) picks an entry of a list by its
/// number as the show commands print it (from 1) or by its text; anything else is refused as
/// "expects the number or name of WHAT, not 'WORD'".
BatchCommand Choosing(std::function<std::vector<std::string>()> texts, std::string what,
                      std::function<void(int)> action);
/// "1" up to `count`: the texts of a list whose entries a script names by number only.
std::vector<std::string> NumberTexts(size_t count);
/// The modal dialog in front, if any; the animal-form window is modeless and never in the way.
std::optional<Dialog> FrontDialog(const ScriptedPlatform& platform);
/// A control of `window` (none: the main window) takes clicks only while no other modal dialog
/// is in front of it: `command` runs only then, else "WHAT cannot be used now".
BatchCommand InWindow(const ScriptedPlatform& platform, std::optional<Dialog> window, std::string what,
                      BatchCommand command);

enum class RunStatus { Finished, ProgramEnded, ScriptError, StartupFailed };

class ScriptRunner {
 public:
  /// `out` receives UTF-8: the editor's texts converted, paths as the file system spells them.
  ScriptRunner(ScriptedPlatform& platform, Editor& editor, std::ostream& out);

  /// Runs every line of the script; stops at the first error (reported on `err` with the
  /// script name and line number) or when an action ends the program.
  RunStatus Run(std::istream& script, const std::string& scriptName, std::ostream& err);

  /// The program's exit status for a script that ended so: 1 a failed start-up, 2 a script
  /// error, else 3 when a check found an error, 0 otherwise.
  int ExitStatus(RunStatus status) const;

  /// The value of a printable name (record fields, displayed values, settings); nothing for an
  /// unknown name.
  std::optional<std::string> Printable(const std::string& name) const;

 private:
  using Command = BatchCommand;
  void AddCommands();
  /// The script's own: answers and die values queued, printing, the file a save would write, the
  /// check of what is left to do.
  void AddScriptCommands();
  /// The main window's menus, the About box and the page tabs (batch/window_commands.cpp).
  void AddWindowCommands();
  /// The Books page and the catalog listings (batch/catalog_commands.cpp).
  void AddCatalogCommands();
  void Say(const std::string& text) { out_ << text << "\n"; }
  /// A line that names a path, shown with every character it has and kept to one line.
  void SayShown(const ShownText& text);
  /// Opens an information dialog, prints its lines and closes it.
  void ShowInfo(Dialog dialog, const std::function<void()>& open);

  ScriptedPlatform& platform_;
  Editor& editor_;
  std::ostream& terminal_;
  Utf8Output converter_;
  /// Windows-1252 texts, converted on their way to terminal_.
  std::ostream out_;
  std::map<std::string, Command> commands_;
  bool programEnded_ = false;
  /// A check found an error (or, with --strict, something left).
  bool checkFailed_ = false;
  /// `reasons on`: each command's refusals follow it as `refused: TEXT` lines.
  bool reasonsShown_ = false;
};

}  // namespace ivgen
