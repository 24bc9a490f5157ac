// The point-generation, edges and flaws and animal-form dialogs clicked as a player would.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/animal_form_dialog.h"
#include "ui/clicks.h"
#include "ui/edges_dialog.h"
#include "ui/point_generation_dialog.h"

namespace ivgen {
namespace {

class PointsDialogsTest : public ::testing::Test {
 protected:
  PointsDialogsTest() : editor_(platform_, ProgramFolder(), "") {
    EXPECT_TRUE(editor_.Startup());
    editor_.Priorities().ChoosePointGenerator();
    platform_.ClearLog();
  }

  // The bundled catalogs and settings: 120 build points.
  static std::string ProgramFolder() {
    const std::filesystem::path folder = test_support::FreshProgramFolder("points-dialogs");
    std::filesystem::copy_file(std::filesystem::path(IVGEN_BUNDLED_DATA) / "ivgen.ini", folder / "ivgen.ini");
    return folder.string() + "/";
  }

  template <typename T>
  T* Find(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Type(QWidget& parent, const char* name, const QString& text) {
    auto* field = Find<QLineEdit>(parent, name);
    field->selectAll();
    QTest::keyClicks(field, text);
  }

  ScriptedPlatform platform_;
  Editor editor_;
};

TEST_F(PointsDialogsTest, PointDialogBuysAndItsDoneChecksTheBudget) {
  PointGenerationDialog dialog(editor_, nullptr);
  dialog.show();
  auto* points = Find<QLineEdit>(dialog, "points");
  EXPECT_EQ(points->text(), "39/120");
  Find<QRadioButton>(dialog, "pointRace3")->click();
  EXPECT_FALSE(Find<QGroupBox>(dialog, "resources")->isEnabled());
  EXPECT_EQ(points->text(), "64/120");
  Type(dialog, "attributePoints", "50");
  EXPECT_EQ(points->text(), "152/120");
  Find<QToolButton>(dialog, "activeSkillsDown")->click();
  EXPECT_EQ(Find<QLineEdit>(dialog, "activeSkills")->text(), "26");

  // Closing by the frame is Done, with its check: over budget it stays open.
  dialog.close();
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"message [Ironveil Character Generator] (OK) Cannot exceed "
                                                      "maximum points! -> OK"});
  EXPECT_TRUE(dialog.isVisible());
  Type(dialog, "attributePoints", "20");
  platform_.ClearLog();
  Find<QPushButton>(dialog, "pointDone")->click();
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"closed PointGeneration"});
  EXPECT_EQ(editor_.CurrentPage(), kPageRace);
  EXPECT_TRUE(editor_.Record().Shapeshift);
}

TEST_F(PointsDialogsTest, EdgesJoinByDoubleClickAndLeaveByRemove) {
  EdgesDialog dialog(editor_, nullptr);
  dialog.show();
  auto* edges = Find<QTreeWidget>(dialog, "edges");
  auto* chosen = Find<QTreeWidget>(dialog, "chosen");
  ASSERT_GT(edges->topLevelItemCount(), 0);
  edges->setCurrentItem(edges->topLevelItem(0));
  emit edges->itemDoubleClicked(edges->topLevelItem(0), 0);
  ASSERT_EQ(chosen->topLevelItemCount(), 1);
  EXPECT_EQ(chosen->topLevelItem(0)->text(0) + " | " + chosen->topLevelItem(0)->text(1) + " | " +
                chosen->topLevelItem(0)->text(2),
            "Steady Hands | 1 | ");
  EXPECT_EQ(Find<QLineEdit>(dialog, "edgePoints")->text(), "40/120");
  auto* remove = Find<QPushButton>(dialog, "remove");
  EXPECT_FALSE(remove->isEnabled());
  chosen->setCurrentItem(chosen->topLevelItem(0));
  QTest::keyClick(chosen, Qt::Key_Delete);
  EXPECT_EQ(chosen->topLevelItemCount(), 0);
  // The filter narrows the catalog; the edge it hid is not the one Add Edge takes.
  QTest::keyClicks(Find<QLineEdit>(dialog, "edgeFilter"), "zzz");
  EXPECT_TRUE(edges->topLevelItem(0)->isHidden());
  EXPECT_FALSE(Find<QPushButton>(dialog, "addEdge")->isEnabled());
  Find<QLineEdit>(dialog, "edgeFilter")->clear();
  // Enter is Done, even after another button was clicked.
  platform_.ShowDialog(Dialog::EdgesFlaws);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::mouseClick(Find<QPushButton>(dialog, "addEdge"), Qt::LeftButton);
  platform_.ClearLog();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(chosen->topLevelItemCount(), 1);
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"closed EdgesFlaws"});
}

// A click chooses the entry its list's Add button and Enter take, in either catalog.
TEST_F(PointsDialogsTest, EdgesAndFlawsAddTheClickedEntryByButtonAndByEnter) {
  EdgesDialog dialog(editor_, nullptr);
  dialog.show();
  auto* chosen = Find<QTreeWidget>(dialog, "chosen");
  for (const auto& [name, button] : {std::pair("edges", "addEdge"), std::pair("flaws", "addFlaw")}) {
    SCOPED_TRACE(name);
    auto* list = Find<QTreeWidget>(dialog, name);
    auto* add = Find<QPushButton>(dialog, button);
    ASSERT_GT(list->topLevelItemCount(), 3);
    const int before = chosen->topLevelItemCount();
    test_support::ClickRow(list, list->model()->index(2, 0));
    EXPECT_TRUE(add->isEnabled());
    QTest::mouseClick(add, Qt::LeftButton);
    test_support::ClickRow(list, list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(chosen->topLevelItemCount(), before + 2);
    EXPECT_EQ(chosen->topLevelItem(before)->text(0), list->topLevelItem(2)->text(0));
    EXPECT_EQ(chosen->topLevelItem(before + 1)->text(0), list->topLevelItem(3)->text(0));
  }
}

TEST_F(PointsDialogsTest, AnimalFormSpinsTheNaturalValues) {
  editor_.PointGeneration().ChooseRace(kShapeShifterChoice);
  editor_.PointGeneration().SetAttributePoints("12");
  editor_.PointGeneration().Done();
  editor_.SelectPage(kPageAttributes);
  AnimalFormDialog dialog(editor_, nullptr);
  dialog.show();
  auto* body = Find<QLineEdit>(dialog, "animalBodyBase");
  for (int k = 0; k < 4; ++k) Find<QToolButton>(dialog, "animalBodyUp")->click();
  EXPECT_EQ(body->text(), "4");
  EXPECT_EQ(Find<QLineEdit>(dialog, "animalPoints")->text(), "12/12");
  Find<QToolButton>(dialog, "animalStrengthUp")->click();
  EXPECT_EQ(Find<QLineEdit>(dialog, "animalStrengthBase")->text(), "1");
  EXPECT_TRUE(editor_.Document().Modified);
}

}  // namespace
}  // namespace ivgen
