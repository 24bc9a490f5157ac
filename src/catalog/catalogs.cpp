#include "catalog/catalogs.h"

namespace ivgen {

namespace {

std::string FolderWithSeparator(const std::string& folder) {
  if (folder.empty()) return "./";
  if (folder.back() == '/' || folder.back() == '\\') return folder;
  return folder + "/";
}

// Stores what a loader returned, or the catalog's empty value when its file could not be opened.
template <typename T, typename Loaded>
bool Store(T& target, Loaded loaded, T emptyValue) {
  const bool opened = loaded.has_value();
  target = opened ? std::move(*loaded) : std::move(emptyValue);
  return opened;
}

const ReloadStep kReloadSteps[] = {
    {"Cyberware", kCyberwareFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.cyberware, LoadCyberware(folder, c.allowedBooks), CatalogTree{});
     }},
    {"Bioware", kBiowareFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.bioware, LoadBioware(folder, c.allowedBooks), CatalogTree{});
     }},
    {"Spells", kSpellsFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.spells, LoadSpells(folder, c.allowedBooks), SpellCatalog{});
     }},
    {"Traditions", kTraditionsFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.traditions, LoadTraditions(folder, c.allowedBooks),
                    std::vector<std::string>{std::string(kHermeticMage)});
     }},
    {"Powers", kPowersFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.powers, LoadPowers(folder, c.allowedBooks), std::vector<std::string>{});
     }},
    {"Gear", kGearFile,
     [](const std::string& folder, Catalogs& c) { return Store(c.gear, LoadGear(folder), GearCatalog{}); }},
    {"Edges/Flaws", kEdgesFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.edges, LoadEdges(folder, c.allowedBooks), EdgeCatalog{});
     }},
    {"MetaTypes", kMetatypesFile,
     [](const std::string& folder, Catalogs& c) { return Store(c.metaLines, LoadMetatypes(folder), MetaLines{}); }},
    {"Range", kRangesFile,
     [](const std::string& folder, Catalogs& c) {
       return Store(c.RangeTable, LoadRanges(folder), std::vector<RangeRow>{});
     }},
};

}  // namespace

ShownText CatalogNotFoundMessage(const std::string& path) { return "File not found: " + ShownText::Path(path); }

ShownText CyberwareNotFoundMessage(const std::string& folder) {
  return "Crash: " + ShownText::Path(FolderWithSeparator(folder)) + "Cyber.dat not found.!";
}

std::optional<std::string_view> LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills) {
  auto loadedBooks = LoadBooks(folder);
  if (!loadedBooks) return kBooksFile;
  books = std::move(*loadedBooks);
  auto loadedSkills = LoadSkills(folder);
  if (!loadedSkills) return kSkillsFile;
  skills = std::move(*loadedSkills);
  return std::nullopt;
}

std::span<const ReloadStep> ReloadSteps() { return kReloadSteps; }

}  // namespace ivgen
