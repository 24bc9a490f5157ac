// Reading and writing the files a player keeps: characters, catalogs, settings.
#include "record/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "record/ini_file.h"
#include "support/program_folder.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

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

TEST(IniFile, FollowsTheProfileReaderConventions) {
  // An editor's byte order mark before the first section hides nothing.
  const IniFile ini = IniFile::Parse(
      "\xEF\xBB\xBF[Character Generator]\r\nmaxpoints = 120  \r\nMAXABSEPTS=6\nDefaultGIF=\"face one.gif\"\r\n"
      "maxpoints=99\r\nQuoted='single'\r\nHalf=\"open\r\nEmpty=\r\nno equals sign here\r\n[ other ]\r\n"
      "maxpoints=7\r\n[character generator]\r\nLate=1\r\nLong=" +
      std::string(5000, 'x') + "\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"maxpoints", "120"},  // trimmed, first occurrence wins
      {"MaxAbsEpts", "6"},   // case-insensitive
      {"DefaultGIF", "face one.gif"},
      {"Quoted", "single"},
      {"Half", "\"open"},
      {"Empty", ""},
      {"Missing", ""},
      {"Late", "1"},  // a repeated section adds its keys
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
