// Printing: the warning and the file dialog as the player sees them, the money a print leaves,
// and a failed write that leaves the character as it was.
#include "sheet/print_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "record/text_file.h"
#include "rules/rules_fixture.h"
#include "sheet/sheet_frame.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using PrintSheetTest = RulesTest;

TEST_F(PrintSheetTest, WarningGoesOnUnlessCancelledWithoutOverride) {
  struct Case {
    const char* answer;
    int16_t norules;
    bool proceeds;
  };
  for (const Case& c : {Case{"OK", 0, true}, Case{"Cancel", 0, false}, Case{"Cancel", 1, true}}) {
    platform.ClearLog();
    platform.QueueAnswer(c.answer);
    record.norules = c.norules;
    EXPECT_EQ(ConfirmFinalization(record, platform), c.proceeds) << c.answer << c.norules;
    EXPECT_EQ(platform.Log().back(),
              "message [Ironveil Character Generator] (OK/Cancel) Warning: This will finalize your character. "
              "Proceed? -> " +
                  std::string(c.answer));
  }
  platform.QueueAnswer("");
  EXPECT_EQ(AskSheetPath("Razor", platform), "");
  EXPECT_EQ(platform.Log().back(), "save-file [HTML File] HTML Ironveil 3 (*.htm)|*.htm {Razor} -> \"\"");
}

// Money left becomes the smallest whole number not below a tenth of it, plus 300 per pip.
TEST_F(PrintSheetTest, FinalizationCutsTheMoneyAndAddsACashRoll) {
  struct Case {
    int32_t granted, spent;
    int16_t norules;
    double random;
    int32_t leftAfter;
    bool onceThru;
  };
  const Case cases[] = {
      {2005, 1000, 0, 0.5, 101 + 300 * 4, true},
      {1000, 1000, 0, 0.0, 300, true},
      {0, 9, 0, 0.99, 1800, true},  // overspent by 9: a tenth is -0.9, so 0 is left before the roll
      {2005, 1000, 1, 0.5, 1005, false},
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
    EXPECT_EQ(record.OnceThru, c.onceThru);
    EXPECT_EQ(record.GraphicsFilename, "new.gif");
    UndoFinalization(record, done);
    EXPECT_EQ(record.NuyenSpent, c.spent);
    EXPECT_FALSE(record.OnceThru);
    EXPECT_EQ(record.GraphicsFilename, "old.gif");
  }
}

TEST_F(PrintSheetTest, PrintWritesTheFinalizedSheetOrChangesNothing) {
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

  const std::string path = (folder / "razor.htm").string();
  platform.QueueRandom(0.0);
  EXPECT_TRUE(PrintSheet(record, catalogs, options, "Razor", path, platform));
  EXPECT_EQ(record.Resources(), 101 + 300);
  EXPECT_TRUE(record.OnceThru);
  EXPECT_EQ(record.GraphicsFilename, ".\\iv.gif");
  EXPECT_EQ(platform.Log().back(),
            "message [Ironveil Character Generator] (OK) Created HTML Character file: " + path + " -> OK");
  EXPECT_EQ(ReadWholeFile(path).value_or(""), WriteSheet(record, catalogs, options, "Razor"));
}

}  // namespace
}  // namespace ivgen
