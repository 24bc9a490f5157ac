// A started program in a folder of its own and its main window, clicked as a player would under
// the offscreen platform, with prompts answered by the scripted platform.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <memory>
#include <string>

#include "support/program_test.h"
#include "ui/main_window.h"

namespace ivgen::test_support {

class WindowTest : public ProgramTest {
 protected:
  explicit WindowTest(const std::string& catalogs = IVGEN_BUNDLED_DATA) : ProgramTest(catalogs) { Start(); }

  /// The window, made and shown at first use, so a test may set the Editor up before.
  MainWindow& Window() {
    if (!window_) {
      window_ = std::make_unique<MainWindow>(*editor_, nullptr);
      window_->resize(1024, 720);
      window_->show();
    }
    return *window_;
  }
  MainWindow& ShowPage(int page) {
    Window().Pages()->setCurrentIndex(page);
    return *window_;
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* widget = Window().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* field) { return Find<QLineEdit>(field)->text(); }
  /// The menu item with that text, in any menu or submenu.
  QAction* MenuItem(const QString& text) {
    for (QAction* menu : Window().menuBar()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (item->text() == text) return item;
      }
    }
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }
  /// Clicks the row, then double-clicks it when asked: a real double-click is a click, then a
  /// second click that the view takes as a double-click.
  static void ClickRow(QAbstractItemView* view, const QModelIndex& row, bool twice = false) {
    view->scrollTo(row);
    const QPoint at = view->visualRect(row).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  }
  /// Saves a picture when IVGEN_SCREENSHOTS names a folder, for looking at the layout.
  static void Shot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    widget.show();
    QApplication::processEvents();
    widget.grab().save(folder + "/" + name + ".png");
  }

  std::unique_ptr<MainWindow> window_;
};

}  // namespace ivgen::test_support
