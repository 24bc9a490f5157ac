// The character sheet, byte for byte: whole sheets of finished characters against sheets written
// by hand, the cases a player would notice on a printed sheet, the money a print leaves and a
// failed write that leaves the character as it was (the prompts are the sheet unit's and the print
// scenario's).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalog/gear_catalog.h"
#include "catalog/range_catalog.h"
#include "record/entries.h"
#include "record/money.h"
#include "record/text_file.h"
#include "rules/rules_fixture.h"
#include "sheet/print_sheet.h"
#include "sheet/sheet_frame.h"
#include "sheet/sheet_gear.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using PrintSheetTest = RulesTest;

// A gear entry as a purchase stores it: the name in a 30-character column, the count when more
// than one, two blanks for accessories and mounts, then the type and its values.
std::string Gear(const std::string& name, int count, int type, const std::vector<std::string>& values) {
  std::string entry = name + std::string(name.size() < 30 ? 30 - name.size() : 0, ' ');
  if (count > 1) entry += "[" + std::to_string(count) + "]";
  if (type == 5 || type == 6) entry += "  ";
  entry += "\t" + std::to_string(type) + "|";
  for (const std::string& value : values) entry += value + "|";
  return entry;
}

// The identity texts in the order the BioInfo page shows them.
void SetIdentity(CharacterRecord& r, const std::vector<std::string>& texts) {
  std::string CharacterRecord::*const keys[] = {
      &CharacterRecord::StreetName, &CharacterRecord::RealName,   &CharacterRecord::Archetype,
      &CharacterRecord::Race,       &CharacterRecord::Gender,     &CharacterRecord::Height,
      &CharacterRecord::Weight,     &CharacterRecord::Eyes,       &CharacterRecord::Hair,
      &CharacterRecord::Birthdate,  &CharacterRecord::Birthplace, &CharacterRecord::KarmaTotal,
      &CharacterRecord::KarmaRemain};
  for (size_t i = 0; i < texts.size(); ++i) r.*keys[i] = texts[i];
}

// The six attribute rows, each "base racial modifier bio-modifier total", separated by commas.
void SetAttributes(CharacterRecord& record, std::string rows) {
  std::replace(rows.begin(), rows.end(), ',', ' ');
  std::istringstream in(rows);
  for (AttributeRow& r : record.Attr) in >> r.Base >> r.Racial >> r.Modifier >> r.BioModifier >> r.Total;
}

// Weapons of every kind on both sides of the divider, armour over bone lacing, implants,
// lifestyles, gear and contacts.
void MakeStreetSamurai(CharacterRecord& r) {
  SetIdentity(r, {"Razor", "Tomas Reyes", "Street Samurai", "Ork", "Male", "191", "104", "Grey", "Black", "2031-04-02",
                  "Port Halden", "12", "3"});
  r.Description = "Ex-corporate guard.\r\nWorks for cash, not causes.";
  r.RaceDesc = {"Ork", "Low-light vision"};
  r.GraphicsFilename = "razor.jpg";
  r.Maxresources = 400000;
  r.NuyenSpent = 398995;
  SetAttributes(r, "5 3 1 0 9, 5 0 2 0 7, 4 2 0 1 7, 2 -1 0 0 1, 4 -1 0 0 3, 4 0 0 0 4");
  r.EssenceText = "1.45";
  r.Reaction = {"5", "4", "9"};
  r.Initative = {"1", "2", "3"};
  r.Pools = {"2", "7", "5", "", "0", "0", "Dodge", "", "3", ""};
  r.ImpactBonus = 2;
  r.BallisticBonus = 1;
  r.Edges = {"Hardy Frame\t[2]\t\t+1BOD", "Bad Reputation\t[-2]\tIV3-24\tKnown to every fixer in the district.",
             "Night Blindness[]"};
  r.Skills = {"Firearms (QCK)\t[5]",           "Gang Territories (KNO)\t[3]", "Edged Weapons (STR)/Machete\t[4/6]",
              "Corporate Security (KNO)\t[2]", "Cantonese (LAN)\t[2]",        "Athletics (BOD)\t[3]",
              "Street Slang (LAN)\t[3]",       "Firearm Design (KNO)\t[2]"};
  r.Gear = {Gear("Survival Knife", 1, 1, {"7", "0", "(STR+1)L", "0.6", "1", "90", "IV3-262"}),
            Gear("Heavy Crossbow", 1, 2, {"2", "0", "6S", "2", "2", "700", "IV3-266"}),
            Gear("Brannock Shotgun", 1, 3, {"6", "10(m)", "SA", "8S", "3", "0", "2", "700", "IV3-270"}),
            Gear("Gyro Mount", 1, 6, {"Under", "2", "4", "3", "3", "2500", "IV3-281"}),
            Gear("Assault Cannon", 1, 4, {"2", "20(c)", "SS", "16D", "18", "0", "10", "8000", "IV3-292"}),
            Gear("Lifestyle: Low", 1, 25, {"1 month", "1000", "IV3-289"}),
            Gear("Pocket Secretary", 1, 9, {"1", "8", "0.5", "1", "1200", "IV3-285"}),
            Gear("Armored Coat", 1, 8, {"6", "5", "3", "4", "2", "1000", "IV3-275"}),
            std::string(kGearDivider),
            Gear("Combat Knife", 1, 1, {"8", "0", "(STR)L", "0.5", "1", "60", "IV3-262"}),
            Gear("Throwing Star", 5, 2, {"8", "0", "(STR)L", "0.1", "1", "30", "IV3-266"}),
            Gear("Vashon Heavy Pistol", 1, 3, {"5", "12(c)", "SA", "9M", "1.5", "0", "2", "550", "IV3-268"}),
            Gear("Laser Sight", 1, 5, {"Top", "0", "+1 TN", "0.2", "1", "500", "IV3-281"}),
            Gear("Grenade Launcher", 1, 4, {"3", "6(m)", "SS", "10S", "7", "0", "4", "3000", "IV3-290"}),
            Gear("Lined Jacket", 1, 8, {"7", "4", "2", "2", "1", "900", "IV3-275"}),
            Gear("Rope (50 m)", 1, 14, {"4", "2", "1", "50", "IV3-286"}),
            Gear("Lifestyle: Middle", 1, 25, {"1 month", "5000", "IV3-289"}),
            Gear("Regular Rounds", 10, 7, {"As weapon", "8", "0.25", "1", "20", "IV3-277"})};
  r.TotalWeight = 7.25f;
  r.Cyberware = {"Wired Reflexes 1\t2.00\t55000\tIV3-301\t+1RCT\t4\tReflex boost\t\t!0",
                 "Bone Lacing (Plastic)\t0.50\t7500\tIV3-299\t+1BOD\t4\tImpact armour\t\t!1"};
  r.Bioware = {"Muscle Toner 2\t0.80\t25000\tIV3-312\tS\t+2QCK\tTones fast-twitch fibres"};
  r.Contacts = {
      "Mama Lu\tFixer\tBar owner\tThe Rusty Hook\t555-0142\t2\tHuman, sixties, sharp\tKnew my father\t10000\t\t\t",
      "Kell\tCop\tHarbour police\tPier 9\t\t1\tDwarf\t\t0\t\t\t"};
}

// The animal form beside the human attributes; only the divider in the gear list.
void MakeShapeshifter(CharacterRecord& r) {
  SetIdentity(
      r, {"Greyfang", "Ines Marrow", "Shapeshifter", "Human", "Female", "", "61", "Amber", "Grey", "", "", "", ""});
  r.RaceDesc = {"Wolf form", ""};
  r.Shapeshift = true;
  SetAttributes(r, "3 0 0 0 3, 4 0 0 0 4, 3 0 0 0 3, 3 0 0 1 4, 4 0 0 0 4, 5 0 0 0 5");
  r.EssenceText = "8";
  r.Reaction = {"4", "0", "4"};
  r.Animal.Attr = {{{"4", "2", "6"}, {"5", "3", "8"}, {"4", "2", "6"}}};
  r.Animal.RunMult = "5";
  r.Animal.Reaction = {"6", "1", "7"};
  r.Animal.Initative = {"1", "1", "2"};
  r.Pools = {"1", "6", "4", "", "0", "0", "", "", "", ""};
}

// Spells, one of them cut short, and an empty powers section; carried magical supplies.
void MakeMagician(CharacterRecord& r) {
  SetIdentity(r, {"Sable", "Mira Osei", "Hermetic Mage", "Elf", "Female", "178", "58", "Green", "Silver", "2033-11-19",
                  "Lantern Quay", "", ""});
  r.Description = "Keeps her library in a storage unit.";
  r.RaceDesc = {"Elf", "Low-light vision"};
  r.PriMagic = 0;
  r.Maxresources = 90000;
  r.NuyenSpent = 88750;
  SetAttributes(r, "2 0 0 0 2, 4 1 0 0 5, 2 0 0 0 2, 4 2 0 0 6, 6 0 0 0 6, 6 0 0 0 6");
  r.Magic = {"6", "0", "6"};
  r.Reaction = {"5", "0", "5"};
  r.Pools = {"1", "8", "5", "", "6", "9", "", "Spirit", "", "2"};
  r.Skills = {"Sorcery (WIL)\t[6]", "Magical Theory (KNO)\t[5]", "Conjuring (WIL)\t[4]", "Sperethiel (LAN)\t[3]"};
  r.Spells = {"Manabolt\tM\tWIL\tI\tLOS\t(F/2)S\t[03]\tIV3-184", "Heal\tM\t10-Ess\tP\tTouch\t(Dmg)\t[02]\tIV3-191",
              "Light Veil\tP\t4"};
  r.Gear = {std::string(kGearDivider), Gear("Hermetic Library", 1, 13, {"4", "2", "1", "4000", "IV3-190"}),
            Gear("Power Focus", 1, 13, {"1", "0.5", "2", "25000", "IV3-192"}),
            Gear("Ritual Candles", 6, 13, {"", "0.1", "1", "30", "IV3-190"}),
            Gear("Spirit Chalk", 1, 13, {"", "0.2", "1", "20", "IV3-190"})};
  r.TotalWeight = 2.8f;
  r.Contacts = {"Old Wren\tTalismonger\tShop keeper\tMarket Row\t555-0199\t1\tHuman\t\t0\t\t\t"};
}

// Powers, a ghoul-style flaw without a TAB, an empty cyberware section, three items left behind.
void MakeAdept(CharacterRecord& r) {
  SetIdentity(r, {"Quill", "", "Physical Adept", "Dwarf", "Male", "131", "70", "Brown", "Red", "", "", "5", "5"});
  r.Adept = 0;
  r.Maxresources = 50000;
  r.NuyenSpent = 49680;
  SetAttributes(r, "4 1 0 0 5, 6 0 0 0 6, 3 2 0 0 5, 2 0 0 0 2, 4 0 0 0 4, 5 1 0 0 6");
  r.RunMult = "2";
  r.Magic = {"6", "0", "6"};
  r.Reaction = {"7", "2", "9"};
  r.Initative = {"1", "2", "3"};
  r.Pools = {"", "8", "5", "", "0", "0", "", "", "", ""};
  r.Edges = {"Quick Mender\t[2]\t\tHeals at twice the normal rate.", "Blind []"};
  r.Skills = {"Unarmed Combat (BOD)\t[6]"};
  r.Powers = {"Improved Reflexes[2]\t3.00\t+2RCT\tIV3-169\tAdds reaction and dice", "Killing Hands\t0.50\t\tIV3-170\t",
              "Pain Resistance[3]\t1.50\t\tIV3-171\tIgnore & endure"};
  r.Gear = {Gear("Toolkit", 1, 20, {"", "5", "1", "500", "IV3-288"}),
            Gear("Climbing Gear", 1, 14, {"3", "4", "1", "200", "IV3-286"}),
            Gear("Respirator", 1, 14, {"7", "0.5", "1", "250", "IV3-286"}), std::string(kGearDivider)};
}

class SheetTest : public RulesTest {
 protected:
  SheetTest() {
    catalogs.gear = LoadGear(IVGEN_TEST_DATA).value();
    catalogs.RangeTable = LoadRanges(IVGEN_TEST_DATA).value();
  }

  static std::string Golden(const std::string& name) {
    return ReadWholeFile(std::string(IVGEN_TEST_DATA) + "/" + name).value_or("(missing " + name + ")");
  }

  PrintOptions options;
};

TEST_F(SheetTest, WholeSheets) {
  struct Case {
    const char* golden;
    void (*make)(CharacterRecord&);
    std::vector<int> sections;
    bool picture;
  };
  const Case cases[] = {
      {"new_character.htm", [](CharacterRecord&) {}, {}, false},
      {"street_samurai.htm", MakeStreetSamurai, {kPrintCyberware, kPrintBioware}, true},
      {"shapeshifter.htm", MakeShapeshifter, {}, false},
      {"magician.htm", MakeMagician, {kPrintSpells, kPrintPhysAdept, kPrintVehicles, kPrintDecks}, false},
      {"adept.htm", MakeAdept, {kPrintPhysAdept, kPrintCyberware, kPrintUndefined}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    CharacterRecord character = record;
    c.make(character);
    PrintOptions chosen;
    chosen.printPicture = c.picture;
    for (int section : c.sections) chosen.sections[section] = true;
    EXPECT_EQ(Golden(c.golden), WriteSheet(character, catalogs, chosen, character.StreetName));
  }
}

// Lifestyles print two to a row: two rows always, then a row for each pair begun past the fourth
// (an even count past four still begins one more, empty row); the list holds 101 at most.
TEST_F(SheetTest, LifestyleRows) {
  const std::string empty = "<tr><th colspan=2>&nbsp;</th>\r\n<td colspan=2>&nbsp;</td></tr>\r\n";
  auto named = [](int n) {
    const std::string name = "Lifestyle " + std::to_string(n);
    return "<tr><th colspan=2>" + name + std::string(30 - name.size(), ' ') +
           "</th>\r\n<td colspan=2>&nbsp;</td></tr>\r\n";
  };
  const std::tuple<int, size_t, std::string> cases[] = {
      {0, 2, empty}, {5, 3, named(4)}, {6, 4, empty}, {103, 51, named(100)}};
  for (const auto& [lifestyles, rows, lastRow] : cases) {
    CharacterRecord character = record;
    for (int i = 0; i < lifestyles; ++i) {
      character.Gear.push_back(Gear("Lifestyle " + std::to_string(i), 1, 25, {"1 month", "1000", "IV3-289"}));
    }
    SheetText out;
    WriteAssetsBlock(out, character);
    const std::string block = out.Bytes().substr(out.Bytes().find("<tr><th class=h2 colspan=4>Lifestyle</th></tr>"));
    size_t count = 0;
    for (size_t at = block.find("<tr><th colspan=2>"); at != std::string::npos;
         at = block.find("<tr><th colspan=2>", at + 1)) {
      ++count;
    }
    EXPECT_EQ(count, rows) << lifestyles;
    EXPECT_NE(block.rfind(lastRow), std::string::npos) << block;
  }
}

// Texts a player types or a catalog holds show as text; a cut to width never splits an entity.
TEST_F(SheetTest, ValuesAreEscaped) {
  CharacterRecord character = record;
  character.StreetName = "<script>";
  character.GraphicsFilename = "my \"best\" side.gif";
  character.Edges = {"Loud & Proud\t[1]\t\t"};
  const std::string ampAt29 = std::string(29, 'A') + "&";
  const std::string ampAt30 = std::string(30, 'B') + "&";
  character.Gear = {Gear(ampAt29, 1, 8, {"6", "5", "3", "4", "2", "1000", "IV3-275"}),
                    Gear(ampAt30, 1, 8, {"6", "5", "3", "4", "2", "1000", "IV3-275"})};
  options.printPicture = true;
  const std::string sheet = WriteSheet(character, catalogs, options, character.StreetName);
  for (const std::string& expected : std::vector<std::string>{
           "<title>&lt;script&gt; Ironveil 3 Character Sheet</title>", "<td colspan=2>&lt;script&gt;</td></tr>",
           "<tr><img src=\"my &quot;best&quot; side.gif\" border=\" 4 \" width=\" 180 \" height=\" 220 \"></tr>",
           "<tr><td class=l>Loud &amp; Proud</td>", "<tr><td class=l>" + std::string(29, 'A') + "&amp;</td>",
           "<tr><td class=l>" + std::string(30, 'B') + "</td>"}) {
    EXPECT_NE(sheet.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(sheet.find("<script>"), std::string::npos);
}

// A range row whose name is blank matches every firearm; the last matching row wins.
TEST_F(SheetTest, BlankRangeRowMatchesEveryFirearm) {
  CharacterRecord character = record;
  character.Gear = {std::string(kGearDivider),
                    Gear("Vashon Heavy Pistol", 1, 3, {"5", "12(c)", "SA", "9M", "1.5", "0", "2", "550", "IV3-268"})};
  Catalogs withBlank = catalogs;
  SheetText before;
  WriteWeaponsSection(before, character, withBlank);
  EXPECT_NE(before.Bytes().find("<td>6</td>\r\n<td>20</td>\r\n<td>40</td>\r\n<td>60</td>"), std::string::npos);
  withBlank.RangeTable.push_back({"          ", 1, 2, 3, 4});
  SheetText after;
  WriteWeaponsSection(after, character, withBlank);
  EXPECT_NE(after.Bytes().find("<td>1</td>\r\n<td>2</td>\r\n<td>3</td>\r\n<td>4</td>"), std::string::npos);
}

// Money left becomes the smallest whole number not below a tenth of it, plus 300 per pip.
TEST_F(PrintSheetTest, FinalizationCutsTheMoneyAndAddsACashRoll) {
  // Money granted and spent, Override Limits, the die's value, and the money left after; overspent
  // by 9, a tenth is -0.9, so 0 is left before the roll.
  struct Case {
    int32_t granted, spent;
    int16_t norules;
    double random;
    int32_t leftAfter;
  };
  const Case cases[] = {
      {2005, 1000, 0, 0.5, 101 + 300 * 4},
      {1000, 1000, 0, 0.0, 300},
      {0, 9, 0, 0.99, 1800},
      {2005, 1000, 1, 0.5, 1005},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spent);
    record.Maxresources = c.granted;
    record.NuyenSpent = c.spent;
    record.norules = c.norules;
    record.OnceThru = false;
    if (c.norules == 0) platform.QueueRandom(c.random);
    const Finalization done = FinalizeCharacter(record, platform);
    EXPECT_EQ(MoneyLeft(record), c.leftAfter);
    EXPECT_EQ(record.OnceThru, c.norules == 0);
    UndoFinalization(record, done);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_FALSE(record.OnceThru);
  }
}

// A print that cannot write its file leaves the character as it was.
TEST_F(PrintSheetTest, AFailedPrintChangesNothing) {
  const std::filesystem::path folder = test_support::FreshFolder("sheet");
  record.Maxresources = 2005;
  record.NuyenSpent = 1000;
  PrintOptions options;

  const std::string missing = (folder / "gone" / "razor.htm").string();
  EXPECT_FALSE(PrintSheet(record, catalogs, options, "Razor", missing, platform));
  EXPECT_EQ(record.NuyenSpent, 1000);
  EXPECT_FALSE(record.OnceThru);
  EXPECT_EQ(record.GraphicsFilename, "");
  EXPECT_EQ(platform.Log().back(),
            "message [Ironveil Character Generator] (warning, OK) The character sheet was not written.\\r\\nCould "
            "not write " +
                missing + ": No such file or directory -> OK");
  EXPECT_FALSE(std::filesystem::exists(missing));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ivgen

namespace ivgen {
namespace {

// A player may remove the carried-gear divider; the first entry was then skipped as if it were one.
TEST_F(SheetTest, GearWithoutTheDividerIsAllCarried) {
  CharacterRecord character = record;
  character.Gear = {Gear("Toolkit", 1, 20, {"", "5", "1", "500", "IV3-288"}),
                    Gear("Respirator", 1, 14, {"7", "0.5", "1", "250", "IV3-286"})};
  const std::string sheet = WriteSheet(character, catalogs, options, character.StreetName);
  EXPECT_NE(sheet.find("Toolkit                       @IV3-288"), std::string::npos);
  EXPECT_NE(sheet.find("Respirator                    @IV3-286"), std::string::npos);
}

}  // namespace
}  // namespace ivgen
