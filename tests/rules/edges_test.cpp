#include "rules/edges.h"

#include <string>

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace ivgen {
namespace {

std::string Said(const std::string& text) { return "message [Ironveil Character Generator] (OK) " + text + " -> OK"; }

class EdgesTest : public RulesTest {
 protected:
  EdgesTest() {
    catalogs.edges.edges = {"Quick Mender\t[2]\t\tHeals fast.", "Lucky\t[3]\t\t", "Unshakable\t[2]\t\t+1WIL", "Odd\t2"};
    catalogs.edges.flaws = {"Bad Knee\t[-2]\t\t", "Twitchy\t[-1]\t\t-1WIL", "Phobia\t[-7]\t\t"};
    account.maxpoints = 120;
    account.MaxAbsEpts = 6;
  }
  bool Edge(int i) {
    SelectEdge(ctx, view, i);
    return AddEdge(ctx, view, account);
  }
  bool Flaw(int i) {
    SelectFlaw(ctx, view, i);
    return AddFlaw(ctx, view, account);
  }
  // What Done said, or that it closed the dialog.
  std::string Done() {
    OpenEdges(ctx, view, account);
    platform.ClearLog();
    EdgesDone(ctx, view, account);
    return platform.Log().back();
  }

  EdgesView view;
  BuildAccount account;
};

TEST_F(EdgesTest, UnderPrioritiesTheSumMustBeZero) {
  EXPECT_TRUE(Edge(0));
  EXPECT_EQ(view.pointsDisplay, "2/0");
  EXPECT_EQ(Done(), Said("Must equal zero (+1 -1 =0)"));
  EXPECT_TRUE(Flaw(0));
  EXPECT_EQ(view.pointsDisplay, "0/0");
  EXPECT_EQ(Done(), "closed EdgesFlaws");

  // With maxpoints 0 an edge waits for flaws worth as much; build points spent earlier do not count.
  record.Edges.clear();
  account.maxpoints = 0;
  account.BuildPointsUsed = 50;
  EXPECT_FALSE(Edge(1));
  EXPECT_TRUE(Flaw(0));
  EXPECT_FALSE(Edge(1));
  EXPECT_TRUE(Edge(0));
  EXPECT_FALSE(Edge(3));  // no "[": no edge
  EXPECT_EQ(record.Edges.size(), 2u);
}

TEST_F(EdgesTest, UnderPointsEdgesSpendBuildPoints) {
  record.GeneratorPoints = true;
  account.BuildPointsUsed = 118;
  EXPECT_FALSE(Edge(1));
  EXPECT_TRUE(Edge(0));
  EXPECT_EQ(view.pointsDisplay, "120/120");
  EXPECT_EQ(Done(), "closed EdgesFlaws");
  record.norules = 1;
  EXPECT_TRUE(Edge(1));
  EXPECT_EQ(view.pointsDisplay, "123/120");
}

TEST_F(EdgesTest, DoneRefusesPastTheLimits) {
  Flaw(2);
  EXPECT_EQ(Done(), Said("Exceed ABS Max Build:-7/6"));
  record.Edges.clear();
  for (int k = 0; k < 6; ++k) Flaw(1);
  for (int k = 0; k < 3; ++k) Edge(0);
  EXPECT_EQ(Done(), Said("No more then 5 edges/flaws"));  // balanced, but too many
  // Flaws the rules add (racial, albino, ghoul) are not counted.
  record.Edges = {"Bad Knee\t[-1]\t\t",  "Night Blindness[]",         "Blind []",     "Mild Allergy Sunlight []",
                  "Sensitive System []", "Dietary Req. raw flesh []", "Edge\t[1]\t\t"};
  EXPECT_EQ(Done(), "closed EdgesFlaws");
  record.Edges = {"Phobia\t[-7]\t\t"};
  record.norules = 1;
  EXPECT_EQ(Done(), "closed EdgesFlaws");
}

TEST_F(EdgesTest, RemovingAnEntryTakesItsCodesBack) {
  Edge(2);
  Flaw(1);
  SelectEntry(ctx, view, 1);
  EXPECT_TRUE(RemoveEdge(ctx, view, account));
  EXPECT_EQ(record.Attr[5].Total, "2");
  SelectEntry(ctx, view, 0);
  RemoveEdge(ctx, view, account);
  EXPECT_EQ(record.Attr[5].Modifier, "0");
  EXPECT_FALSE(view.removeEnabled);

  record.Edges = {"Odd\t2"};
  SelectEntry(ctx, view, 0);
  EXPECT_FALSE(RemoveEdge(ctx, view, account));
}

}  // namespace
}  // namespace ivgen
