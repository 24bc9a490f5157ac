// Gear and contacts bought, refused, updated and refunded; the gear and contacts scenario follows
// a whole shopping trip, so here are the counts, prices and refusals it does not reach.
#include "purchase/gear.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "purchase_fixture.h"
#include "record/entries.h"
#include "record/values.h"
#include "support/joined.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using GearTest = PurchaseTest;
using ContactsTest = PurchaseTest;
using test_support::Joined;

const std::string kNotEnough = "message [Ironveil Character Generator] (OK) Not enough nuyen! -> OK";

std::string Padded(const std::string& name) { return name + std::string(kGearNameWidth - name.size(), ' '); }

// A "[" in a catalog name is not a count; a count is read as a whole number; a price the game
// master types is asked for, and a cancel or a negative price buys nothing. The refund ignores
// Override Limits, so a purchase it made free gives money back.
TEST_F(GearTest, BuyingChargesPriceTimesCountAndRemovingRefundsIt) {
  const struct {
    const char *name, *data, *count;
    const char* answer;  // to "Enter cost"; nullptr: not asked
    bool overrideLimits;
    int32_t spent;
    const char* entry;  // after the name column; nullptr: nothing bought
  } cases[] = {
      {"Survival Knife", "1|7|1.5|100|IV3-262|", "3", nullptr, false, 300, "[3]\t1|7|4.5|100|IV3-262|"},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "2", "250", false, 500, "[2]\t3|10(c)|2.4|250|IV3-38|"},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "", false, 0, nullptr},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "lots", false, 0, "\t3|10(c)|1.2|0|IV3-38|"},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", "-5", false, 0, nullptr},
      {"Flares [box of 6]", "1|5|1|100|IV3-1|", "2", nullptr, false, 200, "[2]\t1|5|2|100|IV3-1|"},
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
    EXPECT_EQ(
        Joined(platform.Log()),
        c.answer != nullptr ? "input [Ironveil Character Generator] Enter cost -> \"" + std::string(c.answer) + "\""
        : view.valuesEnabled
            ? ""
            : "message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK");
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
  EXPECT_EQ(record.NuyenSpent, 5000);
  ASSERT_EQ(record.Contacts.size(), 5U);
  EXPECT_EQ(record.Contacts[4],
            Padded("Contact: Fixer") + "\t\t" + "Fixer" + std::string(16, ' ') + "\t\t\t1\t\t\t5000\t\t\t");
  EXPECT_EQ(record.Level1Contacts, 3);
  EXPECT_EQ(record.Gear, std::vector<std::string>{std::string(kGearDivider)});
  EXPECT_EQ(view.moneyLeft, "5000");
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
  BuyGear(ctx, view, books);
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
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_EQ(record.Level1Contacts, c.level1Count);
    EXPECT_EQ(record.Contacts.size(), before + (c.added ? 1 : 0));
    EXPECT_EQ(Joined(platform.Log()), c.added ? "" : kNotEnough);
    EXPECT_EQ(contacts.moneyLeft, IntText(232000 - c.spent));
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
  EXPECT_EQ(SplitTabs(record.Contacts[1]).size(), 12U);
  EXPECT_EQ(TabField(record.Contacts[1], kContactPriceField), "10000");
}

// Short of money an updated contact stays where it was, and so does the count of level-1
// contacts; removing refunds the price the entry holds and leaves the count alone.
TEST_F(ContactsTest, UpdateChargesAgainAndRemovalRefunds) {
  record.Maxresources = 30000;
  Add(ctx, contacts, "Ash", "2");
  Add(ctx, contacts, "Bo", "1");
  SelectContact(ctx, contacts, 0);
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 30000);
  const std::vector<std::string> before = record.Contacts;
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
  for (int step = 0; step < 400; ++step) {
    hooks.calls.clear();
    bool contactsPage = false;
    switch (pick(5)) {
      case 0:
      case 1: {
        const auto& [name, data] = shop[static_cast<size_t>(pick(shop.size()))];
        if (data.find('?') != std::string::npos) platform.QueueAnswer(std::to_string(pick(3000)));
        Buy(name, data, std::to_string(1 + pick(3)));
        break;
      }
      case 2:
        if (!record.Gear.empty()) SelectOwnedGear(ctx, view, pick(record.Gear.size()));
        RemoveGear(ctx, view);
        break;
      case 3:
        contactsPage = true;
        Add(ctx, contacts, "X", std::to_string(1 + pick(3)));
        break;
      default:
        contactsPage = true;
        if (!record.Contacts.empty()) SelectContact(ctx, contacts, pick(record.Contacts.size()));
        RemoveContact(ctx, contacts);
    }
    int64_t held = 0;
    for (const std::string& entry : record.Gear) {
      held += CLng(Val(GearEntryField(entry, GearPriceField(catalogs.gear, GearEntryType(entry)) + 1))) *
              GearEntryCount(entry);
    }
    for (const std::string& entry : record.Contacts) held += CLng(Val(TabField(entry, kContactPriceField)));
    ASSERT_EQ(record.NuyenSpent, held) << "step " << step;
    ASSERT_LE(record.NuyenSpent, record.Maxresources);
    if (hooks.calls.empty()) continue;  // a refused action changes no money
    EXPECT_EQ(hooks.calls.back(), "ShowMoneyLeft");
    EXPECT_EQ(contactsPage ? contacts.moneyLeft : view.moneyLeft, MoneyLeftText(record));
  }
}

}  // namespace
}  // namespace ivgen
