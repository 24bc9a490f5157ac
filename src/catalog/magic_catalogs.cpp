#include "catalog/magic_catalogs.h"

#include "catalog/equipment_catalogs.h"
#include "catalog/line_syntax.h"
#include "record/entries.h"

namespace ivgen {

namespace {

// Drain is written like (F/2)+1S; the spell page shows only the part up to the first ")".
std::string_view DrainPart(std::string_view field) {
  const size_t close = field.find(')');
  return close == std::string_view::npos ? std::string_view() : field.substr(0, close + 1);
}

}  // namespace

std::optional<SpellCatalog> LoadSpells(const std::string& folder, std::string_view allowedBooks, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kSpellsFile);
  if (!catalog) return std::nullopt;
  SpellCatalog spells;
  bool overflowNoted = false;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    if (!line.empty() && line.front() == '#') {
      const size_t slash = line.find('/');
      if (slash == std::string::npos) {
        if (notes != nullptr) notes->Problem(catalog->name, lineNumber, "category line has no \"/\"; skipped");
        continue;
      }
      spells.categories.push_back(std::string(line.substr(1, slash - 1)) + '\t' + line.back());
      continue;
    }
    const auto code = FixedColumnBookCode(line, catalog->name, lineNumber, notes);
    if (!code || !InAllowedBooks(allowedBooks, *code, notes)) continue;
    if (spells.SpellLines.size() >= kSpellLinesMax) {
      if (notes != nullptr && !overflowNoted) {
        notes->Problem(catalog->name, lineNumber,
                       "more than " + std::to_string(kSpellLinesMax) + " spells; this one and the rest are left out");
      }
      overflowNoted = true;
      continue;
    }
    const std::string_view drain = Cut(line, 64, 12);
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{41, 44}, {53, 56}, {63, 63}, {77, kToLineEnd}});
    if (notes != nullptr) {
      if (DrainPart(drain).empty() && !TrimView(drain).empty()) {
        notes->Problem(catalog->name, lineNumber,
                       "drain \"" + std::string(drain) + "\" (columns 64-75) has no \")\"; shown empty");
      }
      if (Cut(line, 76, 1).empty()) notes->Problem(catalog->name, lineNumber, "no category code in column 76");
    }
    // The book reference and the category letter are one field: "%" + reference + letter.
    std::string entry =
        JoinTabs({TrimRightView(Cut(line, 11, 29)), TrimRightView(Cut(line, 40, 1)), TrimRightView(Cut(line, 45, 7)),
                  Cut(line, 52, 1), Cut(line, 57, 6), DrainPart(drain), "%"});
    entry += TrimRightView(Cut(line, 1, 10));
    entry += Cut(line, 76, 1);
    spells.SpellLines.push_back(std::move(entry));
  }
  return spells;
}

std::vector<std::string> SpellsInCategory(const SpellCatalog& spells, std::string_view categoryEntry) {
  std::vector<std::string> listed;
  if (categoryEntry.empty()) return listed;
  const std::string code = UpperCase(categoryEntry.substr(categoryEntry.size() - 1));
  for (const std::string& entry : spells.SpellLines) {
    if (!entry.empty() && UpperCase(entry.substr(entry.size() - 1)) == code) listed.push_back(entry);
  }
  return listed;
}

std::vector<CatalogMatch> SearchSpells(const SpellCatalog& spells, std::string_view text) {
  std::vector<CatalogMatch> matches;
  if (text.empty()) return matches;
  auto name = [](const std::string& entry) { return entry.substr(0, entry.find('\t')); };
  for (size_t category = 0; category < spells.categories.size(); ++category) {
    const std::string group = name(spells.categories[category]);
    const std::vector<std::string> listed = SpellsInCategory(spells, spells.categories[category]);
    for (size_t row = 0; row < listed.size(); ++row) {
      std::string spell = name(listed[row]);
      if (SearchFinds(text, spell, group)) {
        matches.push_back({std::move(spell), group, static_cast<int>(category), static_cast<int>(row)});
      }
    }
  }
  return matches;
}

std::optional<std::vector<std::string>> LoadPowers(const std::string& folder, std::string_view allowedBooks,
                                                   LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kPowersFile);
  if (!catalog) return std::nullopt;
  std::vector<std::string> powers;
  ForEachAllowedLine(*catalog, allowedBooks, notes, [&](std::string_view line, int lineNumber) {
    const std::string_view codes = TrimRightView(Cut(line, 50, 19));
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{44, 49}, {69, 69}});
    NoteModifierCodes(notes, catalog->name, lineNumber, codes);
    powers.push_back(JoinTabs({TrimRightView(Cut(line, 11, 29)), TrimRightView(Cut(line, 40, 4)), codes,
                               TrimRightView(Cut(line, 1, 9)), TrimRightView(CutFrom(line, 70))}));
  });
  return powers;
}

std::optional<std::vector<std::string>> LoadTraditions(const std::string& folder, std::string_view allowedBooks,
                                                       LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kTraditionsFile);
  if (!catalog) return std::nullopt;
  std::vector<std::string> traditions{std::string(kHermeticMage)};
  ForEachAllowedLine(*catalog, allowedBooks, notes,
                     [&](std::string_view line, int) { traditions.emplace_back(TrimRightView(CutFrom(line, 11))); });
  return traditions;
}

}  // namespace ivgen
