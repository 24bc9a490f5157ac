// The skill catalog (skills.dat): a table of categories, skills and specializations linked by
// parent, first child and next sibling, read once at start-up.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_file.h"

namespace ivgen {

inline constexpr std::string_view kSkillsFile = "skills.dat";
inline constexpr size_t kSkillNodesMax = 601;
inline constexpr size_t kSkillCategoriesMax = 51;

/// One node: its text cut or padded to exactly 50 characters, its level (0 category, 1 skill,
/// 2 and 3 specializations) and its links, -1 where there is none.
struct SkillNode {
  std::string Name;
  int16_t Level = 0;
  int16_t Parent = -1;
  int16_t FirstChild = -1;
  int16_t NextSibling = -1;
};

/// The skill category list, SkillTable (indexes 0 to 600), SkillCategoryStart (the index of each
/// category node, at most 51) and LastSkillIndex (-1 when the table is empty).
struct SkillCatalog {
  std::vector<std::string> categories;
  std::vector<SkillNode> SkillTable;
  std::vector<int16_t> SkillCategoryStart;
  int LastSkillIndex = -1;
};

/// Reads skills.dat: "#" lines are categories, lines starting with a letter skills, one space a
/// level-2 and two spaces a level-3 specialization ("  *" adds " ->"); other lines make no node.
/// Reading stops at the 601st node or the 52nd category. Nothing when the file is missing or
/// cannot be opened.
std::optional<SkillCatalog> LoadSkills(const std::string& folder, LoadNotes* notes = nullptr);

/// Stores node `index` and links it: it becomes the parent's first child when the parent has
/// none, and the next sibling of `previousSibling`; links are made only under a parent. An index
/// outside 0-600 is ignored; a parent or sibling outside the table is treated as none.
void AddSkillNode(SkillCatalog& skills, int index, std::string_view text, int level, int parent, int previousSibling);

}  // namespace ivgen
