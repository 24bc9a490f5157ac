// The numbers and texts of the record as pages, files and sheets show them, and the files a
// player keeps: characters, catalogs, settings.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <filesystem>

#include "record/character_record.h"
#include "record/cp1252.h"
#include "record/ini_file.h"
#include "record/money.h"
#include "record/text_file.h"
#include "record/values.h"
#include "support/joined.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

using test_support::Joined;
namespace fs = std::filesystem;

TEST(Val, ReadsTheLeadingNumberLeniently) {
  constexpr double kInf = HUGE_VAL;
  const std::pair<const char*, double> cases[] = {
      {"", 0},      {"abc", 0},  {"12", 12},      {"  7", 7},      {"-3", -3},           {"+4", 4},
      {"1.5", 1.5}, {".5", 0.5}, {"-.25", -0.25}, {"22/30", 22},   {"3+2", 3},           {"5.8.1", 5.8},
      {"-", 0},     {".", 0},    {"\t9x", 9},     {"0.00", 0},     {"12500\xA5", 12500}, {"1.2E+07", 1.2e7},
      {"3E", 3},    {"2Ex", 2},  {"4e+", 4},      {"1E999", kInf}, {"1E-999", 0},        {"-2.5e-1", -0.25},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(text), value) << "'" << text << "'";
}

TEST(CInt, RoundsHalvesToEvenAndHoldsTheRange) {
  const std::pair<double, int> cases[] = {
      {0.5, 0},    {1.5, 2},    {2.5, 2},       {3.5, 4},         {-0.5, 0},        {-1.5, -2},        {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {40000, 32767}, {-40000, -32768}, {32767.4, 32767}, {-32768.6, -32768}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(CInt(value), expected) << value;
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(1e12), 2147483647);
  EXPECT_EQ(CLng(-1e12), -2147483647 - 1);
}

// Printed numbers keep a sign position and one trailing blank, and an inexact float sum prints
// short; general numbers show the digits of their type (6 less three 0.2 steps is
// 5.3999999999999995 in doubles); a thousands box shows zero as empty.
TEST(NumberTexts, AsFilesSheetsAndPagesShowThem) {
  EXPECT_EQ(Joined(std::vector{PrintNumber(int32_t{0}), PrintNumber(int32_t{-1}), PrintNumber(int32_t{1000000}),
                               PrintNumber(int32_t{-2147483647 - 1}), PrintNumber(0.5f), PrintNumber(-0.5f),
                               PrintNumber(12.25f), PrintNumber(0.1f + 0.2f)},
                   "|"),
            " 0 |-1 | 1000000 |-2147483648 | .5 |-.5 | 12.25 | .3 ");
  EXPECT_EQ(Joined(std::vector{GeneralNumber(6.0), GeneralNumber(-500.0), GeneralNumber(6.0 - 0.2 - 0.2 - 0.2),
                               GeneralNumber(5.8f), GeneralNumber(static_cast<double>(5.8f))},
                   "|"),
            "6|-500|5.4|5.8|5.80000019073486");
  EXPECT_EQ(Joined(std::vector{FormatFixed2(5.8), FormatFixed2(0.125), FormatFixed2(-0.001), FormatThousands(0),
                               FormatThousands(0.4), FormatThousands(999), FormatThousands(123456789),
                               FormatThousands(-1500)},
                   "|"),
            "5.80|0.12|0.00|||999|123,456,789|-1,500");
}

TEST(Cp1252, ConvertsBothWaysAndKeepsTheFileSystemsBytes) {
  EXPECT_EQ(Cp1252ToUtf8("Zo\xEB 500\xA5 \xB6 \x80 \x9F"), "Zoë 500¥ ¶ € Ÿ");
  EXPECT_EQ(Utf8ToCp1252("Zoë 500¥ ¶ € Ÿ"), "Zo\xEB 500\xA5 \xB6 \x80 \x9F");
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) {
      EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << byte;
    }
  }
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
  // Characters outside the code page and broken sequences become "?".
  EXPECT_EQ(Utf8ToCp1252("日本") + Utf8ToCp1252("a\xC3") + Utf8ToCp1252("\xFF"), "??a??");
  EXPECT_FALSE(IsUtf8("\xE2\x82"));
  EXPECT_EQ(PathToText("/home/gm/zoë.iv3"), "/home/gm/zo\xEB.iv3");
  EXPECT_EQ(PathToText("/home/gm/zo\xEB.iv3"), "/home/gm/zo\xEB.iv3") << "bytes that are not UTF-8 stay";
  EXPECT_EQ(TextToPath("zo\xEB.iv3"), "zoë.iv3");
}

// The editor tests follow the karma and the pools through New; here the rest of what it keeps:
// the generation choices and their grants.
TEST(ResetRecordFields, GivesANewCharacterAndKeepsWhatNewKeeps) {
  CharacterRecord r;
  r.StreetName = "Nyx";
  r.norules = 1;
  r.Attributes = 27;
  r.Maxresources = 400000;
  r.NuyenSpent = 5000;
  r.Tradition = 2;
  r.Shapeshift = r.GeneratorPoints = true;
  r.Attr[2] = {"5", "2", "1", "0", "8"};
  ResetRecordFields(r, "face.gif");
  EXPECT_EQ(r.StreetName + "|" + r.GraphicsFilename + "|" + r.Attr[2].Base + r.Attr[2].Racial + r.Attr[2].Total,
            "|face.gif|101");
  EXPECT_EQ(std::to_string(r.norules) + " " + std::to_string(r.Attributes) + " " + std::to_string(MoneyLeft(r)) + " " +
                std::to_string(r.Tradition) + " " + std::to_string(r.AttributePointsUsed),
            "1 27 400000 2 6");
  EXPECT_FALSE(r.Shapeshift || r.GeneratorPoints);
  EXPECT_EQ(r.Gear, std::vector<std::string>{std::string(kGearDivider)});
}

class TextFileTest : public ::testing::Test {
 public:
  void SetUp() override {
    folder_ = test_support::FreshFolder("text");
    previousMask_ = ::umask(022);
  }
  void TearDown() override {
    ::umask(previousMask_);
    fs::remove_all(folder_);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Read(const std::string& name) const { return ReadWholeFile(Path(name)).value_or("<none>"); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path folder_;
  mode_t previousMask_ = 0;
};

constexpr const char* kBytes = "[System]\r\nVersion=3\r\n\xA5\xB6";

// What a save finds at its path, and what must stand there afterwards; nothing is ever left
// beside it, and nothing but the target changes.
TEST_F(TextFileTest, ReplaceFileWritesOnlyWhatThePlayerMayWrite) {
  const struct {
    std::string name;
    char before;          // what stands there: '-' nothing, 'f' a file, 'd' a folder, 'p' a pipe
    int mode;             // of what stands there, and of what stands there afterwards
    const char* refusal;  // nullptr: written
  } cases[] = {
      {"new.iv3", '-', 0644, nullptr},
      {"old.iv3", 'f', 0640, nullptr},
      {"locked.iv3", 'f', 0444, "the file is read-only"},
      {"folder.iv3", 'd', 0755, "Is a directory"},
      {"pipe.iv3", 'p', 0644, "not a regular file"},
      {std::string(255 - 4, 'n') + ".iv3", '-', 0644, nullptr},  // the longest name the folder allows
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 12));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    if (c.before == 'f') {
      ASSERT_TRUE(ReplaceFile(Path(c.name), "old").ok);
      fs::permissions(Path(c.name), fs::perms(c.mode));
    }
    if (c.before == 'd') fs::create_directory(Path(c.name));
    if (c.before == 'p') {
      ASSERT_EQ(::mkfifo(Path(c.name).c_str(), 0644), 0);
    }
    const auto namesBefore = Names();
    const IoResult result = ReplaceFile(Path(c.name), kBytes);
    EXPECT_EQ(result.ok, c.refusal == nullptr);
    EXPECT_EQ(result.path, Path(c.name));
    if (c.refusal != nullptr) {
      EXPECT_EQ(result.reason, c.refusal);
      EXPECT_EQ(Names(), namesBefore);
    } else {
      EXPECT_EQ(Read(c.name), kBytes);
      EXPECT_EQ(Names(), std::vector<std::string>{c.name});
    }
    EXPECT_EQ(fs::status(Path(c.name)).permissions() & fs::perms::mask, fs::perms(c.mode));
  }
}

// A character or books.dat shared through a link stays shared, and a link planted where the
// temporary file once had its predictable name leads nowhere.
TEST_F(TextFileTest, ReplaceFileWritesThroughLinksAndNeverThroughPlantedOnes) {
  fs::create_directory(folder_ / "shared");
  ASSERT_TRUE(ReplaceFile(Path("shared/nyx.iv3"), "old").ok);
  fs::create_symlink("shared/nyx.iv3", folder_ / "link.iv3");
  fs::create_symlink("link.iv3", folder_ / "chain.iv3");
  ASSERT_TRUE(ReplaceFile(Path("victim.txt"), "another user's file").ok);
  fs::create_symlink(Path("victim.txt"), Path("chain.iv3.~" + std::to_string(::getpid()) + ".tmp"));

  ASSERT_TRUE(ReplaceFile(Path("chain.iv3"), kBytes).ok);
  EXPECT_TRUE(fs::is_symlink(folder_ / "chain.iv3"));
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.iv3"));
  EXPECT_EQ(Read("shared/nyx.iv3"), kBytes);
  EXPECT_EQ(Read("victim.txt"), "another user's file");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "shared"), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, ReadWholeFileRefusesWhatIsNoFileOfOurs) {
  fs::create_directory(folder_ / "folder");
  ASSERT_TRUE(ReplaceFile(Path("huge.dat"), "").ok);
  fs::resize_file(Path("huge.dat"), kMaxFileSize + 1);  // sparse: nothing is really written
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {"/dev/zero", "not a regular file"},
      {Path("folder"), "Is a directory"},
      {Path("huge.dat"), "the file is larger than 64 MB"},
      {Path("missing.dat"), "No such file or directory"},
  };
  for (const auto& c : cases) {
    IoResult problem;
    EXPECT_FALSE(ReadWholeFile(c.path, &problem).has_value()) << c.path;
    EXPECT_EQ(problem.Describe("read"), "Could not read " + c.path + ": " + c.reason);
  }
}

// An editor's byte order mark before the first section hides nothing; values are trimmed and
// unquoted, the first occurrence of a key and of a section wins (a section named again in any case
// is not read), keys and sections match in any case, and a value is cut to 4095 characters.
TEST(IniFile, FollowsTheProfileReaderConventions) {
  const IniFile ini = IniFile::Load(IVGEN_TEST_DATA "/profile.ini");
  const std::pair<const char*, const char*> cases[] = {
      {"maxpoints", "120"}, {"MaxAbsEpts", "6"}, {"DefaultGIF", "face one.gif"},
      {"Quoted", "single"}, {"Half", "\"open"},  {"Empty", ""},
      {"Missing", ""},      {"Late", ""},
  };
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.Get("CHARACTER GENERATOR", key), value) << key;
  EXPECT_TRUE(ini.Has("Character Generator", "Empty") && !ini.Has("Character Generator", "Missing"));
  EXPECT_EQ(ini.Get("other", "maxpoints") + ini.Get("Missing", "maxpoints"), "7");
  EXPECT_EQ(ini.Get("Character Generator", "Long").size(), 4095u);
  EXPECT_EQ(IniFile::Load("/nonexistent/folder/ivgen.ini").Get("S", "k"), "");
  EXPECT_EQ(IniFile::Load(std::filesystem::temp_directory_path().string()).Get("S", "k"), "");
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace ivgen
