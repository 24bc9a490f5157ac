#include "purchase/gear.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "purchase_fixture.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using GearTest = PurchaseTest;

std::string Log(const ScriptedPlatform& platform) {
  std::string out;
  for (const std::string& line : platform.Log()) out += (out.empty() ? "" : " | ") + line;
  return out;
}

std::string Padded(const std::string& name) { return name + std::string(kGearNameWidth - name.size(), ' '); }

TEST_F(GearTest, BuyingChargesPriceTimesCountAndRemovingRefundsIt) {
  struct Case {
    const char* name;
    const char* data;
    const char* count;
    std::vector<std::string> answers;
    bool overrideLimits;
    int32_t spent;        // after buying
    const char* entry;    // the bought entry after the name column; nullptr: nothing bought
    const char* prompts;  // what the player was shown
  };
  const char* kEnterCost = "input [Ironveil Character Generator] Enter cost -> ";
  const std::vector<Case> cases = {
      {"Survival Knife", "1|7|1.5|100|IV3-262|", "3", {}, false, 300, "[3]\t1|7|4.5|100|IV3-262|", ""},
      {"Custom Pistol",
       "3|10(c)|1.2|Ask GM?|IV3-38|",
       "2",
       {"250"},
       false,
       500,
       "[2]\t3|10(c)|2.4|250|IV3-38|",
       "\"250\""},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", {""}, false, 0, nullptr, "\"\""},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", {"lots"}, false, 0, "\t3|10(c)|1.2|0|IV3-38|", "\"lots\""},
      {"Custom Pistol", "3|10(c)|1.2|Ask GM?|IV3-38|", "1", {"-5"}, false, 0, nullptr, "\"-5\""},
      // A "[" in a catalog name is not a count.
      {"Flares [box of 6]", "1|5|1|100|IV3-1|", "2", {}, false, 200, "[2]\t1|5|2|100|IV3-1|", ""},
      {"Smartlink Adapter", "5|top|0|200|IV3-280|", "1", {}, false, 200, "  \t5|top|0|200|IV3-280|", ""},
      {"Gyro Mount", "6|under|6|900|IV3-12|", "2.5", {}, false, 1800, "[2]  \t6|under|12|900|IV3-12|", ""},
      {"Flare", "1|9|0.5|10|GL|", "0", {}, false, 0, nullptr, ""},
      {"Flare", "1|9|0.5|10|GL|", "-2", {}, false, 0, nullptr, ""},
      {"Mono Whip", "1|9|0.3|6000|IV3-14|", "2", {}, false, 0, nullptr, ""},
      {"Mono Whip", "1|9|0.3|6000|IV3-14|", "2", {}, true, 0, "[2]\t1|9|0.6|6000|IV3-14|", ""},
      {"Thermal Blade",
       "1|6|1.2|750|GL-12|",
       "1",
       {},
       false,
       0,
       nullptr,
       "message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " x " + c.count);
    record.NuyenSpent = 0;
    record.norules = c.overrideLimits ? 1 : 0;
    platform.ClearLog();
    for (const std::string& answer : c.answers) platform.QueueAnswer(answer);
    const bool bought = Buy(c.name, c.data, c.count);
    EXPECT_EQ(bought, c.entry != nullptr);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_EQ(Log(platform), c.answers.empty() ? c.prompts : kEnterCost + std::string(c.prompts));
    EXPECT_EQ(view.countText, bought ? "1" : c.count);
    EXPECT_EQ(view.valuesEnabled, std::string(c.data).find("|GL-") == std::string::npos);
    if (!bought) {
      EXPECT_EQ(record.Gear.size(), 1U);
      continue;
    }
    ASSERT_EQ(record.Gear.size(), 2U);
    EXPECT_EQ(record.Gear[1], Padded(c.name) + c.entry);
    // The refund ignores Override Limits, so a purchase it made free gives money back.
    SelectOwnedGear(ctx, view, 1);
    EXPECT_TRUE(RemoveGear(ctx, view));
    EXPECT_EQ(record.NuyenSpent, c.spent - (c.overrideLimits ? 12000 : c.spent));
    EXPECT_EQ(record.Gear.size(), 1U);
    EXPECT_EQ(view.itemTitle, "");
    EXPECT_FALSE(view.removeEnabled);
  }
}

TEST_F(GearTest, AnInternalMountCostsWhatTheLastFirearmCost) {
  const std::string mount = "6|I, Internal|4|Weapon/+100%cost|IV3-288|";
  ASSERT_TRUE(Buy("Internal Weapon Mount", mount));
  EXPECT_EQ(record.Gear[1], Padded("Internal Weapon Mount") + "  \t6|I, Internal|4|0|IV3-288|");

  ASSERT_TRUE(Buy("Ares Crusader", "3|40(c)|2|1200|IV3-272|"));
  ASSERT_TRUE(Buy("Internal Weapon Mount", mount, "2"));
  EXPECT_EQ(record.Gear[3], Padded("Internal Weapon Mount") + "[2]  \t6|I, Internal|8|1200|IV3-288|");
  EXPECT_EQ(record.NuyenSpent, 3600);

  // A firearm above 16 bits is remembered whole; the mount is then checked at that price, not
  // at its catalog text, which reads as nothing.
  record.norules = 1;
  ASSERT_TRUE(Buy("Assault Cannon", "3|20(b)|18|45000|IV3-280|"));
  record.norules = 0;
  EXPECT_FALSE(Buy("Internal Weapon Mount", mount));
  EXPECT_EQ(record.Gear.size(), 5U);
  EXPECT_EQ(view.lastWeaponPrice, 45000);
}

TEST_F(GearTest, AContactFromTheShopGoesToTheContactsPage) {
  record.Contacts = {"A\t\t\t\t\t1", "B\t\t\t\t\t2.5", "C\t\t\t\t\t1.4", "D\t\t\t\t\t3"};
  // Checked at price times count, though only the price is charged.
  EXPECT_FALSE(Buy("Contact: Fixer", "16|1|5000|IV3-110|", "3"));
  EXPECT_EQ(record.Level1Contacts, 0);
  EXPECT_EQ(Log(platform), "");

  EXPECT_TRUE(Buy("Contact: Fixer", "16|1|5000|IV3-110|", "2"));
  EXPECT_EQ(record.NuyenSpent, 5000);
  EXPECT_EQ(Log(platform), "message [Ironveil Character Generator] (OK) Added to contact page! -> OK");
  ASSERT_EQ(record.Contacts.size(), 5U);
  EXPECT_EQ(record.Contacts[4],
            Padded("Contact: Fixer") + "\t\t" + "Fixer" + std::string(16, ' ') + "\t\t\t1\t\t\t5000\t\t\t");
  EXPECT_EQ(record.Level1Contacts, 3);  // A, C (1.4 reads as 1) and the new one
  EXPECT_EQ(record.Gear, std::vector<std::string>{std::string(kGearDivider)});
  EXPECT_EQ(view.moneyLeft, "5000");
}

TEST_F(GearTest, OnlyGearBelowTheDividerIsCarried) {
  Buy("Rope", "1|2|1.5|20|IV3-1|");
  Buy("Tent", "1|0|2|60|IV3-1|");
  Buy("Lighter", "1|9|0.25|5|IV3-1|");
  EXPECT_EQ(view.totalWeight, "3.75");

  SelectOwnedGear(ctx, view, 1);
  MoveGearUp(ctx, view);
  EXPECT_EQ(view.ownedSelected, 0);
  MoveGearUp(ctx, view);  // already first
  EXPECT_EQ(record.Gear[1], std::string(kGearDivider));
  EXPECT_EQ(view.totalWeight, "2.25");
  EXPECT_FLOAT_EQ(record.TotalWeight, 2.25F);

  SelectOwnedGear(ctx, view, 1);
  EXPECT_EQ(view.itemTitle, "===Carried Gear below ======");
  EXPECT_TRUE(RemoveGear(ctx, view));  // without a divider everything is carried
  EXPECT_EQ(view.totalWeight, "3.75");
  EXPECT_EQ(record.NuyenSpent, 85);
}

TEST_F(GearTest, TheItemPanelShowsTwelveShopFieldsAndTenOwnedOnes) {
  std::vector<std::string> names;
  std::string data = "20|";
  for (int i = 1; i <= 13; ++i) names.push_back("F" + std::to_string(i)), data += std::to_string(i) + "|";
  names.push_back("$Cost");
  data += "100|";
  DefineType(20, names);
  Offer("  Wide Thing", data);
  EXPECT_EQ(view.itemTitle, "Wide Thing");
  ASSERT_EQ(view.fields.size(), 12U);
  EXPECT_EQ(view.fields[11].name + "=" + view.fields[11].value, "F12=12");
  SetGearCount(view, "2");
  BuyGear(ctx, view, books);
  SelectOwnedGear(ctx, view, 1);
  EXPECT_EQ(view.itemTitle, "Wide Thing" + std::string(18, ' ') + "[2]");
  EXPECT_EQ(view.fields.size(), 10U);
}

TEST_F(GearTest, AGroupOfTheBundledCatalogIsListedAndBought) {
  catalogs.gear = *LoadGear(IVGEN_BUNDLED_DATA);
  const auto& tree = catalogs.gear.tree;
  const auto node =
      std::find_if(tree.begin(), tree.end(), [](const auto& n) { return n.text.rfind("Blades\t", 0) == 0; });
  ASSERT_NE(node, tree.end());
  const auto blades = static_cast<size_t>(node - tree.begin());
  ClickGearGroup(ctx, view, IVGEN_BUNDLED_DATA, books, blades);
  EXPECT_EQ(view.groupTitle, "Blades");
  ShowGearItem(ctx, view, books, 0);
  EXPECT_EQ(view.itemTitle, "Combat Knife");
  SetGearCount(view, "2");
  ASSERT_TRUE(BuyGear(ctx, view, books));
  EXPECT_EQ(record.Gear[1], Padded("Combat Knife") + "[2]\t1|8|0|(STR)L|1|1|60|IV3-262|");
  EXPECT_EQ(view.totalWeight, "1");

  const std::string empty = test_support::FreshFolder("gear").string();
  ClickGearGroup(ctx, view, empty, books, blades);
  EXPECT_TRUE(view.shopItems.empty());
  EXPECT_NE(Log(platform).find("(warning, OK) Could not read "), std::string::npos) << Log(platform);
}

}  // namespace
}  // namespace ivgen
