#include "catalog/skill_catalog.h"

#include <algorithm>
#include <array>

#include "record/entries.h"

namespace ivgen {

void AddSkillNode(SkillCatalog& skills, int index, std::string_view text, int level, int parent, int previousSibling) {
  if (index < 0 || index >= static_cast<int>(kSkillNodesMax)) return;
  auto& table = skills.SkillTable;
  if (static_cast<size_t>(index) >= table.size()) table.resize(static_cast<size_t>(index) + 1);
  SkillNode& node = table[static_cast<size_t>(index)];
  node.Name.assign(50, ' ');
  text.substr(0, 50).copy(node.Name.data(), 50);
  node.Level = static_cast<int16_t>(level);
  const bool hasParent = parent >= 0 && parent < static_cast<int>(table.size()) && parent != index;
  node.Parent = static_cast<int16_t>(hasParent ? parent : -1);
  node.FirstChild = -1;
  node.NextSibling = -1;
  if (!hasParent) return;
  SkillNode& parentNode = table[static_cast<size_t>(parent)];
  if (parentNode.FirstChild == -1) parentNode.FirstChild = static_cast<int16_t>(index);
  if (previousSibling >= 0 && previousSibling < static_cast<int>(table.size()) && previousSibling != index) {
    table[static_cast<size_t>(previousSibling)].NextSibling = static_cast<int16_t>(index);
  }
}

std::optional<SkillCatalog> LoadSkills(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kSkillsFile);
  if (!catalog) return std::nullopt;
  SkillCatalog skills;
  skills.SkillTable.reserve(std::min(catalog->lines.size(), kSkillNodesMax));
  // The last node of each level 0-3, -1 for none.
  std::array<int, 4> last = {-1, -1, -1, -1};
  int next = 0;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    auto note = [&](std::string what) {
      if (notes != nullptr) notes->Problem(catalog->name, lineNumber, std::move(what));
    };
    if (line.empty()) note("empty line; it makes no node");
    if (line.empty() || line[0] == '!') continue;
    const char first = line[0];
    int level = -1;
    std::string_view text;
    std::string marked;  // a level-3 line's text with the arrow it is shown with
    if (first == '#') {
      level = 0;
      text = line.substr(1);
    } else if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) {
      level = 1;
      text = line;
    } else if (first == ' ' && line.size() >= 2 && line[1] != ' ') {
      level = 2;
      text = line.substr(1);
    } else if (first == ' ' && line.size() >= 3 && line[1] == ' ') {
      level = 3;
      if (line[2] == '*') {
        marked = std::string(line.substr(3)) + " ->";
        text = marked;
      } else {
        text = line.substr(2);
      }
    } else {
      note("line starts with neither \"#\", a letter, nor one or two spaces and a text; it makes no node");
      continue;
    }
    if (static_cast<size_t>(next) >= kSkillNodesMax) {
      note("more than " + std::to_string(kSkillNodesMax) + " skill nodes; this line and the rest are left out");
      break;
    }
    if (level == 0 && skills.SkillCategoryStart.size() >= kSkillCategoriesMax) {
      note("more than " + std::to_string(kSkillCategoriesMax) +
           " skill categories; this line and the rest are left out");
      break;
    }
    if (text.size() > 50)
      note("text is longer than 50 characters and is cut to \"" + std::string(text.substr(0, 50)) + "\"");
    if (level == 1 && notes != nullptr) {
      // The skill pages read the class from the three characters after the first "(".
      const size_t open = text.find('(');
      const std::string code = open == std::string_view::npos ? "" : UpperCase(text.substr(open + 1, 3));
      static constexpr std::array<std::string_view, 10> kCodes = {"BOD", "QCK", "STR", "CHA", "INT",
                                                                  "WIL", "RCT", "REA", "KNO", "LAN"};
      if (std::find(kCodes.begin(), kCodes.end(), code) == kCodes.end()) {
        note("the skill's first parentheses hold no attribute code, \"KNO\" or \"LAN\"");
      }
    }
    const int parent = level == 0 ? -1 : last[static_cast<size_t>(level - 1)];
    if (level > 0 && parent == -1)
      note("no node of level " + std::to_string(level - 1) + " above this line to belong to");
    AddSkillNode(skills, next, text, level, parent, last[static_cast<size_t>(level)]);
    if (level == 0) {
      skills.categories.emplace_back(text);
      skills.SkillCategoryStart.push_back(static_cast<int16_t>(next));
    }
    last[static_cast<size_t>(level)] = next;
    for (size_t deeper = static_cast<size_t>(level) + 1; deeper < last.size(); ++deeper) last[deeper] = -1;
    ++next;
  }
  skills.LastSkillIndex = next - 1;
  return skills;
}

}  // namespace ivgen
