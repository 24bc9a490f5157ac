// The settings file ivgen.ini: where it is, how it is read and how the Options dialog writes it.
#pragma once

#include <cstdint>
#include <string>

#include "record/ini_file.h"

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
/// is the command-line text when that is not empty, otherwise the name in the program folder.
std::string SettingsPath(const std::string& name, const std::string& programFolder, const std::string& commandLine);

/// One value of an INI file named as SettingsPath resolves it; "" when the file, section or key
/// is missing. Values are trimmed.
std::string ReadSetting(const std::string& fileName, const std::string& section, const std::string& key,
                        const std::string& programFolder, const std::string& commandLine);

/// The four settings read from a parsed file, with their fallbacks; numbers are read leniently
/// and held within the 16-bit range.
Settings SettingsFrom(const IniFile& ini);

/// The bytes of ivgen.ini as the Options dialog writes it: the section line and four lines, each
/// value as typed, CR LF after each.
std::string SettingsFileText(const std::string& maxpoints, const std::string& maxAbsEpts, const std::string& defaultGif,
                             const std::string& maxFlawEdge);

}  // namespace ivgen
