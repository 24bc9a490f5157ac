// Open, driven as a player would: hand-written files replay their codes and keep what they
// store, and a file cut short anywhere still opens.
#include "app/character_loading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "record/money.h"
#include "record/values.h"
#include "support/program_test.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class CharacterLoadingTest : public test_support::ProgramTest {
 protected:
  CharacterLoadingTest() { Start(); }

  void Open(const std::string& path) {
    if (editor_->Document().Modified) platform_.QueueAnswer("No");
    platform_.QueueAnswer(path);
    platform_.ClearLog();
    editor_->Open();
  }

  // Everything the pages show as totals.
  std::string Totals() const {
    const CharacterRecord& r = editor_->Record();
    const AttributeView& view = editor_->Creation().attributes;
    // The spell and power displays wait for their pages; their numbers are compared.
    std::string out = view.pointsDisplay + " spells " + GeneralNumber(r.SpellPointsUsed) + "/" +
                      GeneralNumber(r.MagicPts) + " powers " + GeneralNumber(r.PowerPointsUsed) + "/" + r.Magic.Total +
                      " index " + view.essenceIndexText;
    for (const AttributeRow& row : r.Attr)
      out += " " + row.Base + "+" + row.Racial + "/" + row.Modifier + "=" + row.Total;
    out += " RCT " + r.Reaction.Total + " INI " + r.Initative.Total + " MAG " + r.Magic.Total + " pools " +
           r.Pools.Combat + "," + r.Pools.Control + "," + r.Pools.Magic + "," + r.Pools.Astral + " left " +
           std::to_string(MoneyLeft(r)) + "/" + std::to_string(r.Maxresources) + " skills " +
           std::to_string(r.PtsSkills);
    return out;
  }
};

TEST_F(CharacterLoadingTest, HandWrittenFilesReplayTheirCodesAndKeepWhatTheyStore) {
  const std::string rook =
      "[System]\nGenerator=Priority\n[Character]\nStreetName=Rook\nnorules= 1 \nInitiation= 1 \nGrade= 2 \n"
      "Shapeshift=0\nOnceThru=1\nAttributes= 40 \nMagicPts= 31 \nMaxresources= 10000 \n"
      "[Priorities]\nRace= 2 \nRsel= 4 \nMagic= 0 \nAttributes= 1 \nSkills= 3 \nResources= 4 \nPhysAdMagic= 1 \n"
      "[Attributes]\nBody=5+5/9=19\nQuickness=4+-1/0=3\nStrength=4+4/0=8\nCharisma=2+-2/0=0\n"
      "Intelligence=3+-2/0=1\nWillpower=4+0/0=4\nEssence=2,5\nRunMult=3\nResources=-500\xA5\n"
      "[Edges]\nEdge0=Iron_Will~[2]~IV3-041~+1WIL\nEdge1=Gone~[1]~~+1CHA\n"
      "[Cyberware]\nCyber0=Reflex_Booster~3.00~165000~IV3-301~+2RCT,+2INI!0\n"
      "[Bioware]\nBio0=Toned_Muscle~0.40~20000~IV3-310~B~+1QCK\n"
      "[Powers]\nPower0=Killing_Hands~0.50~~IV3-169~\nPower1=Quick~1.25~+1QCK~IV3-170~\n"
      "[Magic]\nTradition= 1 \nSpell0=Stunbolt~M~S~~~~[05]~IV3-195\nSpell1=Heal~~~~~~[03]~IV3-196\n"
      "[Gear]\nTotalWeight=2.25\nGear0=Knife\n[Description]\nLine0=Owes_a_favour.\n[Contacts]\nContact0=Jax\n";
  Write("rook.iv3", rook);
  Editor& e = *editor_;
  e.SelectPage(kPagePriorities);
  Open(Path("rook.iv3"));
  const CharacterRecord& r = e.Record();
  // Essence is counted again from the installed cyberware (6 - 3.00), whatever the file says.
  EXPECT_EQ(Totals(),
            "22/40 spells 8/31 powers 1.75/5 index 6 5+5/1=11 4+-1/2=5 4+4/0=8 2+-2/1=1 3+-2/0=1 4+0/1=5"
            " RCT 5 INI 3 MAG 5 pools 5,3,3,3 left -500/10000 skills 30");
  EXPECT_EQ(r.Race, "Troll");
  EXPECT_EQ(r.Tradition, 1);
  EXPECT_EQ(r.Edges.size(), 2u);
  EXPECT_EQ(r.Gear, std::vector<std::string>{"Knife"}) << "the file's list brings no divider of its own";
  EXPECT_EQ(r.TotalWeight, 2.25f);
  EXPECT_EQ(e.Gear().View().totalWeight, "2.25") << "the gear page shows the file's weight before it recounts";
  EXPECT_EQ(r.Description, "Owes a favour.\r\n");
  EXPECT_EQ(e.Priorities().View().moneyText, "10000");
  EXPECT_EQ(e.Priorities().View().gradeText, "2");
  EXPECT_EQ(r.Initiation, 1) << "the override option's click keeps the file's initiation";

  // Without a Shapeshift key a character is a shapeshifter. Only a physical adept has powers: a
  // mundane's would vanish on save and leave their codes behind.
  Write("bare.iv3", "[Character]\nStreetName=Bare\n[Powers]\nPower0=Quick~1.25~+1QCK~IV3-170~\n");
  Open(Path("bare.iv3"));
  EXPECT_TRUE(r.Shapeshift);
  EXPECT_TRUE(r.OnceThru);
  EXPECT_TRUE(r.Powers.empty());
  EXPECT_EQ(r.Attr[kQuickness].Modifier, "0");

  // A Body that cyberware's higher ceiling allows is not over it; one past that ceiling is.
  for (const auto& [body, over] : {std::pair{"7", false}, std::pair{"8", true}}) {
    Write("wired.iv3", std::string("[Character]\n[Attributes]\nBody=") + body +
                           "+0/0=7\n[Cyberware]\nCyber0=Bone_Lacing~1.00~9000~IV3-300~+1XOD\n");
    Open(Path("wired.iv3"));
    EXPECT_EQ(e.Creation().attributes.overMaximum[kBody], over) << body;
  }
}

// The skill points are counted with every code in: a power's Strength lowers what a Strength
// skill costs, and an implant's Intelligence raises the knowledge and language points, so none
// of them spills into the active points and the file saves the points it was saved with.
TEST_F(CharacterLoadingTest, SkillPointsCountWithTheCodesOfImplantsAndPowers) {
  Write("wire.iv3",
        "[System]\nGenerator=Priority\n[Character]\nStreetName=Wire\nAdept= 0 \nShapeshift=0\nOnceThru=1\n"
        "CurSkill= 6 \n[Priorities]\nRace= 4 \nMagic= 1 \nAttributes= 2 \nSkills= 0 \nResources= 3 \n"
        "[Attributes]\nStrength=5+0/0=5\nIntelligence=3+0/0=3\n"
        "[Cyberware]\nCyber0=Cranial_Coprocessor~0.40~45000~IV3-202~+1INT!0\n"
        "[Skills]\nSkill0=Law_(KNO)~[6]\nSkill1=Economics_(KNO)~[6]\nSkill2=History_(KNO)~[2]\n"
        "Skill3=English_(LAN)~[6]\nSkill4=Polearms_(STR)~[6]\n"
        "[Powers]\nPower0=Tempered_Strength~0.50~+1STR~IV3-151~\n");
  Open(Path("wire.iv3"));
  const SkillsView& skills = editor_->Skills().View();
  EXPECT_EQ(skills.active.display + " " + skills.knowledge.display + " " + skills.language.display, "6/50 18/20 6/6");
  const std::string saved = editor_->FileText();
  EXPECT_NE(saved.find("CurSkill= 6 \r\n"), std::string::npos);
}

// A hand-edited balance past what 32 bits hold: the purchase pages, the sheet and the save all
// show it held at the bound, and the saved file opens to the same number.
TEST_F(CharacterLoadingTest, ABalancePastThirtyTwoBitsShowsAndSavesOneNumber) {
  Editor& e = *editor_;
  const struct {
    const char *maxresources, *resources, *shown;
  } cases[] = {
      {"2147483647", "4294967295", "2147483647"},
      {"-2147483648", "-4294967295", "-2147483648"},
      {"5000", "-12000", "-12000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.resources);
    Write("rich.iv3", std::string("[Character]\nStreetName=Rich\nnorules= 1 \nMaxresources= ") + c.maxresources +
                          " \n[Attributes]\nResources=" + c.resources +
                          "\xA5\n[Cyberware]\nCyber0=Jack~0.20~1000~IV3-1~!0\n");
    Open(Path("rich.iv3"));
    const std::string shown = std::string(c.shown) + " " + c.shown + " " + c.shown + " " + c.shown + " " + c.shown;
    for (int page : {kPageCyberware, kPageBioware, kPageSpells, kPageGear, kPageContacts}) {
      e.SelectPage(page);
      EXPECT_EQ(e.Cyberware().View().moneyLeft + " " + e.Bioware().View().moneyLeft + " " +
                    e.Spells().View().moneyLeft + " " + e.Gear().View().moneyLeft + " " + e.Contacts().View().moneyLeft,
                shown)
          << page;
    }
    const std::string saved = e.FileText();
    EXPECT_NE(saved.find("\r\nResources=" + std::string(c.shown) + "\xA5\r\n"), std::string::npos) << saved;

    platform_.QueueAnswer("OK");
    e.Sheet().PrintToHtml();
    platform_.QueueAnswer(Path("rich.htm"));
    ASSERT_TRUE(e.Sheet().Print());
    EXPECT_NE(Read("rich.htm").find("<td colspan=2>" + std::string(c.shown) + "&yen;</td></tr>"), std::string::npos);

    Write("saved.iv3", saved);
    Open(Path("saved.iv3"));
    EXPECT_EQ(e.FileText(), saved);
  }
}

// A file cut short anywhere after the name of its first section, as a failed copy leaves it, still
// opens; cut within that name it holds no character and is refused.
TEST_F(CharacterLoadingTest, EveryPrefixOfAGoldenFileOpens) {
  Editor& e = *editor_;
  const size_t named = std::string("[System").size();
  int cut = 0;
  for (const auto& entry : fs::directory_iterator(IVGEN_CHARACTER_FILES)) {
    if (entry.path().extension() != ".iv3") continue;
    const std::string name = entry.path().filename().string();
    const std::string golden = ReadWholeFile(entry.path().string()).value_or("");
    ASSERT_FALSE(golden.empty()) << name;
    for (size_t length = 0; length <= golden.size(); ++length) {
      // A new file each time: rewriting one file makes the file system flush it, which is slow.
      const std::string path = Path("cut" + std::to_string(++cut) + ".iv3");
      std::ofstream(path, std::ios::binary) << golden.substr(0, length);
      Open(path);
      ASSERT_EQ(e.Document().CurrentFile, length >= named ? path : "") << name << " cut at " << length;
    }
  }
}

}  // namespace
}  // namespace ivgen

namespace ivgen {
namespace {

// The file's attribute and spell points hold what "ATR" and "MAG" codes added; the point dialog
// shows those bought, so its next Done neither adds the codes a second time nor drops them, and
// the character saves, opens and saves again to the same bytes.
TEST_F(CharacterLoadingTest, APointsCharacterOpensWithThePointsItBought) {
  Write("gifted.iv3",
        "[System]\nGenerator=Points\n[Character]\nShapeshift=0\nOnceThru=1\nAttributes= 22 \nMagicPts= 31 \n"
        "[PointSys]\nMagic= 0 \nAttributes= 22 \nSkills= 27 \nResourceSel= 1 \n[Edges]\nEdge0=Gifted~[2]~~+2ATR\n"
        "Edge1=Savant~[3]~~+1MAG\n");
  Open(Path("gifted.iv3"));
  Editor& e = *editor_;
  EXPECT_EQ(e.Record().Attributes, 22);
  EXPECT_EQ(e.Record().MagicPts, 31);
  EXPECT_EQ(e.PointGeneration().View().attributePoints, "20");
  e.PointGeneration().Done();
  EXPECT_EQ(e.Record().Attributes, 22);
  EXPECT_EQ(e.Record().MagicPts, 31) << "25 granted, 6 from the code";
  const std::string saved = e.FileText();
  EXPECT_NE(saved.find("\r\nAttributes= 22 \r\nSkills= 27 \r\n"), std::string::npos) << saved;
  Write("saved.iv3", saved);
  Open(Path("saved.iv3"));
  e.PointGeneration().Done();
  EXPECT_EQ(e.FileText(), saved);
}

// An option outside its choices is ignored as the first one; it read as none, which a save left
// out and the next open read as the first: the reopened character differed from the saved one.
TEST_F(CharacterLoadingTest, AnOptionOutsideItsChoicesOpensAsTheFirstAndSavesAsItOpens) {
  for (const char* generation : {"[Priorities]\nRsel= 7 \n",
                                 "[System]\nGenerator=Points\n[PointSys]\nRsel= -2 \n"
                                 "ResourceSel= 9 \n"}) {
    SCOPED_TRACE(generation);
    Write("odd.iv3", std::string("[Character]\nShapeshift=0\n") + generation);
    Open(Path("odd.iv3"));
    EXPECT_EQ(editor_->Record().Rsel + editor_->Record().PtsRsel, 0);
    const std::string saved = editor_->FileText();
    Write("saved.iv3", saved);
    Open(Path("saved.iv3"));
    EXPECT_EQ(editor_->FileText(), saved);
  }
}

}  // namespace
}  // namespace ivgen

namespace ivgen {
namespace {

// Large floats are saved in exponent form and open to the same value; a size past any float is
// held at a bound rather than saved as "inf", which opened as 0.
TEST_F(CharacterLoadingTest, LargeNumbersOpenAsTheyWereSaved) {
  Write("big.iv3",
        "[Character]\nMagicPts= 1.234568E+08 \n[Attributes]\nBody Index=1E999\n[Gear]\nTotalWeight=1.2E+07\n");
  Open(Path("big.iv3"));
  const std::string saved = editor_->FileText();
  for (const char* line : {"MagicPts= 1.234568E+08 \r\n", "Body Index=9999999827968.00\r\n", "TotalWeight=1.2E+07\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
  Write("saved.iv3", saved);
  Open(Path("saved.iv3"));
  EXPECT_EQ(editor_->FileText(), saved);
}

}  // namespace
}  // namespace ivgen
