// The editor window: twelve pages, the menus, the toolbar and the status bar, all views of the
// Editor.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTabWidget>
#include <map>
#include <vector>

#include "platform/platform.h"
#include "ui/page_view.h"

namespace ivgen {

class Editor;
class QtPlatform;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  /// platform, when given, gets its dialogs and parent from this window.
  MainWindow(Editor& editor, QtPlatform* platform);

  /// Shows the Editor's current state everywhere.
  void Refresh();
  QTabWidget* Pages() const { return pages_; }

  /// Open without the file dialog, for a character named on the command line.
  void OpenNamed(const std::string& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void OpenDialog(Dialog dialog, bool modal);
  void BuildPage(int index);
  void CloseDialog(Dialog dialog);
  void PlaceBeside(QWidget* window);
  QAction* AddAction(QMenu* menu, const QString& text, void (MainWindow::*slot)(), const QKeySequence& key = {});

  void OnNew();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnExit();
  void OnProperties();
  void OnStatusBar();
  void OnOptions();
  void OnPrintToHtml();
  void OnHelpContents();
  void OnHelpSearch();
  void OnAbout();
  void OnRefresh() { Refresh(); }
  void OnUndo();
  void OnRedo();

  Editor& editor_;
  QtPlatform* platform_ = nullptr;
  QTabWidget* pages_ = nullptr;
  std::vector<PageView*> views_;
  QAction* statusBarAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QLabel* statusText_ = nullptr;
  /// The dialogs on screen; a modal one over another is closed first.
  std::map<Dialog, QPointer<QDialog>> dialogs_;
  bool exitApproved_ = false;
  bool refreshing_ = false;
};

}  // namespace ivgen
