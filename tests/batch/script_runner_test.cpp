// The script runner of ivgen-batch: its lines, its errors and the commands scenarios do not reach.
#include "batch/script_runner.h"

#include <gtest/gtest.h>

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
  };
  for (const auto& [script, error] : cases) {
    err_.str("");
    EXPECT_EQ(Run(script), RunStatus::ScriptError) << script;
    EXPECT_EQ(err_.str(), error);
  }
  EXPECT_EQ(editor_->Record().Rsel, 0);
  EXPECT_EQ(editor_->Record().Adept, -1);
  EXPECT_EQ(editor_->Record().Maxresources, 90000) << "the grant of resources at C, not the refused 5000";

  // Once offered, the same clicks work.
  err_.str("");
  EXPECT_EQ(Run("page Priorities\noverride on\nmoney 5000\npage Race\nrace Troll\n"), RunStatus::Finished)
      << err_.str();
  EXPECT_EQ(editor_->Record().Rsel, 4);
  EXPECT_EQ(editor_->Record().Maxresources, 5000);
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
