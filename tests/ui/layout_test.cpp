// The window on the screen the test runs on (a 1024x768 screen, or 1280x800 at twice the scale),
// with both panes open: it stays inside the screen, and every page can be reached whole, no field
// or label squeezed, scrolling where it must.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "support/program_test.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

namespace ivgen {
namespace {

class LayoutTest : public test_support::ProgramTest {
 protected:
  LayoutTest() { Start(); }

  // Widgets cut off by their parent. A scroll area's contents count as reachable however large:
  // the player scrolls to them.
  static void Clipped(const QWidget* parent, QStringList& clipped) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
    const bool scrolled = area != nullptr && area->viewport() == parent;
    for (const QObject* object : parent->children()) {
      const auto* child = qobject_cast<const QWidget*>(object);
      if (child == nullptr || !child->isVisible() || child->isWindow()) continue;
      // A pane behind another's tab is moved out of sight on purpose.
      if (qobject_cast<const QDockWidget*>(child) != nullptr && child->visibleRegion().isEmpty()) continue;
      if (!scrolled && !parent->rect().contains(child->geometry())) {
        clipped << QString("%1 (%2) in %3")
                       .arg(child->objectName(), child->metaObject()->className(), parent->metaObject()->className());
      }
      // Squeezed below the least it needs to show its text, a field or a label cuts it.
      const auto* label = qobject_cast<const QLabel*>(child);
      const bool texts =
          (label != nullptr && !label->wordWrap()) || qobject_cast<const QPushButton*>(child) != nullptr ||
          qobject_cast<const QAbstractSpinBox*>(child) != nullptr || qobject_cast<const QComboBox*>(child) != nullptr ||
          qobject_cast<const QCheckBox*>(child) != nullptr;
      // A read-only field shows a total or a price whole: the text fits inside the frame and the
      // two pixels of margin the field keeps on each side.
      const auto* field = qobject_cast<const QLineEdit*>(child);
      if (field != nullptr && field->isReadOnly()) {
        QStyleOptionFrame frame;
        frame.initFrom(field);
        frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
        const int room = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field).width() - 2 * 2;
        if (field->fontMetrics().horizontalAdvance(field->text()) > room) {
          clipped << QString("%1 cuts \"%2\"").arg(child->objectName(), field->text());
        }
      }
      const QSize least = child->minimumSizeHint();
      if (texts && least.isValid() && (child->width() < least.width() || child->height() < least.height())) {
        clipped << QString("%1 (%2) squeezed to %3x%4 of %5x%6")
                       .arg(label != nullptr ? "\"" + label->text() + "\"" : child->objectName(),
                            child->metaObject()->className())
                       .arg(child->width())
                       .arg(child->height())
                       .arg(least.width())
                       .arg(least.height());
      }
      Clipped(child, clipped);
    }
  }
  static std::string Describe(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
  }
  static void Shot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (!folder.isEmpty()) widget.grab().save(folder + "/" + name + ".png");
  }
};

TEST_F(LayoutTest, EveryPageFitsTheScreenAndScrollsWhereItMust) {
  // A magician fills the pages a mundane leaves empty.
  editor_->OpenNamed(std::string(IVGEN_BUNDLED_DATA) + "/samples/lanternjack.iv3");
  MainWindow window(*editor_, nullptr);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // With both panes open, as a player who uses them works.
  for (const char* pane : {"leftToDo", "sheetPreview"})
    window.findChild<QDockWidget*>(pane)->toggleViewAction()->trigger();
  QApplication::processEvents();
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window.frameGeometry()))
      << "window " << Describe(window.frameGeometry()) << " on " << Describe(screen);
  // The panes share one place beside the pages, the one opened last in front.
  auto* todo = window.findChild<QDockWidget*>("leftToDo");
  auto* preview = window.findChild<QDockWidget*>("sheetPreview");
  EXPECT_EQ(window.dockWidgetArea(todo), Qt::RightDockWidgetArea);
  EXPECT_EQ(window.tabifiedDockWidgets(todo), QList<QDockWidget*>{preview});
  EXPECT_FALSE(preview->visibleRegion().isEmpty());
  EXPECT_GE(preview->width(), 240);
  for (int page = 0; page < window.Pages()->count(); ++page) {
    window.Pages()->setCurrentIndex(page);
    // Twice: the fields that grew with their text first, then the page around them.
    QApplication::processEvents();
    QApplication::processEvents();
    QStringList clipped;
    Clipped(&window, clipped);
    // On a screen 1024 wide every tab stays in sight beside the panes; on a smaller one they scroll.
    const QTabBar* tabs = window.Pages()->tabBar();
    for (int tab = 0; tab < tabs->count() && screen.width() >= 1024; ++tab) {
      if (!tabs->rect().contains(tabs->tabRect(tab))) clipped << "tab " + tabs->tabText(tab);
    }
    EXPECT_TRUE(clipped.isEmpty()) << window.Pages()->tabText(page).toStdString() << ": "
                                   << clipped.join("; ").toStdString();
    if (page == 0) {
      // Each priority letter stands on the row it ranks.
      const auto* letters = window.findChild<QListWidget*>("priorityLetters");
      const auto* areas = window.findChild<QListWidget*>("priorityAreas");
      ASSERT_TRUE(letters != nullptr && areas != nullptr);
      for (int row = 0; row < areas->count(); ++row) {
        const QPoint letter = letters->viewport()->mapTo(&window, letters->visualItemRect(letters->item(row)).center());
        const QPoint area = areas->viewport()->mapTo(&window, areas->visualItemRect(areas->item(row)).center());
        EXPECT_EQ(letter.y(), area.y()) << letters->item(row)->text().toStdString();
      }
    }
    Shot(window, QString("layout-%1x%2-page%3").arg(screen.width()).arg(screen.height()).arg(page));
  }
}

// The animal-form window opens on the screen, clear of the attribute rows it changes wherever the
// screen is wide enough for both; on a narrower screen it sits as far right as the screen allows.
TEST_F(LayoutTest, TheAnimalFormOpensClearOfTheAttributeRows) {
  QtPlatform qt;
  MainWindow window(*editor_, &qt);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.Pages()->setCurrentIndex(kPageAttributes);
  QApplication::processEvents();
  qt.ShowDialog(Dialog::AnimalForm);
  QApplication::processEvents();
  const auto* form = window.findChild<QWidget*>("animalFormDialog");
  ASSERT_NE(form, nullptr);
  const QWidget* rows = window.findChild<QWidget*>("BodyBase")->parentWidget();
  const QRect panel(rows->mapToGlobal(QPoint(0, 0)), rows->size());
  const QRect screen = window.screen()->availableGeometry();
  if (panel.right() + form->frameGeometry().width() > screen.right()) {
    EXPECT_EQ(form->frameGeometry().right(), screen.right());
  } else {
    EXPECT_FALSE(form->frameGeometry().intersects(panel))
        << "form " << Describe(form->frameGeometry()) << ", attribute rows " << Describe(panel) << ", window "
        << Describe(window.frameGeometry());
  }
  EXPECT_TRUE(screen.contains(form->frameGeometry()));
  Shot(window, QString("animal-form-%1").arg(window.screen()->availableGeometry().width()));
}

// A refused step shows its reason in the status bar for a while; the program's own status text
// is what the bar shows again after it.
TEST_F(LayoutTest, ARefusalSaysWhyInTheStatusBar) {
  MainWindow window(*editor_, nullptr);
  window.show();
  QtPlatform qt;
  qt.SetParent(&window);
  qt.Refused("Strength is at its racial maximum (6)");
  EXPECT_EQ(window.statusBar()->currentMessage(), "Strength is at its racial maximum (6)");
  EXPECT_EQ(window.findChild<QLabel*>("statusText")->text(), "New character");
  window.statusBar()->clearMessage();
  EXPECT_TRUE(window.findChild<QLabel*>("statusText")->isVisible());
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
