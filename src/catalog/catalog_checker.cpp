#include "catalog/catalog_checker.h"

#include <algorithm>
#include <set>

#include "catalog/archetype_catalog.h"
#include "catalog/catalogs.h"
#include "record/entries.h"

namespace ivgen {

namespace {

constexpr std::string_view kCatalogFileNames[] = {kBooksFile,  kSkillsFile,     kCyberwareFile, kBiowareFile,
                                                  kSpellsFile, kTraditionsFile, kPowersFile,    kGearFile,
                                                  kEdgesFile,  kMetatypesFile,  kRangesFile};

// A catalog the loader could not read, and one it read past a byte order mark.
template <typename Loaded>
void NoteFileProblems(const Loaded& loaded, const std::string& folder, std::string_view file, LoadNotes& notes) {
  IoResult problem;
  const auto text = ReadCatalog(folder, file, &problem);
  if (text && text->byteOrderMark) notes.Problem(text->name, 1, kByteOrderMarkProblem);
  if (loaded) return;
  notes.Problem(file, 0, FindCatalogFile(folder, file) ? "cannot be read: " + problem.reason : "cannot be opened");
}

// Spells whose category code no "#" line carries are listed under no category.
void NoteUnlistedSpells(const std::string& folder, const SpellCatalog& spells, LoadNotes& notes) {
  const auto text = ReadCatalog(folder, kSpellsFile);
  if (!text) return;
  std::set<std::string> codes;
  for (const std::string& category : spells.categories) codes.insert(UpperCase(category.substr(category.size() - 1)));
  for (size_t i = 0; i < text->lines.size(); ++i) {
    const std::string_view line = text->lines[i];
    if (line.empty() || line[0] == '!' || line[0] == '#') continue;
    const std::string code(Cut(line, 76, 1));
    if (!code.empty() && codes.count(UpperCase(code)) == 0) {
      notes.Problem(text->name, static_cast<int>(i) + 1,
                    "category code \"" + code + "\" in column 76 matches no \"#\" category line");
    }
  }
}

// Entries keep their fields apart with TABs; one typed into a line splits a field in two.
void NoteTabs(const std::string& folder, LoadNotes& notes) {
  std::vector<std::string_view> files(std::begin(kCatalogFileNames), std::end(kCatalogFileNames));
  files.push_back(kArchetypesFile);
  for (std::string_view file : files) {
    const auto text = ReadCatalog(folder, file);
    if (!text) continue;
    for (size_t i = 0; i < text->lines.size(); ++i) {
      if (!IsComment(text->lines[i]) && text->lines[i].find('\t') != std::string::npos) {
        notes.Problem(text->name, static_cast<int>(i) + 1,
                      "holds a TAB, which the program puts between an entry's fields: use blanks");
      }
    }
  }
}

bool BookKnown(const BookUse& use, const std::vector<std::string>& codes) {
  for (const std::string& code : codes) {
    switch (use.match) {
      case BookMatch::Exact:
        if (code == use.code) return true;
        break;
      case BookMatch::IgnoreCase:
        if (UpperCase(code) == UpperCase(use.code)) return true;
        break;
      case BookMatch::Substring:
        if (code.find(use.code) != std::string::npos) return true;
        break;
    }
  }
  return false;
}

}  // namespace

std::span<const std::string_view> CatalogFileNames() { return kCatalogFileNames; }

std::string FormatProblem(const CatalogProblem& problem) {
  if (problem.line <= 0) return problem.file + ": " + problem.what;
  return problem.file + ":" + std::to_string(problem.line) + ": " + problem.what;
}

std::vector<CatalogProblem> CheckCatalogFolder(const std::string& folder) {
  LoadNotes notes;
  notes.everyBook = true;
  const auto books = LoadBooks(folder, &notes);
  NoteFileProblems(books, folder, kBooksFile, notes);
  NoteFileProblems(LoadSkills(folder, &notes), folder, kSkillsFile, notes);
  NoteFileProblems(LoadCyberware(folder, "", &notes), folder, kCyberwareFile, notes);
  NoteFileProblems(LoadBioware(folder, "", &notes), folder, kBiowareFile, notes);
  const auto spells = LoadSpells(folder, "", &notes);
  NoteFileProblems(spells, folder, kSpellsFile, notes);
  if (spells) NoteUnlistedSpells(folder, *spells, notes);
  NoteFileProblems(LoadTraditions(folder, "", &notes), folder, kTraditionsFile, notes);
  NoteFileProblems(LoadPowers(folder, "", &notes), folder, kPowersFile, notes);
  const auto gear = LoadGear(folder, &notes);
  NoteFileProblems(gear, folder, kGearFile, notes);
  if (gear) {
    if (const auto text = ReadCatalog(folder, kGearFile)) NoteGearItems(*text, *gear, notes);
  }
  NoteFileProblems(LoadEdges(folder, "", &notes), folder, kEdgesFile, notes);
  NoteFileProblems(LoadMetatypes(folder, &notes), folder, kMetatypesFile, notes);
  NoteFileProblems(LoadRanges(folder, &notes), folder, kRangesFile, notes);
  // Optional: a folder without it has no archetypes, which is no problem.
  if (FindCatalogFile(folder, kArchetypesFile)) {
    NoteFileProblems(LoadArchetypes(folder, &notes), folder, kArchetypesFile, notes);
  }

  NoteTabs(folder, notes);
  if (books) {
    std::vector<std::string> codes;
    for (const auto* list : {&books->allowed, &books->notAllowed}) {
      for (const std::string& entry : *list) codes.push_back(TabField(entry, 1));
    }
    for (const BookUse& use : notes.books) {
      if (!BookKnown(use, codes))
        notes.Problem(use.file, use.line, "book code \"" + use.code + "\" is not in books.dat");
    }
  }
  SortProblems(notes.problems);
  return notes.problems;
}

void SortProblems(std::vector<CatalogProblem>& problems) {
  std::stable_sort(problems.begin(), problems.end(), [](const CatalogProblem& a, const CatalogProblem& b) {
    const std::string fileA = LowerCase(a.file);
    const std::string fileB = LowerCase(b.file);
    if (fileA != fileB) return fileA < fileB;
    return a.line < b.line;
  });
}

}  // namespace ivgen
