// The window program's command line. --help, --version and the exports are told apart before any
// application exists, so they need no display; everything else is read after Qt has taken its
// own options (-platform, -style, ...) away.
#pragma once

#include <QStringList>
#include <string>

namespace ivgen {

struct CommandLine {
  enum class Action { Window, Help, Version, ExportPdf, ExportJson, Error };
  Action action = Action::Window;
  /// The settings file (--settings, or a bare argument), or empty.
  std::string settings;
  /// The character to open (a bare argument ending in .iv3, as a file manager passes it).
  std::string character;
  /// --export-pdf's or --export-json's character and output file.
  std::string exportFrom;
  std::string exportTo;
  /// What is wrong with the line, for Error.
  std::string error;
};

/// Whether the program must be told its line before an application starts (help, version, an
/// export, or an option neither ivgen nor Qt knows).
bool ReadBeforeApplication(const QStringList& arguments);
/// The command line's meaning; arguments[0] is the program.
CommandLine ReadCommandLine(const QStringList& arguments);
/// What --help prints.
std::string CommandLineHelp();

}  // namespace ivgen
