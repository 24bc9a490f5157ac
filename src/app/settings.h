// The settings file ivgen.ini: where it is, how it is read and how the Options dialog writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"
#include "platform/platform.h"
#include "record/ini_file.h"
#include "record/shown_text.h"

namespace ivgen {

inline constexpr const char* kSettingsFileName = "ivgen.ini";
inline constexpr const char* kSettingsSection = "Character Generator";

/// The four settings in effect.
struct Settings {
  int16_t maxpoints = 0;
  int16_t MaxAbsEpts = 0;
  std::string DefaultGIF;
  int16_t MaxFlawEdge = 5;
};

/// The command line as one text: the arguments joined by blanks, one pair of surrounding quotes
/// stripped. "" when there are no arguments.
std::string CommandLineText(int argc, const char* const* argv);

/// Where a settings file name points: a name holding "/" or "\" is used unchanged; a bare name
/// is the command-line text when that is not empty, otherwise the player's copy of an installed
/// layout when there is one, otherwise the name in the program folder.
std::string SettingsPath(const std::string& name, const std::string& programFolder, const std::string& commandLine);

/// Where the Options dialog writes ivgen.ini: the command-line text when that is not empty, else
/// the player's folder in an installed layout ("" when there is none), else the program folder.
std::string SettingsSavePath(const std::string& programFolder, const std::string& commandLine);

/// Whether the command-line text names a character to open (it ends in ".iv3", in any case)
/// rather than a settings file.
bool NamesCharacter(const std::string& commandLine);

/// The four settings read from a parsed file, with their fallbacks; numbers are read leniently
/// and held within the 16-bit range.
Settings SettingsFrom(const IniFile& ini);

/// The settings in the file at `path`. A missing file gives the fallbacks without a word; one that
/// is there but cannot be read (a folder, a device, a file far too large) gives them too, and the
/// person is told which file.
Settings LoadSettings(const std::string& path, Platform& platform);

/// A picture's field text for a file chosen with a browse button; nothing, with the message to
/// show, when the file that keeps the name (`keeper`, as the message names it) could not: a line
/// break would start a line of its own, and a character outside Windows-1252 would be lost.
std::optional<std::string> PictureFieldText(const std::string& path, ShownText& refusal,
                                            std::string_view keeper = "the settings file");

/// What the catalog checker says of a settings file: that it cannot be read, starts with a byte
/// order mark, has no settings section, or holds a number the Options dialog would refuse.
/// Nothing for a missing file, which simply gives the fallbacks.
std::vector<CatalogProblem> CheckSettingsFile(const std::string& path);

/// The bytes of ivgen.ini as the Options dialog writes it: the section line and four lines, each
/// value as typed, CR LF after each.
std::string SettingsFileText(const std::string& maxpoints, const std::string& maxAbsEpts, const std::string& defaultGif,
                             const std::string& maxFlawEdge);

}  // namespace ivgen
