// Printing: the money a print leaves, and a failed write that leaves the character as it was;
// the prompts are the sheet unit's and the print scenario's.
#include "sheet/print_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "rules/rules_fixture.h"
#include "sheet/sheet_frame.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using PrintSheetTest = RulesTest;

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
    record.GraphicsFilename = "old.gif";
    if (c.norules == 0) platform.QueueRandom(c.random);
    PrintOptions options;
    options.pictureFile = "new.gif";
    const Finalization done = FinalizeCharacter(record, options, platform);
    EXPECT_EQ(record.Resources(), c.leftAfter);
    EXPECT_EQ(record.OnceThru, c.norules == 0);
    EXPECT_EQ(record.GraphicsFilename, "new.gif");
    UndoFinalization(record, done);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_FALSE(record.OnceThru);
    EXPECT_EQ(record.GraphicsFilename, "old.gif");
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
