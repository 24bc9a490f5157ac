// The Skills page clicked as a player would: the lists, the add commands and the spinners drive
// the Editor, and the page shows the pools and markers the rules decided.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/editor.h"
#include "platform/scripted_platform.h"
#include "support/program_folder.h"
#include "ui/main_window.h"

namespace ivgen {
namespace {

TEST(SkillsPageTest, ListsAddSpinnersAndPools) {
  ScriptedPlatform platform;
  Editor editor(platform, test_support::FreshProgramFolder("skills-page").string() + "/", "");
  ASSERT_TRUE(editor.Startup());
  MainWindow window(editor, nullptr);
  window.show();
  window.Pages()->setCurrentIndex(3);
  auto find = [&window](const char* name) { return window.findChild<QWidget*>(name); };
  auto* categories = static_cast<QListWidget*>(find("skillCategories"));
  auto* skills = static_cast<QListWidget*>(find("catalogSkills"));
  auto* list = static_cast<QTreeWidget*>(find("characterSkills"));
  auto* further = static_cast<QPushButton*>(find("furtherSpecialization"));

  categories->setCurrentRow(categories->count() - 4);  // Street Knowledge
  skills->setCurrentRow(0);
  EXPECT_TRUE(further->isVisible());
  static_cast<QListWidget*>(find("specializations"))->setCurrentRow(0);
  platform.QueueAnswer("Redmond");
  further->click();
  // A double-click on the skill adds it plain although a specialization was chosen: a real
  // double-click is a click, then a second click that the list takes as a double-click.
  const QPoint first = skills->visualItemRect(skills->item(0)).center();
  QTest::mouseClick(skills->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseDClick(skills->viewport(), Qt::LeftButton, {}, first);
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "Gang Lore (KNO)/Local Gangs/Redmond");
  EXPECT_EQ(list->topLevelItem(0)->text(1), "[1/3]");
  EXPECT_EQ(list->topLevelItem(1)->text(0) + " " + list->topLevelItem(1)->text(1), "Gang Lore (KNO) [1]");
  auto* knowledge = static_cast<QLineEdit*>(find("knowledgePoints"));
  EXPECT_EQ(knowledge->text(), "4/5");
  // Above Intelligence 1 the next point costs two, and only one is left.
  static_cast<QToolButton*>(find("skillRaise"))->click();
  EXPECT_EQ(list->topLevelItem(1)->text(1), "[1]");
  EXPECT_FALSE(find("skillAdjusters")->isVisible());
  if (const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS"); !folder.isEmpty()) {
    window.grab().save(folder + "/skills.png");
  }
  auto* remove = static_cast<QPushButton*>(find("removeSkill"));
  remove->click();
  EXPECT_EQ(list->topLevelItemCount(), 1);
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_EQ(knowledge->text(), "3/5");
  EXPECT_TRUE(editor.Document().Modified);
}

}  // namespace
}  // namespace ivgen
