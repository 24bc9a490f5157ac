// The document commands and the Options dialog, driven as a player would, with every prompt
// answered and recorded by the scripted platform.
#include "app/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

#include "purchase/contacts.h"
#include "support/program_test.h"
#include "support/test_system.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

const std::string kPrompt = "Current character has been modified.\\n\\rDo you want do save changes?";
const std::string kNewTitle = "Ironveil Character Generator 3.2.6 - 2 July 2000";
const std::string kTell = "message [Ironveil Character Generator] ";

using EditorTest = test_support::ProgramTest;
using test_support::WhileWritesFail;

TEST_F(EditorTest, StartsWithTheDefaultPictureAndNoSplash) {
  Editor& editor = Start("[Character Generator]\r\nDefaultGIF=face.gif\r\n");
  EXPECT_EQ(editor.Record().GraphicsFilename, "face.gif");
  EXPECT_FALSE(editor.Info().About().splashVisible);
  EXPECT_EQ(editor.CurrentPage(), 0);
  // The edges dialog's two add buttons take the first entries until another is clicked, also
  // after New.
  editor.New();
  EXPECT_EQ(std::pair(editor.EdgesAndFlaws().View().selectedEdge, editor.EdgesAndFlaws().View().selectedFlaw),
            std::pair(0, 0));
}

// A failed write keeps the old file, the file name and the changes, and says why, naming the file
// as the file system spells it.
TEST_F(EditorTest, AFailedSaveKeepsTheOldFileAndTheCharacterModified) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer(Path("nyx.iv3"));
  ASSERT_TRUE(editor.SaveAs());
  editor.Texts().Set("RealName", "Ada Voss");
  ASSERT_TRUE(editor.Save()) << "Save writes to the same file without asking";
  const std::string saved = Read("nyx.iv3");
  EXPECT_NE(saved.find("RealName=Ada Voss\r\n"), std::string::npos);
  Write("locked.iv3", "old");
  fs::permissions(Path("locked.iv3"), fs::perms(0444));

  const struct {
    const char* what;
    std::function<bool()> save;
    std::string target, reason;
  } cases[] = {
      {"a write failing part-way", [&] { return WhileWritesFail(Path("nyx.iv3"), 64, [&] { return editor.Save(); }); },
       "nyx.iv3", ""},
      {"no such folder", [&] { return platform_.QueueAnswer(Path("missing/nyx.iv3")), editor.SaveAs(); },
       "missing/nyx.iv3", ": No such file or directory -> OK"},
      {"a read-only file", [&] { return platform_.QueueAnswer(Path("locked.iv3")), editor.SaveAs(); }, "locked.iv3",
       ": the file is read-only -> OK"},
      {"a folder named outside Windows-1252",
       [&] { return platform_.QueueAnswer(Path("\u65E5\u672C/nyx.iv3")), editor.SaveAs(); }, "\u65E5\u672C/nyx.iv3",
       ": No such file or directory -> OK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    editor.Texts().Set("StreetName", "Nyx the Second");
    platform_.ClearLog();
    EXPECT_FALSE(c.save());
    EXPECT_TRUE(editor.Document().Modified);
    EXPECT_EQ(editor.Document().CurrentFile, Path("nyx.iv3"));
    EXPECT_EQ(Read("nyx.iv3"), saved);
    EXPECT_EQ(Read("locked.iv3"), "old");
    const std::string told =
        kTell + "(warning, OK) The character was not saved.\\r\\nCould not write " + Path(c.target);
    EXPECT_EQ(LastShown().substr(0, told.size()), told);
    if (!c.reason.empty()) {
      EXPECT_EQ(LastShown().substr(told.size()), c.reason);
    }
  }
}

// Whatever is bought, given back or left on whichever page, every page that shows money left shows
// the same number, and it is the number a save stores.
TEST_F(EditorTest, EveryPageShowsTheMoneyLeftASaveStores) {
  Editor& editor = Start();
  // Resources first and magic second: money to spend and spell points to buy it with.
  PrioritiesUnit& priorities = editor.Priorities();
  priorities.SelectRow(2);
  priorities.MoveUp();
  priorities.MoveUp();
  priorities.SelectRow(4);
  for (int i = 0; i < 3; ++i) priorities.MoveUp();
  const Catalogs& catalogs = editor.CurrentCatalogs();
  std::mt19937 random(11);
  auto pick = [&](size_t n) { return n == 0 ? -1 : static_cast<int>(random() % n); };
  const int pages[] = {kPagePriorities, kPageRace, kPageCyberware, kPageBioware, kPageSpells, kPageGear, kPageContacts};
  int spendings = 0;
  for (int step = 0; step < 400; ++step) {
    const int32_t spentBefore = editor.Record().NuyenSpent;
    const bool buy = pick(3) != 0;
    const int page = editor.CurrentPage();
    CyberwareUnit& cyber = editor.Cyberware();
    BiowareUnit& bio = editor.Bioware();
    if (pick(4) == 0) {
      editor.SelectPage(pages[pick(std::size(pages))]);
    } else if (page == kPageCyberware || page == kPageBioware) {
      const bool implant = page == kPageCyberware;
      const size_t installed = (implant ? editor.Record().Cyberware : editor.Record().Bioware).size();
      if (buy) implant ? cyber.BuyItem(pick(catalogs.cyberware.size())) : bio.BuyItem(pick(catalogs.bioware.size()));
      if (!buy) implant ? cyber.SelectInstalled(pick(installed)) : bio.SelectInstalled(pick(installed));
      if (!buy) implant ? cyber.Remove() : bio.Remove();
    } else if (page == kPageSpells) {
      editor.Spells().BuyPoints();
    } else if (page == kPageGear && buy) {
      editor.Gear().ClickGroup(static_cast<size_t>(pick(catalogs.gear.tree.size())));
      editor.Gear().SetCount(std::to_string(1 + pick(3)));
      editor.Gear().BuyItem(pick(editor.Gear().View().shopItems.size()));
    } else if (page == kPageGear) {
      editor.Gear().ChooseOwned(pick(editor.Record().Gear.size()));
      editor.Gear().Remove();
    } else if (page == kPageContacts && buy) {
      editor.Contacts().SetField(kContactLevelField, std::to_string(1 + pick(3)));
      editor.Contacts().Add();
    } else if (page == kPageContacts) {
      editor.Contacts().Choose(pick(editor.Record().Contacts.size()));
      editor.Contacts().Remove();
    }
    if (editor.Record().NuyenSpent != spentBefore) ++spendings;

    const std::string saved = editor.FileText();
    const size_t at = saved.find("\r\nResources=", saved.find("[Attributes]"));
    ASSERT_NE(at, std::string::npos);
    const std::string stored = saved.substr(at + 12, saved.find('\xA5', at) - at - 12);
    // Gear and contacts bring their display up to date when entered; the implant and spell pages
    // after every action.
    std::string shown = editor.Cyberware().View().moneyLeft + " " + editor.Bioware().View().moneyLeft + " " +
                        editor.Spells().View().moneyLeft;
    if (editor.CurrentPage() == kPageGear) shown += " " + editor.Gear().View().moneyLeft;
    if (editor.CurrentPage() == kPageContacts) shown += " " + editor.Contacts().View().moneyLeft;
    std::string expected = stored + " " + stored + " " + stored;
    if (editor.CurrentPage() == kPageGear || editor.CurrentPage() == kPageContacts) expected += " " + stored;
    ASSERT_EQ(shown, expected) << "step " << step;
  }
  EXPECT_GT(spendings, 100) << "the sequence spends and refunds";
}

// Each page's search finds items in every group of the bundled catalogs, by their name or their
// group's; choosing a match leaves the document as the clicks in the catalog leave it, so it is
// no undo step and no change a save writes.
TEST_F(EditorTest, SearchesFindItemsInEveryGroupAndChooseThemAsClicksDo) {
  Editor& editor = Start();
  const std::string saved = editor.FileText();
  auto shown = [](const CatalogSearch& search) {
    std::string out = search.NoMatches() ? "no matches" : "";
    for (const CatalogMatch& match : search.matches)
      out += (out.empty() ? "" : " | ") + match.name + " [" + match.group + "]";
    return out;
  };
  // Each case types a text, then chooses one match and clicks the same item again in the catalog.
  const struct {
    std::function<void(const std::string&)> search;
    std::function<const CatalogSearch&()> view;
    std::function<void(int)> choose;
    std::function<void()> click;
    std::string text;
    std::string matches;
    int chosen;
  } cases[] = {
      {[&](const std::string& t) { editor.Gear().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Gear().View().search; },
       [&](int i) { editor.Gear().ChooseMatch(i); },
       [&] {
         editor.Gear().ClickGroup(static_cast<size_t>(editor.Gear().View().groupNode));
         editor.Gear().ChooseItem(0);
       },
       "VEST", "Reinforced Vest [Street Clothing] | Ballistic Vest [Body Armor]", 1},
      {[&](const std::string& t) { editor.Gear().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Gear().View().search; },
       [&](int i) { editor.Gear().ChooseMatch(i); }, [] {}, "Sealed hazard", "Sealed Hazard Suit [Body Armor]", 0},
      {[&](const std::string& t) { editor.Cyberware().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Cyberware().View().search; },
       [&](int i) { editor.Cyberware().ChooseMatch(i); },
       [&] { editor.Cyberware().ChooseItem(editor.Cyberware().View().selectedItem); }, "skull port",
       "Skull Port [Headware] | Skull Port, Wireless [Headware]", 1},
      {[&](const std::string& t) { editor.Spells().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Spells().View().search; },
       [&](int i) { editor.Spells().ChooseMatch(i); },
       [&] {
         editor.Spells().SelectCategory(editor.Spells().View().selectedCategory);
         editor.Spells().SelectSpell(10);
       },
       "sense",
       "Sense Hostility [Detection] | Sense Life [Detection] | Sense Magic [Detection] | Truth Sense [Detection] | "
       "Sense Jam [Illusion]",
       3},
      {[&](const std::string& t) { editor.Skills().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Skills().View().search; },
       [&](int i) { editor.Skills().ChooseMatch(i); },
       [&] {
         editor.Skills().SelectCategory(editor.Skills().View().category);
         editor.Skills().SelectCatalogSkill(0);
         editor.Skills().SelectSpecialization(2);
       },
       "heavy pistols", "Heavy Pistols [Firearms / Pistols (QCK)]", 0},
      {[&](const std::string& t) { editor.Bioware().Search(t); },
       [&]() -> const CatalogSearch& { return editor.Bioware().View().search; },
       [&](int i) { editor.Bioware().ChooseMatch(i); }, [] {}, "no such gland", "no matches", -1},
  };
  for (const auto& c : cases) {
    c.search(c.text);
    EXPECT_EQ(shown(c.view()), c.matches) << c.text;
    c.choose(c.chosen);
    EXPECT_EQ(c.view().chosen, c.chosen) << c.text;
    const Document chosen = editor.CurrentDocument();
    c.click();
    EXPECT_TRUE(editor.CurrentDocument() == chosen) << c.text;
  }
  const GearView& gear = editor.Gear().View();
  EXPECT_EQ(gear.groupTitle + " / " + gear.itemTitle, "Body Armor / Sealed Hazard Suit");
  EXPECT_TRUE(gear.buyEnabled);
  EXPECT_FALSE(editor.CanUndo());
  EXPECT_FALSE(editor.Document().Modified);
  EXPECT_EQ(editor.FileText(), saved);
  // A click elsewhere leaves no match chosen; an empty box no search.
  editor.Gear().ChooseItem(1);
  EXPECT_EQ(gear.search.chosen, -1);
  editor.Gear().Search("");
  EXPECT_EQ(shown(gear.search), "");
}

// Undone all the way, the character is what a save wrote before the first action, and it is not
// modified; redone all the way, it is what it was at the end. Every step undone and redone brings
// back the same document, and a program started afresh and handed a copy of the document shows
// the same on every page: what a page shows follows from the document alone.
TEST_F(EditorTest, UndoAndRedoWalkTheWholeHistory) {
  Editor& editor = Start();
  std::string start = editor.FileText();
  PrioritiesUnit& priorities = editor.Priorities();
  priorities.SelectRow(2);
  priorities.MoveUp();
  priorities.MoveUp();
  const Catalogs& catalogs = editor.CurrentCatalogs();
  std::mt19937 random(5);
  auto pick = [&](size_t n) { return n == 0 ? -1 : static_cast<int>(random() % n); };
  const int pages[] = {kPagePriorities, kPageRace,   kPageAttributes, kPageSkills,  kPageCyberware,
                       kPageBioware,    kPageSpells, kPageGear,       kPageBioInfo, kPageContacts};
  // Texts typed into the search boxes: some find much, some little, some nothing.
  const char* searches[] = {"e", "pistol", "ARM", "sense", "eye", "lore", "vest", "no such thing"};
  for (int step = 0; step < 300; ++step) {
    const CharacterRecord earlier = editor.Record();
    const size_t steps = editor.History().UndoCount();
    const bool buy = pick(3) != 0;
    const int page = editor.CurrentPage();
    if (pick(4) == 0) {
      editor.SelectPage(pages[pick(std::size(pages))]);
    } else if (page == kPageRace && buy) {
      editor.Race().Click(pick(kRaceCount));
    } else if (page == kPageAttributes) {
      buy ? editor.Attributes().Raise(pick(kAttributeCount)) : editor.Attributes().Lower(pick(kAttributeCount));
    } else if (page == kPageSkills) {
      SkillsUnit& skills = editor.Skills();
      if (pick(2) == 0) {
        skills.Search(searches[pick(std::size(searches))]);
        skills.ChooseMatch(pick(skills.View().search.matches.size()));
      } else {
        skills.SelectCategory(pick(skills.View().categories.size()));
        skills.SelectCatalogSkill(pick(skills.View().skills.size()));
      }
      skills.Select(pick(editor.Record().Skills.size()));
      // One step each: an added skill, a raised one or a removed one.
      pick(2) == 0 ? skills.Add() : buy ? skills.Raise() : skills.Remove();
    } else if (page == kPageCyberware && buy && pick(2) == 0) {
      CyberwareUnit& cyber = editor.Cyberware();
      cyber.Search(searches[pick(std::size(searches))]);
      cyber.ChooseMatch(pick(cyber.View().search.matches.size()));
      cyber.Buy();
    } else if (page == kPageCyberware) {
      buy ? editor.Cyberware().BuyItem(pick(catalogs.cyberware.size()))
          : (editor.Cyberware().SelectInstalled(pick(editor.Record().Cyberware.size())), editor.Cyberware().Remove());
    } else if (page == kPageBioware) {
      buy ? editor.Bioware().BuyItem(pick(catalogs.bioware.size()))
          : (editor.Bioware().SelectInstalled(pick(editor.Record().Bioware.size())), editor.Bioware().Remove());
    } else if (page == kPageGear && buy && pick(2) == 0) {
      // Through the search box, which is the same clicks and so the same step.
      GearUnit& gear = editor.Gear();
      gear.Search(searches[pick(std::size(searches))]);
      gear.ChooseMatch(pick(gear.View().search.matches.size()));
      gear.Buy();
    } else if (page == kPageGear && buy) {
      editor.Gear().ClickGroup(static_cast<size_t>(pick(catalogs.gear.tree.size())));
      editor.Gear().BuyItem(pick(editor.Gear().View().shopItems.size()));
    } else if (page == kPageGear) {
      editor.Gear().ChooseOwned(pick(editor.Record().Gear.size()));
      pick(2) == 0 ? editor.Gear().MoveUp() : editor.Gear().Remove();
    } else if (page == kPageBioInfo) {
      editor.Texts().Set("StreetName", "Nyx " + std::to_string(step % 5));
    } else if (page == kPageContacts) {
      buy ? editor.Contacts().Add()
          : (editor.Contacts().Choose(pick(editor.Record().Contacts.size())), editor.Contacts().Remove());
    } else if (page == kPageSpells) {
      SpellsUnit& spells = editor.Spells();
      if (pick(2) == 0) {
        spells.Search(searches[pick(std::size(searches))]);
        spells.ChooseMatch(pick(spells.View().search.matches.size()));
      } else {
        spells.SelectCategory(pick(catalogs.spells.categories.size()));
        spells.SelectSpell(pick(spells.View().categorySpells.size()));
      }
      spells.SelectChosen(pick(editor.Record().Spells.size()));
      const int what = pick(4);
      what == 0 ? spells.BuyPoints() : buy ? spells.Add() : what == 1 ? spells.Raise() : spells.Remove();
    } else if (page == kPageRace) {
      // The edges and flaws dialog, from its opening to its Done.
      EdgesUnit& edges = editor.EdgesAndFlaws();
      edges.Open();
      edges.SelectEdge(pick(catalogs.edges.edges.size()));
      edges.AddEdge();
      edges.SelectFlaw(pick(catalogs.edges.flaws.size()));
      edges.AddFlaw();
      edges.Done();
      // Done refuses edges and flaws out of their limits: the last ones go until it closes.
      auto open = [&] {
        const std::vector<Dialog>& dialogs = platform_.OpenDialogs();
        return std::find(dialogs.begin(), dialogs.end(), Dialog::EdgesFlaws) != dialogs.end();
      };
      for (size_t n = editor.Record().Edges.size(); open() && n > 0; --n) {
        edges.SelectEntry(static_cast<int>(n) - 1);
        edges.Remove();
        edges.Done();
      }
      ASSERT_FALSE(open()) << "step " << step;
    } else if (page == kPagePriorities && step < 200 && pick(8) == 0) {
      // Saved and opened again, or started anew: the history starts afresh from there.
      platform_.QueueAnswer(Path("walk.iv3"));
      ASSERT_TRUE(editor.SaveAs());
      if (buy) platform_.QueueAnswer(Path("walk.iv3"));
      buy ? editor.Open() : (void)editor.New();
      start = editor.FileText();
    }
    ScriptedPlatform freshPlatform;
    Editor fresh(freshPlatform, Folder(), "");
    ASSERT_TRUE(fresh.Startup());
    fresh.Adopt(editor.CurrentDocument());
    ASSERT_TRUE(fresh.CurrentDocument() == editor.CurrentDocument()) << "step " << step;
    // Left to Do counts the character as it is: visiting the pages that count on entry changes
    // no line (leaving the priorities page takes the grants, so the walk starts elsewhere).
    const std::vector<TodoLine> todo = editor.Todo().Lines();
    ASSERT_TRUE(fresh.Todo().Lines() == todo) << "step " << step;
    if (editor.CurrentPage() != kPagePriorities) {
      for (const int visit :
           {kPageSkills, kPageCyberware, kPageBioware, kPageSpells, kPagePowers, kPageGear, kPageContacts}) {
        fresh.SelectPage(visit);
        ASSERT_TRUE(fresh.Todo().Lines() == todo)
            << "step " << step << ", page " << visit << ": " << TodoLineText(fresh.Todo().Lines().front());
      }
    }
    // Every action that changed the character is one step: undone, the character is as before it.
    // A page's recount that leaves the saved file as it was is no step either.
    if (editor.Record() == earlier || !editor.CanUndo() || editor.History().UndoCount() == steps) continue;
    const Document before = editor.CurrentDocument();
    const bool modified = editor.Document().Modified;
    ASSERT_TRUE(editor.Undo());
    ASSERT_TRUE(editor.Record() == earlier) << "step " << step << ": " << editor.RedoText();
    ASSERT_TRUE(editor.Redo());
    ASSERT_TRUE(editor.CurrentDocument() == before) << "step " << step << ": " << editor.UndoText();
    ASSERT_EQ(editor.Document().Modified, modified) << "step " << step;
  }
  const std::string end = editor.FileText();
  int steps = 0;
  while (editor.Undo()) ++steps;
  EXPECT_GT(steps, 50) << "the sequence changes the character";
  EXPECT_EQ(editor.FileText(), start);
  EXPECT_FALSE(editor.Document().Modified);
  EXPECT_EQ(editor.UndoText(), "&Undo");
  while (editor.Redo()) --steps;
  EXPECT_EQ(steps, 0);
  EXPECT_EQ(editor.FileText(), end);
  EXPECT_TRUE(editor.Document().Modified);
}

// A reordering after a save changes the file but asks for no save; undone and redone, it still
// asks for none.
TEST_F(EditorTest, UndoAndRedoKeepWhatAReorderingAskedOfTheSave) {
  Editor& editor = Start();
  editor.SelectPage(kPageContacts);
  for (const char* name : {"Mara", "Juno"}) {
    editor.Contacts().SetField(0, name);
    editor.Contacts().Add();
  }
  ASSERT_EQ(editor.Record().Contacts.size(), 2u);
  platform_.QueueAnswer(Path("order.iv3"));
  ASSERT_TRUE(editor.SaveAs());
  editor.Contacts().Choose(0);
  editor.Contacts().MoveDown();
  ASSERT_FALSE(editor.Document().Modified);
  ASSERT_TRUE(editor.Undo());
  EXPECT_FALSE(editor.Document().Modified);
  ASSERT_TRUE(editor.Redo());
  EXPECT_FALSE(editor.Document().Modified) << editor.UndoText();
  ASSERT_TRUE(editor.Undo());
  ASSERT_TRUE(editor.Undo());
  EXPECT_TRUE(editor.Document().Modified) << "a contact fewer than the saved file";
}

TEST_F(EditorTest, NewAsksOnlyWhenModifiedAndHonoursEachAnswer) {
  Editor& editor = Start();
  EXPECT_EQ(editor.New(), NewOutcome::Reset);
  EXPECT_TRUE(Log().empty());

  const struct {
    std::vector<std::string> answers;
    NewOutcome outcome;
    const char* streetName;
    bool modified;
  } cases[] = {
      {{"Cancel"}, NewOutcome::Cancelled, "Nyx", true},
      // Yes, then Save As cancelled: the player asked to keep the character, so nothing is reset.
      {{"Yes", ""}, NewOutcome::KeptUnsaved, "Nyx", true},
      {{"Yes", Path("kept.iv3")}, NewOutcome::Reset, "", false},
      {{"No"}, NewOutcome::Reset, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answers.back());
    editor.Texts().Set("StreetName", "Nyx");
    platform_.ClearLog();
    for (const std::string& answer : c.answers) platform_.QueueAnswer(answer);
    EXPECT_EQ(editor.New(), c.outcome);
    EXPECT_EQ(Log()[0], "message [New character] (warning, Yes/No/Cancel) " + kPrompt + " -> " + c.answers[0]);
    EXPECT_EQ(editor.Record().StreetName, c.streetName);
    EXPECT_EQ(editor.Document().Modified, c.modified);
  }
  EXPECT_TRUE(fs::exists(Path("kept.iv3")));
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_EQ(editor.Frame().title.Text(), kNewTitle);
}

TEST_F(EditorTest, NewClearsTypedTextsAndPoolsAndKeepsKarma) {
  Editor& editor = Start();
  for (const char* key : {"KarmaTotal", "Karma", "lblPool1", "txtPool1", "Astral"}) editor.Texts().Set(key, "6");
  editor.Texts().SetDescription("Born in the flooded districts.");
  platform_.QueueAnswer("No");
  editor.New();
  const DicePools& pools = editor.Record().Pools;
  EXPECT_EQ(editor.Record().KarmaTotal + "|" + pools.Karma + "|" + pools.lblPool1 + "|" + pools.txtPool1, "6|||");
  // The derived values give a mundane character no astral pool.
  EXPECT_EQ(pools.Astral, "0");
  EXPECT_EQ(editor.Record().Description, "");
}

TEST_F(EditorTest, ExitAndCloseKeepTheCharacterWhenItsSaveIsCancelled) {
  Editor& editor = Start();
  EXPECT_TRUE(editor.Exit()) << "an unchanged character ends at once";
  EXPECT_TRUE(Log().empty());

  editor.Texts().Set("StreetName", "Nyx");
  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer("");
  EXPECT_FALSE(editor.CloseWindow());
  EXPECT_EQ(editor.Record().StreetName, "Nyx");
  platform_.QueueAnswer("Yes");
  platform_.QueueAnswer(Path("bye.iv3"));
  EXPECT_TRUE(editor.Exit());
  EXPECT_TRUE(fs::exists(Path("bye.iv3")));
}

TEST_F(EditorTest, OpenRunsNewFirstAndNeverLeavesAHalfReadCharacter) {
  Editor& editor = Start();
  editor.Texts().Set("StreetName", "Nyx");
  // Cancel at the save prompt still goes on to the file dialog; cancelling that keeps the work.
  platform_.QueueAnswer("Cancel");
  platform_.QueueAnswer("");
  editor.Open();
  EXPECT_EQ(Log().back(), "open-file [Open] Ironveil 3 (*.iv3)|*.iv3 -> \"\"");
  EXPECT_EQ(editor.Record().StreetName, "Nyx");

  // A file that cannot be read, or text that is no character (section names in any case make
  // one): a message naming it, and a plain new character. The next save asks for a name instead
  // of writing over the text.
  const std::string notes = "Buy milk\r\n[Characters]\r\nEggs=12\r\n";
  Write("notes.txt", notes);
  const std::pair<std::string, std::string> refused[] = {
      {"absent.iv3", "(warning, OK) Could not open " + Path("absent.iv3") + ": "},
      {"notes.txt", "(warning, OK) " + Path("notes.txt") + " is not an Ironveil character file -> OK"},
  };
  for (const auto& [name, said] : refused) {
    editor.Texts().Set("StreetName", "Nyx");
    platform_.ClearLog();
    platform_.QueueAnswer("No");
    platform_.QueueAnswer(Path(name));
    editor.Open();
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_NE(Log()[2].find("message [Ironveil Character Generator] " + said), std::string::npos) << Log()[2];
    EXPECT_EQ(editor.Record().StreetName, "");
    EXPECT_EQ(editor.Document().CurrentFile, "");
    EXPECT_EQ(editor.Frame().title.Text(), kNewTitle);
  }
  EXPECT_FALSE(editor.Save());
  EXPECT_EQ(Read("notes.txt"), notes);
  for (const char* text : {"[system]\n", "Note\n[ CHARACTER ]\nStreetName=Ash\n"}) {
    Write("lower.iv3", text);
    platform_.QueueAnswer(Path("lower.iv3"));
    editor.Open();
    EXPECT_EQ(editor.Document().CurrentFile, Path("lower.iv3")) << text;
  }

  // The character kept at the save prompt survives a file that cannot be read or holds none.
  for (const char* name : {"absent.iv3", "notes.txt"}) {
    editor.Texts().Set("StreetName", "Kit");
    platform_.QueueAnswer("Cancel");
    platform_.QueueAnswer(Path(name));
    editor.Open();
    EXPECT_EQ(editor.Record().StreetName, "Kit");
    EXPECT_TRUE(editor.Document().Modified);
  }
}

// The File menu's recent characters: the latest opened or saved first, four at most, each once;
// choosing one is Open without its file dialog, and a file that is gone costs nothing but its line.
TEST_F(EditorTest, RecentFilesKeepTheLastFourAndOpenWithTheSavePrompt) {
  Editor& editor = Start();
  for (const char* name : {"a.iv3", "b.iv3", "c.iv3", "d.iv3", "e.iv3"}) {
    editor.Texts().Set("StreetName", name);
    platform_.QueueAnswer(Path(name));
    ASSERT_TRUE(editor.SaveAs());
  }
  EXPECT_EQ(editor.RecentFiles(),
            (std::vector<std::string>{Path("e.iv3"), Path("d.iv3"), Path("c.iv3"), Path("b.iv3")}));
  platform_.QueueAnswer(Path("a.iv3"));
  editor.Open();
  EXPECT_EQ(editor.RecentFiles(),
            (std::vector<std::string>{Path("a.iv3"), Path("e.iv3"), Path("d.iv3"), Path("c.iv3")}));

  // Choosing the third asks to save the changed character first, as Open does, and opens it.
  editor.Texts().Set("RealName", "Ada Voss");
  platform_.ClearLog();
  platform_.QueueAnswer("No");
  editor.OpenRecent(2);
  EXPECT_EQ(Log(),
            (std::vector<std::string>{"message [New character] (warning, Yes/No/Cancel) " + kPrompt + " -> No"}));
  EXPECT_EQ(editor.Record().StreetName, "d.iv3");
  EXPECT_EQ(editor.Document().CurrentFile, Path("d.iv3"));
  EXPECT_FALSE(editor.Document().Modified);
  EXPECT_EQ(editor.RecentFiles(),
            (std::vector<std::string>{Path("d.iv3"), Path("a.iv3"), Path("e.iv3"), Path("c.iv3")}));
  // Cancel at the prompt still opens the file, and the changes are not saved.
  const std::string saved = Read("d.iv3");
  editor.Texts().Set("RealName", "Kit");
  platform_.QueueAnswer("Cancel");
  editor.OpenRecent(3);
  EXPECT_EQ(editor.Record().StreetName, "c.iv3");
  EXPECT_EQ(Read("d.iv3"), saved);

  // A file that is gone: named, dropped, and the changed character stays without a prompt.
  fs::remove(Path("e.iv3"));
  editor.Texts().Set("RealName", "Kit");
  platform_.ClearLog();
  editor.OpenRecent(3);
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(LastShown(),
            kTell + "(warning, OK) " + Path("e.iv3") + " is gone; it was taken off the recent files. -> OK");
  EXPECT_EQ(editor.RecentFiles(), (std::vector<std::string>{Path("c.iv3"), Path("d.iv3"), Path("a.iv3")}));
  EXPECT_EQ(editor.Record().RealName, "Kit");
  EXPECT_TRUE(editor.Document().Modified);
  // The list a person's settings kept comes back in its order, without repeats or empty lines.
  editor.SetRecentFiles({"/x/1.iv3", "", "/x/2.iv3", "/x/1.iv3", "/x/3.iv3", "/x/4.iv3", "/x/5.iv3"});
  EXPECT_EQ(editor.RecentFiles(), (std::vector<std::string>{"/x/1.iv3", "/x/2.iv3", "/x/3.iv3", "/x/4.iv3"}));
}

TEST_F(EditorTest, TextsDropLineBreaksAndMarkTheCharacterModified) {
  Editor& editor = Start();
  EXPECT_TRUE(editor.Texts().Set("StreetName", "x\r\nAdept=0"));
  EXPECT_EQ(editor.Record().StreetName, "xAdept=0");
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_FALSE(editor.Texts().Set("Nonsense", "1"));
  editor.Texts().SetDescription("a\n\nb c\rd");
  EXPECT_EQ(editor.Record().Description, "a\r\n\r\nb c\r\nd");
}

TEST_F(EditorTest, OptionsWriteTheFileAndTakeEffectWhereTheyCan) {
  Editor& editor = Start("[Character Generator]\r\nmaxpoints=120\r\nMaxAbsEpts=6\r\nMaxFlawEdge=7\r\n");
  OptionsUnit& options = editor.Options();
  options.Open();
  EXPECT_EQ(options.Fields().MaxFlawEdge, "7") << "the value in effect, not always 5";
  // The edges of each range are accepted.
  for (const auto& [key, text] : {std::pair{"maxpoints", "200"}, {"MaxAbsEpts", "10"}, {"MaxFlawEdge", "0"}}) {
    options.SetField(key, text);
  }
  options.SetField("DefaultGIF", "me.gif");
  EXPECT_TRUE(options.Done());
  EXPECT_EQ(Read("ivgen.ini"),
            "[Character Generator]\r\nmaxpoints=200\r\nMaxAbsEpts=10\r\nDefaultGIF=me.gif\r\nMaxFlawEdge=0\r\n");
  const Settings& now = editor.CurrentSettings();
  // The picture and the edge limit take effect at the next start.
  EXPECT_EQ(std::to_string(now.maxpoints) + " " + std::to_string(now.MaxAbsEpts) + " " + now.DefaultGIF + "/" +
                std::to_string(now.MaxFlawEdge),
            "200 10 /7");
  EXPECT_EQ(Log(), (std::vector<std::string>{"dialog Options", "closed Options"}));

  // The dialog shows what it wrote; Cancel throws away what was typed since.
  options.Open();
  EXPECT_EQ(options.Fields().DefaultGIF, "me.gif");
  options.SetField("maxpoints", "7");
  options.SetField("MaxFlawEdge", "9");
  options.Cancel();
  options.Open();
  EXPECT_EQ(options.Fields().maxpoints + " " + options.Fields().MaxFlawEdge, "200 0");
}

TEST_F(EditorTest, OptionsRefuseOutOfRangeValuesAndWriteNothing) {
  const std::string ini = "[Character Generator]\r\nmaxpoints=120\r\nMaxAbsEpts=6\r\n";
  Editor& editor = Start(ini);
  // The point limits that passed take effect even when the edge/flaw count is then refused.
  const struct {
    const char* key;
    const char* text;
    const char* message;
    int limits;
  } cases[] = {{"maxpoints", "-1", "Invalid entry... <0..200> only", 126},
               {"MaxAbsEpts", "11", "Invalid entry  <0..10> only", 126},
               {"MaxFlawEdge", "-1", "Invalid entry  <0..10> only", 158},
               {"MaxFlawEdge", "11", "Invalid entry  <0..10> only", 158}};
  for (const auto& c : cases) {
    editor.Options().Open();
    editor.Options().SetField("maxpoints", "150");
    editor.Options().SetField("MaxAbsEpts", "8");
    editor.Options().SetField(c.key, c.text);
    platform_.ClearLog();
    EXPECT_FALSE(editor.Options().Done());
    EXPECT_EQ(Log(), std::vector<std::string>{kTell + "(OK) " + c.message + " -> OK"}) << c.key << "=" << c.text;
    EXPECT_TRUE(editor.Options().IsOpen());
    EXPECT_EQ(editor.CurrentSettings().maxpoints + editor.CurrentSettings().MaxAbsEpts, c.limits);
    EXPECT_EQ(Read("ivgen.ini"), ini);
    editor.Options().Cancel();
  }
}

TEST_F(EditorTest, OptionsWriteTheSettingsFileNamedOnTheCommandLineAndSayWhenTheyCannot) {
  Write("table.ini", "[Character Generator]\r\nmaxpoints=90\r\n");
  Editor& editor = Start("", Path("table.ini"));
  EXPECT_EQ(editor.CurrentSettings().maxpoints, 90);
  editor.Options().Open();
  editor.Options().SetField("maxpoints", "95");
  EXPECT_TRUE(editor.Options().Done());
  EXPECT_FALSE(fs::exists(Path("ivgen.ini")));
  EXPECT_EQ(Read("table.ini").substr(0, 37), "[Character Generator]\r\nmaxpoints=95\r\n");

  // A failed write takes back only what its own Done put in effect.
  Editor& unwritable = Start("", Path("no/such/folder/ivgen.ini"));
  OptionsUnit& options = unwritable.Options();
  const auto limits = [&] {
    return std::to_string(unwritable.CurrentSettings().maxpoints) + " " +
           std::to_string(unwritable.CurrentSettings().MaxAbsEpts);
  };
  options.Open();
  for (const auto& [key, text] : {std::pair{"maxpoints", "50"}, {"MaxAbsEpts", "4"}, {"MaxFlawEdge", "11"}}) {
    options.SetField(key, text);
  }
  EXPECT_FALSE(options.Done());
  EXPECT_EQ(limits(), "50 4") << "in effect after a refused edge/flaw count";
  for (const auto& [key, text] : {std::pair{"maxpoints", "101"}, {"MaxAbsEpts", "9"}, {"MaxFlawEdge", "3"}}) {
    options.SetField(key, text);
  }
  EXPECT_FALSE(options.Done());
  EXPECT_TRUE(options.IsOpen());
  EXPECT_EQ(limits(), "50 4");
  EXPECT_EQ(Log().back(), kTell + "(warning, OK) The settings were not saved.\\r\\nCould not write " +
                              Path("no/such/folder/ivgen.ini") + ": No such file or directory -> OK");
  options.Cancel();
  options.Open();
  EXPECT_EQ(options.Fields().maxpoints + " " + options.Fields().MaxAbsEpts, "50 4");
  EXPECT_EQ(limits(), "50 4");
}

// Each browser keeps a picture's name in a file of lines: a line break once set MaxFlawEdge past
// its check or split the sheet's picture link, and a name outside Windows-1252 became "??.gif".
TEST_F(EditorTest, ThePictureBrowsersRefuseANameTheirFileCannotKeep) {
  Editor& editor = Start();
  const struct {
    const char* dialog;
    const char* keeper;
    std::function<void()> open, browse;
    std::function<std::string()> field, finish;
    std::string kept;
  } browsers[] = {
      {"Options", "the settings file", [&] { editor.Options().Open(); }, [&] { editor.Options().Browse(); },
       [&] { return editor.Options().Fields().DefaultGIF; },
       [&] { return editor.Options().Done() ? Read("ivgen.ini") : "<not done>"; },
       "[Character Generator]\r\nmaxpoints=0\r\nMaxAbsEpts=0\r\nDefaultGIF=/pics/zo\xEB.gif\r\nMaxFlawEdge=5\r\n"},
      {"Print Options", "the character file", [&] { editor.Sheet().PrintToHtml(); },
       [&] { editor.Sheet().BrowsePicture(); }, [&] { return editor.Sheet().Options().pictureFile; },
       [&] {
         editor.Sheet().SetPrintPicture(true);
         platform_.QueueAnswer(Path("nyx.htm"));
         editor.Sheet().Print();
         const std::string sheet = Read("nyx.htm");
         const size_t link = sheet.find("<img src=\"") + 10;
         return editor.Record().GraphicsFilename + " " + sheet.substr(link, sheet.find('"', link) - link);
       },
       "/pics/zo\xEB.gif /pics/zo\xEB.gif"},
  };
  for (const auto& b : browsers) {
    SCOPED_TRACE(b.dialog);
    b.open();
    const std::string before = b.field();
    const std::string refused = kTell + "(warning, OK) The picture's file name holds ";
    platform_.QueueAnswer("/pics/x\r\nMaxFlawEdge=99\n.gif");
    b.browse();
    EXPECT_EQ(LastShown(),
              refused + "a line break, which " + b.keeper + " cannot keep.\\r\\nChoose another picture. -> OK");
    platform_.QueueAnswer("/pics/\u65E5\u672C.gif");
    b.browse();
    EXPECT_EQ(LastShown(), refused + "characters " + b.keeper +
                               " cannot keep: /pics/\u65E5\u672C.gif\\r\\nChoose another picture. -> OK");
    EXPECT_EQ(b.field(), before);
    platform_.QueueAnswer("/pics/zo\u00EB.gif");
    b.browse();
    EXPECT_EQ(b.finish(), b.kept);
  }
}

// Help, Properties and System Info show what a player or a bug report needs; only a missing
// guide still gives the old fixed message.
TEST_F(EditorTest, HelpWindowPropertiesSystemInfoAndTheAboutBox) {
  Editor& editor = Start();
  editor.Info().HelpContents();
  const std::string help =
      kTell + "(information, OK) Unable to display Help Contents. There is no Help associated with this project. -> OK";
  EXPECT_EQ(Log(), std::vector<std::string>{help});
  EXPECT_FALSE(editor.Info().Help().open);

  Write("guide.md", "# Guide\r\nIntro.\r\n## Build Points\r\nSpend the POOL.\r\n## Gear\r\nKnives.\n");
  editor.Info().HelpSearch();
  EXPECT_TRUE(editor.Info().Help().open && editor.Info().Help().searching);
  std::vector<std::string> headings;
  for (const GuideSection& section : editor.Info().Help().sections)
    headings.push_back(IntText(section.level) + section.heading);
  EXPECT_EQ(headings, (std::vector<std::string>{"1Guide", "2Build Points", "2Gear"}));
  editor.Info().SearchHelp("pool");
  EXPECT_EQ(editor.Info().Help().found, std::vector<std::string>{"Build Points"});
  editor.Info().SearchHelp("  ");
  EXPECT_EQ(editor.Info().Help().found.size(), 3u) << "an empty search lists every section";
  editor.Info().CloseHelp();

  auto lines = [&] {
    std::vector<std::string> texts;
    for (const InfoLine& line : editor.Info().InfoLines()) texts.push_back(InfoLineText(line));
    return texts;
  };
  editor.Properties();
  EXPECT_EQ(lines(), (std::vector<std::string>{"File: not saved yet", "Generation method: Priority"}));
  editor.Info().CloseInfo(Dialog::Properties);
  platform_.QueueAnswer(Path("nyx.iv3"));
  editor.SaveAs();
  editor.Properties();
  const std::vector<std::string> saved = lines();
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(saved[0], "File: " + Path("nyx.iv3"));
  EXPECT_EQ(saved[1], "Size: " + IntText(static_cast<int64_t>(Read("nyx.iv3").size())) + " bytes");
  EXPECT_TRUE(saved[2].starts_with("Last saved: 20")) << saved[2];
  editor.Info().CloseInfo(Dialog::Properties);

  // A catalog line the loader skips is counted, so a bug report says the data was faulty.
  Write("range.dat", Read("range.dat") + "no bars on this line\r\n");
  editor.Info().AboutSystemInfo(InfoLine{"Qt version", "6.9"});
  const std::vector<std::string> system = lines();
  ASSERT_GE(system.size(), 5u);
  EXPECT_EQ(system[0], "Program: ivgen 3.2.6 - 2 July 2000");
  EXPECT_EQ(system[1], "Qt version: 6.9");
  EXPECT_NE(std::find(system.begin(), system.end(), "Settings file: " + Path("ivgen.ini")), system.end());
  const std::string skills = Read("skills.dat");
  const std::string skillLines = IntText(std::count(skills.begin(), skills.end(), '\n'));
  EXPECT_NE(std::find(system.begin(), system.end(), "Catalog skills.dat: " + skillLines + " lines"), system.end());
  const auto ranges = std::find_if(system.begin(), system.end(),
                                   [](const std::string& line) { return line.starts_with("Catalog range.dat"); });
  ASSERT_NE(ranges, system.end());
  EXPECT_TRUE(ranges->ends_with(" lines, 1 with problems")) << *ranges;
  editor.Info().CloseInfo(Dialog::SystemInfo);
  EXPECT_EQ(Log().back(), "closed SystemInfo");

  EXPECT_EQ(editor.Info().About().aboutVersion, "version 3.2.6 - 2 July 2000");
  editor.Info().ShowAbout();
  EXPECT_EQ(editor.Info().About().aboutVersion, "version 3.2.6 - 2 July 2000");
  editor.Info().AboutOk();
  editor.Info().ShowAbout();
  EXPECT_EQ(editor.Info().About().aboutVersion, "Version 3.2.6") << "a reloaded box shows the short form";
  editor.ToggleStatusBar();
  EXPECT_FALSE(editor.Frame().statusBarVisible);
}

}  // namespace
}  // namespace ivgen

namespace ivgen {
namespace {

// A step keeps what its action changed and shares the rest with the steps beside it, so a long
// list costs a step nothing until the step changes it; past the bound in bytes the oldest steps go,
// the player is told once, and the steps left still undo to the documents they were.
TEST(UndoHistory, StepsShareWhatTheyDidNotChangeAndTheOldestGoPastTheBound) {
  constexpr size_t kBound = size_t{1} << 20;
  UndoHistory history([](const CharacterRecord&, const CharacterRecord&) { return false; }, kBound);
  Document doc;
  doc.record.Skills = std::vector<std::string>(2000, std::string(100, 's'));
  std::vector<Document> documents;
  auto step = [&](auto change) {
    documents.push_back(doc);
    history.BeginAction({"Buy", {}, doc, {}});
    change();
    history.EndAction(doc);
  };
  // Forty copies of the skills (a quarter of a megabyte each) would not fit; shared, they do.
  for (int i = 0; i < 40; ++i) step([&] { doc.record.Gear.push_back("Flare " + std::to_string(i)); });
  EXPECT_EQ(history.UndoCount(), 40u);
  EXPECT_EQ(history.TakeNotice(), "");
  for (int i = 0; i < 10; ++i) step([&] { doc.record.Skills[static_cast<size_t>(i)] = "Rifles\t[1]"; });
  EXPECT_LE(history.UndoCount(), 4u);
  EXPECT_EQ(history.TakeNotice(), "The oldest undo steps were let go to keep undo within 1 MB.");
  EXPECT_EQ(history.UndoText(), "&Undo Buy Rifles");
  const size_t kept = history.UndoCount();
  for (size_t i = 0; i < kept; ++i) {
    std::optional<UndoStep> back = history.Back({{}, {}, doc, {}});
    ASSERT_TRUE(back);
    doc = back->document;
    ASSERT_TRUE(doc == documents[documents.size() - 1 - i]) << i;
  }
  EXPECT_FALSE(history.Back({{}, {}, doc, {}}));
  std::optional<UndoStep> forward = history.Forward({{}, {}, doc, {}});
  ASSERT_TRUE(forward);
  EXPECT_TRUE(forward->document == documents[documents.size() - kept + 1]);
}

}  // namespace
}  // namespace ivgen
