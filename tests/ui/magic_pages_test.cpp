// The Spells and Phys. Adept pages clicked as a player would: each click drives the Editor and
// the pages show what the rules decided.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

class MagicPagesTest : public ::testing::Test {
 protected:
  MagicPagesTest() : editor_(platform_, test_support::FreshProgramFolder("magic-pages").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
    // Magic moves from E to A, or to B for an adept.
    editor_.Priorities().SelectRow(4);
    for (int i = 0; i < 3; ++i) editor_.Priorities().MoveUp();
    platform_.ClearLog();
  }

  template <typename T>
  T* Find(MainWindow& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // Saves a picture of the page when IVGEN_SCREENSHOTS names a folder, for looking at the layout.
  void Screenshot(MainWindow& window, const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    window.grab().save(folder + "/" + name + ".png");
  }

  ScriptedPlatform platform_;
  Editor editor_;
};

TEST_F(MagicPagesTest, MagicianAddsARaisesAndBuysSpellPoints) {
  editor_.Priorities().MoveUp();
  editor_.Priorities().SelectRow(3);
  editor_.Priorities().MoveUp();  // Resources at C: 90,000 nuyen
  MainWindow window(editor_, nullptr);
  window.show();
  window.Pages()->setCurrentIndex(6);
  ASSERT_TRUE(Find<QGroupBox>(window, "spellGroup")->isVisible());
  Find<QListWidget>(window, "traditions")->setCurrentRow(2);
  auto* catalog = Find<QTreeWidget>(window, "spellCatalog");
  ASSERT_GT(catalog->topLevelItemCount(), 3);
  EXPECT_EQ(catalog->headerItem()->text(3), "Dur.");
  emit catalog->itemDoubleClicked(catalog->topLevelItem(0), 0);
  catalog->setCurrentItem(catalog->topLevelItem(3));
  Find<QPushButton>(window, "addSpell")->click();
  auto* chosen = Find<QTreeWidget>(window, "chosenSpells");
  ASSERT_EQ(chosen->topLevelItemCount(), 2);
  auto* up = Find<QToolButton>(window, "spellUp");
  EXPECT_FALSE(up->isEnabled());
  chosen->setCurrentItem(chosen->topLevelItem(1));
  up->click();
  up->click();
  EXPECT_EQ(chosen->topLevelItem(1)->text(6), "[03]");
  EXPECT_EQ(Find<QLineEdit>(window, "spellPoints")->text(), "4/25");
  Find<QPushButton>(window, "buySpellPoints")->click();
  EXPECT_EQ(Find<QLineEdit>(window, "spellPoints")->text(), "4/26");
  EXPECT_EQ(Find<QLineEdit>(window, "spellMoneyLeft")->text(), "65000");
  EXPECT_EQ(editor_.Record().Tradition, 2);
  EXPECT_TRUE(editor_.Document().Modified);
  Screenshot(window, "spells");
}

TEST_F(MagicPagesTest, AdeptBuysALeveledPowerAndRemovesIt) {
  editor_.Priorities().ChooseAdept(0);
  MainWindow window(editor_, nullptr);
  window.show();
  window.Pages()->setCurrentIndex(7);
  ASSERT_TRUE(Find<QGroupBox>(window, "powerGroup")->isVisible());
  auto* catalog = Find<QTreeWidget>(window, "powerCatalog");
  const auto found = catalog->findItems("Iron Palm*", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  catalog->setCurrentItem(found[0]);
  EXPECT_EQ(Find<QLineEdit>(window, "powerCost")->text(), "0.50");
  platform_.QueueAnswer("2");
  Find<QPushButton>(window, "buyPower")->click();
  auto* owned = Find<QTreeWidget>(window, "ownedPowers");
  ASSERT_EQ(owned->topLevelItemCount(), 1);
  EXPECT_EQ(owned->topLevelItem(0)->text(0), "Iron Palm*[2]");
  EXPECT_EQ(Find<QLineEdit>(window, "powerPoints")->text(), "1/6");
  Screenshot(window, "powers");
  auto* remove = Find<QPushButton>(window, "removePower");
  EXPECT_FALSE(remove->isEnabled());
  owned->setCurrentItem(owned->topLevelItem(0));
  remove->click();
  EXPECT_EQ(owned->topLevelItemCount(), 0);
  EXPECT_EQ(Find<QLineEdit>(window, "powerPoints")->text(), "0/6");
}

}  // namespace
}  // namespace ivgen
