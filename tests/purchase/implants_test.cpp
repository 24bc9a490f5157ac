// Cyberware and bioware bought, refused and removed; the implants scenario follows a whole
// samurai, so here are the prices, limits and refunds it does not reach.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/line_syntax.h"
#include "purchase/bioware.h"
#include "purchase/cyberware.h"
#include "record/entries.h"
#include "rules/rules_fixture.h"

namespace ivgen {
namespace {

const std::string kIllegal =
    "message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK";
const std::string kNoEssence = "message [Ironveil Character Generator] (OK) Insufficient nuyen or Essence -> OK";
const std::string kNoBioIndex = "message [Ironveil Character Generator] (OK) Insufficient nuyen or Bio-index -> OK";

class ImplantsTest : public RulesTest {
 protected:
  ImplantsTest() {
    books.allowed = {"Core\tIV3"};
    record.Maxresources = 1000000;
  }

  // Adds a catalog item under one category and returns its node: cyberware fields are name,
  // Essence, price, book, codes, street index, note, capacity and group; bioware fields name,
  // Bio-index, price, book, type code, codes and note.
  static int Item(CatalogTree& tree, std::vector<std::string> fields) {
    if (tree.empty()) tree.push_back({TreeEntry({"Category", "", "", "IV3-1"}), 1});
    tree.push_back({TreeEntry(fields), 2});
    return static_cast<int>(tree.size()) - 1;
  }
  int Cyber(std::vector<std::string> fields) { return Item(catalogs.cyberware, std::move(fields)); }
  int Bio(std::vector<std::string> fields) { return Item(catalogs.bioware, std::move(fields)); }

  bool BuyCyber(int node, int grade = kGradeStandard, bool used = false) {
    SelectCyberGrade(ctx, cyber, grade);
    SetCyberUsed(ctx, cyber, used);
    ShowCyberwareItem(ctx, cyber, node);
    return BuyCyberware(ctx, cyber, books);
  }
  bool RemoveCyber(int index) {
    SelectInstalledCyberware(ctx, cyber, index);
    return RemoveCyberware(ctx, cyber);
  }
  bool BuyBio(int node, int type = kTypeStandard) {
    SelectBiowareType(ctx, bio, type);
    ShowBiowareItem(ctx, bio, node);
    return BuyBioware(ctx, bio, books);
  }
  bool RemoveBio(int index) {
    SelectInstalledBioware(ctx, bio, index);
    return RemoveBioware(ctx, bio);
  }

  BookLists books;
  CyberwareView cyber;
  BiowareView bio;
};

// Halves round to even; a price of 0 shows as an empty box.
TEST_F(ImplantsTest, CyberGradesAndUsedSetPriceEssenceAndEntry) {
  const struct {
    const char *essence, *price;
    int grade;
    bool used;
    const char* shown;  // calculated price, modified Essence, Essence left
    const char* entry;
  } cases[] = {
      {"0.5", "1001", kGradeDelta, true, "4,004 0.25 5.75", "Jack(D)-used\t0.25\t4004\tIV3-5\t\t2\tnote\t\t!3"},
      {"0.25", "5", kGradeStandard, true, "2 0.25 5.75", "Jack-used\t0.25\t2\tIV3-5\t\t2\tnote\t\t!0"},
      {"0.25", "1500", kGradeBeta, false, "6,000 0.15 5.85", "Jack(B)\t0.15\t6000\tIV3-5\t\t2\tnote\t\t!2"},
      {"0.1", "0", kGradeStandard, false, " 0.10 5.90", "Jack\t0.10\t0\tIV3-5\t\t2\tnote\t\t!0"},
  };
  for (const auto& c : cases) {
    catalogs.cyberware.clear();
    record.Cyberware.clear();
    record.NuyenSpent = 0;
    ASSERT_TRUE(BuyCyber(Cyber({"Jack", c.essence, c.price, "IV3-5", "", "2", "note", "", ""}), c.grade, c.used));
    EXPECT_EQ(cyber.calculatedPrice + " " + cyber.modifiedEssence + " " + cyber.essence, c.shown);
    EXPECT_EQ(cyber.notes, "IV3-5note");
    EXPECT_EQ(record.Cyberware, std::vector<std::string>{c.entry});
    EXPECT_EQ(cyber.moneyLeft, std::to_string(1000000 - record.NuyenSpent));
    EXPECT_EQ(record.NuyenSpent, std::stoi(TabField(c.entry, 2)));
    // Choosing the entry shows its grade again.
    SelectCyberGrade(ctx, cyber, kGradeStandard);
    SelectInstalledCyberware(ctx, cyber, 0);
    EXPECT_EQ(cyber.grade, c.grade);
    EXPECT_EQ(cyber.essenceCost + " " + cyber.basePrice + cyber.calculatedPrice,
              TabField(c.entry, 1) + " " + TabField(c.entry, 2));
  }
  EXPECT_TRUE(platform.Log().empty());
}

// Essence exactly equal to the cost is enough, and leaves nothing.
TEST_F(ImplantsTest, CyberRefusalsChangeNothing) {
  const int half = Cyber({"Spur", "0.5", "1000", "iv3-9", "", "3", "", "", ""});
  const int other = Cyber({"Relic", "0.1", "10", "XX-2", "", "3", "", "", ""});
  ASSERT_TRUE(BuyCyber(Cyber({"Frame", "5.50", "1000", "IV3-9", "+1BOD", "3", "", "", ""})));
  ASSERT_TRUE(BuyCyber(half));
  EXPECT_EQ(cyber.essence + " " + record.EssenceText, "0.00 0");
  platform.ClearLog();
  const CharacterRecord before = record;
  const std::pair<int, const std::string*> cases[] = {
      {other, &kIllegal}, {half, &kNoEssence}, {0, nullptr}, {-1, nullptr}};
  for (const auto& [node, message] : cases) {
    EXPECT_FALSE(BuyCyber(node)) << node;
    EXPECT_EQ(platform.Log(), message ? std::vector<std::string>{*message} : std::vector<std::string>{});
    EXPECT_EQ(record.Cyberware, before.Cyberware);
    EXPECT_EQ(record.NuyenSpent, before.NuyenSpent);
    EXPECT_EQ(record.Attr[0].Total, before.Attr[0].Total);
    platform.ClearLog();
  }
  // Money short with Essence to spare.
  RemoveCyber(1);
  record.Maxresources = record.NuyenSpent + 999;
  EXPECT_FALSE(BuyCyber(half));
  EXPECT_EQ(platform.Log(), std::vector<std::string>{kNoEssence});
}

// The ear accessory has no capacity of its own group to fall into; without the capacity item
// every accessory costs in full; a shapeshifter keeps the Essence of 8 the race page gave it.
TEST_F(ImplantsTest, CapacityCoversAccessoriesOfItsGroup) {
  const int eyes = Cyber({"Eyes", "0.2", "100", "IV3-1", "", "1", "", "0.50", "E"});
  const int lens = Cyber({"Lens", "0.2", "100", "IV3-1", "", "1", "", "", "E"});
  const int ear = Cyber({"Ear filter", "0.1", "100", "IV3-1", "", "1", "", "", "R"});
  std::string essence;
  for (int node : {eyes, lens, lens, lens, ear}) {
    BuyCyber(node);
    essence += cyber.essence + " ";
  }
  EXPECT_EQ(essence, "5.80 5.80 5.80 5.70 5.60 ");
  RemoveCyber(0);
  EXPECT_EQ(cyber.essence + " " + record.EssenceText, "5.30 5.3");
  record.Shapeshift = record.OnceThru = true;
  RecountCyberwareEssence(ctx, cyber);
  EXPECT_EQ(cyber.essence, "7.30");
}

TEST_F(ImplantsTest, OverrideLimitsTakesEssenceButNoNuyenAndRemovalRefunds) {
  const std::string strength = record.Attr[2].Total, reaction = record.Reaction.Total;
  record.norules = 1;
  record.Maxresources = 0;
  ASSERT_TRUE(BuyCyber(Cyber({"Wired", "2.00", "55000", "IV3-8", "+2RCT,+1INI,+1STR", "4", "", "", ""})));
  EXPECT_EQ(std::to_string(record.NuyenSpent) + " " + cyber.essence + " " + record.Attr[2].Total + " " +
                record.Initative.Total,
            "0 4.00 2 2");
  record.norules = 0;
  ASSERT_TRUE(RemoveCyber(0));
  EXPECT_EQ(std::to_string(record.NuyenSpent) + " " + cyber.moneyLeft + " " + cyber.essence, "-55000 55000 6.00");
  EXPECT_EQ(record.Attr[2].Total + record.Reaction.Total + record.Initative.Total, strength + reaction + "1");
  EXPECT_FALSE(cyber.removeEnabled || RemoveCyberware(ctx, cyber));
}

// The limbs view shows Strength and Quickness 4 and puts back what it saved, once; nothing stale
// comes back, not after a change, not into a new character.
TEST_F(ImplantsTest, LimbsViewPutsBackWhatItSavedOnce) {
  const int arms = Cyber({"Cyber Arms", "2", "50000", "IV3-13", "", "3", "", "", ""});
  const int legs = Cyber({"Cyber Legs", "2", "45000", "IV3-13", "", "3", "", "", ""});
  record.Attr[2].Base = "3";
  record.Attr[1].Base = "5";
  BuyCyber(arms);
  EXPECT_TRUE(cyber.limbsFrameVisible);
  ShowCyberLimbsView(ctx, cyber);
  ShowCyberLimbsView(ctx, cyber);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base + " " + record.Attr[2].Total, "45 4");
  ShowStandardView(ctx, cyber);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "35");
  record.Attr[2].Base = "6";
  ShowStandardView(ctx, cyber);
  BuyCyber(legs);
  ShowCyberLimbsView(ctx, cyber);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "44");
  ResetRecordFields(record, "");
  ResetCyberware(ctx, cyber);
  EXPECT_EQ(record.Attr[2].Base + record.Attr[1].Base, "11");
  EXPECT_FALSE(cyber.limbsFrameVisible || cyber.limbsView);
}

// Used is six tenths of the price, rounded; an item grown cultured is bought as listed whatever
// is chosen; a missing price is 0. Removal refunds what was paid and takes the modifiers back.
TEST_F(ImplantsTest, BioTypesSetPriceBioIndexAndEntry) {
  const struct {
    const char *bioIndex, *price, *kind;
    int type;
    const char* shown;  // base price, Bio-index cost, calculated price
    const char* entry;
    int shownType;  // the type option when the entry is chosen
  } cases[] = {
      {"0.25", "1245", "", kTypeUsed, "1245 0.25 747", "usd Gland\t0.25\t747\tIV3-7\tu\t+1RIL\tnote", kTypeUsed},
      {"0.3", "80000", "c", kTypeUsed, "80000 0.30 80,000", "Gland\t0.30\t80000\tIV3-7\tc\t+1RIL\tnote", kTypeCultured},
      {"0.35", "", "", kTypeCultured, "0 0.26 ", "Cul.Gland\t0.26\t0\tIV3-7\tc\t+1RIL\tnote", kTypeCultured},
  };
  for (const auto& c : cases) {
    catalogs.bioware.clear();
    ResetRecordFields(record, "");
    ASSERT_TRUE(BuyBio(Bio({"Gland", c.bioIndex, c.price, "IV3-7", c.kind, "+1RIL", "note"}), c.type)) << c.entry;
    EXPECT_EQ(bio.basePrice + " " + bio.bioIndexCost + " " + bio.calculatedPrice, c.shown);
    EXPECT_EQ(record.Bioware, std::vector<std::string>{c.entry});
    EXPECT_EQ(record.NuyenSpent, std::stoi(TabField(c.entry, 2)));
    EXPECT_EQ(record.Attr[5].Total, "2");
    ASSERT_TRUE(RemoveBio(0));
    EXPECT_EQ(bio.type, c.shownType);
    EXPECT_EQ(std::to_string(record.NuyenSpent) + " " + record.Attr[5].Total + " " + bio.bioIndex, "0 1 0.00");
  }
  EXPECT_TRUE(platform.Log().empty());
}

// Only the item's own Bio-index is held against Essence, not the Bio-index total.
TEST_F(ImplantsTest, BioRefusalsChangeNothing) {
  const int small = Bio({"Small", "0.6", "100", "IV3-1", "", "", ""});
  const int banned = Bio({"Banned", "0.1", "100", "XX-1", "", "", ""});
  ASSERT_TRUE(BuyBio(Bio({"Big", "5.50", "100", "IV3-1", "", "", ""})));
  ASSERT_TRUE(BuyBio(small));
  record.Essence = 0.5;
  platform.ClearLog();
  const std::pair<int, const std::string*> cases[] = {{banned, &kIllegal}, {small, &kNoBioIndex}, {0, nullptr}};
  for (const auto& [node, message] : cases) {
    EXPECT_FALSE(BuyBio(node));
    EXPECT_EQ(platform.Log(), message ? std::vector<std::string>{*message} : std::vector<std::string>{});
    EXPECT_EQ(record.Bioware.size(), 2u);
    EXPECT_EQ(record.NuyenSpent, 200);
    platform.ClearLog();
  }
  record.Essence = 6;
  record.Maxresources = 299;
  EXPECT_FALSE(BuyBio(small));
  record.norules = 1;
  EXPECT_TRUE(BuyBio(small));
  EXPECT_EQ(record.NuyenSpent, 200);
}

// Copies of the note left by an older file collapse to one, and all go once the bioware is back
// in bounds.
TEST_F(ImplantsTest, ExcessiveBiowareWarnsWithOneNote) {
  const int heavy = Bio({"Heavy", "8.99", "1", "IV3-1", "", "", ""});
  const int trace = Bio({"Trace", "0.01", "1", "IV3-1", "", "", ""});
  record.RaceDesc = {"Low-light vision"};
  record.norules = 1;
  BuyBio(heavy);
  EXPECT_EQ(bio.bioIndex + " " + bio.essenceIndex, "8.99 9");
  EXPECT_FALSE(bio.excessiveWarning);
  BuyBio(trace);
  EXPECT_EQ(bio.bioIndex, "9.00");
  EXPECT_TRUE(bio.excessiveWarning);
  for (int i = 0; i < 3; ++i) RecountBioIndex(ctx, bio);
  EXPECT_EQ(record.RaceDesc, (std::vector<std::string>{"Low-light vision", kExcessBiowareNote}));
  record.RaceDesc.push_back(kExcessBiowareNote);
  RecountBioIndex(ctx, bio);
  EXPECT_EQ(std::count(record.RaceDesc.begin(), record.RaceDesc.end(), kExcessBiowareNote), 1);
  record.RaceDesc.push_back(kExcessBiowareNote);
  RemoveBio(1);
  EXPECT_EQ(record.RaceDesc, std::vector<std::string>{"Low-light vision"});
  EXPECT_FALSE(bio.excessiveWarning);
}

}  // namespace
}  // namespace ivgen
