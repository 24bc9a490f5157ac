#include "catalog/catalogs.h"

#include <functional>

#include "record/cp1252.h"

namespace ivgen {

namespace {

std::string FolderWithSeparator(const std::string& folder) {
  if (folder.empty()) return "./";
  if (folder.back() == '/' || folder.back() == '\\') return folder;
  return folder + "/";
}

void ReportMissing(Platform& platform, const std::string& folder, std::string_view name, Icon icon) {
  IoResult problem;
  // A file that is there but refused (a folder, a device, far too large) says why.
  const bool present = FindCatalogFile(folder, name) && !ReadCatalog(folder, name, &problem);
  platform.Message(present ? problem.Describe("read") : CatalogNotFoundMessage(CatalogPath(folder, name)), kAppTitle,
                   icon, Buttons::Ok);
}

}  // namespace

CatalogSelections FirstSelections(const Catalogs& catalogs) {
  auto first = [](const auto& list) { return list.empty() ? -1 : 0; };
  return {first(catalogs.spells.categories), first(catalogs.traditions), first(catalogs.edges.edges),
          first(catalogs.edges.flaws)};
}

std::string CatalogNotFoundMessage(const std::string& path) { return "File not found: " + PathToText(path); }

bool LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills, Platform& platform) {
  auto loadedBooks = LoadBooks(folder);
  if (!loadedBooks) {
    ReportMissing(platform, folder, kBooksFile, Icon::Critical);
    return false;
  }
  books = std::move(*loadedBooks);
  auto loadedSkills = LoadSkills(folder);
  if (!loadedSkills) {
    ReportMissing(platform, folder, kSkillsFile, Icon::Critical);
    return false;
  }
  skills = std::move(*loadedSkills);
  return true;
}

bool ReloadDatafiles(const std::string& folder, const BookLists& books, Catalogs& catalogs, Platform& platform,
                     ReloadTrigger trigger) {
  const bool button = trigger == ReloadTrigger::Button;
  catalogs.allowedBooks = AllowedBooks(books);
  const std::string& allowed = catalogs.allowedBooks;
  if (button) platform.SetBusy(true);
  platform.ProgressShow("Reloading files", "Loading ....");

  // Each step loads one catalog and stores it; false when its file could not be opened.
  struct Step {
    const char* label;
    std::string_view file;
    std::function<bool()> load;
  };
  auto store = [](auto& target, auto loaded, auto emptyValue) {
    const bool opened = loaded.has_value();
    target = opened ? std::move(*loaded) : std::move(emptyValue);
    return opened;
  };
  const Step steps[] = {
      {"Cyberware", kCyberwareFile,
       [&] { return store(catalogs.cyberware, LoadCyberware(folder, allowed), CatalogTree{}); }},
      {"Bioware", kBiowareFile, [&] { return store(catalogs.bioware, LoadBioware(folder, allowed), CatalogTree{}); }},
      {"Spells", kSpellsFile, [&] { return store(catalogs.spells, LoadSpells(folder, allowed), SpellCatalog{}); }},
      {"Traditions", kTraditionsFile,
       [&] {
         return store(catalogs.traditions, LoadTraditions(folder, allowed),
                      std::vector<std::string>{std::string(kHermeticMage)});
       }},
      {"Powers", kPowersFile,
       [&] { return store(catalogs.powers, LoadPowers(folder, allowed), std::vector<std::string>{}); }},
      {"Gear", kGearFile, [&] { return store(catalogs.gear, LoadGear(folder), GearCatalog{}); }},
      {"Edges/Flaws", kEdgesFile, [&] { return store(catalogs.edges, LoadEdges(folder, allowed), EdgeCatalog{}); }},
      {"MetaTypes", kMetatypesFile, [&] { return store(catalogs.metaLines, LoadMetatypes(folder), MetaLines{}); }},
      {"Range", kRangesFile, [&] { return store(catalogs.RangeTable, LoadRanges(folder), std::vector<RangeRow>{}); }},
  };

  bool completed = true;
  for (const Step& step : steps) {
    platform.ProgressStep(step.label);
    if (step.load()) continue;
    if (step.file == kCyberwareFile) {
      // The cyberware catalog has always been optional: its page stays empty.
      platform.Message("Crash: " + PathToText(FolderWithSeparator(folder)) + "Cyber.dat" + " not found.!", kAppTitle,
                       Icon::None, Buttons::Ok);
      continue;
    }
    ReportMissing(platform, folder, step.file, button ? Icon::Warning : Icon::Critical);
    if (!button) {
      completed = false;
      break;
    }
  }
  platform.ProgressHide();
  if (button) platform.SetBusy(false);
  return completed;
}

}  // namespace ivgen
