// Gear, contacts and implants bought, refused, updated and refunded; the scenarios follow a whole
// shopping trip and a whole samurai, so here are the counts, prices, limits and refusals they do
// not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalog/line_syntax.h"
#include "purchase/bioware.h"
#include "purchase/contacts.h"
#include "purchase/cyberware.h"
#include "purchase/gear.h"
#include "purchase/list_rows.h"
#include "record/entries.h"
#include "record/money.h"
#include "record/values.h"
#include "rules/rules_fixture.h"
#include "support/joined.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

// A new character with 10,000 nuyen, a few gear types as gear.dat would define them, and the
// sourcebook IV3 allowed.
class PurchaseTest : public RulesTest {
 protected:
  PurchaseTest() {
    record.Maxresources = 10000;
    DefineType(1, {"Concealability", "Weight", "$Cost", "Book-Page"});
    DefineType(3, {"Ammunition", "Weight", "$Cost", "Book-Page"});
    DefineType(5, {"Mount", "Weight", "$Cost", "Book-Page"});
    DefineType(6, {"Mount", "Weight", "$Cost", "Book-Page"});
    DefineType(16, {"Level", "$Cost", "Book-Page"});
    books.allowed = {"Core Rules\tIV3"};
    books.notAllowed = {"Grey Lanes\tGL"};
  }

  void DefineType(int number, std::vector<std::string> names) {
    GearType& type = catalogs.gear.types[static_cast<size_t>(number)];
    type.fieldCount = static_cast<int>(names.size());
    type.fieldNames = {""};
    for (std::string& name : names) {
      if (name[0] == '$') {
        type.priceField = static_cast<int>(type.fieldNames.size()) - 1;
        name.erase(0, 1);
      }
      type.fieldNames.push_back(name);
    }
  }

  /// Offers one shop item, as ShowGearGroup lists it, chosen in the shop list.
  void Offer(const std::string& name, const std::string& data) {
    view.shopItems = {name + std::string(kGearNameWidth - name.size(), ' ') + "\t" + data};
    ShowGearItem(ctx, view, books, 0);
  }

  bool Buy(const std::string& name, const std::string& data, const std::string& count = "1") {
    Offer(name, data);
    SetGearCount(view, count);
    return BuyGear(ctx, view);
  }

  BookLists books;
  GearView view;
  ContactsView contacts;
};

using GearTest = PurchaseTest;
using ContactsTest = PurchaseTest;
using test_support::Joined;

const std::string kNotEnough = "message [Ironveil Character Generator] (OK) Not enough nuyen! -> OK";
const std::string kIllegal =
    "message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK";

std::string Padded(const std::string& name) { return name + std::string(kGearNameWidth - name.size(), ' '); }

// The scenario buys knives by the three; here a "[" in a catalog name is not a count, a count is
// read as a whole number, a price the game master types is asked for and written in while a
// listed one keeps its text, and a cancel or a negative price buys nothing. The refund ignores Override Limits, so a
// purchase it made free gives money back.
TEST_F(GearTest, BuyingChargesPriceTimesCountAndRemovingRefundsIt) {
  const struct {
    const char *name, *data, *count;
    const char* answer;  // to "Enter cost"; nullptr: not asked
    bool overrideLimits;
    int32_t spent;
    const char* entry;  // after the name column; nullptr: nothing bought
  } cases[] = {
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "2", "250", false, 500, "[2]\t3|10(c)|2.4|250|IV3-38|"},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "", false, 0, nullptr},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "lots", false, 0, "\t3|10(c)|1.2|0|IV3-38|"},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "-5", false, 0, nullptr},
      {"Flares [box of 6]", "1|5|1|100|IV3-1|", "2", nullptr, false, 200, "[2]\t1|5|2|100|IV3-1|"},
      {"Flashlight", "1|5|1|99.5|IV3-1|", "2", nullptr, false, 200, "[2]\t1|5|2|99.5|IV3-1|"},
      {"Smartlink Adapter", "5|top|0|200|IV3-280|", "1", nullptr, false, 200, "  \t5|top|0|200|IV3-280|"},
      {"Gyro Mount", "6|under|6|900|IV3-12|", "2.5", nullptr, false, 1800, "[2]  \t6|under|12|900|IV3-12|"},
      {"Flare", "1|9|0.5|10|GL|", "0", nullptr, false, 0, nullptr},
      {"Flare", "1|9|0.5|10|GL|", "-2", nullptr, false, 0, nullptr},
      {"Mono Whip", "1|9|0.3|6000|IV3-14|", "2", nullptr, false, 0, nullptr},
      {"Mono Whip", "1|9|0.3|6000|IV3-14|", "2", nullptr, true, 0, "[2]\t1|9|0.6|6000|IV3-14|"},
      {"Thermal Blade", "1|6|1.2|750|GL-12|", "1", nullptr, false, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " x " + c.count);
    record.NuyenSpent = 0;
    record.norules = c.overrideLimits ? 1 : 0;
    platform.ClearLog();
    if (c.answer != nullptr) platform.QueueAnswer(c.answer);
    const bool bought = Buy(c.name, c.data, c.count);
    EXPECT_EQ(bought, c.entry != nullptr);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_EQ(view.countText, bought ? "1" : c.count);
    EXPECT_EQ(view.valuesEnabled, std::string(c.data).find("|GL-") == std::string::npos);
    const std::string asked =
        c.answer ? "input [Ironveil Character Generator] Enter cost -> \"" + std::string(c.answer) + "\"" : "";
    EXPECT_EQ(Joined(platform.Log()), view.valuesEnabled ? asked : kIllegal);
    if (!bought) {
      EXPECT_EQ(record.Gear.size(), 1U);
      continue;
    }
    ASSERT_EQ(record.Gear.size(), 2U);
    EXPECT_EQ(record.Gear[1], Padded(c.name) + c.entry);
    SelectOwnedGear(ctx, view, 1);
    EXPECT_TRUE(RemoveGear(ctx, view));
    EXPECT_EQ(record.NuyenSpent, c.spent - (c.overrideLimits ? 12000 : c.spent));
    EXPECT_EQ(record.Gear.size(), 1U);
    EXPECT_EQ(view.itemTitle, "");
    EXPECT_FALSE(view.removeEnabled);
  }
  // Buy goes by the mark the item was shown with, whatever the books say since.
  Offer("Thermal Blade", "1|6|1.2|750|GL-12|");
  books.allowed.push_back("Grey Lanes\tGL");
  platform.ClearLog();
  EXPECT_FALSE(BuyGear(ctx, view));
  EXPECT_EQ(Joined(platform.Log()), kIllegal);
  Offer("Thermal Blade", "1|6|1.2|750|GL-12|");
  books.allowed.pop_back();
  EXPECT_TRUE(BuyGear(ctx, view));
}

// Before any firearm an internal mount costs nothing; a firearm above 16 bits is remembered whole,
// and the mount is then checked at that price, not at its catalog text, which reads as nothing.
TEST_F(GearTest, AnInternalMountCostsWhatTheLastFirearmCost) {
  const std::string mount = "6|I, Internal|4|Weapon/+100%cost|IV3-288|";
  ASSERT_TRUE(Buy("Internal Weapon Mount", mount));
  EXPECT_EQ(record.Gear[1], Padded("Internal Weapon Mount") + "  \t6|I, Internal|4|0|IV3-288|");
  ASSERT_TRUE(Buy("Ares Crusader", "3|40(c)|2|1200|IV3-272|"));
  ASSERT_TRUE(Buy("Internal Weapon Mount", mount, "2"));
  EXPECT_EQ(record.Gear[3], Padded("Internal Weapon Mount") + "[2]  \t6|I, Internal|8|1200|IV3-288|");
  EXPECT_EQ(record.NuyenSpent, 3600);
  record.norules = 1;
  ASSERT_TRUE(Buy("Assault Cannon", "3|20(b)|18|45000|IV3-280|"));
  record.norules = 0;
  EXPECT_FALSE(Buy("Internal Weapon Mount", mount));
  EXPECT_EQ(record.Gear.size(), 5U);
  EXPECT_EQ(view.lastWeaponPrice, 45000);
}

// Checked at price times count, though only the price is charged; the level-1 count is made
// again from the list, where 1.4 reads as 1.
TEST_F(GearTest, AContactFromTheShopGoesToTheContactsPage) {
  record.Contacts = {"A\t\t\t\t\t1", "B\t\t\t\t\t2.5", "C\t\t\t\t\t1.4", "D\t\t\t\t\t3"};
  EXPECT_FALSE(Buy("Contact: Fixer", "16|1|5000|IV3-110|", "3"));
  EXPECT_EQ(record.Level1Contacts + platform.Log().size(), 0u);
  EXPECT_TRUE(Buy("Contact: Fixer", "16|1|5000|IV3-110|", "2"));
  ASSERT_EQ(record.Contacts.size(), 5U);
  EXPECT_EQ(record.Contacts[4],
            Padded("Contact: Fixer") + "\t\t" + "Fixer" + std::string(16, ' ') + "\t\t\t1\t\t\t5000\t\t\t");
  EXPECT_EQ(std::to_string(record.NuyenSpent) + " " + state.money.gear + " " + std::to_string(record.Level1Contacts),
            "5000 5000 3");
  EXPECT_EQ(record.Gear, std::vector<std::string>{std::string(kGearDivider)});
}

TEST_F(GearTest, TheItemPanelShowsTwelveShopFieldsAndTenOwnedOnes) {
  std::vector<std::string> names;
  std::string data = "20|";
  for (int i = 1; i <= 13; ++i) names.push_back("F" + std::to_string(i)), data += std::to_string(i) + "|";
  names.push_back("$Cost");
  DefineType(20, names);
  Offer("  Wide Thing", data + "100|");
  EXPECT_EQ(view.itemTitle, "Wide Thing");
  ASSERT_EQ(view.fields.size(), 12U);
  EXPECT_EQ(view.fields[11].name + "=" + view.fields[11].value, "F12=12");
  SetGearCount(view, "2");
  BuyGear(ctx, view);
  SelectOwnedGear(ctx, view, 1);
  EXPECT_EQ(view.itemTitle, "Wide Thing" + std::string(18, ' ') + "[2]");
  EXPECT_EQ(view.fields.size(), 10U);
}

TEST_F(GearTest, AGroupWhoseFileIsGoneListsNothingAndSaysWhy) {
  AddGearNode(catalogs.gear.tree, "Blades\t\t\t\t\t\t\t\t\t,5", 1);
  const std::string empty = test_support::FreshFolder("gear").string();
  ClickGearGroup(ctx, view, empty, books, 0);
  EXPECT_TRUE(view.shopItems.empty());
  EXPECT_NE(Joined(platform.Log()).find("(warning, OK) Could not read "), std::string::npos) << Joined(platform.Log());
}

bool Add(RulesContext& ctx, ContactsView& contacts, const std::string& name, const std::string& level) {
  SetContactField(contacts, 0, name);
  SetContactField(contacts, kContactLevelField, level);
  return AddContact(ctx, contacts);
}

// Two level-1 contacts are free; a refused level-1 contact still counts towards them. Override
// Limits plays no part: the price is still charged.
TEST_F(ContactsTest, TheLevelSetsThePriceAndTwoLevel1ContactsAreFree) {
  record.Maxresources = 232000;
  const struct {
    const char *level, *levelAfter;
    bool added;
    const char* price;  // shown after the add
    int32_t spent;
    int16_t level1Count;
  } cases[] = {
      {"1", "1", true, "0", 0, 1},           {"1", "1", true, "0", 0, 2},
      {"1", "1", true, "5000", 5000, 3},     {"2", "2", true, "10000", 15000, 3},
      {"3", "3", true, "200000", 215000, 3}, {"2.5", "2.5", true, "5000", 220000, 4},
      {"", "1", true, "5000", 225000, 5},    {"-1", "1", true, "5000", 230000, 6},
      {"3", "3", false, "5000", 230000, 6},  {"abc", "1", false, "5000", 230000, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    platform.ClearLog();
    const size_t before = record.Contacts.size();
    EXPECT_EQ(Add(ctx, contacts, "Mara", c.level), c.added);
    EXPECT_EQ(contacts.fields[kContactLevelField] + " " + contacts.price, std::string(c.levelAfter) + " " + c.price);
    EXPECT_EQ(std::pair(record.NuyenSpent, record.Level1Contacts), std::pair(c.spent, c.level1Count));
    EXPECT_EQ(record.Contacts.size(), before + (c.added ? 1 : 0));
    EXPECT_EQ(Joined(platform.Log()), c.added ? "" : kNotEnough);
    EXPECT_EQ(state.money.contacts, IntText(232000 - c.spent));
  }
  record.norules = 1;
  EXPECT_FALSE(Add(ctx, contacts, "Mara", "2"));
}

// A tab or "~" would move the price to another field when the file is read again.
TEST_F(ContactsTest, TypedTextsCannotBreakTheEntry) {
  record.Maxresources = 50000;
  const std::vector<std::string> typed = {"Mara", "Fixer", "Broker", "Downtown", "555-0101", "2", "Elf", "Old friend"};
  for (int i = 0; i < kContactTextFields; ++i) SetContactField(contacts, i, typed[static_cast<size_t>(i)]);
  ASSERT_TRUE(AddContact(ctx, contacts));
  EXPECT_EQ(record.Contacts[0], "Mara\tFixer\tBroker\tDowntown\t555-0101\t2\tElf\tOld friend\t10000\t\t\t");
  SetContactField(contacts, 0, "Ma\tra~X");
  SetContactField(contacts, 7, "met in '58\nowes a favour\r");
  EXPECT_EQ(contacts.fields[0] + "|" + contacts.fields[7], "Ma ra X|met in '58\r\nowes a favour\r\n");
  SetContactField(contacts, 6, std::string(5000, 'x'));
  ASSERT_TRUE(AddContact(ctx, contacts));
  EXPECT_LE(record.Contacts[1].size(), 4095U);
  EXPECT_EQ(
      std::to_string(SplitTabs(record.Contacts[1]).size()) + " " + ParseEntry<ContactEntry>(record.Contacts[1]).price,
      "12 10000");
}

// An update leaves nothing chosen, so pressing it twice charges once. Short of money an updated
// contact stays where it was, and so does the count of level-1 contacts; removing refunds the
// price the entry holds and leaves the count alone.
TEST_F(ContactsTest, UpdateChargesAgainAndRemovalRefunds) {
  record.Maxresources = 30000;
  Add(ctx, contacts, "Ash", "2");
  Add(ctx, contacts, "Bo", "1");
  SelectContact(ctx, contacts, 0);
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_FALSE(UpdateContact(ctx, contacts) || RemoveContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 20000);
  SelectContact(ctx, contacts, 1);
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 30000);
  const std::vector<std::string> before = record.Contacts;
  SelectContact(ctx, contacts, 1);
  EXPECT_FALSE(UpdateContact(ctx, contacts));
  EXPECT_EQ(Joined(platform.Log()), kNotEnough);
  record.Level1Contacts = 2;
  SelectContact(ctx, contacts, 0);
  EXPECT_FALSE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.Contacts, before);
  EXPECT_EQ(record.Level1Contacts, 2);
  SelectContact(ctx, contacts, 1);
  EXPECT_TRUE(RemoveContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 20000);
  EXPECT_EQ(record.Contacts, std::vector<std::string>{before[0]});
  EXPECT_EQ(record.Level1Contacts, 2);
  EXPECT_FALSE(contacts.removeEnabled || RemoveContact(ctx, contacts));
}

// Every refund gives back what its purchase charged, so money left never drifts from the lists.
TEST_F(ContactsTest, MoneyLeftAlwaysMatchesWhatTheListsHold) {
  record.Maxresources = 60000;
  std::mt19937 random(7);
  auto pick = [&](size_t n) { return static_cast<int>(random() % n); };
  const std::vector<std::pair<std::string, std::string>> shop = {
      {"Knife", "1|8|0.5|60|IV3-1|"},
      {"Pistol", "3|12|1|900|IV3-2|"},
      {"Mount", "6|I, Internal|2|Weapon/+100%cost|IV3-3|"},
      {"Scope", "5|top|0.2|1500|IV3-4|"},
      {"Contact: Fence", "16|1|5000|IV3-5|"},
      {"Custom", "1|5|1|Ask GM?|IV3-6|"},
  };
  ShowMoneyLeft(ctx);
  for (int step = 0; step < 400; ++step) {
    const int action = pick(5);
    if (action < 2) {
      const auto& [name, data] = shop[static_cast<size_t>(pick(shop.size()))];
      if (data.find('?') != std::string::npos) platform.QueueAnswer(std::to_string(pick(3000)));
      Buy(name, data, std::to_string(1 + pick(3)));
    } else if (action == 2) {
      if (!record.Gear.empty()) SelectOwnedGear(ctx, view, pick(record.Gear.size()));
      RemoveGear(ctx, view);
    } else if (action == 3) {
      Add(ctx, contacts, "X", std::to_string(1 + pick(3)));
    } else {
      if (!record.Contacts.empty()) SelectContact(ctx, contacts, pick(record.Contacts.size()));
      RemoveContact(ctx, contacts);
    }
    int64_t held = 0;
    for (const GearEntry& gear : ParseEntries<GearEntry>(record.Gear))
      held += CLng(Val(gear.Value(GearPriceField(catalogs.gear, gear.Type()) + 1))) * gear.Count();
    for (const ContactEntry& contact : ParseEntries<ContactEntry>(record.Contacts)) held += contact.Price();
    ASSERT_EQ(record.NuyenSpent, held) << "step " << step;
    ASSERT_LE(record.NuyenSpent, record.Maxresources);
    // Both pages count the money again at every purchase and refund, on either page.
    EXPECT_EQ(state.money.gear + " " + state.money.contacts, MoneyLeftText(record) + " " + MoneyLeftText(record))
        << "step " << step;
  }
}

const std::string kNoEssence = "message [Ironveil Character Generator] (OK) Insufficient nuyen or Essence -> OK";
const std::string kNoBioIndex = "message [Ironveil Character Generator] (OK) Insufficient nuyen or Bio-index -> OK";

class ImplantsTest : public PurchaseTest {
 protected:
  ImplantsTest() { record.Maxresources = 1000000; }

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

std::string Columns(const std::vector<std::string>& cells) { return Joined(cells, "|"); }

// What the lists show, column by column: a count after the padded name, the divider, carried gear
// below it, a grade code at the end of cyberware, and entries short of fields.
TEST_F(GearTest, ListRowsNameTheColumnsOfEveryList) {
  const std::vector<GearRow> gear = GearRows({Padded("Survival Knife") + "[3]\t1|4|0.5|40|IV3-120|",
                                              std::string(kGearDivider), Padded("Rope") + "\t1|2|1|15|"},
                                             catalogs.gear);
  ASSERT_EQ(gear.size(), 3u);
  EXPECT_EQ(gear[0].name, Padded("Survival Knife") + "[3]");
  EXPECT_EQ(gear[0].values, "1|4|0.5|40|IV3-120|");
  EXPECT_EQ(Columns({gear[0].item, IntText(gear[0].count), IntText(gear[0].type), gear[0].weight, gear[0].price}),
            "Survival Knife|3|1|0.5|40");
  // One list mixes types, so each of the other fields is named by its type.
  EXPECT_EQ(Columns({gear[0].book, gear[0].details, gear[2].book}), "IV3-120|Concealability 4|");
  EXPECT_EQ(Columns({gear[0].carried ? "1" : "0", gear[1].divider ? "1" : "0", gear[1].carried ? "1" : "0",
                     gear[2].carried ? "1" : "0"}),
            "0|1|0|1");

  const std::vector<ContactRow> contact = ContactRows({"Mara\tFixer\t\t\t\t2"});
  EXPECT_EQ(Columns({contact[0].name, contact[0].level, contact[0].price}), "Mara|2|");
  EXPECT_EQ(contact[0].cells.size(), 9u);

  const std::vector<CyberwareRow> cyber = CyberwareRows({"Datajack (Used)\t0.10\t900\tIV3-300\t+1INT\t1\tJack!2"});
  EXPECT_EQ(Columns({cyber[0].name, cyber[0].essence, cyber[0].price, cyber[0].codes, cyber[0].notes, cyber[0].grade}),
            "Datajack (Used)|0.10|900|+1INT|Jack!2|2");
  EXPECT_EQ(CyberwareRows({"Old Eyes\t0.20"})[0].grade, "");

  const std::vector<BiowareRow> bio = BiowareRows({"Cultured Tendons\t0.40\t12000\tIV3-90\tB\t+1QCK"});
  EXPECT_EQ(Columns({bio[0].bioIndex, bio[0].type, bio[0].codes, bio[0].notes}), "0.40|B|+1QCK|");

  EXPECT_EQ(Columns({EdgeRows({"Lucky"})[0].name, EdgeRows({"Lucky"})[0].value}), "Lucky|");
  const std::vector<PowerRow> power = PowerRows({"Iron Palm[2]\t1.00\t\tIV3-150\tstrikes hard"});
  EXPECT_EQ(Columns({power[0].name, power[0].cost, power[0].note}), "Iron Palm[2]|1.00|strikes hard");
  // Markers become what they ask; the name as stored stays for ivgen-batch.
  const PowerRow honed = PowerRows({"Honed Skill* -> Pistols[2]\t0.50"})[0];
  EXPECT_EQ(Columns({honed.marked.name, honed.level, honed.marked.asksLevel ? "level" : "",
                     honed.marked.asksTarget ? "target" : "", power[0].marked.asksLevel ? "level" : ""}),
            "Honed Skill Pistols|2|level|target|");
  EXPECT_EQ(Columns({NumbersInBrackets("[03]").first, NumbersInBrackets("[4/6]").first,
                     NumbersInBrackets("[4/6]").second, NumbersInBrackets("[0]").first, NumbersInBrackets("").first}),
            "3|4|6|0|");
  const std::vector<SpellRow> spell = SpellRows({"Sparkfall\tM\tLOS\tI\tT\t(P)S\t[03]\tIV3-200"});
  EXPECT_EQ(Columns({spell[0].name, spell[0].points, spell[0].book}), "Sparkfall|[03]|IV3-200");
  EXPECT_EQ(Columns(GearShopNames({Padded("Rope") + "\t1|2|"})), "Rope");
}

}  // namespace
}  // namespace ivgen
