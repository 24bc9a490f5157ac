// The catalogs as the pages get them: lines of books not allowed and malformed lines left out,
// fields cut at their columns, tables stopped at their bounds.
#include <gtest/gtest.h>

#include "catalog/catalog_checker.h"
#include "catalog/edge_catalog.h"
#include "catalog/equipment_catalogs.h"
#include "catalog/line_syntax.h"
#include "catalog/magic_catalogs.h"
#include "catalog/metatype_catalog.h"
#include "catalog/modifier_codes.h"
#include "catalog/range_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog_fixture.h"
#include "record/entries.h"
#include "support/joined.h"

namespace ivgen {
namespace {

using test_support::Joined;
using testing::CatalogFolder;

// Each node as "indent:text".
std::string Nodes(const std::optional<CatalogTree>& tree) {
  std::vector<std::string> out;
  for (const TreeNode& node : tree.value_or(CatalogTree{}))
    out.push_back(std::to_string(node.indent) + ":" + node.text);
  return Joined(out);
}

// A header is told by its empty street index (bioware: its empty Bio-index), whatever else the
// line holds; an item's book must be one of the bracketed codes, letter for letter.
TEST(LoadCyberware, HeadersItemsAndTheLinesOfAllowedBooks) {
  CatalogFolder folder;
  EXPECT_FALSE(LoadCyberware(folder.Path(), "[IV3]").has_value());
  folder.Write("cyber.dat", {
                                "! headware",
                                "IV3-40    Headware                         500",
                                "IV3-45    Datajack                    .2   500       1               +1INT"
                                "                      wired in  ",
                                "IV3-46    Cyberarm                    1    500       1.5   10   E",
                                "IV-12     Old jack                    .2   500       1",
                                "iv3-45    Lower jack                  .2   500       1",
                                "XX-3      Extra jack                  .2   500       1",
                                "IV3 45    No dash                     .2   500       1",
                            });
  EXPECT_EQ(
      Nodes(LoadCyberware(folder.Path(), "[IV3]")),
      "1:Headware\t\t\t\t\t\t\t\t500\tIV3-40\t\t\t\t\t | 2:Datajack\t\t\t\t\t\t\t.2\t500\tIV3-45\t+1INT\t1\twired "
      "in\t\t | 2:Cyberarm\t\t\t\t\t\t\t1\t500\tIV3-46\t\t1.5\t\t10\tE");
  EXPECT_EQ(LoadCyberware(folder.Path(), "[IV3][XX]")->size(), 4u);
  EXPECT_TRUE(LoadCyberware(folder.Path(), "")->empty());

  folder.Write("Bioware.dat", {
                                  "IV3-60    Cultured                          1000",
                                  "IV3-61    Booster                      .4   50000     C    +1INT"
                                  "                          keeps its blanks  ",
                                  "XX-2      Other book                   .2",
                              });
  EXPECT_EQ(
      Nodes(LoadBioware(folder.Path(), "[IV3]")),
      "1:Cultured\t\t\t\t\t\t\t\t1000\tIV3-60\t\t\t | 2:Booster\t\t\t\t\t\t\t.4\t50000\tIV3-61\tC\t+1INT\t keeps its "
      "blanks  ");
}

TEST(TreeEntry, WidensOnlyTheTabAfterTheName) {
  EXPECT_EQ(TreeEntryFields(TreeEntry({"Datajack", ".2", "1000", "IV3-45", "", "4"})),
            (std::vector<std::string>{"Datajack", ".2", "1000", "IV3-45", "", "4"}));
  // An empty second field must not swallow a Tab of the widened run.
  EXPECT_EQ(TreeEntryFields(TreeEntry({"Head", "", "x"})), (std::vector<std::string>{"Head", "", "x"}));
}

// The drain is cut after its first parenthesis; categories are not filtered by book, and a
// spell's lower-case code lists it under its category.
TEST(LoadSpells, EntriesAndCategories) {
  CatalogFolder folder;
  folder.Write("spells.dat", {
                                 "! spells",
                                 "#Combat/ spells C",
                                 "#Detection, no slash D",
                                 "#Health/H",
                                 "IV3-190   Manabolt                     M    LOS    P    Inst   (F/2)+1S    C",
                                 "IV3-191   Stunbolt                     M    LOS    P    Inst   Deadly      C",
                                 "XX-3      Other book                   M    LOS    P    Inst   (F/2)       C",
                                 "IV3-1     Heal                         M    LOS    P    Inst   (F/2)       h",
                                 "IV3-3     Antidote                     M    LOS    P    Inst   (F/2)       H",
                             });
  const auto spells = LoadSpells(folder.Path(), "[IV3]");
  ASSERT_TRUE(spells.has_value());
  EXPECT_EQ(Joined(spells->categories), "Combat\tC | Health\tH");
  EXPECT_EQ(Joined(spells->SpellLines),
            "Manabolt\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-190C | Stunbolt\tM\tLOS\tP\tInst  \t\t%"
            "IV3-191C | Heal\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-1h | Antidote\tM\tLOS\tP\tInst "
            " \t(F/2)\t%IV3-3H");
  EXPECT_EQ(Joined(SpellsInCategory(*spells, spells->categories[1])),
            "Heal\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-1h | Antidote\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-3H");
  EXPECT_TRUE(SpellsInCategory(*spells, "").empty());
  EXPECT_EQ(LoadSpells(folder.Path(), "")->categories.size(), 2u);
}

TEST(LoadCatalogs, PowersTraditionsAndEdgesOfTheAllowedBooks) {
  CatalogFolder folder;
  folder.Write("powers.dat",
               {"! powers", "IV3-169   Reflexes 1                   2         +1RCT,+1INI         one extra die  ",
                "XX-1      Other book                   .5"});
  EXPECT_EQ(Joined(*LoadPowers(folder.Path(), "[IV3]")), "Reflexes 1\t2\t+1RCT,+1INI\tIV3-169\tone extra die");
  folder.Write("totems.dat", {"IV3-120   Shamanic: Bear   ", "XX-3      Shamanic: Other"});
  EXPECT_EQ(Joined(*LoadTraditions(folder.Path(), "[IV3]")), "Hermetic mage | Shamanic: Bear");
  EXPECT_EQ(Joined(*LoadTraditions(folder.Path(), "")), "Hermetic mage");

  // An edge's book is found within the allowed list; a flaw without a book is always kept.
  folder.Write("edge.dat", {
                               "! edges",
                               "EAmbidextrous[1]                1      IV3-9   +1QCK  ",
                               "FBad Luck[-2]                   -2",
                               "EOld Edge[1]                    1      IV-3",
                               "xOdd Flaw[-1]                   -1     XX-1",
                               "ENo Dash[1]                     1      IV3",
                           });
  const auto edges = LoadEdges(folder.Path(), "[IV3]");
  EXPECT_EQ(Joined(edges->edges), "Ambidextrous[1]\t1\tIV3-9\t+1QCK | Old Edge[1]\t1\tIV-3\t");
  EXPECT_EQ(Joined(edges->flaws), "Bad Luck[-2]\t-2\t\t");
  EXPECT_EQ(Joined(LoadEdges(folder.Path(), "")->edges) + "/" + Joined(LoadEdges(folder.Path(), "")->flaws),
            "/Bad Luck[-2]\t-2\t\t");
}

TEST(LoadSkills, BuildsTheTreeWithItsSiblingChainsPerCategory) {
  CatalogFolder folder;
  folder.Write("skills.dat",
               {"! skills", "#Active", "Firearms QCK", " Pistols", "  Heavy pistols", "  *Specific pistol", " Rifles",
                "4 digits make no node", "athletics QCK", "", "#Knowledge", "Biology INT" + std::string(60, 'x')});
  const auto skills = LoadSkills(folder.Path());
  ASSERT_TRUE(skills.has_value());
  // Name, level, parent, first child, next sibling; categories are not chained to each other.
  std::vector<std::string> nodes;
  for (const SkillNode& n : skills->SkillTable) {
    nodes.push_back(Trim(n.Name) + " " + std::to_string(n.Level) + " " + std::to_string(n.Parent) + " " +
                    std::to_string(n.FirstChild) + " " + std::to_string(n.NextSibling));
  }
  EXPECT_EQ(Joined(nodes),
            "Active 0 -1 1 -1 | Firearms QCK 1 0 2 6 | Pistols 2 1 3 5 | Heavy pistols 3 2 -1 4 | Specific pistol -> 3 "
            "2 -1 -1 | Rifles 2 1 -1 -1 | athletics QCK 1 0 -1 -1 | Knowledge 0 -1 8 -1 | Biology INT" +
                std::string(39, 'x') + " 1 7 -1 -1");
  EXPECT_EQ(skills->SkillTable[0].Name.size(), 50u);
  EXPECT_EQ(Joined(skills->categories), "Active | Knowledge");
  EXPECT_EQ(skills->SkillCategoryStart, (std::vector<int16_t>{0, 7}));
  EXPECT_EQ(skills->LastSkillIndex, 8);

  folder.Write("skills.dat", {"Firearms", " Pistols", "Archery"});  // before any category: no parent
  const auto loose = LoadSkills(folder.Path());
  EXPECT_EQ(std::to_string(loose->SkillTable[0].Parent) + std::to_string(loose->SkillTable[0].NextSibling) +
                std::to_string(loose->SkillTable[0].FirstChild) + std::to_string(loose->SkillTable[1].Parent),
            "-1-110");
}

TEST(LoadRanges, OneRowPerLineWithTheNameCutOrPaddedToTen) {
  CatalogFolder folder;
  folder.Write("range.dat", {"! ranges", "x|Hold-out|0|5|15|30|", "x|Heavy Pistolery|5|20|40|60",
                             "x|Shotgun|10|x20|50|100|", "x|Taser|5|10", "x| Bow |  5 |+10|30.5|-1|"});
  EXPECT_EQ(*LoadRanges(folder.Path()),
            (std::vector<RangeRow>{
                {"Hold-out  ", 0, 5, 15, 30}, {"Heavy Pist", 5, 20, 40, 60}, {" Bow      ", 5, 10, 30, -1}}));
}

// Metatype lines are kept as they stand, comment marks and all, and a shorter file leaves no
// line of a longer one behind.
TEST(LoadCatalogs, StopAtTheirTableBounds) {
  CatalogFolder folder;
  std::vector<std::string> lines;
  for (int i = 0; i < 700; ++i) lines.push_back("x|R" + std::to_string(i) + "|1|2|3|4|");
  folder.Write("range.dat", lines);
  EXPECT_EQ(LoadRanges(folder.Path())->size(), 51u);

  lines = {"#Combat/C"};
  for (int i = 1000; i < 1405; ++i) {
    lines.push_back("IV3-1     Spell " + std::to_string(i) +
                    "                   M    LOS    P    Inst   (F)         C");
  }
  folder.Write("spells.dat", lines);
  EXPECT_EQ(LoadSpells(folder.Path(), "[IV3]")->SpellLines.back().substr(0, 10), "Spell 1399");

  lines = {"#Active"};
  for (int i = 0; i < 700; ++i) lines.push_back("Skill " + std::to_string(i));
  folder.Write("skills.dat", lines);
  const auto skills = LoadSkills(folder.Path());
  EXPECT_EQ(Trim(skills->SkillTable.back().Name) + " " + std::to_string(skills->LastSkillIndex), "Skill 599 600");
  lines.clear();
  for (int i = 0; i < 60; ++i) lines.push_back("#Category " + std::to_string(i));
  folder.Write("skills.dat", lines);
  EXPECT_EQ(LoadSkills(folder.Path())->categories.back(), "Category 50");

  lines = {"E Night elf|0|1|0|2|0|0|3|$", "! not a comment here"};
  for (int i = 0; i < 40; ++i) lines.push_back("D Dwarf " + std::to_string(i) + "|1|0|2|0|0|1|2|$");
  folder.Write("meta.dat", lines);
  const auto meta = LoadMetatypes(folder.Path());
  EXPECT_EQ((*meta)[1] + " | " + (*meta)[30], lines[1] + " | " + lines[30]);
  folder.Write("meta.dat", {lines[0]});
  EXPECT_EQ((*LoadMetatypes(folder.Path()))[0] + (*LoadMetatypes(folder.Path()))[1], lines[0]);
}

TEST(ReadCatalog, NamesMatchWithoutRegardToCaseAndLfAloneEndsALine) {
  CatalogFolder folder;
  folder.WriteBytes("Cyber.DAT", "a|b\nc|d\r\n");
  const auto found = ReadCatalog(folder.Path(), "cyber.dat");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->name + ": " + Joined(found->lines), "Cyber.DAT: a|b | c|d");
  EXPECT_FALSE(ReadCatalog(folder.Path(), "gear.dat").has_value());
  EXPECT_FALSE(ReadCatalog(folder.Path() + "no-such-folder/", "cyber.dat").has_value());
}

TEST(ModifierListFaults, AcceptsTheAttributeTableAndNamesEveryOtherPiece) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"", ""},
      {"+1RCT,-2CHA,+1INI*,,+3XOD,-1MAG,+0ATR,+1BOD,+2STR,+1WIL,+1VCR,+1IMP,+1BAL,+1CPL,+1RIL,+1XHR", ""},
      {"+1REA", "modifier code \"+1REA\" names \"REA\", which is not an attribute code"},
      {"+1RCT, +1INI", "modifier code \" +1INI\" does not start with \"+\" or \"-\""},
      {"+XRCT", "modifier code \"+XRCT\" has no digit after its sign"},
      {"+1bod", "modifier code \"+1bod\" names \"bod\", which is not an attribute code"},
      {"+1RCT**", "modifier code \"+1RCT**\" names \"RCT*\", which is not an attribute code"},
  };
  for (const auto& [list, faults] : cases) EXPECT_EQ(Joined(ModifierListFaults(list)), faults) << list;
}

// Each kind of fault is pinned by the checker's run over data/faulty; here what a folder without
// faults, or without catalogs, gives.
TEST(CheckCatalogFolder, WellFormedCatalogsGiveNoProblemAndMissingOnesAreProblemsOfTheWholeFile) {
  std::vector<std::string> report;
  for (const char* folder : {IVGEN_TEST_DATA "/small", IVGEN_TEST_DATA "/no-such-folder"}) {
    for (const CatalogProblem& problem : CheckCatalogFolder(folder)) report.push_back(FormatProblem(problem));
  }
  ASSERT_EQ(report.size(), 11u);
  EXPECT_EQ(report.front() + " | " + report.back(), "bioware.dat: cannot be opened | totems.dat: cannot be opened");
}

}  // namespace
}  // namespace ivgen
