#include "purchase/bioware.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/line_syntax.h"
#include "rules/rules_fixture.h"

namespace ivgen {
namespace {

class BiowareTest : public RulesTest {
 protected:
  BiowareTest() {
    books.allowed = {"Core\tIV3"};
    record.Maxresources = 1000000;
  }

  // Adds a catalog item (name, Bio-index, price, book, type code, codes, note) and returns its node.
  int Item(std::vector<std::string> fields) {
    if (catalogs.bioware.empty()) catalogs.bioware.push_back({TreeEntry({"Organs", "", "", "IV3-1"}), 1});
    catalogs.bioware.push_back({TreeEntry(fields), 2});
    return static_cast<int>(catalogs.bioware.size()) - 1;
  }

  bool Buy(int node, int type = kTypeStandard) {
    SelectBiowareType(ctx, view, type);
    ShowBiowareItem(ctx, view, node);
    return BuyBioware(ctx, view, books);
  }

  bool Remove(int index) {
    SelectInstalledBioware(ctx, view, index);
    return RemoveBioware(ctx, view);
  }

  BookLists books;
  BiowareView view;
};

TEST_F(BiowareTest, TypesSetPriceBioIndexAndEntry) {
  struct Case {
    const char* bioIndex;
    const char* price;
    const char* kind;
    int type;
    const char* shown;  // base price, Bio-index cost, calculated price
    const char* entry;
    int32_t spent;
    int shownType;  // the type option when the entry is chosen
  };
  const std::vector<Case> cases = {
      {"0.4", "10000", "", kTypeCultured, "10000 0.30 40,000", "Cul.Gland\t0.30\t40000\tIV3-7\tc\t+1RIL\tnote", 40000,
       kTypeCultured},
      {"0.25", "1250", "", kTypeUsed, "1250 0.25 750", "usd Gland\t0.25\t750\tIV3-7\tu\t+1RIL\tnote", 750, kTypeUsed},
      {"0.25", "1245", "", kTypeUsed, "1245 0.25 747", "usd Gland\t0.25\t747\tIV3-7\tu\t+1RIL\tnote", 747, kTypeUsed},
      // Grown cultured: bought as listed whatever is chosen.
      {"0.3", "80000", "c", kTypeUsed, "80000 0.30 80,000", "Gland\t0.30\t80000\tIV3-7\tc\t+1RIL\tnote", 80000,
       kTypeCultured},
      {"0.35", "", "", kTypeCultured, "0 0.26 ", "Cul.Gland\t0.26\t0\tIV3-7\tc\t+1RIL\tnote", 0, kTypeCultured},
  };
  for (const Case& c : cases) {
    catalogs.bioware.clear();
    ResetRecordFields(record, "");
    record.NuyenSpent = 0;
    const int node = Item({"Gland", c.bioIndex, c.price, "IV3-7", c.kind, "+1RIL", "note"});
    ASSERT_TRUE(Buy(node, c.type)) << c.entry;
    EXPECT_EQ(view.basePrice + " " + view.bioIndexCost + " " + view.calculatedPrice, c.shown);
    EXPECT_EQ(record.Bioware, std::vector<std::string>{c.entry});
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_EQ(record.Attr[5].Total, "2");
    // Removal refunds what was paid and takes the modifiers back.
    ASSERT_TRUE(Remove(0));
    EXPECT_EQ(view.type, c.shownType);
    EXPECT_EQ(record.NuyenSpent, 0);
    EXPECT_EQ(record.Attr[5].Total, "1");
    EXPECT_EQ(view.bioIndex, "0.00");
  }
  EXPECT_TRUE(platform.Log().empty());
}

TEST_F(BiowareTest, RefusalsChangeNothing) {
  const int big = Item({"Big", "5.50", "100", "IV3-1", "", "", ""});
  const int small = Item({"Small", "0.6", "100", "IV3-1", "", "", ""});
  const int banned = Item({"Banned", "0.1", "100", "XX-1", "", "", ""});
  ASSERT_TRUE(Buy(big));
  // Only the item's own Bio-index is held against Essence, not the Bio-index total.
  ASSERT_TRUE(Buy(small));
  record.Essence = 0.5;
  struct Case {
    int node;
    std::vector<std::string> log;
  };
  const std::vector<Case> cases = {
      {banned,
       {"message [Illegal item] (OK) You can't get this item!\\r\\nIt is not in the allowed sourcebooks. -> OK"}},
      {small, {"message [Ironveil Character Generator] (OK) Insufficient nuyen or Bio-index -> OK"}},
      {0, {}},
  };
  platform.ClearLog();
  for (const Case& c : cases) {
    EXPECT_FALSE(Buy(c.node));
    EXPECT_EQ(platform.Log(), c.log);
    EXPECT_EQ(record.Bioware.size(), 2u);
    EXPECT_EQ(record.NuyenSpent, 200);
    platform.ClearLog();
  }
  record.Essence = 6;
  record.Maxresources = 299;
  EXPECT_FALSE(Buy(small));
  record.norules = 1;
  EXPECT_TRUE(Buy(small));
  EXPECT_EQ(record.NuyenSpent, 200);
}

TEST_F(BiowareTest, ExcessiveBiowareWarnsWithOneNote) {
  const int heavy = Item({"Heavy", "8.99", "1", "IV3-1", "", "", ""});
  const int trace = Item({"Trace", "0.01", "1", "IV3-1", "", "", ""});
  record.RaceDesc = {"Low-light vision"};
  record.norules = 1;
  Buy(heavy);
  EXPECT_EQ(view.bioIndex + " " + view.essenceIndex, "8.99 9");
  EXPECT_FALSE(view.excessiveWarning);
  Buy(trace);
  EXPECT_EQ(view.bioIndex, "9.00");
  EXPECT_TRUE(view.excessiveWarning);
  for (int i = 0; i < 3; ++i) RecountBioIndex(ctx, view);
  EXPECT_EQ(record.RaceDesc, (std::vector<std::string>{"Low-light vision", kExcessBiowareNote}));

  // Copies left by an older file collapse to one, and all go once the bioware is back in bounds.
  record.RaceDesc.push_back(kExcessBiowareNote);
  RecountBioIndex(ctx, view);
  EXPECT_EQ(std::count(record.RaceDesc.begin(), record.RaceDesc.end(), kExcessBiowareNote), 1);
  record.RaceDesc.push_back(kExcessBiowareNote);
  Remove(1);
  EXPECT_EQ(record.RaceDesc, std::vector<std::string>{"Low-light vision"});
  EXPECT_FALSE(view.excessiveWarning);
}

}  // namespace
}  // namespace ivgen
