// The Cyberware and Bioware pages clicked as a player would: a double-click buys, the installed
// list and its remove button follow, and the limbs options appear with cyber arms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/implant_lists.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

class ImplantPagesTest : public ::testing::Test {
 protected:
  ImplantPagesTest() : editor_(platform_, test_support::FreshProgramFolder("implant-pages").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
    platform_.ClearLog();
  }

  template <typename T>
  T* Find(MainWindow& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Double-clicks the row of the tree that shows `name`.
  void DoubleClick(QTreeWidget* tree, const QString& name) {
    const auto rows = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(rows.size(), 1) << name.toStdString();
    tree->scrollToItem(rows[0]);
    const QPoint at = tree->visualItemRect(rows[0]).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
  }

  // Saves a picture of the page when IVGEN_SCREENSHOTS names a folder.
  void Screenshot(MainWindow& window, const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
  }

  ScriptedPlatform platform_;
  Editor editor_;
};

TEST_F(ImplantPagesTest, DoubleClickBuysAndTheInstalledListFollows) {
  MainWindow window(editor_, nullptr);
  window.resize(1024, 720);
  window.show();
  window.Pages()->setCurrentIndex(4);
  auto* catalog = Find<CatalogTreeView>(window, "cyberCatalog");
  auto* installed = Find<EntryListView>(window, "installedCyberware");
  auto* limbs = Find<QWidget>(window, "cyberLimbs");
  EXPECT_FALSE(limbs->isVisible());

  Find<QRadioButton>(window, "gradeAlpha")->click();
  DoubleClick(catalog, "Skull Port");
  Find<QRadioButton>(window, "gradeStandard")->click();
  DoubleClick(catalog, "Cyber Arms, Obvious");
  ASSERT_EQ(installed->topLevelItemCount(), 2);
  EXPECT_EQ(installed->topLevelItem(0)->text(0), "Skull Port(A)");
  EXPECT_EQ(Find<QLineEdit>(window, "essence")->text(), "3.84");
  EXPECT_EQ(Find<QLineEdit>(window, "moneyLeft")->text(), "38000");
  EXPECT_TRUE(limbs->isVisible());
  EXPECT_TRUE(editor_.Document().Modified);

  auto* remove = Find<QPushButton>(window, "removeCyberware");
  EXPECT_FALSE(remove->isEnabled());
  QTest::mouseClick(installed->viewport(), Qt::LeftButton, {},
                    installed->visualItemRect(installed->topLevelItem(0)).center());
  EXPECT_TRUE(Find<QRadioButton>(window, "gradeAlpha")->isChecked());
  Screenshot(window, "cyberware");
  remove->click();
  EXPECT_EQ(installed->topLevelItemCount(), 1);
  EXPECT_FALSE(remove->isEnabled());

  window.Pages()->setCurrentIndex(5);
  Find<QRadioButton>(window, "typeCultured")->click();
  DoubleClick(Find<CatalogTreeView>(window, "bioCatalog"), "Nocturnal Retina");
  EXPECT_EQ(Find<QLineEdit>(window, "bioIndex")->text(), "0.15");
  EXPECT_EQ(Find<QLineEdit>(window, "essenceIndex")->text(), "7");
  EXPECT_FALSE(Find<QWidget>(window, "excessiveBioware")->isVisible());
  Screenshot(window, "bioware");
  EXPECT_TRUE(platform_.Log().empty());
}

}  // namespace
}  // namespace ivgen
