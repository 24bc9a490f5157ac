// Characters built through scripts on every page come back from their files as they were saved:
// saving, opening and saving again writes the same bytes, and every page shows the same totals.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "batch/script_runner.h"
#include "record/text_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

// What each page shows of the character, looked at as a player would: the page is visited, and
// the lines kept are those that start as listed (every line when none is listed). The entries of
// the lists are compared in the file; what is chosen or typed in a shop or an input box is no
// part of the character.
const struct {
  const char* page;
  const char* show;
  std::vector<std::string> kept;
} kPages[] = {
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

const char* const kMaxPoints150 = "options\noptions-set maxpoints 150\noptions-set MaxAbsEpts 6\noptions-done\n";

const struct {
  const char* name;
  const char* script;
  // The page showing when Open is chosen: leaving the priorities page must not grant again.
  const char* openFrom;
} kCharacters[] = {
    {"troll", R"ivb(priority-row C
priority-up
priority-up
priority-row D
priority-up
page Race
race Troll
set StreetName " Nyx "
set RealName "'Ada' \"Voss\""
set Karma 3
set lblPool1 "\tTask"
set txtPool1 2
page Attributes
attribute-up BOD
attribute-up QCK
attribute-up QCK
attribute-up WIL
page Skills
skill-category Firearms
skill "Pistols (QCK)"
skill-add
skill-raise
skill-category "Street Knowledge"
skill "Gang Lore (KNO)"
skill-spec "Local Gangs"
answer Redmond
skill-further
skill-raise
page Cyberware
cyber-buy Ocular Replacement Standard
cyber-buy Eye: Low-Light Filter
cyber-buy Reflex Weave L1 Alpha
cyber-buy Cyber Arms, Obvious Delta used
page Bioware
bio-buy Myostatin Suppression Cultured
bio-buy Adrenal Surge Node Standard
page Gear
gear-group Blades
gear-item "Survival Knife"
gear-count 3
gear-buy
gear-select 2
gear-up
gear-group "Heavy Pistols"
gear-buy "Kessler P9 Heavy Pistol"
page Contacts
contact-set Name Mara
contact-set Location "Old Town"
contact-add
contact-clear
contact-set Name Juno
contact-set Affiliation 2
contact-add
description "Grew up \"here\".\r\n\r\n\tTabbed line\r\n"
)ivb",
     "Priorities"},
    {"initiate", R"ivb(priority-row E
priority-up
priority-up
priority-up
priority-up
priority-row E
priority-up
priority-up
initiation on
grade 2
page Race
race Elf
page Attributes
attribute-up INT
page Spells
tradition "Totem: Crow"
spell-category Combat
spell-add "Mind Spike"
spell-choose "Mind Spike"
spell-up
spell-category D
spell-add "Far Eyes"
page Cyberware
cyber-buy Skull Port
)ivb",
     "Skills"},
    {"adept", R"ivb(priority-row E
priority-up
priority-up
priority-up
priority-row E
priority-up
priority-up
adept Physical
page Race
race Dwarf
page "Phys. Adept"
power-buy "Tempered Body"
answer 2
power-buy "Iron Palm*"
)ivb",
     "Attributes"},
    {"existing", R"ivb(override on
money 150000
priority-row D
priority-up
page Race
race Ork
page Attributes
attribute-up BOD
attribute-up BOD
page Skills
skill-category Firearms
skill "Pistols (QCK)"
skill-add
skill-select 0
skill-base-up
skill-spec-up
)ivb",
     "Priorities"},
    {"metatype", R"ivb(generator-points
points-race Elf/Troll
points-metavariants on
points-magic on
points-magic-choice Sorcerer
points-resources 400K
points-attributes 24
points-skills 20
points-edges
edge-add "Lucky Streak"
flaw-add Gun-Shy
edges-done
points-done
race Elf
metatype 0
page Attributes
attribute-up CHA
page Spells
spell-category Combat
spell-add "Mind Spike"
page Bioware
bio-buy Adrenal Surge Node Standard
)ivb",
     "Cyberware"},
    {"shapeshifter", R"ivb(generator-points
points-race "Shape Shifter"
points-attributes 16
points-done
metatype "SS Wolf"
page Attributes
animal-up BOD
animal-down STR
animal-hide
page Cyberware
cyber-buy Skull Port
page Gear
gear-group Blades
gear-buy "Survival Knife"
)ivb",
     "Gear"},
    {"ghoul", R"ivb(generator-points
points-ghoul on
points-attributes 8
points-done
page Attributes
attribute-up WIL
attribute-up WIL
roll 0.95
roll 0.2
roll 0.99
begin-ghoul
)ivb",
     "Attributes"},
    // Saved after the race page and before the transformation: it is offered again.
    {"ghoul-to-be", R"ivb(generator-points
points-ghoul on
points-done
page Attributes
)ivb",
     "Bioware"},
};

class RoundTripTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const fs::path& folder : folders_) fs::remove_all(folder);
  }

  fs::path Folder() { return folders_.emplace_back(test_support::FreshProgramFolder("roundtrip")); }

  static std::string Run(ScriptRunner& runner, const std::string& script, std::ostringstream& out) {
    out.str("");
    std::istringstream in(script);
    std::ostringstream err;
    EXPECT_EQ(runner.Run(in, "round.ivb", err), RunStatus::Finished) << err.str();
    return out.str();
  }

  // Every page's display as the player sees it, the priorities, the point dialog and the edge points.
  static std::string Displays(ScriptRunner& runner, std::ostringstream& out) {
    std::string shown;
    for (const auto& page : kPages) {
      std::istringstream lines(Run(runner, "page " + std::string(page.page) + "\n" + page.show + "\n", out));
      for (std::string line; std::getline(lines, line);) {
        bool kept = page.kept.empty();
        for (const std::string& start : page.kept) kept = kept || line.starts_with(start);
        if (kept) shown += line + "\n";
      }
    }
    return shown + Run(runner, "show-priorities\nshow-points\nprint EdgeSum edge-points\n", out);
  }

  std::vector<fs::path> folders_;
};

TEST_F(RoundTripTest, SavedCharactersOpenAsTheyWereSaved) {
  for (const auto& c : kCharacters) {
    const fs::path folder = Folder();
    ScriptedPlatform platform;
    Editor editor(platform, folder.string() + "/", "");
    ASSERT_TRUE(editor.Startup());
    std::ostringstream out;
    ScriptRunner runner(platform, editor, out);
    const std::string first = (folder / "first.iv3").string();
    const std::string second = (folder / "second.iv3").string();

    Run(runner, kMaxPoints150 + std::string(c.script), out);
    const std::string built = Displays(runner, out);
    Run(runner, "page " + std::string(c.openFrom) + "\nanswer \"" + first + "\"\nsaveas\n", out);
    platform.ClearLog();
    Run(runner, "answer \"" + first + "\"\nopen\n", out);
    // Replaying the codes asks nothing: the file dialog is all the player sees.
    EXPECT_EQ(platform.Log().size(), 1u) << c.name << ": " << platform.Log().back();
    EXPECT_EQ(editor.CurrentPage(), kPageRace) << c.name;
    EXPECT_FALSE(editor.Document().Modified) << c.name;
    EXPECT_EQ(Displays(runner, out), built) << c.name;
    Run(runner, "answer \"" + second + "\"\nsaveas\n", out);
    const std::string saved = ReadWholeFile(first).value_or("");
    EXPECT_FALSE(saved.empty()) << c.name;
    EXPECT_EQ(ReadWholeFile(second).value_or(""), saved) << c.name;
  }
}

}  // namespace
}  // namespace ivgen
