#include "charfile/character_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

#include "record/ini_file.h"
#include "record/text_file.h"

namespace ivgen {
namespace {

// Line breaks and TABs shown as escapes, so a failing comparison can be read.
std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

namespace fs = std::filesystem;

const WriterContext kContext{"3.2.6 - 2 July 2000", "portrait.gif"};

// The eleven identity texts from StreetName to Birthplace, in the file's order.
void SetIdentity(CharacterRecord& r, const std::array<const char*, 11>& texts) {
  std::string* fields[] = {&r.StreetName, &r.RealName, &r.Archetype, &r.Race,      &r.Gender,    &r.Height,
                           &r.Weight,     &r.Eyes,     &r.Hair,      &r.Birthdate, &r.Birthplace};
  for (size_t i = 0; i < texts.size(); ++i) *fields[i] = texts[i];
}

void SetPriorities(CharacterRecord& r, int16_t race, int16_t magic, int16_t attributes, int16_t skills,
                   int16_t resources) {
  r.PriRace = race;
  r.PriMagic = magic;
  r.PriAttributes = attributes;
  r.PriSkills = skills;
  r.PriResources = resources;
}

// Base, racial, modifier and total of the six attributes.
void SetAttributes(CharacterRecord& r, const std::array<std::array<const char*, 4>, kAttributeCount>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) r.Attr[i] = {rows[i][0], rows[i][1], rows[i][2], "0", rows[i][3]};
}

// What the editor holds right after New under priorities, with the derived values recomputed.
CharacterRecord NewCharacter() {
  CharacterRecord r;
  ResetRecordFields(r, kContext.defaultGif);
  r.Race = "Human";
  r.Reaction = {"1", "0", "1"};
  r.Initative = {"1", "0", "1"};
  r.Pools.Karma = "1";
  r.Pools.Combat = "1";
  r.Pools.Control = "0";
  r.Pools.Hacking = "0";
  r.Pools.Magic = "0";
  r.Pools.Astral = "0";
  return r;
}

// Mundane, with cyberware and bioware, overspent under Override Limits, a picture of its own,
// escaped entries and a contact whose notes span two lines.
CharacterRecord MundaneWithCyberware() {
  CharacterRecord r = NewCharacter();
  SetIdentity(r, {"Rook", "Dana  Vell", "Blade for hire", "Ork", "F", "1.88 m", "95 kg", "grey", "none", "12.3.2031",
                  "Harbor Ward"});
  r.KarmaTotal = "5";
  r.KarmaRemain = "2";
  r.GraphicsFilename = "rook.jpg";
  r.norules = 1;
  r.OnceThru = true;
  r.CurSkill = 27;
  r.Attributes = 24;
  r.Maxresources = 10000;
  r.NuyenSpent = 10500;
  SetPriorities(r, 3, 4, 1, 2, 0);
  r.Rsel = kOrk;
  r.RaceDesc = {"Low-light vision", "Thick hide: +1 Body"};
  SetAttributes(r, {{{"5", "3", "1", "9"},
                     {"5", "0", "2", "7"},
                     {"4", "2", "1", "7"},
                     {"3", "-1", "0", "2"},
                     {"4", "-1", "0", "3"},
                     {"3", "0", "0", "3"}}});
  r.Reaction = {"5", "2", "7"};
  r.Initative = {"1", "2", "3"};
  r.Essence = 6.0 - 3.0 - 0.5;
  r.EssenceText = "2.50";
  r.BodyIndex = 0.4f;
  r.Edges = {"Tough as Nails\t[2]\tIV3-041\t", "Night Blindness[]"};
  r.Skills = {"Pistols (QCK)/Heavy Pistol\t[4/6]", "Etiquette (CHA)\t[3]", "Trade Tongue (LAN)\t[2]"};
  r.Pools.Combat = "7";
  r.Pools.Magic = "2";  // stale: a mundane file has no Magic pool line
  r.Pools.lblPool1 = "Task";
  r.Pools.txtPool1 = "2";
  r.Cyberware = {"Reflex Booster 2\t3.00\t165000\tIV3-301\t+2RCT,+2INI!0", "Eye Link-used\t0.50\t1250\tIV3-302\t!1"};
  r.Bioware = {"Toned Muscle 1\t0.40\t20000\tIV3-310\tB\t+1QCK"};
  r.Tradition = 2;
  r.Gear = {"Padded Coat                   \t2|5/3|2|900|IV3-280|", std::string(kGearDivider),
            "Heavy Pistol                  [2]\t3|9M|SA|0.75|IV3-250|"};
  r.TotalWeight = 2.25f;
  r.Description = "Grew up in Lowmarket.\r\nOwes the dock guild.\r\n";
  r.Contacts = {
      "Mother Ilse\tFixer\tBar owner\tLowmarket\t555-0199\t2\tHuman, fifties\tRaised Rook.\r\nCalls on "
      "Sundays.\t10000\t\t\t",
      "Jax\tDecker\tCourier\tHarbor Ward\t555-0142\t1\tElf\tOwes Rook a favour.\t0\t\t\t"};
  return r;
}

CharacterRecord PhysicalAdept() {
  CharacterRecord r = NewCharacter();
  SetIdentity(r, {"Quiet Step", "Mirel Aan", "Adept", "Elf", "M", "1.90 m", "70 kg", "green", "black", "", ""});
  r.GraphicsFilename = "";  // no picture chosen while the setting names one
  r.Adept = 0;
  r.Initiation = 1;
  r.Grade = 2;
  r.OnceThru = true;
  r.CurSkill = 18;
  r.Attributes = 27;
  r.Maxresources = 5000;
  r.NuyenSpent = 1200;
  SetPriorities(r, 2, 1, 0, 3, 4);
  r.Rsel = kElf;
  r.RaceDesc = {"Low-light vision"};
  SetAttributes(r, {{{"4", "0", "0", "4"},
                     {"5", "1", "2", "8"},
                     {"4", "0", "0", "4"},
                     {"3", "2", "0", "5"},
                     {"4", "0", "0", "4"},
                     {"4", "0", "0", "4"}}});
  r.Reaction = {"6", "2", "8"};
  r.Initative = {"1", "2", "3"};
  r.Magic = {"6", "2", "8"};
  r.Skills = {"Unarmed Combat (STR)\t[6]"};
  r.Pools.Combat = "8";
  r.Powers = {"Quickened Reflexes[2]\t3.00\t+2RCT,+2INI\tIV3-170\t",
              "Iron Palm\t0.50\t\tIV3-171\tStrikes count as armed"};
  r.Description = "a\r\n\r\nb c";
  return r;
}

// An aspected magician whose power list still holds an entry from an earlier adept choice.
CharacterRecord MagicianWithPowers() {
  CharacterRecord r = NewCharacter();
  SetIdentity(r, {"Wren", "", "Sorcerer", "Human", "F", "", "", "", "", "", ""});
  r.Adept = 2;
  r.OnceThru = true;
  r.CurSkill = 24;
  r.Attributes = 24;
  r.MagicPts = 35;
  r.Maxresources = 20000;
  SetPriorities(r, 4, 0, 2, 1, 3);
  SetAttributes(r, {{{"3", "0", "0", "3"},
                     {"4", "0", "0", "4"},
                     {"2", "0", "0", "2"},
                     {"4", "0", "0", "4"},
                     {"5", "0", "0", "5"},
                     {"6", "0", "0", "6"}}});
  r.Reaction = {"4", "0", "4"};
  r.Magic = {"6", "0", "6"};
  r.Skills = {"Sorcery (WIL)\t[6]"};
  r.Pools.Combat = "7";
  r.Pools.Magic = "5";
  r.Pools.Astral = "7";
  r.Powers = {"Iron Palm\t0.50\t\tIV3-171\t"};
  r.Tradition = 3;
  r.Spells = {"Mind Jolt\tM\tS\tLOS\tM\t(F/2)+1\t[02]\tIV3-201", "Warding Veil\tP\tS\tLOS\tS\t(F/2)\t[01]\tIV3-215"};
  return r;
}

CharacterRecord ShapeshifterByPoints() {
  CharacterRecord r = NewCharacter();
  r.GeneratorPoints = true;
  SetIdentity(r, {"Russet", "", "Shapeshifter", "Fox shifter", "", "", "", "amber", "red", "", ""});
  r.Shapeshift = true;
  r.OnceThru = true;
  r.CurSkill = 20;
  r.Attributes = 30;
  r.MagicPts = 12.5f;
  r.Maxresources = 50000;
  // The race option chosen, written as [PointSys] Race so the character reopens as a fox.
  r.Rsel = 2;
  r.PtsAttributes = 30;
  r.PtsRsel = 2;
  r.PriMagic = 1;
  r.PtsSkills = 27;
  r.PtsResourceSel = 3;
  r.SelIndex = 4;
  r.RaceDesc = {"Dual-natured being", "Fox form"};
  SetAttributes(r, {{{"3", "0", "0", "3"},
                     {"4", "0", "0", "4"},
                     {"3", "0", "0", "3"},
                     {"3", "0", "0", "3"},
                     {"4", "0", "0", "4"},
                     {"4", "0", "0", "4"}}});
  r.Reaction = {"4", "0", "4"};
  r.Magic = {"6", "0", "6"};
  r.Pools.Combat = "6";
  r.Pools.Magic = "4";
  r.Animal = {.Attr = {DerivedRow{"6", "1", "7"}, DerivedRow{"5", "0", "5"}, DerivedRow{"6", "0", "6"}},
              .RunMult = "5",
              .Reaction = {"4", "0", "4"},
              .Initative = {"1", "1", "2"},
              .SSindex = 4};
  r.Tradition = 0;
  return r;
}

// Point-based, with neither a race option nor a resource option chosen in the dialog.
CharacterRecord PointsWithoutSelections() {
  CharacterRecord r = NewCharacter();
  r.GeneratorPoints = true;
  r.PriMagic = 2;
  r.PtsRsel = -1;
  r.PtsResourceSel = -1;
  return r;
}

std::vector<std::string> FileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

// The key lines of one section, up to the empty line that ends it.
std::vector<std::string> SectionLines(const std::string& bytes, const std::string& section) {
  const std::vector<std::string> lines = FileLines(bytes);
  std::vector<std::string> result;
  bool inside = false;
  for (const std::string& line : lines) {
    if (inside && (line.empty() || line.front() == '[')) break;
    if (inside) result.push_back(line);
    if (line == "[" + section + "]") inside = true;
  }
  return result;
}

bool HasLine(const std::string& bytes, const std::string& wanted) {
  for (const std::string& line : FileLines(bytes)) {
    if (line == wanted) return true;
  }
  return false;
}

TEST(CharacterWriter, WritesGoldenFiles) {
  const struct {
    const char* file;
    std::function<CharacterRecord()> character;
  } cases[] = {
      {"new_priority.iv3", NewCharacter},
      {"mundane_cyberware.iv3", MundaneWithCyberware},
      {"physical_adept.iv3", PhysicalAdept},
      {"magician_with_powers.iv3", MagicianWithPowers},
      {"shapeshifter_points.iv3", ShapeshifterByPoints},
      {"points_plain.iv3", PointsWithoutSelections},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const auto expected = ReadWholeFile(std::string(IVGEN_TEST_DATA) + "/" + c.file);
    ASSERT_TRUE(expected.has_value());
    const std::string written = CharacterFileText(c.character(), kContext);
    const std::vector<std::string> want = FileLines(*expected);
    const std::vector<std::string> got = FileLines(written);
    for (size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
      ASSERT_EQ(Visible(want[i]), Visible(got[i])) << "line " << i + 1;
    }
    EXPECT_EQ(*expected, written);
  }
}

TEST(CharacterWriter, LineBreaksNeverStartAnExtraLine) {
  CharacterRecord r = NewCharacter();
  r.StreetName = "x\r\nAdept=0";
  r.Archetype = "two\nlines";
  r.Pools.lblPool1 = "a\rb";
  r.Skills = {"Pistols (QCK)\r\n\t[1]"};
  r.Cyberware = {"Eye Link\n\t0.50"};
  const std::string written = CharacterFileText(r, {"3.2.6\r\n - 2 July 2000", "portrait.gif"});

  EXPECT_TRUE(HasLine(written, "StreetName=xAdept=0"));
  EXPECT_TRUE(HasLine(written, "Archetype=twolines"));
  EXPECT_TRUE(HasLine(written, "lblPool1=ab"));
  EXPECT_TRUE(HasLine(written, "Version=3.2.6 - 2 July 2000"));
  EXPECT_TRUE(HasLine(written, "Skill0=Pistols_(QCK)~[1]"));
  EXPECT_TRUE(HasLine(written, "Cyber0=Eye_Link~0.50"));
  EXPECT_TRUE(HasLine(written, "Adept=-1 "));
  EXPECT_FALSE(HasLine(written, "Adept=0"));
  // Every CR is followed by LF and every LF preceded by CR.
  for (size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\r') {
      EXPECT_EQ(written.substr(i, 2), "\r\n") << "at byte " << i;
    }
    if (written[i] == '\n') {
      EXPECT_TRUE(i > 0 && written[i - 1] == '\r') << "at byte " << i;
    }
  }
}

TEST(CharacterWriter, ContactLineBreaksBecomeDoubleUnderscores) {
  const struct {
    const char* contact;
    const char* line;
  } cases[] = {
      {"a\r\nb", "Contact0=a__b"}, {"a\rb", "Contact0=a__b"},  // a lone CR keeps the character after it
      {"a\nb", "Contact0=a__b"},   {"a\r\n\r\nb c", "Contact0=a____b_c"},
      {"a\r", "Contact0=a__"},
  };
  for (const auto& c : cases) {
    CharacterRecord r = NewCharacter();
    r.Contacts = {c.contact};
    EXPECT_EQ(SectionLines(CharacterFileText(r, kContext), "Contacts"), std::vector<std::string>{c.line})
        << Visible(c.contact);
  }
}

TEST(CharacterWriter, DescriptionLines) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* description;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a\r\n\r\nb c", {"Line0=a", "Line1=\xB6", "Line2=b_c"}},
      {"a\r\n", {"Line0=a", "Line1="}},
      {"\r\n", {"Line0=\xB6", "Line1="}},
      {"a\rb", {"Line0=a", "Line1=b"}},  // a lone CR is a line break too
      {"a\n\nb", {"Line0=a", "Line1=\xB6", "Line2=b"}},
      {"a\r\r\nb", {"Line0=a", "Line1=\xB6", "Line2=b"}},
      {" x\ty ", {"Line0=_x\ty_"}},
  };
  for (const auto& c : cases) {
    CharacterRecord r = NewCharacter();
    r.Description = c.description;
    EXPECT_EQ(SectionLines(CharacterFileText(r, kContext), "Description"), c.lines) << Visible(c.description);
  }
}

// The reader stops at the first missing or empty key; an empty entry must not hide the rest.
TEST(CharacterWriter, EmptyEntriesLeaveNoGapInTheNumbering) {
  CharacterRecord r = NewCharacter();
  r.Skills = {"Pistols (QCK)\t[1]", "", "Etiquette (CHA)\t[2]"};
  r.Edges = {"\r\n"};
  r.Contacts = {"", "Jax\tDecker"};
  const std::string written = CharacterFileText(r, kContext);
  EXPECT_EQ(SectionLines(written, "Skills"),
            (std::vector<std::string>{"Skill0=Pistols_(QCK)~[1]", "Skill1=Etiquette_(CHA)~[2]"}));
  EXPECT_EQ(SectionLines(written, "Edges"), std::vector<std::string>{});
  EXPECT_EQ(SectionLines(written, "Contacts"), std::vector<std::string>{"Contact0=Jax~Decker"});
}

// The reader strips a pair of quotes around a value and trims blanks and TABs: a contact "" hid
// every contact after it, and a description line of a TAB ended the description.
TEST(CharacterWriter, ValuesTheReaderWouldChangeGetOneMorePairOfQuotes) {
  const struct {
    std::function<void(CharacterRecord&)> set;
    const char* line;
    const char* section;
    const char* key;
    const char* readBack;
  } cases[] = {
      {[](CharacterRecord& r) {
         r.Contacts = {"\"\"", "Jax"};
       },
       "Contact0=\"\"\"\"", "Contacts", "Contact0", "\"\""},
      {[](CharacterRecord& r) { r.Description = "\t\r\nend"; }, "Line0=\"\t\"", "Description", "Line0", "\t"},
      {[](CharacterRecord& r) { r.Description = "'Never.'"; }, "Line0=\"'Never.'\"", "Description", "Line0",
       "'Never.'"},
      {[](CharacterRecord& r) { r.StreetName = "\"Ace\""; }, "StreetName=\"\"Ace\"\"", "Character", "StreetName",
       "\"Ace\""},
  };
  for (const auto& c : cases) {
    CharacterRecord r = NewCharacter();
    c.set(r);
    const std::string written = CharacterFileText(r, kContext);
    EXPECT_TRUE(HasLine(written, c.line)) << c.line;
    EXPECT_EQ(IniFile::Parse(written).Get(c.section, c.key), c.readBack);
  }
}

TEST(CharacterWriter, ValueForms) {
  const struct {
    std::function<void(CharacterRecord&)> set;
    const char* line;
  } cases[] = {
      // Essence comes from its value, whichever display was refreshed last.
      {[](CharacterRecord& r) {
         r.Essence = 5.8;
         r.EssenceText = "5.80";
       },
       "Essence=5.8"},
      {[](CharacterRecord& r) { r.Essence = 6.0 - 0.2 - 0.2 - 0.2; }, "Essence=5.4"},
      {[](CharacterRecord& r) {
         r.BodyIndex = 0.35f;
         r.BodyIndexText = "0.35000";
       },
       "Body Index=0.35"},
      {[](CharacterRecord& r) { r.BodyIndex = 1.2f; }, "Body Index=1.20"},
      {[](CharacterRecord& r) { r.MagicPts = 0.5f; }, "MagicPts= .5 "},
      {[](CharacterRecord& r) { r.MagicPts = -6; }, "MagicPts=-6 "},
      {[](CharacterRecord& r) { r.Maxresources = 1000000; }, "Maxresources= 1000000 "},
      {[](CharacterRecord& r) {
         r.Maxresources = 1250000;
         r.NuyenSpent = 12500;
       },
       "Resources=1237500\xA5"},
      {[](CharacterRecord& r) { r.TotalWeight = 12.5f; }, "TotalWeight=12.5"},
      {[](CharacterRecord& r) { r.TotalWeight = 0.1f; }, "TotalWeight=0.1"},
      {[](CharacterRecord& r) {
         r.Tradition = -1;
         r.PriMagic = 0;
       },
       "Tradition=-1 "},
      // Texts the reader would trim or unquote get a pair of quotes of their own; print numbers
      // keep their blanks.
      {[](CharacterRecord& r) { r.StreetName = " Nyx "; }, "StreetName=\" Nyx \""},
      {[](CharacterRecord& r) { r.RealName = "'Ada'"; }, "RealName=\"'Ada'\""},
      {[](CharacterRecord& r) { r.Pools.lblPool1 = "12\""; }, "lblPool1=\"12\"\""},
      {[](CharacterRecord& r) { r.Pools.txtPool1 = "a \"b\" c"; }, "txtPool1=a \"b\" c"},
      {[](CharacterRecord& r) { r.Grade = 0; }, "Grade= 0 "},
  };
  for (const auto& c : cases) {
    CharacterRecord r = NewCharacter();
    c.set(r);
    EXPECT_TRUE(HasLine(CharacterFileText(r, kContext), c.line)) << Visible(c.line);
  }
}

// A folder removed with everything in it when the test ends.
class TempFolder {
 public:
  TempFolder() {
    static int serial = 0;
    path_ = fs::temp_directory_path() / ("ivgen-charfile-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    SetImmutable(false);
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, error);
    fs::remove_all(path_, error);
  }
  std::string File(const char* name) const { return (path_ / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    return names;
  }
  // Read-only for an ordinary user; an administrator is stopped only by the immutable flag. A
  // folder's read-only mark on Windows does not stop new files in it; only an ACL would.
  bool MakeUnwritable() {
#ifdef _WIN32
    return false;
#else
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(path_.c_str(), W_OK) != 0) return true;
    return SetImmutable(true);
#endif
  }

 private:
  bool SetImmutable([[maybe_unused]] bool on) {
#ifdef _WIN32
    return false;
#else
    const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done && ((flags & FS_IMMUTABLE_FL) != 0) != on) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
#endif
  }

  fs::path path_;
};

TEST(SaveCharacter, EmptyNameWritesNothing) {
  EXPECT_EQ(SaveCharacter(NewCharacter(), kContext, "").outcome, SaveOutcome::NoFileName);
}

TEST(SaveCharacter, ReplacesAnExistingFileWithoutAWord) {
  TempFolder folder;
  const std::string path = folder.File("rook.iv3");
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  const CharacterRecord character = MundaneWithCyberware();

  const SaveResult result = SaveCharacter(character, kContext, path);

  EXPECT_EQ(result.outcome, SaveOutcome::Written);
  EXPECT_EQ(ReadWholeFile(path), CharacterFileText(character, kContext));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"rook.iv3"});
}

TEST(SaveCharacter, UnwritableFolderFailsAndKeepsTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("rook.iv3");
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  if (!folder.MakeUnwritable()) GTEST_SKIP() << "no folder here refuses this user's writes";

  const SaveResult result = SaveCharacter(MundaneWithCyberware(), kContext, path);

  EXPECT_EQ(result.outcome, SaveOutcome::Failed);
  EXPECT_FALSE(result.io.ok);
  EXPECT_EQ(result.io.path, path);
  EXPECT_FALSE(result.io.reason.empty());
  EXPECT_EQ(ReadWholeFile(path), "old");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"rook.iv3"});
}

}  // namespace
}  // namespace ivgen
