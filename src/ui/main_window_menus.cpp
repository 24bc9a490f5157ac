// The main window's menus, its recent files, the program's undo keys wherever the keyboard is,
// and the menu commands.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/editor.h"
#include "ui/about_dialog.h"
#include "ui/animal_form_dialog.h"
#include "ui/artwork.h"
#include "ui/edges_dialog.h"
#include "ui/info_dialogs.h"
#include "ui/options_dialog.h"
#include "ui/pages.h"
#include "ui/point_generation_dialog.h"
#include "ui/print_options_dialog.h"
#include "ui/priorities_page.h"
#include "ui/qt_platform.h"
#include "ui/qt_text.h"
#include "ui/sheet_preview.h"

namespace ivgen {

void MainWindow::ShowRecentFiles() {
  const std::vector<std::string>& recent = editor_.RecentFiles();
  const QString home = QDir::homePath();
  for (size_t i = 0; i < recentActions_.size(); ++i) {
    QAction* action = recentActions_[i];
    action->setVisible(i < recent.size());
    if (i >= recent.size()) continue;
    const QString path = QFile::decodeName(QByteArray::fromStdString(recent[i]));
    QString shortened = path.startsWith(home + "/") ? "~" + path.mid(home.size()) : path;
    shortened = fontMetrics().elidedText(shortened, Qt::ElideMiddle, fontMetrics().averageCharWidth() * 48);
    action->setText(QString("&%1 %2").arg(i + 1).arg(shortened.replace("&", "&&")));
    action->setToolTip(PlainTip(path));
    action->setStatusTip(path);
  }
  recentSeparator_->setVisible(!recent.empty());
  if (recent != storedRecent_) SaveUserSettings();
}

void MainWindow::OnRecent(int index) {
  editor_.OpenRecent(static_cast<size_t>(index));
  Refresh();
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& text, void (MainWindow::*slot)(), const QKeySequence& key) {
  QAction* action = menu->addAction(text);
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  QAction* newAction = AddAction(file, "&New", &MainWindow::OnNew, QKeySequence::New);
  QAction* openAction = AddAction(file, "&Open...", &MainWindow::OnOpen, QKeySequence::Open);
  QAction* saveAction = AddAction(file, "&Save", &MainWindow::OnSave, QKeySequence::Save);
  AddAction(file, "Save &As...", &MainWindow::OnSaveAs, QKeySequence::SaveAs);
  file->addSeparator();
  AddAction(file, "Export as &JSON...", &MainWindow::OnExportJson);
  AddAction(file, "I&mport JSON...", &MainWindow::OnImportJson);
  file->addSeparator();
  AddAction(file, "Propert&ies", &MainWindow::OnProperties);
  file->addSeparator();
  AddAction(file, "&Print to HTML", &MainWindow::OnPrintToHtml, QKeySequence::Print);
  AddAction(file, "Export Sheet as P&DF...", &MainWindow::OnExportSheetAsPdf);
  QAction* printSheetAction =
      AddAction(file, "Print S&heet...", &MainWindow::OnPrintSheet, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  file->addSeparator();
  file->setToolTipsVisible(true);
  for (size_t i = 0; i < kRecentFileCount; ++i) {
    QAction* recent = file->addAction(QString());
    recent->setObjectName(QString("recentFile%1").arg(i + 1));
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, i] { OnRecent(static_cast<int>(i)); });
    recentActions_.push_back(recent);
  }
  recentSeparator_ = file->addSeparator();
  AddAction(file, "E&xit", &MainWindow::OnExit, QKeySequence::Quit);

  QMenu* edit = menuBar()->addMenu("&Edit");
  undoAction_ = AddAction(edit, "&Undo", &MainWindow::OnUndo, QKeySequence::Undo);
  redoAction_ = AddAction(edit, "&Redo", &MainWindow::OnRedo);
  redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

  QMenu* view = menuBar()->addMenu("&View");
  statusBarAction_ = AddAction(view, "Status &Bar", &MainWindow::OnStatusBar);
  statusBarAction_->setCheckable(true);
  AddAction(view, "&Refresh", &MainWindow::OnRefresh, QKeySequence::Refresh);
  QAction* todo = todoDock_->toggleViewAction();
  todo->setText(tr("&Left to Do"));
  todo->setObjectName("leftToDoAction");
  view->addAction(todo);
  QAction* preview = preview_->toggleViewAction();
  preview->setText(tr("Sheet &Preview"));
  view->addAction(preview);
  view->addSeparator();
  QMenu* characterGen = CreateCharacterGenMenu(editor_, this, [this] { Refresh(); });
  view->addMenu(characterGen);
  // Beside the three the rules name: characters built from the archetypes of archetypes.dat.
  characterGen->addSeparator();
  connect(characterGen->addAction(tr("&Random Character...")), &QAction::triggered, this, [this] {
    editor_.Random().Open();
    Refresh();
  });
  AddAction(view, "&Options...", &MainWindow::OnOptions);

  QMenu* help = menuBar()->addMenu("&Help");
  AddAction(help, "&Contents", &MainWindow::OnHelpContents, QKeySequence::HelpContents);
  AddAction(help, "&Search For Help On...", &MainWindow::OnHelpSearch);
  help->addSeparator();
  AddAction(help, "&About", &MainWindow::OnAbout);

  QToolBar* toolbar = addToolBar("Toolbar");
  toolbar->setObjectName("toolbar");
  toolbar->setMovable(false);
  newAction->setIcon(ToolbarIcon(ToolIcon::New));
  openAction->setIcon(ToolbarIcon(ToolIcon::Open));
  saveAction->setIcon(ToolbarIcon(ToolIcon::Save));
  // The printer button prints the sheet on paper; Print to HTML, which finalizes the character,
  // is kept to the File menu where its name says what it does.
  printSheetAction->setIcon(ToolbarIcon(ToolIcon::Print));
  toolbar->addAction(newAction);
  toolbar->addAction(openAction);
  toolbar->addAction(saveAction);
  toolbar->addAction(printSheetAction);
  toolbar->addSeparator();
  undoAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  redoAction_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
  toolbar->addAction(undoAction_);
  toolbar->addAction(redoAction_);
}

QAction* MainWindow::EditShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  for (QAction* action : {undoAction_, redoAction_}) {
    if (action->shortcuts().contains(pressed)) return action;
  }
  return nullptr;
}

// A text field keeps a history of its own that knows nothing of the Editor's steps: its Ctrl+Z
// wiped a whole name, and its redo could not bring a description back. Typing is already a step
// of the Editor, so the window's undo and redo serve every field, by key and by context menu.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::ContextMenu) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;
  if (type == QEvent::ContextMenu) return ShowFieldMenu(widget, static_cast<QContextMenuEvent&>(*event));
  QAction* action = EditShortcut(static_cast<const QKeyEvent&>(*event));
  if (action == nullptr) return false;
  if (type == QEvent::ShortcutOverride) {
    // Claimed from the field, so the key comes as a press, to this filter, rather than to its
    // own history.
    event->accept();
    return true;
  }
  if (action->isEnabled()) action->trigger();
  return true;
}

bool MainWindow::ShowFieldMenu(QWidget* field, const QContextMenuEvent& event) {
  QMenu* menu = nullptr;
  bool editable = false;
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    menu = line->createStandardContextMenu();
    editable = !line->isReadOnly();
  }
  // A text box is asked for its menu through its viewport, where the pointer is.
  if (auto* text = qobject_cast<QPlainTextEdit*>(field->parentWidget()); text != nullptr && text->viewport() == field) {
    menu = text->createStandardContextMenu(event.pos());
    editable = !text->isReadOnly();
  }
  if (menu == nullptr) return false;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // An editable field's menu begins with its own Undo and Redo, which carry no names to find
  // them by; a read-only one has neither.
  const QList<QAction*> items = menu->actions();
  if (editable && items.size() > 2) {
    menu->removeAction(items[0]);
    menu->removeAction(items[1]);
    menu->insertActions(items[2], {undoAction_, redoAction_});
  }
  menu->popup(event.globalPos());
  return true;
}

void MainWindow::OnUndo() {
  editor_.Undo();
  Refresh();
}

void MainWindow::OnRedo() {
  editor_.Redo();
  Refresh();
}

void MainWindow::OnNew() {
  editor_.New();
  Refresh();
}

void MainWindow::OnOpen() {
  editor_.Open();
  Refresh();
}

void MainWindow::OpenNamed(const std::string& path) {
  editor_.OpenNamed(path);
  Refresh();
}

void MainWindow::OnSave() {
  editor_.Save();
  Refresh();
}

void MainWindow::OnSaveAs() {
  editor_.SaveAs();
  Refresh();
}

void MainWindow::OnExit() {
  if (editor_.Exit()) {
    exitApproved_ = true;
    close();
    QApplication::quit();
  } else {
    Refresh();
  }
}

void MainWindow::OnProperties() { editor_.Properties(); }

void MainWindow::OnStatusBar() {
  editor_.ToggleStatusBar();
  Refresh();
}

void MainWindow::OnOptions() {
  editor_.Options().Open();
  Refresh();
}

void MainWindow::OnPrintToHtml() {
  editor_.Sheet().PrintToHtml();
  Refresh();
  const std::string& sheet = editor_.Sheet().WrittenSheet();
  if (sheet.empty() || platform_ == nullptr) return;
  if (platform_->Message(kOpenSheetQuestion, kAppTitle, Icon::Question, Buttons::YesNo) == Answer::Yes) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(sheet))));
  }
}

void MainWindow::OnExportJson() {
  editor_.ExportJson();
  Refresh();
}

void MainWindow::OnImportJson() {
  editor_.ImportJson();
  Refresh();
}

void MainWindow::OnExportSheetAsPdf() {
  if (platform_ != nullptr) ExportSheetAsPdf(editor_, *platform_, this);
}

void MainWindow::OnPrintSheet() {
  if (platform_ != nullptr) PrintSheetOnPaper(editor_, *platform_, this);
}

void MainWindow::OnHelpContents() { editor_.Info().HelpContents(); }

void MainWindow::OnHelpSearch() { editor_.Info().HelpSearch(); }

void MainWindow::OnAbout() { editor_.Info().ShowAbout(); }

}  // namespace ivgen
