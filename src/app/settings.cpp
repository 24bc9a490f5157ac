#include "app/settings.h"

#include "record/values.h"

namespace ivgen {

std::string CommandLineText(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  return text;
}

std::string SettingsPath(const std::string& name, const std::string& programFolder, const std::string& commandLine) {
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) return name;
  if (!commandLine.empty()) return commandLine;
  std::string folder = programFolder;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + name;
}

std::string ReadSetting(const std::string& fileName, const std::string& section, const std::string& key,
                        const std::string& programFolder, const std::string& commandLine) {
  return IniFile::Load(SettingsPath(fileName, programFolder, commandLine)).Get(section, key);
}

Settings SettingsFrom(const IniFile& ini) {
  Settings settings;
  settings.maxpoints = CInt(Val(ini.Get(kSettingsSection, "maxpoints")));
  settings.MaxAbsEpts = CInt(Val(ini.Get(kSettingsSection, "MaxAbsEpts")));
  settings.DefaultGIF = ini.Get(kSettingsSection, "DefaultGIF");
  const std::string maxFlawEdge = ini.Get(kSettingsSection, "MaxFlawEdge");
  settings.MaxFlawEdge = maxFlawEdge.empty() ? int16_t{5} : CInt(Val(maxFlawEdge));
  return settings;
}

std::string SettingsFileText(const std::string& maxpoints, const std::string& maxAbsEpts, const std::string& defaultGif,
                             const std::string& maxFlawEdge) {
  return std::string("[") + kSettingsSection + "]\r\n" + "maxpoints=" + maxpoints + "\r\n" +
         "MaxAbsEpts=" + maxAbsEpts + "\r\n" + "DefaultGIF=" + defaultGif + "\r\n" + "MaxFlawEdge=" + maxFlawEdge +
         "\r\n";
}

}  // namespace ivgen
