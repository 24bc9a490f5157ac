// The Books page's widgets drive the Editor: clicks on the two lists, the move buttons, "Save
// Settings" and "Reload Datafiles".
#include "ui/books_page.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class BooksPageWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test_support::FreshProgramFolder("ui-books", IVGEN_CATALOG_FIXTURES "/small");
    editor_ = std::make_unique<Editor>(platform_, folder_.string() + "/", "");
    ASSERT_TRUE(editor_->Startup());
    platform_.ClearLog();
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Click(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  fs::path folder_;
  ScriptedPlatform platform_;
  std::unique_ptr<Editor> editor_;
};

TEST_F(BooksPageWidgetTest, MovesABookSavesItAndReloads) {
  BooksPage page(*editor_, nullptr);
  page.Refresh();
  page.show();
  auto* allowed = page.findChild<QTreeWidget*>("allowedBooks");
  auto* notAllowed = page.findChild<QTreeWidget*>("notAllowedBooks");
  auto* moveToAllowed = page.findChild<QPushButton*>("moveToAllowed");
  ASSERT_EQ(notAllowed->topLevelItemCount(), 1);
  EXPECT_EQ(notAllowed->topLevelItem(0)->text(0), "Street Companion");
  EXPECT_EQ(notAllowed->topLevelItem(0)->text(1), "SC");
  EXPECT_FALSE(moveToAllowed->isEnabled());

  Click(notAllowed, 0);
  EXPECT_TRUE(moveToAllowed->isEnabled());
  QTest::mouseClick(moveToAllowed, Qt::LeftButton);
  EXPECT_EQ(allowed->topLevelItemCount(), 2);
  EXPECT_EQ(notAllowed->topLevelItemCount(), 0);
  EXPECT_FALSE(moveToAllowed->isEnabled()) << "disabled until an entry is clicked again";

  QTest::mouseClick(page.findChild<QPushButton*>("saveBooks"), Qt::LeftButton);
  EXPECT_EQ(ReadWholeFile((folder_ / "books.dat").string()).value_or(""),
            "! Ironveil sourcebooks\r\n*Ironveil Core;IV3\r\n*Street Companion;SC\r\n");

  EXPECT_EQ(editor_->CurrentCatalogs().cyberware.size(), 2u);
  QTest::mouseClick(page.findChild<QPushButton*>("reloadDatafiles"), Qt::LeftButton);
  EXPECT_EQ(editor_->CurrentCatalogs().cyberware.size(), 3u);
  EXPECT_EQ(platform_.Log().front(), "progress [Reloading files] Loading ....");
  EXPECT_FALSE(platform_.Busy());
}

}  // namespace
}  // namespace ivgen
