#include "purchase/contacts.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "purchase_fixture.h"
#include "record/entries.h"
#include "record/values.h"

namespace ivgen {
namespace {

using ContactsTest = PurchaseTest;

const char* kNotEnoughLog = "message [Ironveil Character Generator] (OK) Not enough nuyen! -> OK";

std::string LastPrompt(const ScriptedPlatform& platform) { return platform.Log().empty() ? "" : platform.Log().back(); }

bool Add(RulesContext& ctx, ContactsView& contacts, const std::string& name, const std::string& level) {
  SetContactField(contacts, 0, name);
  SetContactField(contacts, kContactLevelField, level);
  return AddContact(ctx, contacts);
}

TEST_F(ContactsTest, TheLevelSetsThePriceAndTwoLevel1ContactsAreFree) {
  record.Maxresources = 232000;
  struct Case {
    const char* level;
    const char* levelAfter;
    bool added;
    const char* price;  // shown after the add
    int32_t spent;
    int16_t level1Count;
  };
  const std::vector<Case> cases = {
      {"1", "1", true, "0", 0, 1},
      {"1", "1", true, "0", 0, 2},
      {"1", "1", true, "5000", 5000, 3},
      {"2", "2", true, "10000", 15000, 3},
      {"3", "3", true, "200000", 215000, 3},
      {"2.5", "2.5", true, "5000", 220000, 4},
      {"", "1", true, "5000", 225000, 5},
      {"-1", "1", true, "5000", 230000, 6},
      {"3", "3", false, "5000", 230000, 6},
      // A refused level-1 contact still counts towards the free ones.
      {"abc", "1", false, "5000", 230000, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    platform.ClearLog();
    const size_t before = record.Contacts.size();
    EXPECT_EQ(Add(ctx, contacts, "Mara", c.level), c.added);
    EXPECT_EQ(contacts.fields[kContactLevelField], c.levelAfter);
    EXPECT_EQ(contacts.price, c.price);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_EQ(record.Level1Contacts, c.level1Count);
    EXPECT_EQ(record.Contacts.size(), before + (c.added ? 1 : 0));
    EXPECT_EQ(LastPrompt(platform), c.added ? "" : kNotEnoughLog);
    EXPECT_EQ(contacts.moneyLeft, IntText(232000 - c.spent));
  }
  // Override Limits plays no part: the price is still charged.
  record.norules = 1;
  EXPECT_FALSE(Add(ctx, contacts, "Mara", "2"));
}

TEST_F(ContactsTest, TheEightTextsMakeTheEntry) {
  record.Maxresources = 50000;
  const std::vector<std::string> typed = {"Mara", "Fixer", "Broker", "Downtown", "555-0101", "2", "Elf", "Old friend"};
  for (int i = 0; i < kContactTextFields; ++i) SetContactField(contacts, i, typed[static_cast<size_t>(i)]);
  ASSERT_TRUE(AddContact(ctx, contacts));
  EXPECT_EQ(record.Contacts[0], "Mara\tFixer\tBroker\tDowntown\t555-0101\t2\tElf\tOld friend\t10000\t\t\t");

  ClearContact(contacts);
  EXPECT_EQ(JoinTabs({contacts.fields.begin(), contacts.fields.end()}), "\t\t\t\t\t1\t\t");
  SelectContact(ctx, contacts, 0);
  EXPECT_EQ(JoinTabs({contacts.fields.begin(), contacts.fields.end()}), JoinTabs(typed));
  EXPECT_EQ(contacts.price, "10000");
  EXPECT_TRUE(contacts.removeEnabled && contacts.updateEnabled);

  // A tab or "~" would move the price to another field when the file is read again.
  SetContactField(contacts, 0, "Ma\tra~X");
  SetContactField(contacts, 7, "met in '58\nowes a favour\r");
  EXPECT_EQ(contacts.fields[0], "Ma ra X");
  EXPECT_EQ(contacts.fields[7], "met in '58\r\nowes a favour\r\n");
  SetContactField(contacts, 6, std::string(5000, 'x'));
  ASSERT_TRUE(AddContact(ctx, contacts));
  EXPECT_LE(record.Contacts[1].size(), 4095U);
  EXPECT_EQ(SplitTabs(record.Contacts[1]).size(), 12U);
  EXPECT_EQ(TabField(record.Contacts[1], kContactPriceField), "10000");
}

TEST_F(ContactsTest, UpdateChargesAgainAndMovesTheContactToTheEnd) {
  record.Maxresources = 30000;
  Add(ctx, contacts, "Ash", "2");
  Add(ctx, contacts, "Bo", "1");
  SelectContact(ctx, contacts, 0);
  SetContactField(contacts, 3, "Docks");
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 20000);
  ASSERT_EQ(record.Contacts.size(), 2U);
  EXPECT_EQ(record.Contacts[1], "Ash\t\t\tDocks\t\t2\t\t\t10000\t\t\t");
  EXPECT_EQ(contacts.selected, 1);
  EXPECT_TRUE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 30000);

  // Short of money the contact stays where it was, and so does the count of level-1 contacts.
  const std::vector<std::string> before = record.Contacts;
  SetContactField(contacts, 3, "Harbour");
  EXPECT_FALSE(UpdateContact(ctx, contacts));
  EXPECT_EQ(LastPrompt(platform), kNotEnoughLog);
  record.Level1Contacts = 2;
  SelectContact(ctx, contacts, 0);
  EXPECT_FALSE(UpdateContact(ctx, contacts));
  EXPECT_EQ(record.Contacts, before);
  EXPECT_EQ(record.Level1Contacts, 2);
  EXPECT_EQ(record.NuyenSpent, 30000);

  // Removing refunds the price the entry holds and leaves the count alone.
  SelectContact(ctx, contacts, 1);
  EXPECT_TRUE(RemoveContact(ctx, contacts));
  EXPECT_EQ(record.NuyenSpent, 20000);
  EXPECT_EQ(record.Contacts, std::vector<std::string>{before[0]});
  EXPECT_EQ(record.Level1Contacts, 2);
  EXPECT_FALSE(contacts.removeEnabled);
  EXPECT_FALSE(RemoveContact(ctx, contacts));
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
