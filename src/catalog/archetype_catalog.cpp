#include "catalog/archetype_catalog.h"

#include "catalog/line_syntax.h"
#include "record/entries.h"
#include "record/text.h"

namespace ivgen {

namespace {

constexpr std::array<std::string_view, kArchetypeKeyCount> kKeyNames = {
    "Method", "Order",     "Build",   "Race",  "Ghoul", "Magic", "Tradition", "Attribute", "Animal",
    "Skill",  "Cyberware", "Bioware", "Spell", "Power", "Gear",  "Contact",   "Filler",    "Street"};

std::optional<ArchetypeKey> KeyNamed(std::string_view word) {
  for (size_t i = 0; i < kKeyNames.size(); ++i) {
    if (kKeyNames[i] == word) return static_cast<ArchetypeKey>(i);
  }
  return std::nullopt;
}

// Blanks, "-" and "_" are one and the same in a name typed on a command line.
std::string Folded(std::string_view name) {
  std::string folded = LowerCase(Trim(name));
  for (char& c : folded) {
    if (c == '-' || c == '_') c = ' ';
  }
  return folded;
}

}  // namespace

std::string_view ArchetypeKeyName(ArchetypeKey key) { return kKeyNames[static_cast<size_t>(key)]; }

bool ArchetypeKeyIsSingle(ArchetypeKey key) {
  return key == ArchetypeKey::Method || key == ArchetypeKey::Ghoul || key == ArchetypeKey::Magic;
}

std::vector<const ArchetypeLine*> Archetype::Of(ArchetypeKey key) const {
  std::vector<const ArchetypeLine*> found;
  for (const ArchetypeLine& line : lines) {
    if (line.key == key) found.push_back(&line);
  }
  return found;
}

const Archetype* ArchetypeCatalog::Find(std::string_view name) const {
  const std::string wanted = Folded(name);
  for (const Archetype& archetype : archetypes) {
    if (Folded(archetype.name) == wanted) return &archetype;
  }
  return nullptr;
}

std::optional<ArchetypeCatalog> LoadArchetypes(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kArchetypesFile);
  if (!catalog) return std::nullopt;
  ArchetypeCatalog result;
  result.file = catalog->name;
  auto problem = [&](int lineNumber, std::string what) {
    if (notes != nullptr) notes->Problem(catalog->name, lineNumber, std::move(what));
  };
  // Lines under an archetype that was left out are left out with it, unreported.
  bool inArchetype = false;
  bool anyArchetype = false;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    if (Trim(line).empty()) {
      problem(lineNumber, "empty line; skipped");
      continue;
    }
    if (line.front() == '#') {
      const std::string name = Trim(line.substr(1));
      inArchetype = false;
      anyArchetype = true;
      if (name.empty()) {
        problem(lineNumber, "archetype without a name after \"#\"; it and its lines are left out");
      } else if (result.Find(name) != nullptr) {
        problem(lineNumber, "archetype \"" + name + "\" is named twice; this one and its lines are left out");
      } else {
        result.archetypes.push_back({name, lineNumber, {}});
        inArchetype = true;
      }
      continue;
    }
    const std::string word = TrimRight(Cut(line, 1, 10));
    const std::optional<ArchetypeKey> key = KeyNamed(word);
    if (!key) {
      problem(lineNumber, "\"" + word + "\" in columns 1-10 is not what an archetype line sets; the line is left out");
      continue;
    }
    const std::string weightText = Trim(Cut(line, 11, 4));
    int weight = 1;
    if (!weightText.empty()) {
      const bool negative = weightText.front() == '-';
      const std::string_view digits = std::string_view(weightText).substr(negative ? 1 : 0);
      if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        problem(lineNumber,
                "weight \"" + weightText + "\" in columns 11-14 is not a whole number; the line is left out");
        continue;
      }
      if (negative) {
        problem(lineNumber, "weight " + weightText + " is negative; the line is left out");
        continue;
      }
      weight = std::stoi(std::string(digits));
    }
    NoteUnreadColumns(notes, catalog->name, lineNumber, line, {{15, 15}});
    std::vector<std::string> parts;
    for (const std::string& part : Split(CutFrom(line, 16), '|')) parts.push_back(Trim(part));
    // A closing "|" is welcome, as in gear.dat.
    if (!parts.empty() && parts.back().empty()) parts.pop_back();
    if (parts.empty() && *key != ArchetypeKey::Ghoul) {
      problem(lineNumber,
              std::string(word) + " line has an empty list: no choice from column 16; the line is left out");
      continue;
    }
    bool emptyPart = false;
    for (const std::string& part : parts) emptyPart = emptyPart || part.empty();
    if (emptyPart) {
      problem(lineNumber, "empty part between two \"|\"; the line is left out");
      continue;
    }
    if (!inArchetype) {
      if (!anyArchetype) problem(lineNumber, "line before the first \"#\" archetype; it is left out");
      continue;
    }
    result.archetypes.back().lines.push_back({*key, weight, std::move(parts), lineNumber});
  }
  return result;
}

}  // namespace ivgen
