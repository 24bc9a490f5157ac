// The window clicked as a player would under the offscreen platform, prompts answered by the
// scripted platform: its pages, menus and dialogs drive the Editor and show what the rules decided.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "app/random_character.h"
#include "record/text_file.h"
#include "support/program_test.h"
#include "ui/animal_form_dialog.h"
#include "ui/clicks.h"
#include "ui/command_line.h"
#include "ui/edges_dialog.h"
#include "ui/implant_lists.h"
#include "ui/info_dialogs.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/point_generation_dialog.h"
#include "ui/print_options_dialog.h"
#include "ui/qt_platform.h"
#include "ui/qt_text.h"
#include "ui/random_dialog.h"
#include "ui/sheet_preview.h"

// Failures show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ivgen {
namespace {

using test_support::ClickRow;

// A started program in a folder of its own and its main window.
class WindowTest : public test_support::ProgramTest {
 protected:
  explicit WindowTest(const std::string& catalogs = IVGEN_BUNDLED_DATA) : ProgramTest(catalogs) {
    // The person's settings live in a temporary folder (main); each test starts without any.
    UserSettings().clear();
    Start();
  }
  static QSettings UserSettings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "ivgen", "ivgen"); }
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
  /// A list row's cells (the heading row's with no row given), " | " between them.
  static QString Cells(QTreeWidget* list, int row = -1) {
    const QTreeWidgetItem* item = row < 0 ? list->headerItem() : list->topLevelItem(row);
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells << item->text(c);
    return cells.join(" | ");
  }
  /// Empties a filter or search box as the player does, with an edit of their own.
  static void Empty(QLineEdit* box) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
  }
  /// The names a list or tree shows (a tree's rows without rows of their own), after `text` was
  /// typed into the filter or search box named `box`.
  QStringList Shown(const char* box, QAbstractItemView* view, const QString& text) {
    auto* filter = Find<QLineEdit>(box);
    Empty(filter);
    QTest::keyClicks(filter, text);
    QStringList names;
    if (auto* list = qobject_cast<QListWidget*>(view)) {
      for (int i = 0; i < list->count(); ++i) {
        if (!list->isRowHidden(i)) names << list->item(i)->text();
      }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(view)) {
      for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        bool shown = (*it)->childCount() == 0;
        for (QTreeWidgetItem* up = *it; up != nullptr; up = up->parent()) shown &= !up->isHidden();
        if (shown) names << (*it)->text(0);
      }
    }
    return names;
  }
  /// What a view says across its empty rows ("No matches"); "" when it says nothing.
  static QString Hint(QAbstractItemView* view) {
    const auto* label = view->viewport()->findChild<QLabel*>("noMatches");
    return label != nullptr && label->isVisible() ? label->text() : QString();
  }
  /// Saves a picture when IVGEN_SCREENSHOTS names a folder, for looking at the layout.
  static void Shot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("IVGEN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    widget.show();
    QApplication::processEvents();
    widget.grab().save(folder + "/" + name + ".png");
  }
  /// The text a tooltip shows.
  static QString TipText(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument shown;
    shown.setHtml(tip);
    return shown.toPlainText();
  }
  QStringList MenuItems(const QString& title) {
    QStringList items;
    for (QAction* menu : Window().menuBar()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (menu->text() == title && !item->isSeparator() && item->isVisible()) items << item->text();
      }
    }
    return items;
  }
  /// Item i of the Edit menu: 0 Undo, 1 Redo.
  QAction* EditAction(int i) {
    for (QAction* menu : Window().menuBar()->actions()) {
      if (menu->text() == "&Edit") return menu->menu()->actions().at(i);
    }
    return nullptr;
  }

  std::unique_ptr<MainWindow> window_;
};

using PagesTest = WindowTest;

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, OpensOnPrioritiesWithTheTwelvePagesAndMenus) {
  QStringList tabs;
  for (int page = 0; page < Window().Pages()->count(); ++page) tabs << Window().Pages()->tabText(page);
  EXPECT_EQ(tabs, (QStringList{"Priorities", "Race", "Attributes", "Skills", "Cyberware", "Bioware", "Spells",
                               "Phys. Adept", "Gear", "BioInfo", "Books", "Contacts"}));
  EXPECT_EQ(Window().Pages()->currentIndex(), 0);
  EXPECT_EQ(Window().windowTitle(), "Ironveil Character Generator 3.2.6 - 2 July 2000");
  // Every page fits a 1024x768 screen with room for a task bar.
  EXPECT_LE(Window().minimumSizeHint().width(), 1024);
  EXPECT_LE(Window().minimumSizeHint().height(), 720);
  EXPECT_EQ(MenuItems("&File"),
            (QStringList{"&New", "&Open...", "&Save", "Save &As...", "Export as &JSON...", "I&mport JSON...",
                         "Propert&ies", "&Print to HTML", "Export Sheet as P&DF...", "Print S&heet...", "E&xit"}));
  EXPECT_EQ(MenuItems("&Edit"), (QStringList{"&Undo", "&Redo"}));
  EXPECT_EQ(MenuItems("&View"), (QStringList{"Status &Bar", "&Refresh", "&Left to Do", "Sheet &Preview",
                                             "&Character Gen.", "&Options..."}));
  EXPECT_EQ(MenuItem("&Print to HTML")->shortcut(), QKeySequence(QKeySequence::Print));
  EXPECT_EQ(MenuItem("Print S&heet...")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  // The printer button prints on paper; finalizing stays a menu command named for what it does.
  QStringList buttons;
  for (QAction* action : Find<QToolBar>("toolbar")->actions()) {
    if (!action->isSeparator()) buttons << action->text();
  }
  EXPECT_EQ(buttons, (QStringList{"&New", "&Open...", "&Save", "Print S&heet...", "&Undo", "&Redo"}));
  EXPECT_EQ(MenuItems("&Help"), (QStringList{"&Contents", "&Search For Help On...", "&About"}));

  for (int page = 0; page < Window().Pages()->count(); ++page) {
    ShowPage(page);
    Shot(Window(), QString("page%1").arg(page));
  }
}

// The Left to Do pane shows the Editor's lines as sentences, each kind by its icon and caption; a
// click leads to the line's page, and the status bar's own field counts what is left beside the
// status text, which stays as it was.
TEST_F(MainWindowTest, LeftToDoPaneLeadsToThePagesAndTheStatusBarCounts) {
  auto* pane = Find<QDockWidget>("leftToDo");
  EXPECT_FALSE(pane->isVisible());
  MenuItem("&Left to Do")->trigger();
  EXPECT_TRUE(pane->isVisible());
  auto* list = Find<QListWidget>("leftToDoList");
  auto shown = [&] {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
      const QListWidgetItem* item = list->item(i);
      lines << item->toolTip() + " | " + item->text();
      EXPECT_EQ(item->data(Qt::AccessibleDescriptionRole).toString(), item->toolTip());
      EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
    }
    return lines;
  };
  EXPECT_EQ(shown(), QStringList{"To do | Choose the priorities, then go on to Race (Priorities)"});
  EXPECT_EQ(Find<QLabel>("todoCount")->text(), "1 thing left to do");
  editor_->SelectPage(kPageRace);
  Window().Refresh();
  EXPECT_EQ(shown(), (QStringList{"To do | The race page is not completed (go on to Attributes) (Race)",
                                  "To do | Unspent attribute points: 24 (6/30) (Attributes)",
                                  "To do | Unspent active skill points: 40 (0/40) (Skills)",
                                  "To do | Unspent knowledge skill points: 5 (0/5) (Skills)",
                                  "To do | Unspent language skill points: 1 (0/1) (Skills)",
                                  "Note | 90,000 nuyen unspent: Print to HTML keeps 9,300 to 10,800 of it (a tenth, "
                                  "plus a cash roll of 300 to 1,800) (Gear)",
                                  "To do | No street name (the character sheet's file name comes from it) (BioInfo)"}));
  // A note asks nothing of the player, and does not look like a line to do.
  EXPECT_EQ(Find<QLabel>("todoCount")->text(), "6 things left to do");
  EXPECT_NE(list->item(5)->icon().pixmap(16).toImage(), list->item(0)->icon().pixmap(16).toImage());
  Shot(Window(), "left-to-do");
  ClickRow(list, list->model()->index(6, 0));
  EXPECT_EQ(Window().Pages()->currentIndex(), kPageBioInfo);
  editor_->Texts().Set("StreetName", "Nyx");
  Window().Refresh();
  EXPECT_EQ(list->count(), 6);
  EXPECT_EQ(Find<QLabel>("todoCount")->text(), "5 things left to do");
  QStringList status;
  for (QLabel* label : Window().statusBar()->findChildren<QLabel*>()) status << label->text();
  EXPECT_TRUE(status.contains("New character (modified)")) << status.join("|").toStdString();
}

// Ctrl+Z in a text field is the program's undo, one step at a time, and Ctrl+Shift+Z and Ctrl+Y
// its redo: a field's own history once wiped a whole name, and its redo could not bring back a
// description.
TEST_F(MainWindowTest, UndoKeysInTextFieldsGoThroughTheProgramsSteps) {
  ShowPage(kPageBioInfo);
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  auto* street = Find<QLineEdit>("StreetName");
  auto* description = Find<QPlainTextEdit>("Description");
  // Showing the page may have been a step of its own, which the keys leave alone.
  const QString start = "||||" + EditAction(0)->text();
  street->setFocus();
  QTest::keyClicks(street, "Nyx");
  description->setFocus();
  QTest::keyClicks(description, "Tall");
  auto shown = [&] {
    return street->text() + "|" + description->toPlainText() + "|" + ToQt(editor_->Record().StreetName) + "|" +
           ToQt(editor_->Record().Description) + "|" + EditAction(0)->text();
  };
  EXPECT_EQ(shown(), "Nyx|Tall|Nyx|Tall|&Undo Typing Description");
  struct Key {
    QWidget* field;
    QKeyCombination key;
    QString after;
  };
  const Key keys[] = {
      {description, Qt::CTRL | Qt::Key_Z, "Nyx||Nyx||&Undo Typing StreetName"},
      {description, Qt::CTRL | Qt::Key_Z, start},
      {street, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "Nyx||Nyx||&Undo Typing StreetName"},
      {street, Qt::CTRL | Qt::Key_Y, "Nyx|Tall|Nyx|Tall|&Undo Typing Description"},
      {street, Qt::CTRL | Qt::Key_Z, "Nyx||Nyx||&Undo Typing StreetName"},
      {description, Qt::CTRL | Qt::Key_Y, "Nyx|Tall|Nyx|Tall|&Undo Typing Description"},
  };
  for (const Key& k : keys) {
    k.field->setFocus();
    QTest::keyClick(k.field, k.key.key(), k.key.keyboardModifiers());
    EXPECT_EQ(shown(), k.after) << QKeySequence(k.key).toString().toStdString() << " in "
                                << k.field->objectName().toStdString();
  }
  // The field's context menu offers the same undo and redo.
  QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(4, 4), street->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(street, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->actions().mid(0, 2), (QList<QAction*>{EditAction(0), EditAction(1)}));
  const std::unique_ptr<QMenu> own(street->createStandardContextMenu());
  EXPECT_EQ(menu->actions().size(), own->actions().size()) << "the field's own undo and redo are gone";
  menu->close();
}

// The File menu's recent characters are the person's, kept in their own settings, never in
// ivgen.ini; choosing one opens it, and the window's place comes back where it fits the screen.
TEST_F(MainWindowTest, RecentFilesAndThePlaceOfTheWindowAreKeptPerUser) {
  const std::string ini = Read("ivgen.ini");
  Window();
  for (const char* name : {"nyx.iv3", "vex.iv3"}) {
    editor_->Texts().Set("StreetName", name);
    platform_.QueueAnswer(Path(name));
    editor_->SaveAs();
  }
  Window().Refresh();
  const QStringList file = MenuItems("&File");
  // After the print commands: Print to HTML, Export Sheet as PDF and Print Sheet.
  const int first = 10;
  ASSERT_EQ(file.size(), first + 3);
  EXPECT_TRUE(file[first].startsWith("&1 ")) << file[first].toStdString();
  EXPECT_TRUE(file[first].endsWith("vex.iv3")) << file[first].toStdString();
  EXPECT_TRUE(file[first + 1].startsWith("&2 ")) << file[first + 1].toStdString();
  EXPECT_EQ(TipText(Find<QAction>("recentFile2")->toolTip()), QString::fromStdString(Path("nyx.iv3")));
  Find<QAction>("recentFile2")->trigger();
  EXPECT_EQ(editor_->Record().StreetName, "nyx.iv3");
  EXPECT_EQ(Read("ivgen.ini"), ini);
  Window().setGeometry(20, 30, 700, 500);
  const QRect place = Window().normalGeometry();
  Window().close();
  const QString conf = UserSettings().fileName();
  EXPECT_TRUE(conf.endsWith("/ivgen/ivgen.conf")) << conf.toStdString();

  // The next run lists them again, newest first, and sits where the last one was.
  editor_->SetRecentFiles({});
  MainWindow next(*editor_, nullptr);
  EXPECT_TRUE(next.RestoredPlace());
  EXPECT_EQ(next.geometry(), place);
  EXPECT_EQ(editor_->RecentFiles(), (std::vector<std::string>{Path("nyx.iv3"), Path("vex.iv3")}));
  // A place off every screen is not taken.
  UserSettings().setValue("window/geometry", QRect(90000, 90000, 900, 650));
  EXPECT_FALSE(MainWindow(*editor_, nullptr).RestoredPlace());
}

// Whatever stands where the person's settings file belongs, the window starts, reads at most the
// four recent files its menu shows, and the next save of the list leaves a settings file there.
// The command line: a bare argument names the settings file unless it is a character; options
// neither ivgen nor Qt knows are errors, never file names; Qt's own wait for the application.
TEST(CommandLineTest, NamesSettingsCharactersAndRefusesUnknownOptions) {
  // The file dialogs open beside the character, or in the documents folder for a new one.
  EXPECT_EQ(FileDialogFolder("/tmp/nyx.iv3"), "/tmp");
  EXPECT_EQ(FileDialogFolder(""), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

  using Action = CommandLine::Action;
  const struct {
    QStringList arguments;
    bool beforeApplication;
    Action action;
    std::string settings;
    std::string character;
  } cases[] = {
      {{"ivgen"}, false, Action::Window, "", ""},
      {{"ivgen", "party.ini"}, false, Action::Window, "party.ini", ""},
      {{"ivgen", "my", "settings.ini"}, false, Action::Window, "my settings.ini", ""},
      {{"ivgen", "\"my settings.ini\""}, false, Action::Window, "my settings.ini", ""},
      {{"ivgen", "party/Nyx.IV3"}, false, Action::Window, "", "party/Nyx.IV3"},
      {{"ivgen", "--settings", "gm.ini", "nyx.iv3"}, false, Action::Window, "gm.ini", "nyx.iv3"},
      {{"ivgen", "--settings=gm.ini"}, false, Action::Window, "gm.ini", ""},
      {{"ivgen", "--settings", "gm.ini", "other.ini"}, false, Action::Error, "", ""},
      {{"ivgen", "-platform", "offscreen"}, false, Action::Error, "", ""},
      {{"ivgen", "--help"}, true, Action::Help, "", ""},
      {{"ivgen", "-v"}, true, Action::Version, "", ""},
      {{"ivgen", "--export-pdf", "nyx.iv3", "nyx.pdf"}, true, Action::ExportPdf, "", ""},
      {{"ivgen", "--export-json", "nyx.iv3", "nyx.json"}, true, Action::ExportJson, "", ""},
      {{"ivgen", "--export-json", "nyx.iv3"}, true, Action::Error, "", ""},
      {{"ivgen", "--bogus"}, true, Action::Error, "", ""},
      {{"ivgen", "-x", "party.ini"}, true, Action::Error, "", ""},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.arguments.join(' ').toStdString());
    EXPECT_EQ(ReadBeforeApplication(each.arguments), each.beforeApplication);
    const CommandLine line = ReadCommandLine(each.arguments);
    EXPECT_EQ(line.action, each.action) << line.error;
    EXPECT_EQ(line.settings, each.settings);
    EXPECT_EQ(line.character, each.character);
  }
}

TEST_F(MainWindowTest, AnyUserSettingsFileLetsTheWindowStart) {
  namespace fs = std::filesystem;
  const fs::path conf =
      (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/ivgen/ivgen.conf").toStdString();
  const fs::path kept = folder_ / "kept.conf";
  auto write = [](const fs::path& path, const std::string& bytes) { ASSERT_TRUE(ReplaceFile(path, bytes).ok); };
  std::string recentSix = "[recentFiles]\n";
  for (int i = 1; i <= 6; ++i) recentSix += std::to_string(i) + "\\path=/p/" + std::to_string(i) + ".iv3\n";
  struct Case {
    const char* what;
    std::function<void()> make;
    std::vector<std::string> recent;
  };
  const Case cases[] = {
      {"corrupt", [&] { write(conf, "[recentFiles\n\\\\=\n=x\n[]\nsize=two\n1\\path"); }, {}},
      {"binary", [&] { write(conf, std::string("\0\xff\xfe[\x01\n\0", 8) + std::string(4096, '\x9c')); }, {}},
      {"huge",
       [&] { write(conf, recentSix + "size=6\n[padding]\nx=" + std::string(8 << 20, 'x') + "\n"); },
       {"/p/1.iv3", "/p/2.iv3", "/p/3.iv3", "/p/4.iv3"}},
      {"linked",
       [&] {
         write(kept, "[recentFiles]\n1\\path=/p/kept.iv3\nsize=1\n");
         fs::create_symlink(kept, conf);
       },
       {"/p/kept.iv3"}},
      {"a size of 2^31-1",
       [&] { write(conf, recentSix + "size=2147483647\n"); },
       {"/p/1.iv3", "/p/2.iv3", "/p/3.iv3", "/p/4.iv3"}},
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo(conf.c_str(), 0600), 0); }, {}},
      {"a folder", [&] { fs::create_directory(conf); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window_.reset();
    editor_->SetRecentFiles({});
    fs::remove_all(conf);
    fs::create_directories(conf.parent_path());
    c.make();
    // A window that opened the FIFO would wait for a writer for good: one comes after a while.
    std::promise<void> started;
    std::thread writer([&conf, shown = started.get_future()] {
      if (shown.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return;
      const int fd = ::open(conf.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    });
    const auto before = std::chrono::steady_clock::now();
    Window();
    started.set_value();
    writer.join();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    EXPECT_EQ(editor_->RecentFiles(), c.recent);
    editor_->SetRecentFiles({"/p/next.iv3"});
    Window().Refresh();
    EXPECT_TRUE(fs::is_regular_file(conf));
    EXPECT_EQ(QSettings(QString::fromStdString(conf.string()), QSettings::IniFormat)
                  .value("recentFiles/1/path")
                  .toByteArray(),
              "/p/next.iv3");
  }
  window_.reset();
  fs::remove_all(conf);
}

// A magician built by clicks, saved and opened again: looking through its pages changes nothing a
// save would write, so Edit offers nothing to undo (the spells page's recount once made a step).
TEST_F(MainWindowTest, PagesOfAReopenedCharacterLeaveNothingToUndo) {
  auto* values = Find<QListWidget>("priorityValues");
  values->setCurrentRow(4);  // Magic up to A, then Resources to C
  for (int i = 0; i < 4; ++i) Find<QToolButton>("priorityUp")->click();
  values->setCurrentRow(3);
  Find<QToolButton>("priorityUp")->click();
  ShowPage(kPageRace);
  Find<QRadioButton>("raceHuman")->click();
  ShowPage(kPageAttributes);
  for (int i = 0; i < 3; ++i) Find<QToolButton>("QuicknessUp")->click();
  ShowPage(kPageCyberware);
  auto* cyber = Find<QTreeWidget>("cyberCatalog");
  ClickRow(cyber, cyber->indexFromItem(cyber->findItems("Skull Port", Qt::MatchExactly | Qt::MatchRecursive).value(0)),
           true);
  ShowPage(kPageSpells);
  Find<QListWidget>("traditions")->setCurrentRow(2);
  auto* spells = Find<QTreeWidget>("spellCatalog");
  ClickRow(spells, spells->model()->index(0, 0), true);
  Find<QPushButton>("buySpellPoints")->click();
  ShowPage(kPageBioInfo);
  QTest::keyClicks(Find("StreetName"), "Nyx");
  ASSERT_EQ(editor_->Record().Cyberware.size() + editor_->Record().Spells.size(), 2u);
  platform_.QueueAnswer(Path("nyx.iv3"));
  MenuItem("Save &As...")->trigger();
  platform_.QueueAnswer(Path("nyx.iv3"));
  MenuItem("&Open...")->trigger();
  ASSERT_EQ(editor_->Record().StreetName, "Nyx");
  for (int visit = 0; visit < 2; ++visit) {
    for (int page = 0; page < kPageCount; ++page) {
      ShowPage(page);
      EXPECT_EQ(EditAction(0)->text(), "&Undo") << "visit " << visit << ", page " << page;
    }
  }
  EXPECT_FALSE(editor_->Document().Modified);
}

TEST_F(MainWindowTest, NewAsksOnlyAfterAnEditAndClearsThePagesAndSaveAsNamesTheFile) {
  MenuItem("&New")->trigger();
  EXPECT_TRUE(platform_.Log().empty());
  ShowPage(9);
  QTest::keyClicks(Find("StreetName"), "Nyx");
  EXPECT_TRUE(editor_->Record().StreetName == "Nyx" && editor_->Document().Modified);
  platform_.QueueAnswer("No");
  MenuItem("&New")->trigger();
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"message [New character] (warning, Yes/No/Cancel) Current "
                                                      "character has been modified.\\n\\rDo you want do save "
                                                      "changes? -> No"});
  EXPECT_EQ(Text("StreetName"), "");
  // The title names the saved file as it is spelled, also outside Windows-1252.
  platform_.QueueAnswer((folder_ / "\u65E5\u672C.iv3").string());
  MenuItem("Save &As...")->trigger();
  EXPECT_EQ(Window().windowTitle(), QString::fromUtf8("Ironveil CharGen 3 - [\u65E5\u672C.iv3]"));
}

// The character leaves as a JSON document and comes back as a new one with no file, on the page
// an opened character shows.
TEST_F(MainWindowTest, JsonGoesOutAndComesBackThroughTheFileMenu) {
  editor_->OpenNamed(std::string(IVGEN_BUNDLED_DATA) + "/samples/razorback.iv3");
  platform_.QueueAnswer(Path("razorback"));
  MenuItem("Export as &JSON...")->trigger();
  EXPECT_EQ(Read("razorback.json"), ReadWholeFile(IVGEN_SOURCE_DIR "/tests/json/data/razorback.json").value_or(""));
  MenuItem("&New")->trigger();
  platform_.QueueAnswer(Path("razorback.json"));
  MenuItem("I&mport JSON...")->trigger();
  EXPECT_EQ(Window().windowTitle(), "Ironveil Character Generator 3.2.6 - 2 July 2000");
  EXPECT_EQ(Window().Pages()->currentIndex(), 1);
  ShowPage(9);
  EXPECT_EQ(Text("StreetName"), "Razorback");
  EXPECT_TRUE(editor_->Document().Modified);
}

TEST_F(MainWindowTest, OptionsDialogRefusesOutOfRangeAndStaysOpen) {
  editor_->Options().Open();  // the scripted platform records the dialog without blocking
  OptionsDialog dialog(*editor_, nullptr);
  dialog.findChild<QLineEdit*>("maxpoints")->setText("201");
  QTest::mouseClick(dialog.findChild<QPushButton*>("done"), Qt::LeftButton);
  EXPECT_EQ(platform_.Log().back(), "message [Ironveil Character Generator] (OK) Invalid entry... <0..200> only -> OK");
  EXPECT_TRUE(editor_->Options().IsOpen() && editor_->CurrentSettings().maxpoints == 0);
}

// Every button of the dialogs answers to Alt and a key no other button or label of its dialog
// takes, so a player reaches each one from the keyboard.
TEST_F(MainWindowTest, EveryDialogButtonHasAnAcceleratorOfItsOwn) {
  OptionsDialog options(*editor_, nullptr);
  PrintOptionsDialog print(*editor_, nullptr);
  PointGenerationDialog points(*editor_, nullptr);
  AnimalFormDialog animal(*editor_, nullptr);
  EdgesDialog edges(*editor_, nullptr);
  for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &print, &points, &animal, &edges}) {
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    QMap<QKeySequence, QString> taken;
    auto take = [&taken](const QString& text) {
      const QKeySequence key = QKeySequence::mnemonic(text);
      if (!key.isEmpty()) {
        EXPECT_FALSE(taken.contains(key)) << text.toStdString() << " and " << taken.value(key).toStdString();
      }
      taken.insert(key, text);
      return key;
    };
    for (QLabel* label : dialog->findChildren<QLabel*>()) take(label->text());
    int buttons = 0;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->text().isEmpty()) continue;  // a spin button's arrow
      EXPECT_FALSE(take(button->text()).isEmpty()) << button->text().toStdString();
      ++buttons;
    }
    EXPECT_GT(buttons, 0);
    Shot(*dialog, "keys " + dialog->windowTitle());
  }
}

TEST_F(MainWindowTest, PrintOptionsDialogChoosesWhatTheSheetHolds) {
  const std::string sheet = (folder_ / "nyx.htm").string();
  editor_->Sheet().PrintToHtml();  // the scripted platform records the dialog without blocking
  PrintOptionsDialog dialog(*editor_, nullptr);
  auto* picture = dialog.findChild<QLineEdit*>("pictureFile");
  EXPECT_EQ(picture->text(), ".\\iv.gif");
  picture->clear();
  QTest::keyClicks(picture, "nyx.gif");
  QTest::mouseClick(dialog.findChild<QCheckBox*>("printPicture"), Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QCheckBox*>("chkPrOp1"), Qt::LeftButton);
  platform_.QueueAnswer(sheet);
  QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
  EXPECT_FALSE(editor_->Sheet().IsOpen());
  EXPECT_EQ(editor_->Sheet().WrittenSheet(), sheet);
  const std::string bytes = ReadWholeFile(sheet).value_or("");
  EXPECT_NE(bytes.find("<tr><img src=\"nyx.gif\""), std::string::npos);
  EXPECT_NE(bytes.find("<!-- Cyber  -->"), std::string::npos);
  EXPECT_EQ(bytes.find("<!-- Bio  -->"), std::string::npos);
}

// The preview follows the character a moment after the last action and only while it shows;
// hidden or behind another pane it makes no sheet at all, closed it keeps none, and looking at it
// finalizes nothing.
TEST_F(MainWindowTest, SheetPreviewFollowsTheCharacterOnlyWhileShown) {
  auto* preview = Find<SheetPreview>("sheetPreview");
  EXPECT_FALSE(preview->isVisible());
  ShowPage(9);
  QTest::keyClicks(Find("StreetName"), "Nyx");
  QTest::qWait(600);
  EXPECT_EQ(preview->Generated(), 0);

  const CharacterRecord before = editor_->Record();
  MenuItem("Sheet &Preview")->trigger();
  ASSERT_TRUE(preview->isVisible());
  QTRY_COMPARE(preview->Generated(), 1);
  EXPECT_EQ(preview->ShownHtml(), ToQt(editor_->Sheet().Preview()));
  EXPECT_TRUE(preview->ShownHtml().contains("<td colspan=2>Nyx</td></tr>"));
  // Typing a word makes one sheet after it, not one per letter, and never during an action: each
  // letter starts the pause again, also after the pane was shown.
  QTest::keyClicks(Find("RealName"), "Ada");
  EXPECT_EQ(preview->Generated(), 1);
  auto* delay = preview->findChild<QTimer*>("regenerateDelay");
  ASSERT_NE(delay, nullptr);
  EXPECT_TRUE(delay->isActive());
  EXPECT_EQ(delay->interval(), 400);
  // The name is on the pane, as painted, within the pause and the layout after it.
  QElapsedTimer typed;
  typed.start();
  QTRY_VERIFY_WITH_TIMEOUT(preview->ShownLayout() != nullptr && preview->ShownLayout()->Text().contains("Ada"), 1000);
  EXPECT_LT(typed.elapsed(), 400 + 300);
  EXPECT_EQ(preview->Generated(), 2);
  QTest::qWait(600);
  EXPECT_EQ(preview->Generated(), 2);
  EXPECT_TRUE(preview->ShownHtml().contains("<td colspan=2>Ada</td></tr>"));
  const QImage painted = Find<SheetView>("sheetView")->viewport()->grab().toImage();
  EXPECT_GT(painted.width(), 100);
  int white = 0;
  for (int y = 0; y < painted.height(); y += 4) {
    for (int x = 0; x < painted.width(); x += 4) white += painted.pixel(x, y) == qRgb(255, 255, 255);
  }
  EXPECT_GT(white, painted.width() * painted.height() / 16 / 4) << "a page, white, fills the pane's width";
  EXPECT_EQ(editor_->Record().NuyenSpent, before.NuyenSpent);
  EXPECT_FALSE(editor_->Record().OnceThru);
  Shot(Window(), "sheet-preview");

  // The pane starts with every section, as the PDF does; "Options..." opens the print options to
  // change the pane's own, and the pane shows the new sections.
  EXPECT_TRUE(preview->ShownHtml().contains("<!-- Cyber  -->"));
  QTest::mouseClick(Find<QPushButton>("previewOptions"), Qt::LeftButton);
  EXPECT_TRUE(editor_->Sheet().OptionsOnly());
  PrintOptionsDialog dialog(*editor_, nullptr);
  EXPECT_FALSE(dialog.findChild<QLineEdit*>("pictureFile")->isEnabled());
  EXPECT_EQ(dialog.findChild<QPushButton*>("print")->text(), "&OK");
  auto* cyberware = dialog.findChild<QCheckBox*>("chkPrOp1");
  EXPECT_TRUE(cyberware->isChecked());
  QTest::mouseClick(cyberware, Qt::LeftButton);
  QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
  EXPECT_FALSE(editor_->Sheet().IsOpen());
  EXPECT_EQ(platform_.Log().back(), "closed PrintOptions");
  Window().Refresh();
  QTRY_VERIFY(!preview->ShownHtml().contains("<!-- Cyber  -->"));

  MenuItem("Sheet &Preview")->trigger();
  const int shown = preview->Generated();
  QTest::keyClicks(Find("RealName"), " Voss");
  QTest::qWait(600);
  EXPECT_EQ(preview->Generated(), shown);
  // Closed, it keeps no layout.
  EXPECT_EQ(preview->ShownLayout(), nullptr);

  // Behind Left to Do's tab it makes no sheet either, and makes one when its tab is chosen.
  MenuItem("Sheet &Preview")->trigger();
  QTRY_COMPARE(preview->Generated(), shown + 1);
  QTRY_VERIFY(preview->ShownLayout() != nullptr);
  MenuItem("&Left to Do")->trigger();
  QTRY_VERIFY(preview->visibleRegion().isEmpty());
  QTest::keyClicks(Find("RealName"), "x");
  QTest::qWait(600);
  EXPECT_EQ(preview->Generated(), shown + 1);
  preview->raise();
  QTRY_COMPARE(preview->Generated(), shown + 2);
  QTRY_VERIFY(preview->ShownLayout() != nullptr && preview->ShownLayout()->Text().contains("Ada Vossx"));
}

// "Export Sheet as PDF..." proposes the street name, lays the sheet out as PDF and leaves the
// character as it was; a PDF that cannot be written is told with its path.
TEST_F(MainWindowTest, ExportSheetAsPdfWritesWithoutFinalizing) {
  editor_->Texts().Set("StreetName", "Nyx");
  const Document before = editor_->CurrentDocument();
  const bool modified = editor_->Document().Modified;
  const std::string pdf = Path("nyx.pdf");
  platform_.QueueAnswer(pdf);
  ExportSheetAsPdf(*editor_, platform_, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "save-file [PDF File] PDF Ironveil 3 (*.pdf)|*.pdf {Nyx.pdf} -> \"" + pdf + "\"",
                       "message [Ironveil Character Generator] (OK) Created PDF Character file: " + pdf + " -> OK"}));
  EXPECT_EQ(Read("nyx.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(editor_->CurrentDocument(), before);
  EXPECT_EQ(editor_->Document().Modified, modified);

  platform_.ClearLog();
  platform_.QueueAnswer(Folder());
  ExportSheetAsPdf(*editor_, platform_, nullptr);
  EXPECT_TRUE(
      Log().back().starts_with("message [Ironveil Character Generator] (warning, OK) The character sheet was "
                               "not written.\\r\\nCould not write " +
                               Folder()))
      << Log().back();
}

// The help window shows the guide shipped beside the program and finds sections by a word; the
// System Info dialog's Copy gives a bug report its lines.
TEST_F(MainWindowTest, HelpWindowSearchesTheGuideAndSystemInfoCopies) {
  Write("guide.md", ReadWholeFile(IVGEN_GUIDE).value_or(""));
  editor_->Info().HelpSearch();
  HelpWindow help(*editor_, &Window());
  EXPECT_TRUE(help.findChild<QTextBrowser*>("guide")->toPlainText().contains("A worked example: Razorback"));
  QTest::keyClicks(help.findChild<QLineEdit*>("search"), "FINALIZ");
  QStringList found;
  for (int row = 0; row < help.findChild<QListWidget*>("found")->count(); ++row) {
    found << help.findChild<QListWidget*>("found")->item(row)->text();
  }
  EXPECT_TRUE(found.contains("Printing and finalizing")) << found.join(", ").toStdString();
  EXPECT_FALSE(found.contains("  Gear"));
  // Cleared, the search lists the contents, each heading indented by its level.
  help.findChild<QLineEdit*>("search")->clear();
  QStringList contents;
  for (int row = 0; row < help.findChild<QListWidget*>("found")->count(); ++row) {
    contents << help.findChild<QListWidget*>("found")->item(row)->text();
  }
  EXPECT_EQ(contents.mid(0, 4), (QStringList{"The ivgen player's guide", "Building with priorities",
                                             "  A worked example: Razorback", "Building with build points"}));
  // It opens at a size to read the guide by, not shrunk to its controls.
  EXPECT_GE(help.sizeHint().width(), 700);
  EXPECT_GE(help.sizeHint().height(), 500);
  Shot(help, "help");
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(editor_->Info().Help().open);
  EXPECT_EQ(platform_.Log().back(), "closed Help");

  editor_->Info().ShowAbout();
  editor_->Info().AboutSystemInfo(InfoLine{"Qt version", qVersion()});
  InfoDialog info(*editor_, Dialog::SystemInfo, &Window());
  QTest::mouseClick(info.findChild<QPushButton*>("copy"), Qt::LeftButton);
  const QStringList copied = QApplication::clipboard()->text().split('\n');
  ASSERT_GE(copied.size(), 5);
  EXPECT_EQ(copied[0], "Program: ivgen 3.2.6 - 2 July 2000");
  EXPECT_EQ(copied[1], QString("Qt version: ") + qVersion());
  Shot(info, "system-info");
  QTest::mouseClick(info.findChild<QPushButton*>("close"), Qt::LeftButton);
  EXPECT_EQ(platform_.Log().back(), "closed SystemInfo");
}

TEST_F(PagesTest, PriorityRowsMoveAndTheMagicOptionsFollow) {
  auto* areas = Find<QListWidget>("priorityAreas");
  auto* values = Find<QListWidget>("priorityValues");
  ASSERT_EQ(values->count(), 5);
  EXPECT_EQ(values->item(2)->text(), QString::fromUtf8("90,000\u00a5"));
  // Clicking in the value column selects the row in both columns.
  values->setCurrentRow(4);
  EXPECT_EQ(areas->currentRow(), 4);
  for (int i = 0; i < 3; ++i) Find<QToolButton>("priorityUp")->click();
  EXPECT_EQ(areas->item(1)->text() + " " + values->item(1)->text(), "Magic Aspected");
  EXPECT_EQ(values->currentRow(), 1);
  EXPECT_TRUE(Find<QGroupBox>("adeptGroup")->isVisible());
  Find<QRadioButton>("adept0")->click();  // click(): a radio button only takes clicks on its label
  EXPECT_TRUE(editor_->Record().Adept == 0 && editor_->Record().MagicPts == 0 && editor_->Document().Modified);

  EXPECT_FALSE(Find("money")->isVisible());
  Find<QCheckBox>("overrideLimits")->click();
  EXPECT_TRUE(Find("money")->isVisible() && editor_->Record().norules == 1);
}

TEST_F(PagesTest, RaceOptionsOpenWhenThePrioritiesPageIsLeft) {
  // The race page is built when first shown; until the priorities page is left it offers nothing.
  EXPECT_FALSE(editor_->Race().View().optionEnabled[2]);
  ShowPage(1);
  auto* dwarf = Find<QRadioButton>("raceDwarf");
  EXPECT_TRUE(dwarf->isEnabled() && !Find("raceElf")->isEnabled());
  dwarf->click();
  EXPECT_EQ(Find<QListWidget>("raceDesc")->item(0)->text(), "Thermographic Vision");
  EXPECT_FALSE(Find("metaGroup")->isVisible());
  ShowPage(2);
  EXPECT_TRUE(editor_->Record().OnceThru);
  EXPECT_EQ(Text("StrengthRacial") + " " + Text("StrengthTotal"), "2 3");
}

TEST_F(PagesTest, AttributeButtonsStopAtTheCeilingAndPoolsAreTyped) {
  ShowPage(2);
  EXPECT_TRUE(Find<QLineEdit>("QuicknessBase")->isReadOnly());
  for (int i = 0; i < 7; ++i) Find<QToolButton>("QuicknessUp")->click();
  EXPECT_EQ(Text("QuicknessBase") + " " + Text("AttributePoints") + " " + Text("ReactionBase"), "6 11/30 3");
  EXPECT_FALSE(Find("QuicknessOverMaximum")->isVisible());
  Find<QToolButton>("QuicknessDown")->click();
  EXPECT_EQ(Text("QuicknessBase"), "5");
  QTest::keyClicks(Find("lblPool1"), "Rigging");
  EXPECT_EQ(editor_->Record().Pools.lblPool1, "Rigging");
}

TEST_F(PagesTest, CharacterGenMenuSwitchesTheGenerator) {
  QMenu* menu = MenuItem("&Character Gen.")->menu();
  QStringList items;
  for (QAction* item : menu->actions()) items << item->text();
  EXPECT_EQ(items, (QStringList{"Priority", "Point System", "Existing Character", "", "&Random Character..."}));
  EXPECT_TRUE(menu->actions()[0]->isChecked());
  // The Priorities page offers the same choice, and each shows what the other chose.
  auto* byPriority = Find<QRadioButton>("methodPriority");
  auto* byPoints = Find<QRadioButton>("methodPoints");
  EXPECT_EQ(byPriority->text() + " " + byPoints->text(), "&Priority B&uild Points");
  EXPECT_TRUE(byPriority->isChecked());
  QTest::mouseClick(byPoints, Qt::LeftButton);
  EXPECT_TRUE(editor_->Record().GeneratorPoints);
  EXPECT_EQ(platform_.Log(), std::vector<std::string>{"dialog PointGeneration"});
  emit menu->aboutToShow();
  EXPECT_TRUE(menu->actions()[1]->isChecked());
  menu->actions()[0]->trigger();
  EXPECT_TRUE(!editor_->Record().GeneratorPoints && byPriority->isChecked());
  menu->actions()[2]->trigger();
  EXPECT_EQ(editor_->Record().norules, 1);
  EXPECT_TRUE(menu->actions()[2]->isChecked());
}

// The dialog makes the current character, or saves several while it goes on answering: the click
// returns at once and the bar counts the characters as they are saved.
TEST_F(PagesTest, RandomCharacterDialogMakesTheCurrentCharacterOrSavesSeveral) {
  Window();
  editor_->Random().Open();  // the scripted platform records the dialog without blocking
  auto dialog = std::make_unique<RandomDialog>(*editor_, &Window());
  auto* archetype = dialog->findChild<QComboBox*>("archetype");
  auto* seed = dialog->findChild<QLineEdit*>("seed");
  auto* generate = dialog->findChild<QPushButton*>("generate");
  ASSERT_EQ(archetype->count(), 9);
  EXPECT_EQ(archetype->itemText(1), "Decker | Priority");
  EXPECT_FALSE(seed->text().isEmpty());
  archetype->setCurrentIndex(1);
  emit archetype->activated(1);
  seed->clear();
  QTest::keyClicks(seed, "4x");
  EXPECT_FALSE(generate->isEnabled());
  EXPECT_EQ(dialog->findChild<QLabel*>("why")->text(), "The seed is a whole number from 0 to 4294967295");
  QTest::keyClick(seed, Qt::Key_Backspace);
  QTest::keyClicks(seed, "2");
  Shot(*dialog, "random_dialog");
  QTest::mouseClick(generate, Qt::LeftButton);
  EXPECT_EQ(editor_->Record().Archetype, "Decker");
  EXPECT_EQ(platform_.Log().back(), "closed RandomCharacter");
  RandomCharacters again(*editor_);
  again.Build(*again.Archetypes()->Find("Decker"), 42);
  EXPECT_EQ(editor_->Record().StreetName, again.Built().Record().StreetName);
  EXPECT_EQ(Window().windowTitle().toStdString(), "Ironveil Character Generator 3.2.6 - 2 July 2000");

  editor_->Random().Open();
  dialog = std::make_unique<RandomDialog>(*editor_, &Window());
  EXPECT_EQ(dialog->findChild<QLineEdit*>("seed")->text(), "42") << "the dialog keeps its choices";
  QTest::mouseClick(dialog->findChild<QRadioButton*>("toFolder"), Qt::LeftButton);
  auto* count = dialog->findChild<QLineEdit*>("count");
  count->clear();
  QTest::keyClicks(count, "12");
  QTest::keyClicks(dialog->findChild<QLineEdit*>("folder"), QString::fromStdString(Path("npcs")));
  QTest::mouseClick(dialog->findChild<QPushButton*>("generate"), Qt::LeftButton);
  auto* progress = dialog->findChild<QProgressBar*>("progress");
  EXPECT_LT(editor_->Random().View().done, 12) << "the click returns before every character is saved";
  EXPECT_EQ(dialog->findChild<QPushButton*>("cancel")->text(), "Cancel");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !editor_->Random().View().running; }, 20000));
  EXPECT_EQ(progress->value(), 12);
  EXPECT_EQ(progress->text(), "12 of 12 saved");
  auto* results = dialog->findChild<QListWidget*>("results");
  ASSERT_EQ(results->count(), 12);
  EXPECT_TRUE(results->item(0)->text().endsWith(" | Decker | seed 42 | Nothing left to do"))
      << results->item(0)->text().toStdString();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("npcs")), std::filesystem::directory_iterator()),
            12);
  Shot(*dialog, "random_dialog_saved");
  QTest::mouseClick(dialog->findChild<QPushButton*>("cancel"), Qt::LeftButton);
  EXPECT_FALSE(editor_->Random().IsOpen());
}

TEST_F(PagesTest, SkillsListsAddSpinnersAndPools) {
  ShowPage(3);
  auto* categories = Find<QListWidget>("skillCategories");
  auto* skills = Find<QListWidget>("catalogSkills");
  auto* list = Find<QTreeWidget>("characterSkills");
  categories->setCurrentRow(categories->count() - 4);  // Street Knowledge
  skills->setCurrentRow(0);
  EXPECT_TRUE(Find("furtherSpecialization")->isVisible());
  Find<QListWidget>("specializations")->setCurrentRow(0);
  platform_.QueueAnswer("Redmond");
  Find<QPushButton>("furtherSpecialization")->click();
  // A double-click on the skill adds it plain although a specialization was chosen.
  ClickRow(skills, skills->indexFromItem(skills->item(0)), true);
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(Cells(list), "Skill | Rating | Specialization");
  EXPECT_EQ(Cells(list, 0), "Gang Lore (KNO)/Local Gangs/Redmond | 1 | 3");
  EXPECT_EQ(Cells(list, 1), "Gang Lore (KNO) | 1 | ");
  EXPECT_EQ(Text("knowledgePoints"), "4/5");
  // Above Intelligence 1 the next point costs two, and only one is left.
  Find<QToolButton>("skillRaise")->click();
  EXPECT_EQ(list->topLevelItem(1)->text(1), "1");
  EXPECT_FALSE(Find("skillAdjusters")->isVisible());
  Shot(Window(), "skills");
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_TRUE(list->topLevelItemCount() == 1 && !Find("removeSkill")->isEnabled());
  EXPECT_EQ(Text("knowledgePoints"), "3/5");
}

TEST_F(PagesTest, ImplantsBoughtByDoubleClickAndTheInstalledListFollows) {
  ShowPage(4);
  auto* catalog = Find<CatalogTreeView>("cyberCatalog");
  auto* installed = Find<EntryListView>("installedCyberware");
  auto buy = [this](QTreeWidget* tree, const char* name) {
    const auto rows = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(rows.size(), 1) << name;
    ClickRow(tree, tree->indexFromItem(rows[0]), true);
  };
  EXPECT_FALSE(Find("cyberLimbs")->isVisible());
  EXPECT_FALSE(Find("buyCyberware")->isEnabled()) << "nothing chosen to buy";
  Find<QRadioButton>("gradeAlpha")->click();
  buy(catalog, "Skull Port");
  Find<QRadioButton>("gradeStandard")->click();
  buy(catalog, "Cyber Arms, Obvious");
  ASSERT_EQ(installed->topLevelItemCount(), 2);
  EXPECT_EQ(Cells(installed), "Installed | Essence | Price | Book | Modifiers | Notes");
  EXPECT_EQ(Cells(installed, 0),
            "Skull Port(A) | 0.16 | 2000 | IV3-201 |  | Cable jack behind the ear for decks, drones and chips.");
  EXPECT_EQ(Text("essence") + " " + Text("moneyLeft"), "3.84 38000");
  EXPECT_TRUE(Find("cyberLimbs")->isVisible());
  // Closing the branch of the chosen item chooses the branch: nothing unseen to buy or shown.
  catalog->collapseItem(catalog->currentItem()->parent());
  EXPECT_TRUE(!Find("buyCyberware")->isEnabled() && Text("basePrice").isEmpty());
  EXPECT_FALSE(Find("removeCyberware")->isEnabled());
  // The arrow keys move the highlight, and Remove takes the highlighted entry.
  ClickRow(installed, installed->indexFromItem(installed->topLevelItem(1)));
  QTest::keyClick(installed, Qt::Key_Up);
  EXPECT_TRUE(Find<QRadioButton>("gradeAlpha")->isChecked());
  Shot(Window(), "cyberware");
  Find<QPushButton>("removeCyberware")->click();
  ASSERT_TRUE(installed->topLevelItemCount() == 1 && !Find("removeCyberware")->isEnabled());
  EXPECT_EQ(installed->topLevelItem(0)->text(0), "Cyber Arms, Obvious");
  // Undo puts the implant back, named in the Edit menu; redo takes it out again.
  EXPECT_EQ(MenuItems("&Edit"), (QStringList{"&Undo Remove Skull Port(A)", "&Redo"}));
  EditAction(0)->trigger();
  EXPECT_EQ(installed->topLevelItemCount(), 2);
  EXPECT_EQ(MenuItems("&Edit"), (QStringList{"&Undo Buy Cyber Arms, Obvious", "&Redo Remove Skull Port(A)"}));
  EditAction(1)->trigger();
  EXPECT_EQ(installed->topLevelItemCount(), 1);
  EXPECT_FALSE(EditAction(1)->isEnabled());

  ShowPage(5);
  Find<QRadioButton>("typeCultured")->click();
  buy(Find<CatalogTreeView>("bioCatalog"), "Nocturnal Retina");
  auto* bioware = Find<EntryListView>("installedBioware");
  EXPECT_EQ(Cells(bioware), "Installed | Bio-index | Price | Book | Type | Modifiers | Notes");
  EXPECT_EQ(Cells(bioware, 0),
            "Cul.Nocturnal Retina | 0.15 | 36000 | IV3-236 | c |  | Low-light vision without implants.");
  EXPECT_EQ(Text("bioIndex") + " " + Text("essenceIndex"), "0.15 7");
  EXPECT_FALSE(Find("excessiveBioware")->isVisible());
  Shot(Window(), "bioware");
  EXPECT_TRUE(platform_.Log().empty());
}

// The sample characters on every page: the character's lists show plain cells (no "|", "~" or
// TAB of the stored entries), numbers where the entries hold brackets, the gear divider as a line
// across, and every cell and heading whole at the columns' widths.
TEST_F(PagesTest, SampleCharactersShowWholePlainCellsInEveryList) {
  const QStringList characterLists = {"characterSkills", "installedCyberware", "installedBioware", "chosenSpells",
                                      "ownedPowers",     "gearOwned",          "contactList"};
  for (const char* sample : {"greymane.iv3", "lanternjack.iv3", "razorback.iv3"}) {
    editor_->OpenNamed(std::string(IVGEN_BUNDLED_DATA) + "/samples/" + sample);
    int rows = 0;
    for (int page = 0; page < Window().Pages()->count(); ++page) {
      ShowPage(page);
      for (QTreeWidget* list : Window().Pages()->widget(page)->findChildren<QTreeWidget*>()) {
        if (!characterLists.contains(list->objectName())) continue;
        const QFontMetrics metrics = list->fontMetrics();
        for (int r = 0; r < list->topLevelItemCount(); ++r, ++rows) {
          const QTreeWidgetItem* item = list->topLevelItem(r);
          for (int c = 0; c < list->columnCount(); ++c) {
            const QString where = list->objectName() + " " + item->text(0) + " " + QString::number(c);
            EXPECT_FALSE(item->text(c).contains(QRegularExpression("[|~\\t\\[]"))) << where.toStdString();
            const bool last = c + 1 == list->columnCount();
            if (item->isFirstColumnSpanned() || last) continue;
            EXPECT_GE(list->columnWidth(c), metrics.horizontalAdvance(item->text(c))) << where.toStdString();
            EXPECT_GE(list->columnWidth(c), metrics.horizontalAdvance(list->headerItem()->text(c)))
                << where.toStdString();
          }
        }
        if (list->objectName() == "gearOwned" && list->topLevelItemCount() > 0) {
          const auto dividers = list->findItems("Carried gear below", Qt::MatchExactly);
          ASSERT_EQ(dividers.size(), 1) << sample;
          EXPECT_TRUE(dividers[0]->isFirstColumnSpanned());
        }
      }
    }
    EXPECT_GT(rows, 10) << sample;
  }
}

// Each catalog narrows to the names holding the typed text in any case, and shows whole again when
// the text is cleared; Buy and Enter take only an entry that shows highlighted.
TEST_F(PagesTest, EveryCatalogFiltersByNameAndBuysOnlyWhatShows) {
  struct Catalog {
    int page;
    const char* box;
    const char* view;
    QString text;
  };
  ShowPage(8);
  auto* gearTree = Find<QTreeWidget>("gearTree");
  gearTree->setCurrentItem(gearTree->findItems("Blades", Qt::MatchExactly | Qt::MatchRecursive).value(0));
  for (const Catalog& c :
       {Catalog{4, "cyberSearch", "cyberCatalog", "SKULL"}, Catalog{5, "bioSearch", "bioCatalog", "gland"},
        Catalog{8, "gearShopFilter", "gearShop", "Knife"}}) {
    ShowPage(c.page);
    auto* view = Find<QAbstractItemView>(c.view);
    const QStringList all = Shown(c.box, view, "");
    const QStringList shown = Shown(c.box, view, c.text);
    EXPECT_FALSE(shown.isEmpty()) << c.view;
    EXPECT_LT(shown.size(), all.size()) << c.view;
    for (const QString& name : shown)
      EXPECT_TRUE(name.contains(c.text, Qt::CaseInsensitive)) << c.view << name.toStdString();
    EXPECT_EQ(Shown(c.box, view, ""), all) << c.view;
  }

  ShowPage(4);
  auto* catalog = Find<CatalogTreeView>("cyberCatalog");
  auto* buy = Find("buyCyberware");
  const auto port = catalog->findItems("Skull Port", Qt::MatchExactly | Qt::MatchRecursive).value(0);
  ClickRow(catalog, catalog->indexFromItem(port->parent()), true);
  ClickRow(catalog, catalog->indexFromItem(port));
  EXPECT_TRUE(buy->isEnabled());
  // The book has a box of its own, apart from the note.
  QWidget* page = Window().Pages()->currentWidget();
  EXPECT_EQ(page->findChild<QLineEdit*>("book")->text() + " | " + page->findChild<QLabel*>("notes")->text(),
            "IV3-201 | Cable jack behind the ear for decks, drones and chips.");
  Shown("cyberSearch", catalog, "eye");
  EXPECT_FALSE(buy->isEnabled()) << "the chosen item is filtered out";
  QTest::keyClick(catalog, Qt::Key_Return);
  EXPECT_TRUE(editor_->Record().Cyberware.empty());
  Shown("cyberSearch", catalog, "port");
  EXPECT_TRUE(buy->isEnabled());
  QTest::keyClick(catalog, Qt::Key_Return);
  ASSERT_EQ(editor_->Record().Cyberware.size(), 1u);
  EXPECT_EQ(Cells(Find<QTreeWidget>("installedCyberware"), 0).section(" | ", 0, 0), "Skull Port");
  EXPECT_EQ(TipText(port->toolTip(0)), "Cable jack behind the ear for decks, drones and chips.\nBook: IV3-201");
  auto* installed = Find<QTreeWidget>("installedCyberware");
  ClickRow(installed, installed->indexFromItem(installed->topLevelItem(0)));
  QTest::keyClick(installed, Qt::Key_Delete);
  EXPECT_TRUE(editor_->Record().Cyberware.empty());
}

class MagicPagesTest : public WindowTest {
 protected:
  MagicPagesTest() {
    editor_->Priorities().SelectRow(4);
    for (int i = 0; i < 3; ++i) editor_->Priorities().MoveUp();  // magic at B
  }
};

TEST_F(MagicPagesTest, MagicianAddsARaisesAndBuysSpellPoints) {
  editor_->Priorities().MoveUp();
  editor_->Priorities().SelectRow(3);
  editor_->Priorities().MoveUp();  // Resources at C: 90,000 nuyen
  ShowPage(6);
  ASSERT_TRUE(Find("spellGroup")->isVisible());
  Find<QListWidget>("traditions")->setCurrentRow(2);
  auto* catalog = Find<QTreeWidget>("spellCatalog");
  ASSERT_GT(catalog->topLevelItemCount(), 3);
  EXPECT_EQ(catalog->headerItem()->text(3), "Dur.");
  emit catalog->itemDoubleClicked(catalog->topLevelItem(0), 0);
  catalog->setCurrentItem(catalog->topLevelItem(3));
  Find<QPushButton>("addSpell")->click();
  auto* chosen = Find<QTreeWidget>("chosenSpells");
  ASSERT_EQ(chosen->topLevelItemCount(), 2);
  EXPECT_FALSE(Find("spellUp")->isEnabled());
  chosen->setCurrentItem(chosen->topLevelItem(1));
  Find<QToolButton>("spellUp")->click();
  Find<QToolButton>("spellUp")->click();
  EXPECT_EQ(chosen->topLevelItem(1)->text(6) + " " + Text("spellPoints"), "3 4/25");
  EXPECT_EQ(Shown("spellSearch", Find<QTreeWidget>("spellMatches"), "xx"), QStringList());
  EXPECT_FALSE(Find("addSpell")->isEnabled()) << "nothing shows to add";
  EXPECT_EQ(Hint(Find<QTreeWidget>("spellMatches")), "No matches");
  Empty(Find<QLineEdit>("spellSearch"));
  EXPECT_TRUE(catalog->isVisible());
  Find<QPushButton>("buySpellPoints")->click();
  EXPECT_EQ(Text("spellPoints") + " " + Text("spellMoneyLeft"), "4/26 65000");
  // A match chosen is the spell Add takes, whatever category showed before.
  Find<QListWidget>("spellCategories")->setCurrentRow(1);
  Shown("spellSearch", catalog, "kinetic");
  QTest::keyClick(Find<QLineEdit>("spellSearch"), Qt::Key_Down);
  EXPECT_EQ(Find<QListWidget>("spellCategories")->currentItem()->text(), "Combat");
  Shot(Window(), "spell-search");
  Find<QPushButton>("addSpell")->click();
  ASSERT_EQ(chosen->topLevelItemCount(), 3);
  EXPECT_EQ(chosen->topLevelItem(2)->text(0), "Kinetic Lance");
  EXPECT_TRUE(editor_->Record().Tradition == 2 && editor_->Document().Modified);
  Shot(Window(), "spells");
}

// A click highlights the row only after it made the row current: the Add button that waits for
// the highlight was left disabled, so Enter did nothing either.
TEST_F(MagicPagesTest, AClickedCatalogRowIsWhatAddAndEnterTake) {
  ShowPage(3);
  auto* categories = Find<QListWidget>("skillCategories");
  categories->setCurrentRow(categories->count() - 4);  // Street Knowledge
  ShowPage(6);
  Find<QListWidget>("traditions")->setCurrentRow(2);
  struct Case {
    int page;
    const char* list;
    const char* button;
    std::function<size_t()> entries;
  };
  const Case cases[] = {{3, "catalogSkills", "addSkill", [this] { return editor_->Record().Skills.size(); }},
                        {6, "spellCatalog", "addSpell", [this] { return editor_->Record().Spells.size(); }},
                        {7, "powerCatalog", "buyPower", [this] { return editor_->Record().Powers.size(); }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    if (c.page == 7) editor_->Priorities().ChooseAdept(0);
    ShowPage(c.page);
    auto* list = Find<QAbstractItemView>(c.list);
    const size_t before = c.entries();
    ClickRow(list, list->model()->index(1, 0));
    EXPECT_TRUE(Find(c.button)->isEnabled());
    platform_.QueueAnswer("1");  // a power with levels asks for one
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(c.entries(), before + 1);
  }
}

TEST_F(MagicPagesTest, AdeptBuysALeveledPowerAndRemovesIt) {
  editor_->Priorities().ChooseAdept(0);
  ShowPage(7);
  ASSERT_TRUE(Find("powerGroup")->isVisible());
  auto* catalog = Find<QTreeWidget>("powerCatalog");
  EXPECT_EQ(Shown("powerFilter", catalog, "palm"), QStringList{"Iron Palm"});
  const int palm = catalog->indexOfTopLevelItem(catalog->findItems("Iron Palm", Qt::MatchExactly).value(0));
  EXPECT_EQ(Cells(catalog), "Power | Cost | Book | When bought");
  EXPECT_EQ(Cells(catalog, palm), "Iron Palm | 0.50 | IV3-153 | asks for a level");
  catalog->setCurrentItem(catalog->topLevelItem(palm));
  EXPECT_EQ(Text("powerCost"), "0.50");
  platform_.QueueAnswer("2");
  Find<QPushButton>("buyPower")->click();
  auto* owned = Find<QTreeWidget>("ownedPowers");
  ASSERT_EQ(owned->topLevelItemCount(), 1);
  EXPECT_EQ(Cells(owned, 0) + " " + Text("powerPoints"),
            "Iron Palm | 2 | 1.00 | Unarmed blows deal physical damage, one wound level more per level. 1/6");
  Shot(Window(), "powers");
  EXPECT_FALSE(Find("removePower")->isEnabled());
  owned->setCurrentItem(owned->topLevelItem(0));
  Find<QPushButton>("removePower")->click();
  EXPECT_EQ(std::to_string(owned->topLevelItemCount()) + " " + Text("powerPoints").toStdString(), "0 0/6");
}

TEST_F(PagesTest, GearBoughtByCountAndAFreeContactAdded) {
  ShowPage(8);
  auto* tree = Find<QTreeWidget>("gearTree");
  tree->expandAll();
  ClickRow(tree, tree->indexFromItem(tree->findItems("Blades", Qt::MatchExactly | Qt::MatchRecursive).value(0)));
  auto* shop = Find<QTreeWidget>("gearShop");
  EXPECT_FALSE(Find("gearBuy")->isEnabled()) << "a fresh group has nothing chosen";
  ClickRow(shop, shop->indexFromItem(shop->findItems("Survival Knife", Qt::MatchExactly).value(0)));
  EXPECT_EQ(Find<QLabel>("gearItemTitle")->text(), "Survival Knife");
  auto* count = Find<QLineEdit>("gearCount");
  count->selectAll();
  QTest::keyClicks(count, "3");
  QTest::mouseClick(Find<QPushButton>("gearBuy"), Qt::LeftButton);
  EXPECT_EQ(count->text(), "1");
  auto* owned = Find<QTreeWidget>("gearOwned");
  EXPECT_EQ(Cells(owned), "Gear (carried below the divider) | Count | Weight | Price | Book | Details");
  EXPECT_EQ(Cells(owned, 1),
            "Survival Knife | 3 | 1.8 | 90 | IV3-262 | Concealability 7, Reach 0, Damage (STR+1)L, "
            "Street Index 1");
  // The divider is a line across the list, not an item with values.
  EXPECT_TRUE(owned->topLevelItem(0)->isFirstColumnSpanned());
  EXPECT_EQ(owned->topLevelItem(0)->text(0), "Carried gear below");
  EXPECT_EQ(Cells(shop, shop->indexOfTopLevelItem(shop->currentItem())),
            "Survival Knife | 0.6 | 90 | IV3-262 | Concealability 7, Reach 0, Damage (STR+1)L, Street Index 1");
  EXPECT_EQ(Find<QLabel>("gearWeight")->text() + " " + Find<QLabel>("gearMoney")->text(), "1.8 89730");
  Shot(Window(), "gear");
  // Enter on the shop buys the highlighted item; Delete on the list removes the highlighted entry.
  QTest::keyClick(shop, Qt::Key_Return);
  ASSERT_EQ(owned->topLevelItemCount(), 3);
  ClickRow(owned, owned->indexFromItem(owned->topLevelItem(2)));
  QTest::keyClick(owned, Qt::Key_Delete);
  EXPECT_EQ(owned->topLevelItemCount(), 2);
  EXPECT_EQ(Find<QLabel>("gearMoney")->text(), "89730");
  QApplication::processEvents();
  EXPECT_EQ(Find<QLabel>("gearItemTitle")->text(), "") << "the panel showed the entry removed";

  ShowPage(11);
  QTest::keyClicks(Find("contactField0"), "Mara");
  QTest::mouseClick(Find<QPushButton>("contactAdd"), Qt::LeftButton);
  auto* list = Find<QTreeWidget>("contactList");
  ASSERT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(Cells(list),
            "Name | Archetype | Occupation | Location | LTG# | Affiliation | Race & Description | "
            "History and Relationships | Price");
  EXPECT_EQ(Cells(list, 0) + " " + Find<QLabel>("contactMoney")->text(), "Mara |  |  |  |  | 1 |  |  | 0 89730");
  EXPECT_FALSE(Find("contactRemove")->isEnabled());
  EXPECT_TRUE(editor_->Document().Modified);
  Shot(Window(), "contacts");
}

// A search box lists every item of its catalog that the typed text finds, with its group, in the
// catalog's place: Down or Enter leads the keyboard in, a match chosen shows its group with the
// item chosen, Enter buys it, a text that finds nothing says so, and an emptied box gives the
// catalog back. A filter says so too when it hides every row; a panel empties with its entry.
TEST_F(PagesTest, SearchesListEveryMatchWithItsGroupAndLeadTheKeyboardIn) {
  ShowPage(8);
  Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  auto* search = Find<QLineEdit>("gearSearch");
  auto* matches = Find<QTreeWidget>("gearMatches");
  auto* tree = Find<QTreeWidget>("gearTree");
  auto* shop = Find<QTreeWidget>("gearShop");
  auto* shopFilter = Find<QLineEdit>("gearShopFilter");
  auto shownItem = [this] {
    return Find<QLabel>("gearGroupTitle")->text() + " / " + Find<QLabel>("gearItemTitle")->text();
  };
  QTest::keyClicks(shopFilter, "kessler");
  search->setFocus();
  QTest::keyClicks(search, "VEST");
  EXPECT_TRUE(matches->isVisible() && !tree->isVisible());
  EXPECT_EQ(Cells(matches) + "; " + Cells(matches, 0) + "; " + Cells(matches, 1),
            "Item | Group; Reinforced Vest | Street Clothing; Ballistic Vest | Body Armor");
  QTest::keyClick(search, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), matches);
  EXPECT_EQ(shownItem(), "Street Clothing / Reinforced Vest");
  EXPECT_EQ(shopFilter->text(), "") << "the filter typed for another group would hide the match";
  QTest::keyClick(matches, Qt::Key_Down);
  EXPECT_EQ(shownItem(), "Body Armor / Ballistic Vest");
  ASSERT_NE(shop->currentItem(), nullptr);
  EXPECT_EQ(shop->currentItem()->text(0), "Ballistic Vest");
  Shot(Window(), "gear-search");
  QTest::keyClick(matches, Qt::Key_Return);
  auto* owned = Find<QTreeWidget>("gearOwned");
  ASSERT_EQ(owned->topLevelItemCount(), 2);
  EXPECT_EQ(owned->topLevelItem(1)->text(0), "Ballistic Vest");

  QTest::keyClicks(search, " of steel");
  EXPECT_EQ(Hint(matches), "No matches");
  Empty(search);
  EXPECT_TRUE(tree->isVisible() && !matches->isVisible());
  EXPECT_EQ(Hint(matches), "");
  ASSERT_NE(tree->currentItem(), nullptr);
  EXPECT_EQ(tree->currentItem()->text(0), "Body Armor") << "the tree shows the group the match listed";
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), tree);

  QTest::keyClicks(shopFilter, "kessler");
  EXPECT_EQ(Hint(shop), "No matches");
  shopFilter->selectAll();
  QTest::keyClicks(shopFilter, "plate");
  EXPECT_EQ(Hint(shop), "");
  QTest::keyClick(shopFilter, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), shop);
  EXPECT_EQ(shownItem(), "Body Armor / Plate Carrier");

  ClickRow(owned, owned->indexFromItem(owned->topLevelItem(1)));
  EXPECT_EQ(Find<QLabel>("gearItemTitle")->text(), "Ballistic Vest");
  QTest::mouseClick(Find<QPushButton>("gearRemove"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(Find<QLabel>("gearItemTitle")->text(), "");

  // The implant pages show what their search found in the tree, under the categories.
  ShowPage(4);
  auto* catalog = Find<CatalogTreeView>("cyberCatalog");
  EXPECT_EQ(Shown("cyberSearch", catalog, "skull port"), (QStringList{"Skull Port", "Skull Port, Wireless"}));
  QTest::keyClick(Find<QLineEdit>("cyberSearch"), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), catalog);
  auto box = [this](const char* name) {
    return Window().Pages()->currentWidget()->findChild<QLineEdit*>(name)->text();
  };
  EXPECT_EQ(box("book"), "IV3-201");
  QTest::keyClick(catalog, Qt::Key_Return);
  auto* installed = Find<QTreeWidget>("installedCyberware");
  ClickRow(installed, installed->indexFromItem(installed->topLevelItem(0)));
  EXPECT_EQ(box("basePrice"), "1000");
  QTest::mouseClick(Find<QPushButton>("removeCyberware"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(box("basePrice") + box("book"), "") << "the boxes showed the entry removed";
  EXPECT_EQ(Shown("cyberSearch", catalog, "no such port"), QStringList());
  EXPECT_EQ(Hint(catalog), "No matches");
  Shot(Window(), "cyber-search");

  // The skills page finds specializations too, and Enter adds the one chosen.
  ShowPage(3);
  auto* skillMatches = Find<QTreeWidget>("skillMatches");
  EXPECT_EQ(Shown("skillSearch", skillMatches, "heavy pistols"), QStringList{"Heavy Pistols"});
  EXPECT_EQ(Cells(skillMatches, 0), "Heavy Pistols | Firearms / Pistols (QCK)");
  QTest::keyClick(Find<QLineEdit>("skillSearch"), Qt::Key_Enter);
  EXPECT_EQ(Find<QListWidget>("specializations")->currentItem()->text(), "Heavy Pistols");
  QTest::keyClick(skillMatches, Qt::Key_Return);
  EXPECT_EQ(Cells(Find<QTreeWidget>("characterSkills"), 0), "Pistols (QCK)/Heavy Pistols | 1 | 3");
  Shot(Window(), "skill-search");
}

class BooksPageTest : public WindowTest {
 protected:
  BooksPageTest() : WindowTest(IVGEN_CATALOG_FIXTURES "/small") {}
};

TEST_F(BooksPageTest, MovesABookSavesItAndReloads) {
  ShowPage(10);
  auto* allowed = Find<QTreeWidget>("allowedBooks");
  auto* notAllowed = Find<QTreeWidget>("notAllowedBooks");
  // The keyboard focus alone highlights nothing, so there is nothing to move.
  QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(allowed, &focusIn);
  ASSERT_NE(allowed->currentItem(), nullptr);
  EXPECT_FALSE(Find("moveToNotAllowed")->isEnabled());
  QTest::mouseClick(Find<QPushButton>("moveToNotAllowed"), Qt::LeftButton);
  EXPECT_EQ(allowed->topLevelItemCount(), 1) << "Ironveil Core stays allowed";
  ASSERT_EQ(notAllowed->topLevelItemCount(), 1);
  EXPECT_EQ(notAllowed->topLevelItem(0)->text(0) + " " + notAllowed->topLevelItem(0)->text(1), "Street Companion SC");
  EXPECT_FALSE(Find("moveToAllowed")->isEnabled());
  ClickRow(notAllowed, notAllowed->indexFromItem(notAllowed->topLevelItem(0)));
  EXPECT_TRUE(Find("moveToAllowed")->isEnabled());
  QTest::mouseClick(Find<QPushButton>("moveToAllowed"), Qt::LeftButton);
  EXPECT_EQ(std::pair(allowed->topLevelItemCount(), notAllowed->topLevelItemCount()), std::pair(2, 0));
  EXPECT_FALSE(Find("moveToAllowed")->isEnabled()) << "disabled until an entry is clicked again";

  QTest::mouseClick(Find<QPushButton>("saveBooks"), Qt::LeftButton);
  EXPECT_EQ(Read("books.dat"), "! Ironveil sourcebooks\r\n*Ironveil Core;IV3\r\n*Street Companion;SC\r\n");
  EXPECT_EQ(editor_->CurrentCatalogs().cyberware.size(), 2u);
  QTest::mouseClick(Find<QPushButton>("reloadDatafiles"), Qt::LeftButton);
  EXPECT_EQ(editor_->CurrentCatalogs().cyberware.size(), 3u);
  EXPECT_EQ(platform_.Log().front(), "progress [Reloading files] Loading ....");
  EXPECT_FALSE(platform_.Busy());

  // The arrow keys move the highlight, and the button moves the highlighted book.
  auto titles = [](QTreeWidget* list) {
    QStringList shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i) shown << list->topLevelItem(i)->text(0);
    return shown.join(", ").toStdString();
  };
  ClickRow(allowed, allowed->indexFromItem(allowed->topLevelItem(0)));
  QTest::keyClick(allowed, Qt::Key_Down);
  QTest::mouseClick(Find<QPushButton>("moveToNotAllowed"), Qt::LeftButton);
  EXPECT_EQ(titles(allowed) + " | " + titles(notAllowed), "Ironveil Core | Street Companion");
  Shot(Window(), "books");
}

class SmallCatalogsTest : public WindowTest {
 protected:
  SmallCatalogsTest() : WindowTest(IVGEN_CATALOG_FIXTURES "/small") {}
};

// A file or catalog name that looks like markup shows as it is spelled: laid out as markup, this
// file name made a message box read /dev/zero for good.
TEST_F(SmallCatalogsTest, NamesThatLookLikeMarkupShowAsTyped) {
  const std::string name = "<img src=\"&#47;dev&#47;zero\">.iv3";
  Write(name, "not a character\r\n");
  QtPlatform qt;
  Editor other(qt, Folder(), "");
  ASSERT_TRUE(other.Startup());
  QString said;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    said = box->text();
    format = box->textFormat();
    box->done(QMessageBox::Ok);
  });
  other.OpenNamed(Path(name));
  EXPECT_EQ(said, QString::fromStdString(Path(name)) + " is not an Ironveil character file");
  EXPECT_EQ(format, Qt::PlainText);
  Window();  // which reads the recent files of the person's settings
  editor_->SetRecentFiles({Path(name)});
  Window().Refresh();
  EXPECT_EQ(TipText(Find<QAction>("recentFile1")->toolTip()), QString::fromStdString(Path(name)));

  Write("gear.dat", Read("gear.dat") + "2 * <b>x</b>                       3|<i>9M</i>|2|450|IV3-30|\r\n");
  editor_->Books().Reload();
  ShowPage(kPageGear);
  auto* tree = Find<QTreeWidget>("gearTree");
  tree->expandAll();
  ClickRow(tree, tree->indexFromItem(tree->findItems("Pistols", Qt::MatchExactly | Qt::MatchRecursive).value(0)));
  auto* shop = Find<QTreeWidget>("gearShop");
  ClickRow(shop, shop->indexFromItem(shop->findItems("<b>x</b>", Qt::MatchExactly).value(0)));
  QStringList labels;
  for (QLabel* label : Window().Pages()->currentWidget()->findChildren<QLabel*>()) {
    if (label->text().contains('<'))
      labels << label->text() + (label->textFormat() == Qt::PlainText ? "" : " (markup)");
  }
  labels.sort();
  EXPECT_EQ(labels, (QStringList{"<b>x</b>", "<i>9M</i>"}));
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The window keeps recent files and its place in the person's settings: never the real home's.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
