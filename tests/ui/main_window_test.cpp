// The window drives the Editor: real widgets clicked under the offscreen platform, prompts
// answered by the scripted platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"
#include "ui/about_dialog.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/print_options_dialog.h"

namespace ivgen {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : editor_(platform_, test_support::FreshProgramFolder("window").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
    platform_.ClearLog();
  }

  // Saves a picture of each page when IVGEN_SCREENSHOTS names a folder, for looking at the layout.
  void Screenshots(MainWindow& window) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    for (int page = 0; page < window.Pages()->count(); ++page) {
      window.Pages()->setCurrentIndex(page);
      QApplication::processEvents();
      window.grab().save(folder + QString("/page%1.png").arg(page));
    }
    window.Pages()->setCurrentIndex(0);
    editor_.Options().Open();
    OptionsDialog options(editor_, &window);
    options.show();
    QApplication::processEvents();
    options.grab().save(folder + "/options.png");
    editor_.Sheet().PrintToHtml();
    PrintOptionsDialog print(editor_, &window);
    print.show();
    QApplication::processEvents();
    print.grab().save(folder + "/print_options.png");
    editor_.Sheet().Cancel();
    AboutDialog about(editor_, &window);
    about.show();
    QApplication::processEvents();
    about.grab().save(folder + "/about.png");
    SplashWindow splash("version 3.2.6 - 2 July 2000");
    splash.show();
    QApplication::processEvents();
    splash.grab().save(folder + "/splash.png");
  }

  ScriptedPlatform platform_;
  Editor editor_;
};

QStringList MenuItems(QMenuBar* bar, const QString& title) {
  QStringList items;
  for (QAction* menu : bar->actions()) {
    if (menu->text() != title) continue;
    for (QAction* item : menu->menu()->actions()) {
      if (!item->isSeparator()) items << item->text();
    }
  }
  return items;
}

TEST_F(MainWindowTest, OpensOnPrioritiesWithTheTwelvePagesAndMenus) {
  MainWindow window(editor_, nullptr);
  window.show();
  ASSERT_EQ(window.Pages()->count(), 12);
  const QStringList expected = {"Priorities", "Race",        "Attributes", "Skills",  "Cyberware", "Bioware",
                                "Spells",     "Phys. Adept", "Gear",       "BioInfo", "Books",     "Contacts"};
  for (int page = 0; page < 12; ++page) EXPECT_EQ(window.Pages()->tabText(page), expected[page]);
  EXPECT_EQ(window.Pages()->currentIndex(), 0);
  EXPECT_EQ(window.windowTitle(), "Ironveil Character Generator 3.2.6 - 2 July 2000");
  // Every page fits a 1024x768 screen with room for a task bar.
  EXPECT_LE(window.minimumSizeHint().width(), 1024);
  EXPECT_LE(window.minimumSizeHint().height(), 720);

  QMenuBar* bar = window.menuBar();
  EXPECT_EQ(MenuItems(bar, "&File"),
            (QStringList{"&New", "&Open...", "&Save", "Save &As...", "Propert&ies", "&Print to HTML", "E&xit"}));
  EXPECT_EQ(MenuItems(bar, "&View"), (QStringList{"Status &Bar", "&Refresh", "&Character Gen.", "&Options..."}));
  EXPECT_EQ(MenuItems(bar, "&Help"), (QStringList{"&Contents", "&Search For Help On...", "&About"}));
  Screenshots(window);
}

TEST_F(MainWindowTest, NewOnAnUnchangedCharacterAsksNothing) {
  MainWindow window(editor_, nullptr);
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->text() == "&New") item->trigger();
    }
  }
  EXPECT_TRUE(platform_.Log().empty());
}

TEST_F(MainWindowTest, TypingAStreetNameMarksTheCharacterModifiedAndNewAsks) {
  MainWindow window(editor_, nullptr);
  window.Pages()->setCurrentIndex(9);
  auto* street = window.findChild<QLineEdit*>("StreetName");
  ASSERT_NE(street, nullptr);
  QTest::keyClicks(street, "Nyx");
  EXPECT_EQ(editor_.Record().StreetName, "Nyx");
  EXPECT_TRUE(editor_.Document().Modified);

  platform_.QueueAnswer("No");
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->text() == "&New") item->trigger();
    }
  }
  ASSERT_EQ(platform_.Log().size(), 1u);
  EXPECT_EQ(platform_.Log()[0],
            "message [New character] (warning, Yes/No/Cancel) Current character has been modified.\\n\\rDo you want "
            "do save changes? -> No");
  EXPECT_EQ(street->text(), "");
}

TEST_F(MainWindowTest, OptionsDialogRefusesOutOfRangeAndStaysOpen) {
  editor_.Options().Open();  // the scripted platform records the dialog without blocking
  OptionsDialog dialog(editor_, nullptr);
  dialog.findChild<QLineEdit*>("maxpoints")->setText("201");
  QTest::mouseClick(dialog.findChild<QPushButton*>("done"), Qt::LeftButton);
  EXPECT_EQ(platform_.Log().back(), "message [Ironveil Character Generator] (OK) Invalid entry... <0..200> only -> OK");
  EXPECT_TRUE(editor_.Options().IsOpen());
  EXPECT_EQ(editor_.CurrentSettings().maxpoints, 0);
}

TEST_F(MainWindowTest, PrintOptionsDialogChoosesWhatTheSheetHolds) {
  const std::string sheet = (test_support::FreshFolder("window-sheet") / "nyx.htm").string();
  editor_.Sheet().PrintToHtml();  // the scripted platform records the dialog without blocking
  PrintOptionsDialog dialog(editor_, nullptr);
  auto* picture = dialog.findChild<QLineEdit*>("pictureFile");
  EXPECT_EQ(picture->text(), ".\\iv.gif");
  picture->clear();
  QTest::keyClicks(picture, "nyx.gif");
  QTest::mouseClick(dialog.findChild<QCheckBox*>("printPicture"), Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QCheckBox*>("chkPrOp1"), Qt::LeftButton);
  platform_.QueueAnswer(sheet);
  QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
  EXPECT_FALSE(editor_.Sheet().IsOpen());
  EXPECT_EQ(editor_.Sheet().WrittenSheet(), sheet);
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
