#include "batch/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/program_folder.h"

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

class ScriptRunnerTest : public ::testing::Test {
 protected:
  ScriptRunnerTest() : editor_(platform_, test_support::FreshProgramFolder("batch").string() + "/", "") {
    EXPECT_TRUE(editor_.Startup());
  }
  RunStatus Run(const std::string& script) {
    std::istringstream in(script);
    ScriptRunner runner(platform_, editor_, out_);
    return runner.Run(in, "test.ivb", err_);
  }
  ScriptedPlatform platform_;
  Editor editor_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(ScriptRunnerTest, StopsAtTheFirstErrorNamingTheLine) {
  // An editor's byte order mark before the first line is no part of it.
  EXPECT_EQ(Run("\xEF\xBB\xBF# comment\n\nset StreetName Nyx\nfrobnicate\nset StreetName Vex\n"),
            RunStatus::ScriptError);
  EXPECT_EQ(err_.str(), "test.ivb:4: unknown command 'frobnicate'\n");
  EXPECT_EQ(editor_.Record().StreetName, "Nyx");
}

TEST_F(ScriptRunnerTest, RefusesWrongArguments) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"print NoSuchThing\n", "test.ivb:1: print: nothing to print called 'NoSuchThing'\n"},
      {"set Nonsense 1\n", "test.ivb:1: set: expects the name of a text the player types and its value\n"},
      {"roll 1.5\n", "test.ivb:1: roll: expects one value in [0, 1)\n"},
      {"page Cockpit\n", "test.ivb:1: page: no page 'Cockpit'\n"},
      {"new now\n", "test.ivb:1: new: takes no arguments\n"},
      {"options-set Colour red\n", "test.ivb:1: options-set: unknown Options field 'Colour'\n"},
  };
  for (const auto& c : cases) {
    err_.str("");
    EXPECT_EQ(Run(c.script), RunStatus::ScriptError) << c.script;
    EXPECT_EQ(err_.str(), c.error);
  }
}

// A script may only do what a player could click: options that are disabled or hidden refuse.
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
  for (const auto& c : cases) {
    err_.str("");
    EXPECT_EQ(Run(c.script), RunStatus::ScriptError) << c.script;
    EXPECT_EQ(err_.str(), c.error);
  }
  EXPECT_EQ(editor_.Record().Rsel, 0);
  EXPECT_EQ(editor_.Record().Adept, -1);
  EXPECT_EQ(editor_.Record().Maxresources, 90000) << "the grant of resources at C, not the refused 5000";

  // Once offered, the same clicks work.
  err_.str("");
  EXPECT_EQ(Run("page Priorities\noverride on\nmoney 5000\npage Race\nrace Troll\n"), RunStatus::Finished)
      << err_.str();
  EXPECT_EQ(editor_.Record().Rsel, 4);
  EXPECT_EQ(editor_.Record().Maxresources, 5000);
}

TEST_F(ScriptRunnerTest, PrintsFieldsAndEndsWithTheProgram) {
  EXPECT_EQ(Run("set StreetName \"Nyx Vale\"\npage BioInfo\nprint StreetName page Modified\nanswer No\nexit\nexit\n"),
            RunStatus::ProgramEnded);
  EXPECT_EQ(out_.str(),
            "StreetName=Nyx Vale\npage=BioInfo\nModified=true\n"
            "program ends\n");
}

}  // namespace
}  // namespace ivgen
