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
#include <QTabBar>
#include <QTimer>
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
#include "ui/random_dialog.h"
#include "ui/sheet_preview.h"

namespace ivgen {

namespace {

// The window's frame is not known before it is shown; room is left for a usual one.
constexpr QSize kUsualFrame(16, 40);

// Page tabs short of room shorten the long captions first: a caption of up to five letters stays
// whole, a longer one keeps its first five, so every tab can still be told from the others.
class PageTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

  /// The width of every tab with its caption shortened as far as it may be.
  int ShortenedWidth() const {
    int width = 0;
    for (int index = 0; index < count(); ++index) width += minimumTabSizeHint(index).width();
    return width;
  }

 protected:
  QSize minimumTabSizeHint(int index) const override {
    const QSize whole = tabSizeHint(index);
    const QString caption = tabText(index);
    constexpr int kKept = 5;
    if (caption.size() <= kKept + 1) return whole;
    const QFontMetrics metrics = fontMetrics();
    const int cut = metrics.horizontalAdvance(caption) - metrics.horizontalAdvance(caption.left(kKept) + QChar(0x2026));
    return {whole.width() - std::max(cut, 0), whole.height()};
  }
};

class PageTabs : public QTabWidget {
 public:
  explicit PageTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new PageTabBar(this)); }
};

}  // namespace

MainWindow::MainWindow(Editor& editor, QtPlatform* platform) : editor_(editor), platform_(platform) {
  setObjectName("mainWindow");
  pages_ = new PageTabs(this);
  pages_->setObjectName("pages");
  // A page's widgets are built when the page is first shown, so start-up builds one page, not twelve.
  for (int index = 0; index < kPageCount; ++index) {
    auto* holder = new QWidget(pages_);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    views_.push_back(nullptr);
    scrolls_.push_back(nullptr);
    notes_.push_back(nullptr);
    pages_->addTab(holder, ToQt(std::string(kPageCaptions[index])));
    pages_->setTabToolTip(index, pages_->tabText(index));
  }
  // Twelve tabs beside an open pane: every tab stays in sight, its caption shortened if it must
  // be, rather than the current one scrolling away behind arrows.
  pages_->setElideMode(Qt::ElideRight);
  setCentralWidget(pages_);
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    BuildPage(index);
    if (refreshing_) return;
    editor_.SelectPage(index);
    Refresh();
  });

  BuildTodoPane();
  // Ctrl+Z and its kin reach the Edit menu from every field of the window (eventFilter).
  qApp->installEventFilter(this);
  preview_ = new SheetPreview(editor_, this);
  addDockWidget(Qt::RightDockWidgetArea, preview_);
  preview_->hide();
  // The two panes share one place beside the pages, as tabs, so neither takes the pages' height.
  tabifyDockWidget(todoDock_, preview_);
  for (QDockWidget* pane : {static_cast<QDockWidget*>(todoDock_), static_cast<QDockWidget*>(preview_)}) {
    connect(pane->toggleViewAction(), &QAction::triggered, this, [this, pane](bool shown) {
      if (!shown) return;
      KeepPageRoom(true);
      // The pane asked for comes to the front once the tabs it joins are laid out.
      QTimer::singleShot(0, pane, &QWidget::raise);
    });
  }
  connect(preview_, &SheetPreview::Changed, this, &MainWindow::Refresh);
  BuildMenus();
  statusText_ = new QLabel(this);
  statusText_->setObjectName("statusText");
  statusText_->setTextFormat(Qt::PlainText);
  // A long file name is cut in the status bar rather than widening the window past the screen.
  statusText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(statusText_, 1);
  todoCount_ = new QLabel(this);
  todoCount_->setObjectName("todoCount");
  statusBar()->addPermanentWidget(todoCount_);

  if (platform != nullptr) {
    platform->SetParent(this);
    platform->SetCurrentFile([this] { return editor_.Document().CurrentFile; });
    platform->SetDialogHooks({[this](Dialog dialog, bool modal) { OpenDialog(dialog, modal); },
                              [this](Dialog dialog) { CloseDialog(dialog); }});
  }
  resize(960, 700);
  KeepPageRoom(false);
  RestoreUserSettings();
  if (!restoredPlace_) FitToScreen();
  Refresh();
}

// The first place on a small or scaled screen: no larger than the space the desktop leaves, and
// inside it, so the title bar and the menus are never off the screen.
void MainWindow::FitToScreen() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QSize frame = kUsualFrame;
  const QSize fitted = size().boundedTo(available.size() - frame).expandedTo(minimumSizeHint());
  resize(fitted);
  const int x = available.left() + std::max(0, (available.width() - fitted.width() - frame.width()) / 2);
  const int y = available.top() + std::max(0, (available.height() - fitted.height() - frame.height()) / 2);
  move(x, y);
}

namespace {

// The file Qt's settings keep for organization and application "ivgen", ~/.config/ivgen/ivgen.conf,
// named outright so that no other file (the organization's, the system's) is opened beside it.
QString UserSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/ivgen/ivgen.conf";
}

// Only a regular file, or none yet, is opened: reading a FIFO waits for a writer for good, and a
// device may never end. stat() tells without opening it.
bool RegularOrMissing(const QString& path) {
  std::error_code error;
  const std::filesystem::file_type type = std::filesystem::status(QFile::encodeName(path).toStdString(), error).type();
  return type == std::filesystem::file_type::regular || type == std::filesystem::file_type::not_found;
}

QSettings UserSettings() { return QSettings(UserSettingsFile(), QSettings::IniFormat); }

}  // namespace

void MainWindow::RestoreUserSettings() {
  // Anything else than a file there is left unread, and replaced when the settings are next saved.
  if (!RegularOrMissing(UserSettingsFile())) return;
  QSettings settings = UserSettings();
  std::vector<std::string> recent;
  // The size is only what the file claims; no more entries are read than the menu shows.
  const int count = std::min(settings.beginReadArray("recentFiles"), static_cast<int>(kRecentFileCount));
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    // The file system's own bytes, so a name in any encoding opens again.
    recent.push_back(settings.value("path").toByteArray().toStdString());
  }
  settings.endArray();
  editor_.SetRecentFiles(recent);
  storedRecent_ = editor_.RecentFiles();
  const QRect place = settings.value("window/geometry").toRect();
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (place.isValid() && screen->availableGeometry().contains(place)) {
      setGeometry(place);
      restoredPlace_ = true;
      break;
    }
  }
}

void MainWindow::SaveUserSettings() {
  const QString file = UserSettingsFile();
  if (!RegularOrMissing(file)) {
    std::error_code ignored;
    std::filesystem::remove(QFile::encodeName(file).toStdString(), ignored);
    if (!RegularOrMissing(file)) return;
  }
  QSettings settings = UserSettings();
  if (editor_.RecentFiles() != storedRecent_) {
    storedRecent_ = editor_.RecentFiles();
    settings.beginWriteArray("recentFiles", static_cast<int>(storedRecent_.size()));
    for (size_t i = 0; i < storedRecent_.size(); ++i) {
      settings.setArrayIndex(static_cast<int>(i));
      settings.setValue("path", QByteArray::fromStdString(storedRecent_[i]));
    }
    settings.endArray();
  }
  if (isVisible()) settings.setValue("window/geometry", normalGeometry());
}

void MainWindow::BuildTodoPane() {
  todoDock_ = new QDockWidget(tr("Left to Do"), this);
  todoDock_->setObjectName("leftToDo");
  todoList_ = new QListWidget(todoDock_);
  todoList_->setObjectName("leftToDoList");
  // The lines are sentences: in a pane beside the pages they wrap.
  todoList_->setWordWrap(true);
  todoList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // One size for every kind's icon, so the sentences start in one column.
  const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
  todoList_->setIconSize(QSize(side, side));
  todoDock_->setWidget(todoList_);
  addDockWidget(Qt::RightDockWidgetArea, todoDock_);
  todoDock_->hide();
  connect(todoList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QVariant page = item->data(Qt::UserRole);
    if (!page.isValid()) return;
    editor_.SelectPage(page.toInt());
    Refresh();
  });
}

QIcon MainWindow::TodoIcon(TodoKind kind) const {
  switch (kind) {
    case TodoKind::Error:
      return style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case TodoKind::Left:
      return style()->standardIcon(QStyle::SP_ArrowRight);
    case TodoKind::Note:
      break;
  }
  // A note asks nothing of the player, so its icon stays in the background.
  const QIcon information = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  return QIcon(information.pixmap(todoList_->iconSize(), QIcon::Disabled));
}

void MainWindow::ShowTodo() {
  const std::vector<TodoLine>& lines = editor_.Todo().Lines();
  todoCount_->setText(ToQt(editor_.Todo().CountText()));
  // A line is its kind and its sentence: under Override Limits an error becomes a note in the same words.
  constexpr int kShownRole = Qt::UserRole + 1;
  QStringList shown;
  for (const TodoLine& line : lines) shown << ToQt(TodoKindCaption(line.kind)) + ": " + ToQt(TodoSentence(line));
  if (shown.isEmpty()) shown << ToQt(std::string(kNothingLeftToDo));
  QStringList current;
  for (int i = 0; i < todoList_->count(); ++i) current << todoList_->item(i)->data(kShownRole).toString();
  // Rebuilt only when it changed, so a click in it is not lost under the player's pointer.
  if (current == shown) return;
  todoList_->clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    const TodoLine& line = lines[i];
    auto* item = new QListWidgetItem(TodoIcon(line.kind), ToQt(TodoSentence(line)), todoList_);
    item->setData(Qt::UserRole, line.page);
    item->setData(kShownRole, shown[static_cast<int>(i)]);
    // The icon alone tells the kind; its caption is there for the pointer and for screen readers.
    const QString caption = ToQt(TodoKindCaption(line.kind));
    item->setToolTip(caption);
    item->setData(Qt::AccessibleDescriptionRole, caption);
    if (line.kind == TodoKind::Error) item->setForeground(QColor(0xb0, 0, 0));
    if (line.kind == TodoKind::Note) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  if (lines.empty()) {
    auto* nothing = new QListWidgetItem(shown.front(), todoList_);
    nothing->setData(kShownRole, shown.front());
  }
}

void MainWindow::BuildPage(int index) {
  if (index < 0 || index >= static_cast<int>(views_.size()) || views_[index] != nullptr) return;
  // A window smaller than a page scrolls the page rather than squeezing or cutting it.
  auto* scroll = new QScrollArea(pages_->widget(index));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* holder = new QWidget(scroll);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* note = new QLabel(holder);
  note->setObjectName("emptyPageNote");
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setContentsMargins(8, 6, 8, 6);
  note->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  note->hide();
  layout->addWidget(note);
  notes_[index] = note;
  PageView* view = CreatePage(static_cast<Page>(index), editor_, holder);
  view->setObjectName("page" + QString::number(index));
  // The window's undo serves the fields too (eventFilter); a field's own history would only
  // disagree with it.
  for (QPlainTextEdit* text : view->findChildren<QPlainTextEdit*>()) text->setUndoRedoEnabled(false);
  connect(view, &PageView::Changed, this, &MainWindow::Refresh);
  layout->addWidget(view);
  scroll->setWidget(holder);
  pages_->widget(index)->layout()->addWidget(scroll);
  // A layout shows a widget added to a visible parent only later, from the event loop.
  scroll->show();
  view->show();
  views_[index] = view;
  scrolls_[index] = scroll;
  view->Refresh();
  KeepPageRoom(false);
}

// The pages keep the width their widest control needs, as far as the screen allows beside a
// pane; an open pane takes the rest. On a screen too small for both the page scrolls.
void MainWindow::KeepPageRoom(bool paneOpened) {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen != nullptr ? screen->availableGeometry().width() - kUsualFrame.width() : width();
  // Only on a screen too narrow for every tab beside a pane do the tabs scroll.
  const int tabs = static_cast<const PageTabBar*>(pages_->tabBar())->ShortenedWidth();
  pages_->setUsesScrollButtons(tabs > screenWidth - kPaneLeastWidth);
  int need = pages_->tabBar()->minimumSizeHint().width();
  // The tab widget's frame on both sides, and a vertical scroll bar for a page taller than the window.
  const int frame =
      2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (const QScrollArea* scroll : scrolls_) {
    if (scroll != nullptr) need = std::max(need, scroll->widget()->minimumSizeHint().width() + frame);
  }
  QList<QDockWidget*> open;
  for (QDockWidget* pane : {static_cast<QDockWidget*>(todoDock_), static_cast<QDockWidget*>(preview_)}) {
    if (!pane->isHidden() && !pane->isFloating()) open << pane;
  }
  const int paneLeast = open.isEmpty() ? 0 : kPaneLeastWidth;
  pages_->setMinimumWidth(std::max(0, std::min(need, screenWidth - paneLeast)));
  // The panes' own least widths and the splitter beside them count too.
  const int over = minimumSizeHint().width() - screenWidth;
  if (over > 0) pages_->setMinimumWidth(std::max(0, pages_->minimumWidth() - over));
  if (!paneOpened || open.isEmpty() || isMaximized() || isFullScreen()) return;
  // A pane just opened gets the width it wants as far as the screen allows, the window growing for it;
  // a window wider than the screen is brought back inside it.
  const int splitter = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
  const int wanted = std::min(screenWidth, pages_->minimumWidth() + splitter + kPaneWidth);
  const int windowWidth = std::min(std::max(width(), wanted), screenWidth);
  if (windowWidth != width()) {
    resize(windowWidth, height());
    if (screen != nullptr && isVisible()) {
      const QRect available = screen->availableGeometry();
      if (frameGeometry().right() > available.right())
        move(std::max(available.left(), x() - (frameGeometry().right() - available.right())), y());
    }
  }
  resizeDocks(open, QList<int>(open.size(), std::max(kPaneLeastWidth, windowWidth - pages_->minimumWidth() - splitter)),
              Qt::Horizontal);
}

void MainWindow::Refresh() {
  refreshing_ = true;
  const FrameView& frame = editor_.Frame();
  setWindowTitle(ToQt(frame.title));
  if (pages_->currentIndex() != editor_.CurrentPage()) pages_->setCurrentIndex(editor_.CurrentPage());
  statusBarAction_->setChecked(frame.statusBarVisible);
  statusBar()->setVisible(frame.statusBarVisible);
  const DocumentState& document = editor_.Document();
  QString status = document.CurrentFile.empty() ? tr("New character") : ToQt(document.CurrentFile);
  if (document.Modified) status += tr(" (modified)");
  if (!editor_.StatusText().empty()) status += " - " + ToQt(editor_.StatusText());
  undoAction_->setText(ToQt(editor_.UndoText()));
  undoAction_->setEnabled(editor_.CanUndo());
  redoAction_->setText(ToQt(editor_.RedoText()));
  redoAction_->setEnabled(editor_.CanRedo());
  statusText_->setText(status);
  ShowTodo();
  ShowRecentFiles();
  BuildPage(pages_->currentIndex());
  for (PageView* view : views_) {
    if (view != nullptr) view->Refresh();
  }
  ShowEmptyPageNote(kPageSpells, editor_.Spells().EmptyReason());
  ShowEmptyPageNote(kPagePowers, editor_.Powers().EmptyReason());
  for (const auto& [kind, dialog] : dialogs_) {
    if (auto* view = qobject_cast<DialogView*>(dialog.data()); view != nullptr && view->isVisible()) view->Refresh();
  }
  preview_->Refresh();
  refreshing_ = false;
}

void MainWindow::ShowEmptyPageNote(int page, const std::string& reason) {
  QLabel* note = notes_[static_cast<size_t>(page)];
  if (note == nullptr) return;  // the page is built, and says it, when first shown
  note->setText(ToQt(reason));
  note->setVisible(!reason.empty());
}

void MainWindow::OpenDialog(Dialog dialog, bool modal) {
  QPointer<QDialog>& slot = dialogs_[dialog];
  if (!modal && slot) {
    // A modeless window is kept and shown again as it was.
    if (auto* help = qobject_cast<HelpWindow*>(slot.data())) help->Refresh();
    slot->show();
    slot->raise();
    Refresh();
    return;
  }
  // A modal dialog goes over whatever modal dialog is in front.
  QWidget* owner = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : this;
  DialogView* view = nullptr;
  switch (dialog) {
    case Dialog::Options:
      slot = new OptionsDialog(editor_, owner);
      break;
    case Dialog::About:
      slot = new AboutDialog(editor_, owner);
      break;
    case Dialog::PointGeneration:
      slot = view = new PointGenerationDialog(editor_, owner);
      break;
    case Dialog::EdgesFlaws:
      slot = view = new EdgesDialog(editor_, owner);
      break;
    case Dialog::AnimalForm:
      slot = view = new AnimalFormDialog(editor_, this);
      break;
    case Dialog::PrintOptions:
      slot = new PrintOptionsDialog(editor_, owner);
      break;
    case Dialog::Help:
      slot = new HelpWindow(editor_, this);
      break;
    case Dialog::Properties:
    case Dialog::SystemInfo:
      slot = new InfoDialog(editor_, dialog, owner);
      break;
    case Dialog::RandomCharacter:
      slot = view = new RandomDialog(editor_, owner);
      break;
  }
  if (!slot) return;
  if (view != nullptr) connect(view, &DialogView::Changed, this, &MainWindow::Refresh);
  if (!modal) {
    // The help window reads best large; adjustSize would hold it to two thirds of the screen.
    if (dialog == Dialog::Help) {
      slot->resize(slot->sizeHint());
    } else {
      slot->adjustSize();
    }
    // Shown first, so its frame is known and counted where it is placed.
    slot->show();
    PlaceBeside(slot);
    return;
  }
  slot->setAttribute(Qt::WA_DeleteOnClose);
  slot->exec();
  Refresh();
}

// A modeless window goes beside the window rather than over the page it works with: to the right
// when the screen has room, else to the left, else against the screen's right edge, as far from
// the attribute rows on the left of the page as the screen allows.
void MainWindow::PlaceBeside(QWidget* window) {
  const QRect main = frameGeometry();
  const QSize size = window->frameGeometry().size();
  const QRect screen = this->screen()->availableGeometry();
  int x = main.right() + 1;
  if (x + size.width() - 1 > screen.right()) {
    x = main.left() - size.width() >= screen.left() ? main.left() - size.width() : screen.right() - size.width() + 1;
  }
  window->move(std::max(x, screen.left()),
               std::clamp(main.top(), screen.top(), std::max(screen.top(), screen.bottom() - size.height() + 1)));
}

void MainWindow::CloseDialog(Dialog dialog) {
  const auto it = dialogs_.find(dialog);
  if (it == dialogs_.end() || !it->second) return;
  if (it->second->isModal()) {
    it->second->accept();
  } else {
    it->second->hide();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (exitApproved_ || editor_.CloseWindow()) {
    SaveUserSettings();
    event->accept();
  } else {
    // The player asked to keep an unsaved character.
    event->ignore();
    Refresh();
  }
}

}  // namespace ivgen
