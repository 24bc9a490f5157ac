// The window's pages, menus and dialogs, clicked as a player would.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "record/text_file.h"
#include "ui/options_dialog.h"
#include "ui/print_options_dialog.h"
#include "window_fixture.h"

namespace ivgen {
namespace {

class MainWindowTest : public test_support::WindowTest {
 protected:
  QStringList MenuItems(const QString& title) {
    QStringList items;
    for (QAction* menu : Window().menuBar()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (menu->text() == title && !item->isSeparator()) items << item->text();
      }
    }
    return items;
  }
};

TEST_F(MainWindowTest, OpensOnPrioritiesWithTheTwelvePagesAndMenus) {
  QStringList tabs;
  for (int page = 0; page < Window().Pages()->count(); ++page) tabs << Window().Pages()->tabText(page);
  EXPECT_EQ(tabs, (QStringList{"Priorities", "Race", "Attributes", "Skills", "Cyberware", "Bioware", "Spells",
                               "Phys. Adept", "Gear", "BioInfo", "Books", "Contacts"}));
  EXPECT_EQ(Window().Pages()->currentIndex(), 0);
  EXPECT_EQ(Window().windowTitle(), "Ironveil Character Generator 3.2.6 - 2 July 2000");
  // Every page fits a 1024x768 screen with room for a task bar.
  EXPECT_LE(Window().minimumSizeHint().width(), 1024);
  EXPECT_LE(Window().minimumSizeHint().height(), 720);
  EXPECT_EQ(MenuItems("&File"),
            (QStringList{"&New", "&Open...", "&Save", "Save &As...", "Propert&ies", "&Print to HTML", "E&xit"}));
  EXPECT_EQ(MenuItems("&View"), (QStringList{"Status &Bar", "&Refresh", "&Character Gen.", "&Options..."}));
  EXPECT_EQ(MenuItems("&Help"), (QStringList{"&Contents", "&Search For Help On...", "&About"}));

  for (int page = 0; page < Window().Pages()->count(); ++page) {
    ShowPage(page);
    Shot(Window(), QString("page%1").arg(page));
  }
}

TEST_F(MainWindowTest, NewAsksOnlyAfterAnEditAndClearsThePages) {
  MenuItem("&New")->trigger();
  EXPECT_TRUE(platform_.Log().empty());
  ShowPage(9);
  QTest::keyClicks(Find("StreetName"), "Nyx");
  EXPECT_EQ(editor_->Record().StreetName, "Nyx");
  EXPECT_TRUE(editor_->Document().Modified);
  platform_.QueueAnswer("No");
  MenuItem("&New")->trigger();
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"message [New character] (warning, Yes/No/Cancel) Current "
                                                      "character has been modified.\\n\\rDo you want do save "
                                                      "changes? -> No"});
  EXPECT_EQ(Text("StreetName"), "");
}

TEST_F(MainWindowTest, OptionsDialogRefusesOutOfRangeAndStaysOpen) {
  editor_->Options().Open();  // the scripted platform records the dialog without blocking
  OptionsDialog dialog(*editor_, nullptr);
  dialog.findChild<QLineEdit*>("maxpoints")->setText("201");
  QTest::mouseClick(dialog.findChild<QPushButton*>("done"), Qt::LeftButton);
  EXPECT_EQ(platform_.Log().back(), "message [Ironveil Character Generator] (OK) Invalid entry... <0..200> only -> OK");
  EXPECT_TRUE(editor_->Options().IsOpen());
  EXPECT_EQ(editor_->CurrentSettings().maxpoints, 0);
}

TEST_F(MainWindowTest, PrintOptionsDialogChoosesWhatTheSheetHolds) {
  const std::string sheet = (folder_ / "nyx.htm").string();
  editor_->Sheet().PrintToHtml();  // the scripted platform records the dialog without blocking
  PrintOptionsDialog dialog(*editor_, nullptr);
  auto* picture = dialog.findChild<QLineEdit*>("pictureFile");
  EXPECT_EQ(picture->text(), ".\\iv.gif");
  picture->clear();
  QTest::keyClicks(picture, "nyx.gif");
  QTest::mouseClick(dialog.findChild<QCheckBox*>("printPicture"), Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QCheckBox*>("chkPrOp1"), Qt::LeftButton);
  platform_.QueueAnswer(sheet);
  QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
  EXPECT_FALSE(editor_->Sheet().IsOpen());
  EXPECT_EQ(editor_->Sheet().WrittenSheet(), sheet);
  const std::string bytes = ReadWholeFile(sheet).value_or("");
  EXPECT_NE(bytes.find("<tr><img src=\"nyx.gif\""), std::string::npos);
  EXPECT_NE(bytes.find("<!-- Cyber  -->"), std::string::npos);
  EXPECT_EQ(bytes.find("<!-- Bio  -->"), std::string::npos);
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
