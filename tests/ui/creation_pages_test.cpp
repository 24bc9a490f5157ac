// The Priorities, Race and Attributes pages clicked as a player would: each click drives the
// Editor and the pages show what the rules decided.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

class CreationPagesTest : public ::testing::Test {
 protected:
  CreationPagesTest() : editor_(platform_, test_support::FreshProgramFolder("creation-pages").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
    platform_.ClearLog();
  }

  template <typename T>
  T* Find(MainWindow& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // click() rather than a mouse event: a radio button only takes clicks on its label.
  void Click(QAbstractButton* button) { button->click(); }

  ScriptedPlatform platform_;
  Editor editor_;
};

TEST_F(CreationPagesTest, PriorityTableRowsMoveAndTheMagicOptionsFollow) {
  MainWindow window(editor_, nullptr);
  window.show();
  auto* areas = Find<QListWidget>(window, "priorityAreas");
  auto* values = Find<QListWidget>(window, "priorityValues");
  ASSERT_EQ(values->count(), 5);
  EXPECT_EQ(values->item(2)->text(), QString::fromUtf8("90,000\u00a5"));
  EXPECT_EQ(values->item(3)->text(), "Dwarf/Ork");

  // Clicking in the value column selects the row in both columns.
  values->setCurrentRow(4);
  EXPECT_EQ(areas->currentRow(), 4);
  auto* up = Find<QToolButton>(window, "priorityUp");
  Click(up);
  Click(up);
  Click(up);
  EXPECT_EQ(areas->item(1)->text(), "Magic");
  EXPECT_EQ(values->item(1)->text(), "Aspected");
  EXPECT_EQ(values->currentRow(), 1);
  EXPECT_EQ(editor_.Record().MagicPts, 35);
  auto* adept = Find<QGroupBox>(window, "adeptGroup");
  EXPECT_TRUE(adept->isVisible());
  Click(Find<QRadioButton>(window, "adept0"));
  EXPECT_EQ(editor_.Record().Adept, 0);
  EXPECT_EQ(editor_.Record().MagicPts, 0);
  EXPECT_TRUE(editor_.Document().Modified);

  auto* money = Find<QLineEdit>(window, "money");
  EXPECT_FALSE(money->isVisible());
  Click(Find<QCheckBox>(window, "overrideLimits"));
  EXPECT_TRUE(money->isVisible());
  EXPECT_EQ(editor_.Record().norules, 1);
}

TEST_F(CreationPagesTest, RaceOptionsOpenWhenThePrioritiesPageIsLeft) {
  MainWindow window(editor_, nullptr);
  window.show();
  // The race page is built when first shown; until the priorities page is left it offers nothing.
  EXPECT_FALSE(editor_.Race().View().optionEnabled[2]);
  window.Pages()->setCurrentIndex(1);
  auto* elf = Find<QRadioButton>(window, "raceElf");
  auto* dwarf = Find<QRadioButton>(window, "raceDwarf");
  EXPECT_TRUE(dwarf->isEnabled());
  EXPECT_FALSE(elf->isEnabled());
  Click(dwarf);
  EXPECT_EQ(editor_.Record().Race, "Dwarf");
  auto* traits = Find<QListWidget>(window, "raceDesc");
  ASSERT_EQ(traits->count(), 2);
  EXPECT_EQ(traits->item(0)->text(), "Thermographic Vision");
  EXPECT_FALSE(Find<QGroupBox>(window, "metaGroup")->isVisible());

  window.Pages()->setCurrentIndex(2);
  EXPECT_TRUE(editor_.Record().OnceThru);
  EXPECT_EQ(Find<QLineEdit>(window, "StrengthRacial")->text(), "2");
  EXPECT_EQ(Find<QLineEdit>(window, "StrengthTotal")->text(), "3");
}

TEST_F(CreationPagesTest, AttributeButtonsRaiseTheBaseAndStopAtTheCeiling) {
  MainWindow window(editor_, nullptr);
  window.show();
  window.Pages()->setCurrentIndex(2);
  auto* base = Find<QLineEdit>(window, "QuicknessBase");
  EXPECT_TRUE(base->isReadOnly());
  auto* up = Find<QToolButton>(window, "QuicknessUp");
  for (int i = 0; i < 7; ++i) Click(up);
  EXPECT_EQ(base->text(), "6");
  EXPECT_EQ(Find<QLineEdit>(window, "AttributePoints")->text(), "11/30");
  EXPECT_EQ(Find<QLineEdit>(window, "ReactionBase")->text(), "3");
  EXPECT_FALSE(Find<QLabel>(window, "QuicknessOverMaximum")->isVisible());
  Click(Find<QToolButton>(window, "QuicknessDown"));
  EXPECT_EQ(base->text(), "5");

  // The free pools are typed by the player.
  auto* poolName = Find<QLineEdit>(window, "lblPool1");
  QTest::keyClicks(poolName, "Rigging");
  EXPECT_EQ(editor_.Record().Pools.lblPool1, "Rigging");
}

TEST_F(CreationPagesTest, CharacterGenMenuSwitchesTheGenerator) {
  MainWindow window(editor_, nullptr);
  QMenu* menu = nullptr;
  for (QAction* top : window.menuBar()->actions()) {
    for (QAction* item : top->menu()->actions()) {
      if (item->menu() != nullptr && item->text() == "&Character Gen.") menu = item->menu();
    }
  }
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* item : menu->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Priority", "Point System", "Existing Character"}));
  EXPECT_TRUE(menu->actions()[0]->isChecked());
  menu->actions()[1]->trigger();
  EXPECT_TRUE(editor_.Record().GeneratorPoints);
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"dialog PointGeneration"});
  menu->actions()[2]->trigger();
  EXPECT_EQ(editor_.Record().norules, 1);
  EXPECT_TRUE(menu->actions()[2]->isChecked());
}

}  // namespace
}  // namespace ivgen
