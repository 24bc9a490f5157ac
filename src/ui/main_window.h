// The editor window: twelve pages, the menus, the toolbar and the status bar, all views of the
// Editor.
#pragma once

#include <QAction>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <map>
#include <vector>

#include "app/todo_unit.h"
#include "platform/platform.h"
#include "ui/page_view.h"

namespace ivgen {

class Editor;
class QtPlatform;
class SheetPreview;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  /// platform, when given, gets its dialogs and parent from this window.
  MainWindow(Editor& editor, QtPlatform* platform);

  /// Shows the Editor's current state everywhere.
  void Refresh();
  QTabWidget* Pages() const { return pages_; }
  /// Whether the size and position of the last run were restored (they fit this screen).
  bool RestoredPlace() const { return restoredPlace_; }

  /// Open without the file dialog, for a character named on the command line.
  void OpenNamed(const std::string& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildTodoPane();
  void ShowTodo();
  QIcon TodoIcon(TodoKind kind) const;
  void ShowEmptyPageNote(int page, const std::string& reason);
  void ShowRecentFiles();
  /// The person's own settings: the recent files and the window's place, never ivgen.ini.
  void RestoreUserSettings();
  void FitToScreen();
  void SaveUserSettings();
  void OpenDialog(Dialog dialog, bool modal);
  void BuildPage(int index);
  /// The pages' least width, and, when a pane has just been opened, the pane's.
  void KeepPageRoom(bool paneOpened);
  /// The narrowest an open pane is made beside the pages, and the width it is given when the
  /// screen has room.
  static constexpr int kPaneLeastWidth = 240;
  static constexpr int kPaneWidth = 360;
  void CloseDialog(Dialog dialog);
  void PlaceBeside(QWidget* window);
  /// Undo or redo when the key is one of their shortcuts.
  QAction* EditShortcut(const QKeyEvent& key) const;
  /// A text field's context menu with the window's undo and redo in place of its own.
  bool ShowFieldMenu(QWidget* field, const QContextMenuEvent& event);
  QAction* AddAction(QMenu* menu, const QString& text, void (MainWindow::*slot)(), const QKeySequence& key = {});

  void OnNew();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnExportJson();
  void OnImportJson();
  void OnExit();
  void OnProperties();
  void OnStatusBar();
  void OnOptions();
  void OnPrintToHtml();
  void OnExportSheetAsPdf();
  void OnPrintSheet();
  void OnHelpContents();
  void OnHelpSearch();
  void OnAbout();
  void OnRefresh() { Refresh(); }
  void OnUndo();
  void OnRedo();
  void OnRecent(int index);

  Editor& editor_;
  QtPlatform* platform_ = nullptr;
  QTabWidget* pages_ = nullptr;
  SheetPreview* preview_ = nullptr;
  std::vector<PageView*> views_;
  /// Per page: the scroll area that holds it, once it is built.
  std::vector<QScrollArea*> scrolls_;
  /// Per page: the line that says why a page has nothing for this character.
  std::vector<QLabel*> notes_;
  QAction* statusBarAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QLabel* statusText_ = nullptr;
  QLabel* todoCount_ = nullptr;
  QDockWidget* todoDock_ = nullptr;
  QListWidget* todoList_ = nullptr;
  std::vector<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  /// The recent list as the settings hold it, so it is written only when it changed.
  std::vector<std::string> storedRecent_;
  bool restoredPlace_ = false;
  /// The dialogs on screen; a modal one over another is closed first.
  std::map<Dialog, QPointer<QDialog>> dialogs_;
  bool exitApproved_ = false;
  bool refreshing_ = false;
};

}  // namespace ivgen
