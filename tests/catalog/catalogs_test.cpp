// The catalogs as the pages get them: lines of books not allowed and malformed lines left out,
// fields cut at their columns, tables stopped at their bounds; books.dat rewritten; and the
// catalogs we ship (that every line is well-formed is the checker's run over them).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "catalog/archetype_catalog.h"
#include "catalog/books.h"
#include "catalog/catalog_checker.h"
#include "catalog/catalog_search.h"
#include "catalog/catalogs.h"
#include "catalog/edge_catalog.h"
#include "catalog/equipment_catalogs.h"
#include "catalog/gear_catalog.h"
#include "catalog/line_syntax.h"
#include "catalog/magic_catalogs.h"
#include "catalog/metatype_catalog.h"
#include "catalog/modifier_codes.h"
#include "catalog/range_catalog.h"
#include "catalog/skill_catalog.h"
#include "catalog_fixture.h"
#include "record/entries.h"
#include "support/joined.h"
#include "support/test_system.h"

namespace ivgen {
namespace {

using test_support::Joined;
using testing::CatalogFolder;

// Catalogs of the cases below, in data/lines.
const std::string kLines = IVGEN_TEST_DATA "/lines/";

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
  EXPECT_FALSE(LoadCyberware(kLines + "none/", "[IV3]").has_value());
  EXPECT_EQ(
      Nodes(LoadCyberware(kLines, "[IV3]")),
      "1:Headware\t\t\t\t\t\t\t\t500\tIV3-40\t\t\t\t\t | 2:Datajack\t\t\t\t\t\t\t.2\t500\tIV3-45\t+1INT\t1\twired "
      "in\t\t | 2:Cyberarm\t\t\t\t\t\t\t1\t500\tIV3-46\t\t1.5\t\t10\tE");
  EXPECT_EQ(LoadCyberware(kLines, "[IV3][XX]")->size(), 4u);
  EXPECT_TRUE(LoadCyberware(kLines, "")->empty());

  EXPECT_EQ(
      Nodes(LoadBioware(kLines, "[IV3]")),
      "1:Cultured\t\t\t\t\t\t\t\t1000\tIV3-60\t\t\t | 2:Booster\t\t\t\t\t\t\t.4\t50000\tIV3-61\tC\t+1INT\t keeps its "
      "blanks  ");
}

// An empty second field must not swallow a Tab of the widened run after the name.
TEST(TreeEntry, WidensOnlyTheTabAfterTheName) {
  EXPECT_EQ(TreeEntryFields(TreeEntry({"Head", "", "x"})), (std::vector<std::string>{"Head", "", "x"}));
}

// The drain is cut after its first parenthesis; categories are not filtered by book, and a
// spell's lower-case code lists it under its category.
TEST(LoadSpells, EntriesAndCategories) {
  const auto spells = LoadSpells(kLines, "[IV3]");
  ASSERT_TRUE(spells.has_value());
  EXPECT_EQ(Joined(spells->categories), "Combat\tC | Health\tH");
  EXPECT_EQ(Joined(spells->SpellLines),
            "Manabolt\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-190C | Stunbolt\tM\tLOS\tP\tInst  \t\t%"
            "IV3-191C | Heal\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-1h | Antidote\tM\tLOS\tP\tInst "
            " \t(F/2)\t%IV3-3H");
  EXPECT_EQ(Joined(SpellsInCategory(*spells, spells->categories[1])),
            "Heal\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-1h | Antidote\tM\tLOS\tP\tInst  \t(F/2)\t%IV3-3H");
  EXPECT_TRUE(SpellsInCategory(*spells, "").empty());
  EXPECT_EQ(LoadSpells(kLines, "")->categories.size(), 2u);
}

TEST(LoadCatalogs, PowersTraditionsAndEdgesOfTheAllowedBooks) {
  EXPECT_EQ(Joined(*LoadPowers(kLines, "[IV3]")), "Reflexes 1\t2\t+1RCT,+1INI\tIV3-169\tone extra die");
  EXPECT_EQ(Joined(*LoadTraditions(kLines, "[IV3]")), "Hermetic mage | Shamanic: Bear");
  EXPECT_EQ(Joined(*LoadTraditions(kLines, "")), "Hermetic mage");

  // An edge's book is found within the allowed list; a flaw without a book is always kept.
  const auto edges = LoadEdges(kLines, "[IV3]");
  EXPECT_EQ(Joined(edges->edges), "Ambidextrous[1]\t1\tIV3-9\t+1QCK | Old Edge[1]\t1\tIV-3\t");
  EXPECT_EQ(Joined(edges->flaws), "Bad Luck[-2]\t-2\t\t");
  EXPECT_EQ(Joined(LoadEdges(kLines, "")->edges) + "/" + Joined(LoadEdges(kLines, "")->flaws), "/Bad Luck[-2]\t-2\t\t");
}

TEST(LoadSkills, BuildsTheTreeWithItsSiblingChainsPerCategory) {
  const auto skills = LoadSkills(kLines);
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

  CatalogFolder folder;
  folder.Write("skills.dat", {"Firearms", " Pistols", "Archery"});  // before any category: no parent
  const auto loose = LoadSkills(folder.Path());
  EXPECT_EQ(std::to_string(loose->SkillTable[0].Parent) + std::to_string(loose->SkillTable[0].NextSibling) +
                std::to_string(loose->SkillTable[0].FirstChild) + std::to_string(loose->SkillTable[1].Parent),
            "-1-110");
}

TEST(LoadRanges, OneRowPerLineWithTheNameCutOrPaddedToTen) {
  EXPECT_EQ(*LoadRanges(kLines),
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
  // Windows opens a name in any case as it is asked for; POSIX gives the file's own spelling.
  EXPECT_EQ(found->name + ": " + Joined(found->lines),
            std::string(kWindows ? "cyber.dat" : "Cyber.DAT") + ": a|b | c|d");
  EXPECT_FALSE(ReadCatalog(folder.Path(), "gear.dat").has_value());
  EXPECT_FALSE(ReadCatalog(folder.Path() + "no-such-folder/", "cyber.dat").has_value());
}

TEST(ModifierListFaults, AcceptsTheAttributeTableAndNamesEveryOtherPiece) {
  const std::pair<std::string_view, const char*> cases[] = {
      {"", ""},
      {"+1RCT,-2CHA,+1INI*,,+3XOD,-1MAG,+0ATR,+1BOD,+2STR,+1WIL,+1VCR,+1IMP,+1BAL,+1CPL,+1RIL,+1XHR", ""},
      {"+1REA", "modifier code \"+1REA\" names \"REA\", which is not an attribute code"},
      {" +1RCT, +1INI ,1BOD", "modifier code \"1BOD\" does not start with \"+\" or \"-\""},
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

// Each faulty line is named with its file and line and left out; the lines around it, and the
// archetypes, stay. A line's parts are trimmed and a closing "|" is welcome.
TEST(LoadArchetypes, KeysWeightsAndPartsWithEveryFaultyLineNamed) {
  CatalogFolder folder;
  EXPECT_FALSE(LoadArchetypes(folder.Path()).has_value()) << "the file is optional";
  folder.Write("Archetypes.DAT",
               {"! recipes", "Street         Before", "#Night Runner", "Method         Priority",
                "Skill       3  Pistols (QCK) | Heavy Pistols |", "Gear      12   weapon|Combat Knife",
                "Skil        2  Stealth (QCK)", "Skill      -2  Stealth (QCK)", "Skill      x2  Stealth (QCK)",
                "Street       1 ", "Street       1xRazor", "Gear         1 weapon||Combat Knife", "Ghoul", "", "#",
                "Street         Lost with its archetype", "#night-runner", "#Second Shift", "Street      0  Mole"});
  LoadNotes notes;
  const auto catalog = LoadArchetypes(folder.Path(), &notes);
  ASSERT_TRUE(catalog.has_value());
  std::vector<std::string> problems;
  for (const CatalogProblem& problem : notes.problems) problems.push_back(FormatProblem(problem));
    // Windows opens the file by the name asked for, and the problems name it so.
#ifdef _WIN32
  const std::string file = "archetypes.dat";
#else
  const std::string file = "Archetypes.DAT";
#endif
  const std::vector<std::string> expected = {
      file + ":2: line before the first \"#\" archetype; it is left out",
      file + ":7: \"Skil\" in columns 1-10 is not what an archetype line sets; the line is left out",
      file + ":8: weight -2 is negative; the line is left out",
      file + ":9: weight \"x2\" in columns 11-14 is not a whole number; the line is left out",
      file + ":10: Street line has an empty list: no choice from column 16; the line is left out",
      file + ":11: text in column 15, which is not read: a field beside it is out of place or too long",
      file + ":12: empty part between two \"|\"; the line is left out",
      file + ":14: empty line; skipped",
      file + ":15: archetype without a name after \"#\"; it and its lines are left out",
      file + ":17: archetype \"night-runner\" is named twice; this one and its lines are left out",
  };
  EXPECT_EQ(Joined(problems), Joined(expected));
  ASSERT_EQ(catalog->archetypes.size(), 2u);
  const Archetype& runner = catalog->archetypes[0];
  std::vector<std::string> lines;
  for (const ArchetypeLine& line : runner.lines) {
    lines.push_back(std::to_string(line.line) + ":" + std::string(ArchetypeKeyName(line.key)) + "*" +
                    std::to_string(line.weight) + "=" + Joined(line.parts, "/"));
  }
  EXPECT_EQ(Joined(lines),
            "4:Method*1=Priority | 5:Skill*3=Pistols (QCK)/Heavy Pistols | 6:Gear*12=weapon/Combat Knife | "
            "11:Street*1=Razor | 13:Ghoul*1=");
  EXPECT_EQ(catalog->archetypes[1].Of(ArchetypeKey::Street).front()->weight, 0);
  // A command line writes the name without blanks, in any case.
  for (const char* name : {"Night Runner", "night-runner", "NIGHT_RUNNER", " night runner "}) {
    EXPECT_EQ(catalog->Find(name), &runner) << name;
  }
  EXPECT_EQ(catalog->Find("Night"), nullptr);
}

// An item line: level digit, " * ", the name in 30 columns, a separator, then the data.
std::string Item(char level, std::string name, std::string_view data) {
  name.resize(30, ' ');
  return std::string(1, level) + " * " + name + " " + std::string(data);
}

// What the shop list shows for that item.
std::string Listed(std::string name, std::string_view data) {
  name.resize(30, ' ');
  return name + "\t" + std::string(data);
}

BookLists Allowing(std::vector<std::string> entries) {
  BookLists books;
  books.allowed = std::move(entries);
  return books;
}

// A later line replaces a type; a type short of names, above 64 or not a number is skipped, and
// questions outside the table answer empty instead of reading past it. A group node carries its
// line number, comments and blank lines counted.
TEST(LoadGear, TypeLinesAndGroupNodes) {
  const auto gear = LoadGear(kLines);
  ASSERT_TRUE(gear.has_value());
  // Name, field count, price field and fields 0 to 4, stored without the "$".
  auto type = [&](int t) {
    std::string out = GearTypeName(*gear, t) + " " + std::to_string(GearFieldCount(*gear, t)) + " $" +
                      std::to_string(GearPriceField(*gear, t));
    for (int field = 0; field < 5; ++field) out += "|" + GearFieldName(*gear, t, field);
    return out;
  };
  EXPECT_EQ(type(5) + " / " + type(7), "Pistols 3 $2||Damage|Weight|Cost| / Clothing 3 $1||Rating|Cost|Book|");
  for (int skipped : {8, 9, 0, 65, -1}) EXPECT_EQ(type(skipped), " 0 $0|||||") << skipped;
  EXPECT_EQ(std::to_string(FieldIndex(*gear, 5, "Weight")) + std::to_string(FieldIndex(*gear, 5, "weight")) +
                std::to_string(FieldIndex(*gear, 65, "Weight")) + std::to_string(FieldIndex(*gear, -3, "Weight")),
            "2000");
  EXPECT_EQ(Nodes(gear->tree),
            "1:Weapons\t\t\t\t\t\t\t\t\t,11 | 2:Pistols\t\t\t\t\t\t\t\t\t,12 | 2:Stun "
            "weapons\t\t\t\t\t\t\t\t\t,19 | 3:Tasers\t\t\t\t\t\t\t\t\t,20 | 1:Knives, "
            "swords\t\t\t\t\t\t\t\t\t,21");
  std::string children;
  for (size_t node = 0; node < 5; ++node) children += HasChildNodes(gear->tree, node) ? "1" : "0";
  EXPECT_EQ(children, "10100");
}

// Items are listed from the group's line to the next group or the end of the file; malformed
// items are skipped; the page-reference mark is set by the first item with a page and never
// cleared, so later bare codes are filtered.
TEST(ShowGearGroup, ListsTheGroupsWellFormedItemsOfAllowedBooks) {
  const std::tuple<std::string, size_t, std::vector<std::string>> cases[] = {
      {kLines, 1, {Listed("Hold-out", "3|100|IV3-10|"), Listed("Heavy Pistol", "3|450|IV3-11| extra")}},
      {kLines, 4, {Listed("Katana", "3|1000|IV3-5|")}},
      {kLines, 3, {}},
      {kLines, 0, {"<none>"}},  // a node with children
      {kLines, 9, {"<none>"}},
      {IVGEN_TEST_DATA "/mixed/", 0, {Listed("Bare first", "3|100|AA|"), Listed("Allowed bare", "3|100|iv3|")}},
  };
  for (const auto& [folder, node, items] : cases) {
    const GearCatalog gear = *LoadGear(folder);
    const auto group = ShowGearGroup(folder, gear, node, Allowing({"Core\tIV3"}));
    EXPECT_EQ(group ? group->items : std::vector<std::string>{"<none>"}, items) << folder << node;
  }
  EXPECT_EQ(ShowGearGroup(kLines, *LoadGear(kLines), 4, Allowing({}))->title, "Knives, swords");
}

TEST(ShowGearGroup, ReadsTheFileAgainOnEveryClick) {
  CatalogFolder folder;
  folder.Write("gear.dat", {"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Hold-out", "3|100|IV3-10|")});
  const GearCatalog gear = *LoadGear(folder.Path());
  folder.Write("gear.dat", {"xx3|Firearms|2|$Cost|Book|", "1 Pistols", Item('1', "Changed", "3|120|IV3-10|")});
  EXPECT_EQ(ShowGearGroup(folder.Path(), gear, 0, Allowing({"Core\tIV3"}))->items,
            std::vector<std::string>{Listed("Changed", "3|120|IV3-10|")});
  folder.Remove("gear.dat");
  const auto gone = ShowGearGroup(folder.Path(), gear, 0, Allowing({"Core\tIV3"}));
  EXPECT_TRUE(gone->items.empty());
  EXPECT_FALSE(gone->file.ok);
}

// A search finds an item by its own name or its group's, letters in either case (accented ones
// too), in every group at once and at the row its group lists it at; a book not allowed hides an
// item as the shop list hides it, and an empty text or a gear.dat gone finds nothing.
TEST(SearchCatalogs, FindEveryItemByItsNameOrItsGroup) {
  const GearCatalog gear = *LoadGear(kLines);
  const CatalogTree cyber = *LoadCyberware(kLines, "[IV3][XX]");
  SpellCatalog spells = *LoadSpells(kLines, "[IV3]");
  // A second category of the same code lists the same spells.
  spells.categories.push_back("C\xF6mbat R\xFBnes\tC");
  spells.SpellLines.push_back("\xC9lan Strike\tM\tLOS\tP\tInst\t(F/2)\t%IV3-2C");
  auto inGear = [&](std::string_view text, std::vector<std::string> allowed = {"Core\tIV3"}) {
    return SearchGear(kLines, gear, Allowing(std::move(allowed)), text).matches;
  };
  const std::pair<std::vector<CatalogMatch>, std::string> cases[] = {
      {inGear("PISTOL"), "Hold-out [Pistols] 1:0 | Heavy Pistol [Pistols] 1:1"},
      {inGear("kat"), "Katana [Knives, swords] 4:0"},
      {inGear("swords"), "Katana [Knives, swords] 4:0"},
      {inGear("pistol", {}), ""},
      {inGear(""), ""},
      {inGear("Tasers"), ""},
      {SearchCatalogTree(cyber, "JACK"), "Datajack [Headware] -1:1 | Extra jack [Headware] -1:3"},
      {SearchCatalogTree(cyber, "headware"),
       "Datajack [Headware] -1:1 | Cyberarm [Headware] -1:2 | Extra jack [Headware] -1:3"},
      {SearchCatalogTree(cyber, ""), ""},
      {SearchSpells(spells, "Bolt"),
       "Manabolt [Combat] 0:0 | Stunbolt [Combat] 0:1 | Manabolt [C\xF6mbat R\xFBnes] 2:0 | Stunbolt [C\xF6mbat "
       "R\xFBnes] 2:1"},
      {SearchSpells(spells, "\xE9lan"), "\xC9lan Strike [Combat] 0:2 | \xC9lan Strike [C\xF6mbat R\xFBnes] 2:2"},
      {SearchSpells(spells, "\xD6MBAT r"),
       "Manabolt [C\xF6mbat R\xFBnes] 2:0 | Stunbolt [C\xF6mbat R\xFBnes] 2:1 | \xC9lan Strike [C\xF6mbat R\xFBnes] "
       "2:2"},
      {SearchSpells(spells, "heal"), "Heal [Health] 1:0 | Antidote [Health] 1:1"},
      {SearchSpells(spells, "mana bolt"), ""},
  };
  for (const auto& [matches, expected] : cases) {
    std::vector<std::string> shown;
    for (const CatalogMatch& match : matches) {
      shown.push_back(match.name + " [" + match.group + "] " + std::to_string(match.groupAt) + ":" +
                      std::to_string(match.itemAt));
    }
    EXPECT_EQ(Joined(shown), expected);
  }
  const GearSearch gone = SearchGear(kLines + "none/", gear, Allowing({"Core\tIV3"}), "pistol");
  EXPECT_TRUE(gone.matches.empty());
  EXPECT_FALSE(gone.file.ok);
}

TEST(LoadBooks, SortsBooksByTheirMarkAndBookAllowedIgnoresCase) {
  CatalogFolder folder;
  folder.Write("books.dat", {"! sourcebooks", "*Core;IV3", "Companion;XX", "no semicolon here", "*Grimoire;GR;2"});
  auto books = LoadBooks(folder.Path());
  ASSERT_TRUE(books.has_value());
  EXPECT_EQ(books->allowed, (std::vector<std::string>{"Core\tIV3", "Grimoire\tGR;2"}));
  EXPECT_EQ(books->notAllowed, std::vector<std::string>{"Companion\tXX"});
  EXPECT_EQ(AllowedBooks(*books), "[IV3][GR;2]");
  EXPECT_FALSE(LoadBooks(folder.Path() + "missing/").has_value());
  // The page's answer ignores case; the loaders' filter does not.
  for (const auto& [code, allowed] : {std::pair{"iv3", true}, {"IV3", true}, {"XX", false}, {"IV", false}}) {
    EXPECT_EQ(BookAllowed(*books, code), allowed) << code;
  }
  EXPECT_FALSE(InAllowedBooks(AllowedBooks(*books), "iv3", nullptr));
  SelectNotAllowedBook(*books, 5);  // outside the list
  EXPECT_FALSE(books->moveToAllowedEnabled || MoveToAllowed(*books));
}

// Comments and broken lines keep their place; every title found within an allowed entry is
// marked, an empty title never; a title that starts like a mark ("!" once made a comment of it, "*" an allowed book)
// stays the book it was. No scratch file is left in the folder.
TEST(SaveBooks, RewritesOnlyTheMarks) {
  CatalogFolder folder;
  const struct {
    const char* before;
    std::vector<std::string> allowed;
    const char* after;
  } cases[] = {
      {"! campaign books\n*Core;IV3\nCompanion;XX\n! more\nbroken line\n*Grimoire;GR\n",
       {"Core\tIV3", "Companion\tXX"},
       "! campaign books\r\n*Core;IV3\r\n*Companion;XX\r\n! more\r\nbroken line\r\nGrimoire;GR\r\n"},
      {"Core;IV3\r\n*Core Rules;CR\r\nRules;RU\r\nMagic;MG\r\n",
       {"Core Rules\tCR"},
       "*Core;IV3\r\n*Core Rules;CR\r\n*Rules;RU\r\nMagic;MG\r\n"},
      {"Core;IV3\r\n*Core Rules;CR\r\nRules;RU\r\n", {}, "Core;IV3\r\nCore Rules;CR\r\nRules;RU\r\n"},
      {";XX\r\n*;YY\r\nCore;IV3\r\n", {"Core Rules\tCR"}, ";XX\r\n;YY\r\n*Core;IV3\r\n"},
      {";XX\r\n*;YY\r\n", {"\tYY"}, ";XX\r\n*;YY\r\n"},
      {"*!Hidden Lore;HL\r\n**Star Atlas;SA\r\n*Core;IV3\r\n",
       {"Core\tIV3"},
       " !Hidden Lore;HL\r\n *Star Atlas;SA\r\n*Core;IV3\r\n"},
      {" !Hidden Lore;HL\r\n *Star Atlas;SA\r\n*Core;IV3\r\n",
       {"!Hidden Lore\tHL", "*Star Atlas\tSA", "Core\tIV3"},
       "*!Hidden Lore;HL\r\n**Star Atlas;SA\r\n*Core;IV3\r\n"},
  };
  for (const auto& c : cases) {
    folder.WriteBytes("books.dat", c.before);
    folder.WriteBytes("booksdat.dat", "*Stale;ST\r\n");
    auto books = *LoadBooks(folder.Path());
    books.allowed = c.allowed;
    const IoResult result = SaveBooks(folder.Path(), books);
    ASSERT_TRUE(result.ok) << result.Describe("write").Utf8();
    EXPECT_EQ(folder.Read("books.dat"), c.after);
    EXPECT_EQ(folder.Read("booksdat.dat"), "<none>");
  }
  EXPECT_EQ(LoadBooks(folder.Path())->allowed,
            (std::vector<std::string>{"!Hidden Lore\tHL", "*Star Atlas\tSA", "Core\tIV3"}));
}

// The old way deleted books.dat before renaming the new file, so a failed write lost it and the
// next start-up ended.
TEST(SaveBooks, AFailedWriteLeavesBooksDatAsItWasAndNamesThePath) {
  CatalogFolder folder;
  const std::string original = "*Core;IV3\r\nCompanion;XX\r\n" + std::string(200, '!') + "\r\n";
  folder.WriteBytes("books.dat", original);
  auto books = *LoadBooks(folder.Path());
  books.allowed.clear();
  IoResult result;
  test_support::WhileWritesFail(folder.Path() + "books.dat", 16,
                                [&] { return (result = SaveBooks(folder.Path(), books)).ok; });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.path, folder.Path() + "books.dat");
  EXPECT_EQ(folder.Read("books.dat"), original);
  EXPECT_EQ(folder.Read("booksdat.dat"), "<none>");

  folder.Remove("books.dat");
  const IoResult missing = SaveBooks(folder.Path(), books);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.path, folder.Path() + "books.dat");
}

// The catalogs we ship hold enough of everything to build a character under any priority, and the
// forms the rules look for. The items of a tree, one a line.
std::string Items(const CatalogTree& tree) {
  std::string items;
  for (const TreeNode& node : tree) items += node.indent == 2 ? node.text + "\n" : "";
  return items;
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(BundledData, HoldsWhatTheGameNeeds) {
  BookLists books;
  Catalogs catalogs;
  ASSERT_EQ(LoadStartupLists(IVGEN_BUNDLED_DATA, books, catalogs.skills), std::nullopt);
  EXPECT_EQ(AllowedBooks(books), "[IV3]") << "only the core book ships allowed";
  EXPECT_TRUE(books.notAllowed.size() >= 3 && books.notAllowed.size() <= 5) << books.notAllowed.size();
  books.allowed.insert(books.allowed.end(), books.notAllowed.begin(), books.notAllowed.end());
  books.notAllowed.clear();
  catalogs.allowedBooks = AllowedBooks(books);
  for (const ReloadStep& step : ReloadSteps()) EXPECT_TRUE(step.load(IVGEN_BUNDLED_DATA, catalogs)) << step.file;

  std::string skills, gear;
  size_t deepest = 0, metatypes = 0;
  for (const SkillNode& node : catalogs.skills.SkillTable) {
    skills += node.Level == 1 ? node.Name + "\n" : "";
    deepest += node.Level == 3 ? 1 : 0;
  }
  for (const char* code : {"(BOD)", "(QCK)", "(STR)", "(CHA)", "(INT)", "(WIL)", "(KNO)", "(LAN)"}) {
    EXPECT_NE(skills.find(code), std::string::npos) << code;
  }
  for (const std::string& line : catalogs.metaLines) metatypes += line.empty() ? 0 : 1;
  for (size_t node = 0; node < catalogs.gear.tree.size(); ++node) {
    const auto group = ShowGearGroup(IVGEN_BUNDLED_DATA, catalogs.gear, node, books);
    for (const std::string& item : group ? group->items : std::vector<std::string>{}) gear += item + "\n";
  }
  const std::string cyberware = Items(catalogs.cyberware);
  const std::tuple<const char*, size_t, size_t> counts[] = {
      {"skill categories", catalogs.skills.categories.size(), 8},
      {"skills", Lines(skills), 80},
      {"skills three deep", deepest, 1},
      {"cyberware", Lines(cyberware), 60},
      {"bioware", Lines(Items(catalogs.bioware)), 40},
      {"spell categories", catalogs.spells.categories.size(), 5},
      {"spells", catalogs.spells.SpellLines.size(), 80},
      {"powers", catalogs.powers.size(), 30},
      {"traditions", catalogs.traditions.size(), 20},
      {"edges", catalogs.edges.edges.size(), 25},
      {"flaws", catalogs.edges.flaws.size(), 25},
      {"metatypes", metatypes, 12},
      {"gear", Lines(gear), 250},
      {"ranges", catalogs.RangeTable.size(), 1},
  };
  for (const auto& [what, count, minimum] : counts) EXPECT_GE(count, minimum) << what;
  // The forms the rules look for: cyber limbs, an internal mount, contacts of every level.
  for (const char* form : {"Arms", "Legs"}) EXPECT_NE(cyberware.find(form), std::string::npos) << form;
  for (const char* form : {"I, Internal", "\t16|1|", "\t16|2|", "\t16|3|"}) {
    EXPECT_NE(gear.find(form), std::string::npos) << form;
  }
  EXPECT_EQ(catalogs.traditions.front(), "Hermetic mage");
  // A chosen spell keeps seven characters after the "%": a shorter reference would carry the
  // category letter into the file and onto the sheet.
  for (const std::string& spell : catalogs.spells.SpellLines) EXPECT_EQ(spell.size() - spell.rfind('%'), 9u) << spell;
}

}  // namespace
}  // namespace ivgen
