// The Gear and Contacts pages drive the Editor: a group clicked in the tree, an item bought by
// count, a contact typed and added, and the money both pages show.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

class GearPagesTest : public ::testing::Test {
 protected:
  GearPagesTest() : editor_(platform_, test_support::FreshProgramFolder("gear-pages").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
  }

  template <typename T>
  T* Child(const char* name) {
    T* child = window_.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  void Shot(const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (!folder.isEmpty()) window_.grab().save(folder + "/" + name + ".png");
  }

  ScriptedPlatform platform_;
  Editor editor_;
  MainWindow window_{editor_, nullptr};
};

TEST_F(GearPagesTest, BuysKnivesByTheThreeAndAddsAFreeContact) {
  window_.show();
  window_.Pages()->setCurrentIndex(8);
  auto* tree = Child<QTreeWidget>("gearTree");
  tree->expandAll();
  const auto blades = tree->findItems("Blades", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(blades.size(), 1);
  tree->scrollToItem(blades[0]);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(blades[0]).center());
  auto* shop = Child<QListWidget>("gearShop");
  const auto knife = shop->findItems("Survival Knife", Qt::MatchExactly);
  ASSERT_EQ(knife.size(), 1);
  QTest::mouseClick(shop->viewport(), Qt::LeftButton, {}, shop->visualItemRect(knife[0]).center());
  EXPECT_EQ(Child<QLabel>("gearItemTitle")->text(), "Survival Knife");
  auto* count = Child<QLineEdit>("gearCount");
  count->selectAll();
  QTest::keyClicks(count, "3");
  QTest::mouseClick(Child<QPushButton>("gearBuy"), Qt::LeftButton);

  EXPECT_TRUE(editor_.Document().Modified);
  EXPECT_EQ(count->text(), "1");
  EXPECT_EQ(Child<QTreeWidget>("gearOwned")->topLevelItem(1)->text(0), "Survival Knife                [3]");
  EXPECT_EQ(Child<QLabel>("gearWeight")->text(), "1.8");
  EXPECT_EQ(Child<QLabel>("gearMoney")->text(), "89730");
  Shot("gear");

  window_.Pages()->setCurrentIndex(11);
  QTest::keyClicks(Child<QLineEdit>("contactField0"), "Mara");
  QTest::mouseClick(Child<QPushButton>("contactAdd"), Qt::LeftButton);
  auto* list = Child<QTreeWidget>("contactList");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Mara");
  EXPECT_EQ(list->topLevelItem(0)->text(kContactPriceField), "0");
  EXPECT_EQ(Child<QLabel>("contactMoney")->text(), "89730");
  EXPECT_FALSE(Child<QPushButton>("contactRemove")->isEnabled());
  Shot("contacts");
}

}  // namespace
}  // namespace ivgen
