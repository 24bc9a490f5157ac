// Print to HTML as a player runs it: the three places it can be called off, the name and picture
// it proposes, and the print options kept from one print to the next.
#include "app/sheet_unit.h"

#include <gtest/gtest.h>

#include "record/money.h"
#include "support/program_test.h"

namespace ivgen {
namespace {

const std::string kWarning =
    "message [Ironveil Character Generator] (OK/Cancel) Warning: This will finalize your character. Proceed? -> ";

class SheetUnitTest : public test_support::ProgramTest {
 protected:
  SheetUnitTest() {
    Start().Texts().Set("StreetName", "Nyx");
    editor_->SelectPage(1);  // leaving the priorities grants the money and copies the name
    editor_->Texts().Set("StreetName", "Nyx Later");
    platform_.ClearLog();
  }
};

// Called off at the warning, in the dialog or at the file dialog: nothing written, nothing
// finalized; once "Print" was pressed the picture typed in the box is the character's.
TEST_F(SheetUnitTest, CalledOffAtAnyPromptChangesNothing) {
  struct Case {
    const char* warning;
    bool pressPrint;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"Cancel", false, {kWarning + "Cancel"}},
      {"OK", false, {kWarning + "OK", "dialog PrintOptions", "closed PrintOptions"}},
      {"OK",
       true,
       {kWarning + "OK", "dialog PrintOptions", "closed PrintOptions",
        "save-file [HTML File] HTML Ironveil 3 (*.htm)|*.htm {Nyx} -> \"\""}},
  };
  SheetUnit& sheet = editor_->Sheet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log.back());
    const std::string before = editor_->FileText();
    const CharacterRecord record = editor_->Record();
    const bool modified = editor_->Document().Modified;
    platform_.ClearLog();
    platform_.QueueAnswer(c.warning);
    sheet.PrintToHtml();
    sheet.SetPictureFile("other.gif");
    if (c.pressPrint) {
      platform_.QueueAnswer("");
      EXPECT_FALSE(sheet.Print());
    } else {
      sheet.Cancel();
    }
    EXPECT_EQ(platform_.Log(), c.log);
    if (!c.pressPrint) {
      EXPECT_EQ(editor_->FileText(), before);
    }
    EXPECT_EQ(editor_->Record().GraphicsFilename, c.pressPrint ? "other.gif" : "");
    EXPECT_EQ(editor_->Record().NuyenSpent, record.NuyenSpent);
    EXPECT_FALSE(editor_->Record().OnceThru);
    EXPECT_EQ(editor_->Document().Modified, modified);
    EXPECT_EQ(sheet.WrittenSheet(), "");
  }
  platform_.QueueAnswer("OK");
  sheet.PrintToHtml();
  EXPECT_EQ(sheet.Options().pictureFile, "other.gif");
}

TEST_F(SheetUnitTest, PrintFinalizesAndWritesTheSheetUnderTheNameOfTheLastPageChange) {
  SheetUnit& sheet = editor_->Sheet();
  const int32_t left = MoneyLeft(editor_->Record());
  const bool modified = editor_->Document().Modified;
  sheet.PrintToHtml();
  EXPECT_EQ(sheet.Options().pictureFile, ".\\iv.gif");
  sheet.SetPrintPicture(true);
  sheet.SetSection(kPrintCyberware, true);
  sheet.SetPictureFile("nyx.jpg");
  const std::string path = Path("nyx.htm");
  platform_.QueueAnswer(path);
  platform_.QueueRandom(0.0);
  EXPECT_TRUE(sheet.Print());
  EXPECT_EQ(platform_.Log().back(),
            "message [Ironveil Character Generator] (OK) Created HTML Character file: " + path + " -> OK");
  EXPECT_EQ(sheet.WrittenSheet(), path);
  EXPECT_EQ(MoneyLeft(editor_->Record()), (left + 9) / 10 + 300);
  EXPECT_TRUE(editor_->Record().OnceThru);
  EXPECT_EQ(editor_->Record().GraphicsFilename, "nyx.jpg");
  EXPECT_EQ(editor_->Document().Modified, modified);
  const std::string bytes = Read("nyx.htm");
  EXPECT_NE(bytes.find("<title>Nyx Ironveil 3 Character Sheet</title>"), std::string::npos);
  EXPECT_NE(bytes.find("<tr><img src=\"nyx.jpg\""), std::string::npos);
  EXPECT_NE(bytes.find("<!-- Cyber  -->"), std::string::npos);

  // The next print keeps the ticks and shows the character's picture; a new character's own.
  platform_.QueueAnswer("No");
  editor_->New();
  editor_->Sheet().PrintToHtml();
  EXPECT_EQ(sheet.Options().pictureFile, ".\\iv.gif");  // the bundled settings name no picture
  EXPECT_TRUE(sheet.Options().printPicture);
  EXPECT_TRUE(sheet.Options().sections[kPrintCyberware]);
  platform_.QueueAnswer("");
  sheet.Print();
  EXPECT_EQ(platform_.Log().back(), "save-file [HTML File] HTML Ironveil 3 (*.htm)|*.htm -> \"\"");
}

// The preview is the sheet a print with every box ticked would write now, as the PDF export's is:
// it does not follow the boxes of Print to HTML, and looking at it finalizes nothing; the print
// that follows writes the same bytes with the money cut.
TEST_F(SheetUnitTest, PreviewIsTheSheetAPrintWritesWithoutFinalizing) {
  SheetUnit& sheet = editor_->Sheet();
  sheet.PrintToHtml();
  sheet.SetSection(kPrintSpells, true);
  sheet.SetPictureFile("nyx.jpg");
  sheet.Cancel();  // the ticks stay, the typed picture is not the character's

  const Document document = editor_->CurrentDocument();
  const bool modified = editor_->Document().Modified;
  const std::string preview = sheet.Preview();
  EXPECT_EQ(editor_->CurrentDocument(), document);
  EXPECT_EQ(editor_->Document().Modified, modified);
  EXPECT_NE(preview.find("<title>Nyx Ironveil 3 Character Sheet</title>"), std::string::npos);
  EXPECT_NE(preview.find("<tr><img src=\".\\iv.gif\""), std::string::npos);
  for (const char* section : {"<!-- Spells -->", "<!-- Cyber  -->", "<!-- Bio  -->"}) {
    EXPECT_NE(preview.find(section), std::string::npos) << section;
  }

  const std::string leftBefore = "<td colspan=2>" + std::to_string(MoneyLeft(editor_->Record())) + "&yen;</td></tr>";
  ASSERT_NE(preview.find(leftBefore), std::string::npos);
  platform_.QueueAnswer("OK");
  sheet.PrintToHtml();
  sheet.SetPrintPicture(true);
  for (int box = 0; box < kPrintSectionCount; ++box) sheet.SetSection(box, true);
  platform_.QueueAnswer(Path("nyx.htm"));
  platform_.QueueRandom(0.5);
  ASSERT_TRUE(sheet.Print());
  std::string expected = preview;
  expected.replace(expected.find(leftBefore), leftBefore.size(),
                   "<td colspan=2>" + std::to_string(MoneyLeft(editor_->Record())) + "&yen;</td></tr>");
  EXPECT_EQ(Read("nyx.htm"), expected);
  EXPECT_EQ(sheet.Preview(), expected);
}

// "Options..." on the preview changes the preview's own ticks only: its "Print" asks for no file,
// finalizes nothing and keeps no picture, the picture box cannot be typed in, and Print to HTML
// keeps its boxes as they were.
TEST_F(SheetUnitTest, OptionsFromThePreviewPrintNothing) {
  SheetUnit& sheet = editor_->Sheet();
  const CharacterRecord before = editor_->Record();
  const PrintOptions printed = sheet.Options();
  const std::string undo = editor_->UndoText();
  sheet.EditOptions();
  EXPECT_TRUE(sheet.OptionsOnly());
  EXPECT_EQ(sheet.Options(), EverySection());
  sheet.SetPictureFile("other.gif");
  sheet.SetSection(kPrintBioware, false);
  EXPECT_FALSE(sheet.Print());
  EXPECT_EQ(Log(), (std::vector<std::string>{"dialog PrintOptions", "closed PrintOptions"}));
  EXPECT_FALSE(sheet.IsOpen());
  EXPECT_EQ(editor_->Record(), before);
  EXPECT_EQ(sheet.Options(), printed);
  EXPECT_EQ(sheet.PreviewOptions().pictureFile, ".\\iv.gif");
  EXPECT_FALSE(sheet.PreviewOptions().sections[kPrintBioware]);
  EXPECT_EQ(sheet.Preview().find("<!-- Bio"), std::string::npos);
  EXPECT_NE(sheet.Preview().find("<!-- Cyber"), std::string::npos);
  EXPECT_EQ(editor_->UndoText(), undo);
}

// With Override Limits a Cancel at the warning still prints, and the money stays as it is.
TEST_F(SheetUnitTest, OverrideLimitsPrintsWithoutFinalizing) {
  editor_->Priorities().SetOverrideLimits(true);
  const CharacterRecord before = editor_->Record();
  platform_.QueueAnswer("Cancel");
  editor_->Sheet().PrintToHtml();
  ASSERT_TRUE(editor_->Sheet().IsOpen());
  platform_.QueueAnswer(Path("nyx.htm"));
  EXPECT_TRUE(editor_->Sheet().Print());
  EXPECT_EQ(editor_->Record().NuyenSpent, before.NuyenSpent);
  EXPECT_FALSE(editor_->Record().OnceThru);
}

}  // namespace
}  // namespace ivgen
