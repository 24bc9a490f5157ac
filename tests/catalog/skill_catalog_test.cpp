#include "catalog/skill_catalog.h"

#include <gtest/gtest.h>

#include "catalog_fixture.h"

namespace ivgen {
namespace {

std::string Padded(std::string text) {
  text.resize(50, ' ');
  return text;
}

struct Node {
  std::string name;
  int level, parent, firstChild, nextSibling;
};

TEST(LoadSkills, BuildsTheTreeWithItsSiblingChainsPerCategory) {
  testing::CatalogFolder folder;
  folder.Write("skills.dat", {
                                 "! skills",
                                 "#Active",
                                 "Firearms (QCK)",
                                 " Pistols",
                                 "  Heavy pistols",
                                 "  *Specific pistol",
                                 " Rifles",
                                 "4 digits make no node",
                                 "athletics QCK",
                                 "",
                                 "#Knowledge",
                                 "Biology (INT)",
                             });
  const auto skills = LoadSkills(folder.Path());
  ASSERT_TRUE(skills.has_value());
  const Node expected[] = {
      {"Active", 0, -1, 1, -1},        {"Firearms (QCK)", 1, 0, 2, 6},         {"Pistols", 2, 1, 3, 5},
      {"Heavy pistols", 3, 2, -1, 4},  {"Specific pistol ->", 3, 2, -1, -1}, {"Rifles", 2, 1, -1, -1},
      {"athletics QCK", 1, 0, -1, -1}, {"Knowledge", 0, -1, 8, -1},  // categories are not chained to each other
      {"Biology (INT)", 1, 7, -1, -1},
  };
  ASSERT_EQ(skills->SkillTable.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const SkillNode& node = skills->SkillTable[i];
    EXPECT_EQ(node.Name, Padded(expected[i].name)) << i;
    EXPECT_EQ(node.Level, expected[i].level) << i;
    EXPECT_EQ(node.Parent, expected[i].parent) << i;
    EXPECT_EQ(node.FirstChild, expected[i].firstChild) << i;
    EXPECT_EQ(node.NextSibling, expected[i].nextSibling) << i;
  }
  EXPECT_EQ(skills->categories, (std::vector<std::string>{"Active", "Knowledge"}));
  EXPECT_EQ(skills->SkillCategoryStart, (std::vector<int16_t>{0, 7}));
  EXPECT_EQ(skills->LastSkillIndex, 8);
}

TEST(LoadSkills, CutsLongNamesAndStopsAtTheTableBounds) {
  testing::CatalogFolder folder;
  std::vector<std::string> lines{"#Active", "S" + std::string(60, 'x')};
  for (int i = 0; i < 700; ++i) lines.push_back("Skill " + std::to_string(i));
  folder.Write("skills.dat", lines);
  const auto skills = LoadSkills(folder.Path());
  ASSERT_EQ(skills->SkillTable.size(), 601u);
  EXPECT_EQ(skills->SkillTable[1].Name, "S" + std::string(49, 'x'));
  EXPECT_EQ(skills->LastSkillIndex, 600);
  EXPECT_EQ(skills->SkillTable[600].Name, Padded("Skill 598"));

  lines.clear();
  for (int i = 0; i < 60; ++i) lines.push_back("#Category " + std::to_string(i));
  folder.Write("skills.dat", lines);
  const auto categories = LoadSkills(folder.Path());
  EXPECT_EQ(categories->SkillCategoryStart.size(), 51u);
  EXPECT_EQ(categories->categories.back(), "Category 50");
}

TEST(LoadSkills, SkillsBeforeAnyCategoryHaveNoParent) {
  testing::CatalogFolder folder;
  folder.Write("skills.dat", {"Firearms", " Pistols", "Archery"});
  const auto skills = LoadSkills(folder.Path());
  ASSERT_EQ(skills->SkillTable.size(), 3u);
  EXPECT_EQ(skills->SkillTable[0].Parent, -1);
  EXPECT_EQ(skills->SkillTable[0].NextSibling, -1);
  EXPECT_EQ(skills->SkillTable[1].Parent, 0);
  EXPECT_EQ(skills->SkillTable[0].FirstChild, 1);
  EXPECT_TRUE(skills->SkillCategoryStart.empty());
}

}  // namespace
}  // namespace ivgen
