// The script runner of ivgen-batch: its lines, its errors and the commands scenarios do not reach;
// and characters built through scripts, saved and opened again.
#include "batch/script_runner.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <sstream>

#include "support/program_test.h"

namespace ivgen {
namespace {

TEST(ParseScriptLine, SplitsWordsAndResolvesQuotes) {
  ScriptLine line;
  std::string error;
  ASSERT_TRUE(ParseScriptLine("  set RealName \"Ada \\\"Ace\\\" Voss\"  ", line, error));
  EXPECT_EQ(line.verb, "set");
  EXPECT_EQ(line.words, (std::vector<std::string>{"RealName", "Ada \"Ace\" Voss"}));
  ASSERT_TRUE(ParseScriptLine("description \"a\\r\\nb\\tc\\\\\"", line, error));
  EXPECT_EQ(line.words[0], "a\r\nb\tc\\");
  ASSERT_TRUE(ParseScriptLine("answer \"\"", line, error));
  EXPECT_EQ(line.words, (std::vector<std::string>{""}));
  EXPECT_FALSE(ParseScriptLine("set StreetName \"open", line, error));
  EXPECT_EQ(error, "a quoted text is not closed");
}

// A script comes whole from a pipe, as from <(make-script); a missing one keeps its message.
TEST(ReadScript, ReadsPipesWhole) {
  std::string problem;
#ifndef _WIN32
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string script = "set StreetName Nyx\nroll 0.5\n";
  ASSERT_EQ(::write(ends[1], script.data(), script.size()), static_cast<ssize_t>(script.size()));
  ::close(ends[1]);
  EXPECT_EQ(ReadScript("/dev/fd/" + std::to_string(ends[0]), problem), script) << problem;
  ::close(ends[0]);
#endif
  EXPECT_EQ(ReadScript("/nonexistent/x.ivb", problem), std::nullopt);
  EXPECT_EQ(problem, "cannot open script /nonexistent/x.ivb");
}

// A started program and a runner that prints what it shows, as ivgen-batch does.
class ScriptRunnerTest : public test_support::ProgramTest {
 protected:
  explicit ScriptRunnerTest(const std::string& catalogs = IVGEN_BUNDLED_DATA) : ProgramTest(catalogs) {
    Start();
    platform_.SetEcho([this](const std::string& line) { out_ << line << "\n"; });
  }
  RunStatus Run(const std::string& script) {
    std::istringstream in(script);
    ScriptRunner runner(platform_, *editor_, out_);
    return runner.Run(in, "test.ivb", err_);
  }
  std::string Output(const std::string& script) {
    Run(script);
    return out_.str();
  }
  std::ostringstream out_;
  std::ostringstream err_;
};

// The Books page and catalog listings, over small catalogs made for the tests.
class CatalogCommandsTest : public ScriptRunnerTest {
 protected:
  CatalogCommandsTest() : ScriptRunnerTest(IVGEN_CATALOG_FIXTURES "/small") {}
};

TEST_F(ScriptRunnerTest, StopsAtTheFirstErrorNamingTheLine) {
  // An editor's byte order mark before the first line is no part of it.
  EXPECT_EQ(Run("\xEF\xBB\xBF# comment\n\nset StreetName Nyx\nfrobnicate\nset StreetName Vex\n"),
            RunStatus::ScriptError);
  EXPECT_EQ(err_.str(), "test.ivb:4: unknown command 'frobnicate'\n");
  EXPECT_EQ(editor_->Record().StreetName, "Nyx");

  // An answer that names none of the box's buttons stops the script rather than pass for one.
  err_.str("");
  EXPECT_EQ(Run("answer No\nprint-to-html\nset StreetName Vex\n"), RunStatus::ScriptError);
  EXPECT_EQ(err_.str(), "test.ivb:2: print-to-html: answer 'No' is not a button of the box (OK/Cancel)\n");
  EXPECT_EQ(editor_->Record().StreetName, "Nyx");
}

TEST_F(ScriptRunnerTest, RefusesControlsThePlayerCannotReach) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"page Race\nrace Troll\n", "test.ivb:2: race: the Troll option cannot be used now\n"},
      {"adept Physical\n", "test.ivb:1: adept: the Adept (Aspected) choice cannot be used now\n"},
      {"physad on\n", "test.ivb:1: physad: PhysAd: Path of the Magician cannot be used now\n"},
      {"initiation on\n", "test.ivb:1: initiation: Initiation/Geas Mod cannot be used now\n"},
      {"money 5000\n", "test.ivb:1: money: the Money field cannot be used now\n"},
      // A dialog's buttons without the dialog: a Done would have written blank settings.
      {"options-set maxpoints 77\n", "test.ivb:1: options-set: the Options dialog cannot be used now\n"},
      {"about-ok\n", "test.ivb:1: about-ok: the About box cannot be used now\n"},
      // Buttons disabled with nothing chosen.
      {"page Cyberware\ncyber-buy\n", "test.ivb:2: cyber-buy: Buy cannot be used now\n"},
      {"page Skills\nskill-move-up\n", "test.ivb:2: skill-move-up: the order arrows cannot be used now\n"},
      // The preview's "Options..." changes the ticks only; the picture is stored by a print.
      {"sheet-preview-options\nprint-options-file other.gif\n",
       "test.ivb:2: print-options-file: the picture box is disabled while the dialog only changes the options\n"},
  };
  for (const auto& [script, error] : cases) {
    err_.str("");
    EXPECT_EQ(Run(script), RunStatus::ScriptError) << script;
    EXPECT_EQ(err_.str(), error);
  }
  EXPECT_EQ(Run("print-options-cancel\n"), RunStatus::Finished);
  EXPECT_EQ(editor_->Record().Rsel, 0);
  EXPECT_EQ(editor_->Record().Adept, -1);
  EXPECT_EQ(editor_->Record().Maxresources, 90000) << "the grant of resources at C, not the refused 5000";

  // Once offered, the same clicks work.
  err_.str("");
  EXPECT_EQ(Run("page Priorities\noverride on\nmoney 5000\npage Race\nrace Troll\n"), RunStatus::Finished)
      << err_.str();
  EXPECT_EQ(editor_->Record().Rsel, 4);
  EXPECT_EQ(editor_->Record().Maxresources, 5000);

  // A modal dialog keeps the main window's menus and pages out of reach, the one under it too.
  for (const auto& [script, error] :
       {std::pair{"page Priorities\ngenerator-points\npoints-edges\ngenerator-priority\n",
                  "test.ivb:4: generator-priority: the main window cannot be used now\n"},
        std::pair{"edges-done\npage Race\n", "test.ivb:2: page: the main window cannot be used now\n"}}) {
    err_.str("");
    EXPECT_EQ(Run(script), RunStatus::ScriptError) << script;
    EXPECT_EQ(err_.str(), error);
  }
  EXPECT_TRUE(editor_->Record().GeneratorPoints);
}

// The die takes decimal digits only; what the leading-number reading would make something of
// is a script error, and nothing is queued for the next roll.
TEST_F(ScriptRunnerTest, RollTakesDecimalValuesBelowOne) {
  for (const char* word : {"abc", "0x10", "nan", "inf", "0.5x", "1", "1.0", "-0.5", "0.5.1", ".", "1e-3"}) {
    err_.str("");
    EXPECT_EQ(Run(std::string("roll ") + word + "\n"), RunStatus::ScriptError) << word;
    EXPECT_EQ(err_.str(), "test.ivb:1: roll: expects one value in [0, 1)\n") << word;
  }
  EXPECT_EQ(Run("roll 0\nroll .95\nroll 0.5\n"), RunStatus::Finished) << err_.str();
  EXPECT_EQ(platform_.NextRandom(), 0.0);
  EXPECT_EQ(platform_.NextRandom(), 0.95);
  EXPECT_EQ(platform_.NextRandom(), 0.5);
}

// A check prints and the script goes on; the exit status says whether any check found an error
// (with --strict, anything left), unless a script error came first.
TEST_F(ScriptRunnerTest, CheckGoesOnAndTheExitStatusRemembersWhatItFound) {
  // In order: a new character has only its priorities to choose, which is no error; past them
  // only points are left to spend, which only --strict counts.
  const std::pair<const char*, int> cases[] = {
      {"check\nfrobnicate\n", 2},     {"check\necho on\n", 0}, {"page Race\ncheck\n", 0},
      {"check --strict\ncheck\n", 3}, {"check --later\n", 2},
  };
  for (const auto& [script, status] : cases) {
    std::istringstream in(script);
    ScriptRunner runner(platform_, *editor_, out_);
    EXPECT_EQ(runner.ExitStatus(runner.Run(in, "test.ivb", err_)), status) << script;
  }
  EXPECT_NE(out_.str().find("left Priorities: choose the priorities, then go on to Race\non\n"), std::string::npos);
  EXPECT_NE(out_.str().find("(go on to Attributes)\nleft Attributes: unspent attribute points: 24 (6/30)\n"),
            std::string::npos);
  EXPECT_NE(out_.str().find("\non\n"), std::string::npos);
  EXPECT_NE(err_.str().find("test.ivb:1: check: takes no argument but --strict"), std::string::npos);
}

// Scripts fuzzed with their file commands keep their files inside their folder: no file dialog
// leads out of it, whether answered or given a sheet's name, and an empty answer still cancels.
TEST(ConfinedPath, LeadsNowhereOutsideTheFolder) {
  for (const auto& [path, inside] : {std::pair{"/etc/passwd", "F/etc/passwd"}, std::pair{"../../x.iv3", "F/x.iv3"},
                                     std::pair{"a/./b/..//c", "F/a/b/c"}, std::pair{"/..", "F"}, std::pair{"", ""}}) {
    EXPECT_EQ(ConfinedPath("F", path), inside) << path;
  }
}

TEST_F(ScriptRunnerTest, ConfinedScriptsWriteOnlyInTheirFolder) {
  ConfinedPlatform platform(Folder());
  Editor editor(platform, Folder(), "");
  ASSERT_TRUE(editor.Startup());
  std::istringstream script(
      "set StreetName Nyx\nanswer ../../nyx.iv3\nsaveas\nanswer \"\"\nsaveas\nprint-sheet ../nyx.htm\n");
  ScriptRunner runner(platform, editor, out_);
  EXPECT_EQ(runner.Run(script, "test.ivb", err_), RunStatus::Finished) << err_.str();
  EXPECT_NE(Read("nyx.iv3").find("StreetName=Nyx\r\n"), std::string::npos);
  EXPECT_EQ(editor.Document().CurrentFile, Path("nyx.iv3"));
  EXPECT_NE(Read("nyx.htm"), "<none>");
  EXPECT_FALSE(std::filesystem::exists(folder_.parent_path() / "nyx.htm"));
  // A path on the command's own line goes where a dialog's would.
  std::istringstream json("export-json ../nyx.json\nimport-json ../../nyx.json\n");
  EXPECT_EQ(runner.Run(json, "json.ivb", err_), RunStatus::Finished) << err_.str();
  EXPECT_NE(Read("nyx.json").find("\"street_name\": \"Nyx\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_.parent_path() / "nyx.json"));
  EXPECT_TRUE(editor.Document().Modified) << "the document came back in";
}

// What each page shows of a character, looked at as a player would: the page is visited, and the
// lines kept are those that start as listed (every line when none is). The entries of the lists
// are compared in the file; what is chosen or typed in a shop or an input box is no part of the
// character.
const struct {
  const char* page;
  const char* show;
  std::vector<std::string> kept;
} kPageDisplays[] = {
    {"Race", "show-race", {}},
    {"Attributes", "show-attributes", {}},
    {"Skills", "show-skills", {"Active skills="}},
    {"Cyberware", "show-cyberware", {"Essence=", "Cyber limbs="}},
    {"Bioware", "show-bioware", {"Bio-index=", "Warning"}},
    {"Spells", "show-spells", {"Tradition=", "Spell", "Money left="}},
    {"\"Phys. Adept\"", "show-powers", {"Adept powers", "Power points="}},
    {"Gear", "show-gear", {"Total weight="}},
    {"Contacts", "show-contacts", {"Money left="}},
};

// Characters built through data/round_trip/*.ivb, on every page, come back from their files as
// they were saved: Open asks nothing but the file, every page shows the same, and the second save
// is the first byte for byte. Open is chosen on the page each script ends on.
TEST_F(ScriptRunnerTest, SavedCharactersOpenAsTheyWereSaved) {
  platform_.SetEcho({});
  auto displays = [this] {
    std::string shown;
    for (const auto& display : kPageDisplays) {
      out_.str("");
      Run("page " + std::string(display.page) + "\n" + display.show + "\n");
      std::istringstream lines(out_.str());
      for (std::string line; std::getline(lines, line);) {
        bool kept = display.kept.empty();
        for (const std::string& start : display.kept) kept = kept || line.starts_with(start);
        if (kept) shown += line + "\n";
      }
    }
    out_.str("");
    return shown + Output("show-priorities\nshow-points\nprint EdgeSum edge-points\n");
  };
  for (const auto& entry : std::filesystem::directory_iterator(IVGEN_TEST_DATA "/round_trip")) {
    const std::string name = entry.path().filename().string();
    Start("[Character Generator]\r\nmaxpoints=150\r\nMaxAbsEpts=6\r\n");
    err_.str("");
    ASSERT_EQ(Run(ReadWholeFile(entry.path().string()).value_or("")), RunStatus::Finished) << name << err_.str();
    const int openFrom = editor_->CurrentPage();
    const std::string built = displays();
    editor_->SelectPage(openFrom);
    ASSERT_EQ(Run("answer \"" + Path("first.iv3") + "\"\nsaveas\n"), RunStatus::Finished) << name;
    platform_.ClearLog();
    Run("answer \"" + Path("first.iv3") + "\"\nopen\n");
    EXPECT_EQ(Log().size(), 1u) << name << ": " << Log().back();
    EXPECT_EQ(editor_->CurrentPage(), kPageRace) << name;
    EXPECT_FALSE(editor_->Document().Modified) << name;
    EXPECT_EQ(displays(), built) << name;
    Run("answer \"" + Path("second.iv3") + "\"\nsaveas\n");
    EXPECT_EQ(Read("second.iv3"), Read("first.iv3")) << name;
  }
}

// The catalog listings and the Books page print as data/*.out pins them (the listings first, as
// the books script allows another book), and books.dat is saved.
TEST_F(CatalogCommandsTest, BooksAndListsPrintAsThePagesShowThem) {
  for (const std::string name : {"lists", "books"}) {
    out_.str("");
    EXPECT_EQ(Output(ReadWholeFile(IVGEN_TEST_DATA "/" + name + ".ivb").value_or("")),
              ReadWholeFile(IVGEN_TEST_DATA "/" + name + ".out").value_or("<none>"));
    EXPECT_EQ(err_.str(), "") << name;
  }
  EXPECT_EQ(Read("books.dat"), "! Ironveil sourcebooks\r\n*Ironveil Core;IV3\r\n*Street Companion;SC\r\n");
}

TEST_F(CatalogCommandsTest, RefusesWhatIsNotThere) {
  const std::pair<const char*, const char*> cases[] = {
      {"books-select-allowed SC\n",
       "test.ivb:1: books-select-allowed: expects the code of a book in \"Source books allowed\"\n"},
      {"list gear-group 1\n",
       "test.ivb:1: list: expects the number of a gear group without groups under it, as 'list gear' shows it\n"},
      {"list gear-group 99999999999999999999\n",
       "test.ivb:1: list: expects the number of a gear group without groups under it, as 'list gear' shows it\n"},
      {"list spells Z\n", "test.ivb:1: list: expects the code letter of a spell category\n"},
      {"list armour\n",
       "test.ivb:1: list: expects cyberware, bioware, gear, gear-group N, spell-categories, spells CODE, powers, "
       "traditions, edges, flaws, metatypes [RACE], skills or ranges\n"},
  };
  for (const auto& [script, error] : cases) {
    err_.str("");
    Run(script);
    EXPECT_EQ(err_.str(), error) << script;
  }
}

}  // namespace
}  // namespace ivgen
