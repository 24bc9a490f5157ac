#include "record/character_record.h"

#include <gtest/gtest.h>

namespace ivgen {
namespace {

TEST(ResetRecordFields, GivesANewCharacterAndKeepsWhatNewKeeps) {
  CharacterRecord record;
  record.StreetName = "Nyx";
  record.Race = "Elf";
  record.KarmaTotal = "12";
  record.KarmaRemain = "3";
  record.Adept = 0;
  record.norules = 1;
  record.Attributes = 27;
  record.Maxresources = 400000;
  record.PriMagic = 0;
  record.Tradition = 2;
  record.Shapeshift = true;
  record.SelIndex = 3;
  record.Attr[0].Base = "5";
  record.Attr[2].Racial = "2";
  record.Skills.push_back("Pistols (QCK)\t[3]");
  record.Gear.push_back("Flashlight\t9|5|");
  record.Pools.Karma = "4";
  record.Pools.txtPool1 = "2";
  record.Description = "x";
  record.NuyenSpent = 5000;
  record.GeneratorPoints = true;

  ResetRecordFields(record, "face.gif");

  EXPECT_EQ(record.StreetName, "");
  EXPECT_EQ(record.Race, "");
  EXPECT_EQ(record.KarmaTotal, "12");
  EXPECT_EQ(record.KarmaRemain, "3");
  EXPECT_EQ(record.Adept, 0);
  EXPECT_EQ(record.norules, 1);
  EXPECT_EQ(record.Attributes, 27);
  EXPECT_EQ(record.Maxresources, 400000);
  EXPECT_EQ(record.PriMagic, 0);
  EXPECT_EQ(record.Tradition, 2);
  EXPECT_FALSE(record.Shapeshift);
  EXPECT_EQ(record.SelIndex, -1);
  EXPECT_FALSE(record.GeneratorPoints);
  for (const AttributeRow& row : record.Attr) {
    EXPECT_EQ(row.Base, "1");
    EXPECT_EQ(row.Racial, "0");
    EXPECT_EQ(row.Modifier, "0");
  }
  EXPECT_TRUE(record.Skills.empty());
  ASSERT_EQ(record.Gear.size(), 1u);
  EXPECT_EQ(record.Gear[0], "===Carried Gear below ======  \t26|0|IV3-???|");
  EXPECT_EQ(record.Pools.Karma, "");
  EXPECT_EQ(record.Pools.txtPool1, "");
  EXPECT_EQ(record.Description, "");
  EXPECT_EQ(record.RunMult, "3");
  EXPECT_EQ(record.GraphicsFilename, "face.gif");
  EXPECT_EQ(record.Resources(), 400000);
  EXPECT_EQ(record.AttributePointsUsed, 6);
}

}  // namespace
}  // namespace ivgen
