#include "app/settings.h"

#include <filesystem>

#include "catalog/catalog_checker.h"
#include "catalog/data_folders.h"
#include "record/cp1252.h"
#include "record/text.h"
#include "record/values.h"
#include "system/system.h"

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
  if (auto copy = PlayerCopy(programFolder, name)) return *copy;
  std::string folder = programFolder;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + name;
}

std::string SettingsSavePath(const std::string& programFolder, const std::string& commandLine) {
  if (!commandLine.empty()) return commandLine;
  const std::string folder = SaveFolder(programFolder);
  return folder.empty() ? "" : CatalogPath(folder, kSettingsFileName);
}

bool NamesCharacter(const std::string& commandLine) {
  return commandLine.size() > 4 && LowerCase(commandLine.substr(commandLine.size() - 4)) == ".iv3";
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

Settings LoadSettings(const std::string& path, Platform& platform) {
  IoResult problem;
  const IniFile ini = IniFile::Load(path, &problem);
  std::error_code error;
  if (!problem.ok && std::filesystem::exists(NativePath(path), error)) {
    platform.Message("The settings were not read; the defaults are used.\r\n" + problem.Describe("read"), kAppTitle,
                     Icon::Warning, Buttons::Ok);
  }
  return SettingsFrom(ini);
}

std::optional<std::string> PictureFieldText(const std::string& path, ShownText& refusal, std::string_view keeper) {
  const std::string cannotKeep = std::string(keeper) + " cannot keep";
  if (path.find_first_of("\r\n") != std::string::npos) {
    refusal = "The picture's file name holds a line break, which " + cannotKeep + ".\r\nChoose another picture.";
    return std::nullopt;
  }
  std::string text = PathToText(path);
  if (TextToPath(text) != AsUtf8(path)) {
    refusal = "The picture's file name holds characters " + cannotKeep + ": " + ShownText::Path(path) +
              "\r\nChoose another picture.";
    return std::nullopt;
  }
  return text;
}

std::vector<CatalogProblem> CheckSettingsFile(const std::string& path) {
  const std::string name(LastName(path));
  std::vector<CatalogProblem> problems;
  std::error_code error;
  if (!std::filesystem::exists(NativePath(path), error)) return problems;
  IoResult problem;
  const auto bytes = ReadWholeFile(path, &problem);
  if (!bytes) return {{name, 0, "cannot be read: " + problem.reason}};
  if (HasByteOrderMark(*bytes)) problems.push_back({name, 1, kByteOrderMarkProblem});
  const IniFile ini = IniFile::Parse(*bytes);
  bool section = false;
  const struct {
    const char* key;
    int high;
  } numbers[] = {{"maxpoints", 200}, {"MaxAbsEpts", 10}, {"MaxFlawEdge", 10}};
  for (const auto& number : numbers) {
    if (!ini.Has(kSettingsSection, number.key)) continue;
    section = true;
    const std::string value = ini.Get(kSettingsSection, number.key);
    if (Val(value) < 0 || Val(value) > number.high) {
      problems.push_back({name, 0,
                          std::string(number.key) + "=" + value + " is outside 0.." + std::to_string(number.high) +
                              ", which the Options dialog refuses"});
    }
  }
  if (!section && !ini.Has(kSettingsSection, "DefaultGIF")) {
    problems.push_back(
        {name, 0, std::string("has no [") + kSettingsSection + "] settings; every setting takes its default"});
  }
  return problems;
}

std::string SettingsFileText(const std::string& maxpoints, const std::string& maxAbsEpts, const std::string& defaultGif,
                             const std::string& maxFlawEdge) {
  return std::string("[") + kSettingsSection + "]\r\n" + "maxpoints=" + maxpoints + "\r\n" +
         "MaxAbsEpts=" + maxAbsEpts + "\r\n" + "DefaultGIF=" + defaultGif + "\r\n" + "MaxFlawEdge=" + maxFlawEdge +
         "\r\n";
}

}  // namespace ivgen
