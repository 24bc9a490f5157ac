#include "entry/list_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "record/ini_file.h"

namespace ivgen {
namespace {

using RoundTrip = std::string (*)(std::string_view);

template <typename Entry>
std::string Reformatted(std::string_view text) {
  return FormatEntry(ParseEntry<Entry>(text));
}

struct Kind {
  const char* name;
  RoundTrip roundTrip;
};

const Kind kKinds[] = {
    {"skill", Reformatted<SkillEntry>},     {"cyberware", Reformatted<CyberwareEntry>},
    {"bioware", Reformatted<BiowareEntry>}, {"gear", Reformatted<GearEntry>},
    {"spell", Reformatted<SpellEntry>},     {"spell category", Reformatted<SpellCategoryEntry>},
    {"power", Reformatted<PowerEntry>},     {"contact", Reformatted<ContactEntry>},
    {"edge", Reformatted<EdgeEntry>},       {"book", Reformatted<BookEntry>},
};

// The lists of a character file: section, key prefix, and the kind of their entries.
struct ListOfFile {
  const char* section;
  const char* prefix;
  RoundTrip roundTrip;
};

const ListOfFile kFileLists[] = {
    {"Edges", "Edge", Reformatted<EdgeEntry>},
    {"Skills", "Skill", Reformatted<SkillEntry>},
    {"Cyberware", "Cyber", Reformatted<CyberwareEntry>},
    {"Bioware", "Bio", Reformatted<BiowareEntry>},
    {"Powers", "Power", Reformatted<PowerEntry>},
    {"Magic", "Spell", Reformatted<SpellEntry>},
    {"Gear", "Gear", Reformatted<GearEntry>},
    {"Contacts", "Contact", Reformatted<ContactEntry>},
};

// A list's entries as the file stores them: blanks as "_", TABs as "~".
std::vector<std::string> FileEntries(const IniFile& file, const ListOfFile& list) {
  std::vector<std::string> entries;
  for (int n = 0;; ++n) {
    std::string entry = file.Get(list.section, list.prefix + std::to_string(n));
    if (entry.empty()) return entries;
    std::replace(entry.begin(), entry.end(), '_', ' ');
    std::replace(entry.begin(), entry.end(), '~', '\t');
    entries.push_back(std::move(entry));
  }
}

TEST(ListEntries, EveryEntryOfTheSampleAndTestCharactersIsWrittenBackAsRead) {
  std::set<std::string> kindsSeen;
  size_t files = 0;
  for (const std::string& folder : {std::string(IVGEN_BUNDLED_DATA) + "/samples", std::string(IVGEN_CHARFILE_DATA)}) {
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
      if (item.path().extension() != ".iv3") continue;
      ++files;
      const IniFile file = IniFile::Load(item.path().string());
      for (const ListOfFile& list : kFileLists) {
        for (const std::string& entry : FileEntries(file, list)) {
          EXPECT_EQ(list.roundTrip(entry), entry) << item.path().filename() << " " << list.prefix;
          kindsSeen.insert(list.section);
        }
      }
    }
  }
  EXPECT_EQ(files, 9u);
  EXPECT_EQ(kindsSeen.size(), std::size(kFileLists));
}

TEST(ListEntries, OddEntriesAreWrittenBackAsRead) {
  const std::string_view corners[] = {
      "",
      "\t",
      "\t\t",
      "Name only",
      "Reflex Weave\t2.00",
      "a\t\tb\t\t",
      "\"Doc\" Wagner\t'Fixer'\t\"\"",
      "Mr_Johnson~Fixer",
      "Line one\r\nLine two\tx",
      // Grade codes, and what only looks like one.
      "!0",
      "a\t!3",
      "Eye Link\t0.50\t1250\tIV3-302\t!1",
      "Reflex Booster 2\t3.00\t165000\tIV3-301\t+2RCT,+2INI!0",
      "x!4",
      "a!3\tb",
      "!!1",
      "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl\tm!2",
      // More fields than any kind declares.
      "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl\tm\tn",
      // Gear: without its TAB, with a TAB among its values, with a count.
      "Knife",
      "Knife\t1|a\tb|\t",
      "Heavy Pistol                  [2]\t3|9M|SA|0.75|IV3-250|",
      // Skills: a TAB in the name, brackets in the name, no TAB at all.
      "Edged Weapons (STR)/Machete\t[4/6]",
      "a\tb\t[3]",
      "Pistols [QCK] [3]",
  };
  for (const Kind& kind : kKinds) {
    for (std::string_view entry : corners) EXPECT_EQ(kind.roundTrip(entry), entry) << kind.name << ": " << entry;
  }
}

// Texts made of what entries treat specially: TABs, brackets, "|", grade codes, quotes, and what
// the file form turns into blanks and TABs.
TEST(ListEntries, RandomEntriesAreWrittenBackAsRead) {
  static const std::string kLetters = " \t\t\"'_~=[]/|!0123a\xE9";
  std::mt19937 rng(29);
  std::uniform_int_distribution<size_t> length(0, 16);
  std::uniform_int_distribution<size_t> letter(0, kLetters.size() - 1);
  for (int round = 0; round < 500; ++round) {
    std::string entry(length(rng), ' ');
    for (char& c : entry) c = kLetters[letter(rng)];
    for (const Kind& kind : kKinds) EXPECT_EQ(kind.roundTrip(entry), entry) << kind.name << ": " << entry;
  }
}

TEST(ListEntries, NamedFieldsReadWhatThePagesShow) {
  const auto cyber =
      ParseEntry<CyberwareEntry>("Ocular Replacement\t0.20\t4000\tIV3-204\t\t1.5\tPaired cybereyes.\t0.50\tE!0");
  EXPECT_EQ(cyber.name + " " + cyber.book + " " + cyber.streetIndex + " " + cyber.group + " " + cyber.grade,
            "Ocular Replacement IV3-204 1.5 E 0");
  EXPECT_DOUBLE_EQ(cyber.Essence(), 0.2);
  EXPECT_EQ(cyber.Price(), 4000);
  EXPECT_DOUBLE_EQ(cyber.Capacity(), 0.5);
  EXPECT_EQ(cyber.Grade(), 0);

  // A short entry: its grade code is no part of its codes, though the list shows it on the last field.
  const std::string shortText = "Reflex Booster 2\t3.00\t165000\tIV3-301\t+2RCT,+2INI!2";
  const auto booster = ParseEntry<CyberwareEntry>(shortText);
  EXPECT_EQ(booster.codes + " " + std::to_string(booster.Grade()), "+2RCT,+2INI 2");
  EXPECT_EQ(FieldOf(StoredFields<CyberwareEntry>(shortText), &CyberwareEntry::codes), "+2RCT,+2INI!2");
  EXPECT_EQ(ParseEntry<CyberwareEntry>("Datajack\t0.20\t1000").Grade(), -1);

  const auto bio = ParseEntry<BiowareEntry>("Cul.Toned Muscle 1\t0.30\t80000\tIV3-310\tc\t+1QCK\tSlow to grow");
  EXPECT_EQ(bio.type + " " + bio.codes + " " + bio.note, "c +1QCK Slow to grow");
  EXPECT_DOUBLE_EQ(bio.BioIndex(), 0.3);
  EXPECT_EQ(bio.Price(), 80000);

  const auto contact = ParseEntry<ContactEntry>(
      "Mother Ilse\tFixer\tBar owner\tLowmarket\t555-0199\t2\tHuman, fifties\tRaised Rook.\t10000\t\t\t");
  EXPECT_EQ(contact.occupation + "|" + contact.ltg + "|" + contact.description, "Bar owner|555-0199|Human, fifties");
  EXPECT_DOUBLE_EQ(contact.Level(), 2);
  EXPECT_EQ(contact.Price(), 10000);

  const auto gear = ParseEntry<GearEntry>("Heavy Pistol                  [2]\t3|9M|SA|0.75|IV3-250|");
  EXPECT_EQ(gear.Item() + " " + gear.TypeText() + " " + gear.Value(2) + " " + gear.Value(4) + "." + gear.Value(6),
            "Heavy Pistol 3 SA IV3-250.");
  EXPECT_EQ(gear.Type(), 3);
  EXPECT_EQ(gear.Count(), 2);
  // A "[" in a long name is no count.
  EXPECT_EQ(ParseEntry<GearEntry>("Bolt [heavy]\t3|").Count(), 1);
  EXPECT_FALSE(ParseEntry<GearEntry>("Knife").HasValues());
  EXPECT_EQ(ParseEntry<GearEntry>("Knife").Type(), 0);

  const auto skill = ParseEntry<SkillEntry>("Edged Weapons (STR)/Machete\t[4/6]");
  EXPECT_EQ(skill.name, "Edged Weapons (STR)/Machete");
  EXPECT_EQ(skill.Rating() * 10 + skill.Specialization(), 46);
  EXPECT_EQ(ParseEntry<SkillEntry>("a\tb\t[3]").name, "a\tb");
  // Without a TAB the one field holds the ratings the points are counted from.
  EXPECT_EQ(ParseEntry<SkillEntry>("Pistols (QCK) [3]").Rating(), 3);
  // The counting of a long list reads the ratings in place, as the parse reads them.
  for (const char* text :
       {"Edged Weapons (STR)/Machete\t[4/6]", "a\tb\t[3]", "Pistols (QCK) [3]", "x\t", "[2/", "a [9]\tb [1/2]", ""}) {
    const auto parsed = ParseEntry<SkillEntry>(text);
    const BracketPair inPlace = SkillEntry::RatingsOf(text);
    EXPECT_EQ(inPlace.first * 100 + inPlace.second, parsed.Rating() * 100 + parsed.Specialization()) << text;
  }

  const auto spell = ParseEntry<SpellEntry>("Arc Bolt\tP\t4\tI\tLOS   \tM(F/2+1)\t[06]\tIV3-172");
  EXPECT_EQ(spell.drain + " " + spell.book + " " + std::to_string(spell.Points()), "M(F/2+1) IV3-172 6");

  const auto power = ParseEntry<PowerEntry>("Quickened Reflexes[2]\t3.00\t+2RCT,+2INI\tIV3-170\t");
  EXPECT_EQ(power.codes + " " + power.book, "+2RCT,+2INI IV3-170");
  EXPECT_DOUBLE_EQ(power.Cost(), 3);

  const auto edge = ParseEntry<EdgeEntry>("Tough as Nails\t[2]\tIV3-041\t+1BOD");
  EXPECT_EQ(edge.value + " " + edge.description, "[2] +1BOD");
  EXPECT_EQ(ParseEntry<EdgeEntry>("Night Blindness[]").name, "Night Blindness[]");

  const auto book = ParseEntry<BookEntry>("Ironveil Core Rules\tIV3");
  EXPECT_EQ(book.title + "|" + book.code, "Ironveil Core Rules|IV3");
}

TEST(ListEntries, EntriesMadeOrChangedHereAreWrittenWhole) {
  ContactEntry contact;
  contact.name = "Jax";
  contact.level = "1";
  contact.price = "5000";
  EXPECT_EQ(FormatEntry(contact), "Jax\t\t\t\t\t1\t\t\t5000\t\t\t");

  CyberwareEntry cyber;
  cyber.name = "Skull Port(A)";
  cyber.essence = "0.16";
  cyber.grade = "1";
  EXPECT_EQ(FormatEntry(cyber), "Skull Port(A)\t0.16\t\t\t\t\t\t\t!1");

  // A column set beyond a short entry's fields is written, with the empty ones before it.
  auto bio = ParseEntry<BiowareEntry>("Toned Muscle 1\t0.40");
  bio.codes = "+1QCK";
  EXPECT_EQ(FormatEntry(bio), "Toned Muscle 1\t0.40\t\t\t\t+1QCK");
  // A catalog item bought is written with every column.
  auto power = ParseEntry<PowerEntry>("Iron Palm\t0.50");
  WriteEveryColumn(power);
  EXPECT_EQ(FormatEntry(power), "Iron Palm\t0.50\t\t\t");
  // Extra fields stay after the declared ones, the grade code after them.
  auto extra = ParseEntry<CyberwareEntry>("a\tb\tc\td\te\tf\tg\th\ti\tj\tk!3");
  extra.name = "z";
  EXPECT_EQ(FormatEntry(extra), "z\tb\tc\td\te\tf\tg\th\ti\tj\tk!3");

  auto gear = ParseEntry<GearEntry>("Crossbow                      \t2|5|||IV3-260|");
  gear.SetValue(3, "25");
  gear.SetValue(7, "x");
  EXPECT_EQ(FormatEntry(gear), "Crossbow                      \t2|5||25|IV3-260|||x");
  GearEntry bought{"Flare", "", {}};
  bought.SetValue(2, "9");
  EXPECT_EQ(FormatEntry(bought), "Flare\t||9");
}

// An export names each column by its name; a generator fills each by its kind.
template <typename Entry>
void ExpectExportableColumns(const char* kind) {
  std::set<std::string_view> names;
  for (const auto& column : Entry::Columns()) {
    EXPECT_TRUE(names.insert(column.name).second) << kind << " " << column.name;
    EXPECT_TRUE(
        std::all_of(column.name.begin(), column.name.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '_'; }))
        << kind << " " << column.name;
  }
  // Every column is read into its own member.
  Entry entry = EntryFromFields<Entry>(std::vector<std::string>(FieldColumnCount<Entry>(), "x"));
  for (const auto& column : Entry::Columns()) {
    if (column.type == ColumnType::GradeCode) continue;
    EXPECT_EQ(entry.*column.member, "x") << kind << " " << column.name;
    entry.*column.member = column.name;
    EXPECT_EQ(FieldOf(StoredFields<Entry>(FormatEntry(entry)), column.member), column.name) << kind;
  }
}

TEST(ListEntries, ColumnsAreNamedOnceAndReadIntoTheirOwnFields) {
  ExpectExportableColumns<SkillEntry>("skill");
  ExpectExportableColumns<CyberwareEntry>("cyberware");
  ExpectExportableColumns<BiowareEntry>("bioware");
  ExpectExportableColumns<GearEntry>("gear");
  ExpectExportableColumns<SpellEntry>("spell");
  ExpectExportableColumns<SpellCategoryEntry>("spell category");
  ExpectExportableColumns<PowerEntry>("power");
  ExpectExportableColumns<ContactEntry>("contact");
  ExpectExportableColumns<EdgeEntry>("edge");
  ExpectExportableColumns<BookEntry>("book");
}

}  // namespace
}  // namespace ivgen
