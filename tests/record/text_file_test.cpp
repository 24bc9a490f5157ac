#include "record/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

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
    const char* what;
    std::string name;
    std::function<void(TextFileTest&)> before;
    const char* refusal;  // nullptr: written
    fs::perms mode;       // of the file written, or of the one left alone
  } cases[] = {
      {"a new file", "new.iv3", [](TextFileTest&) {}, nullptr, fs::perms(0644)},
      {"an old file keeps its mode", "old.iv3",
       [](TextFileTest& t) {
         ASSERT_TRUE(ReplaceFile(t.Path("old.iv3"), "old").ok);
         fs::permissions(t.Path("old.iv3"), fs::perms(0640));
       },
       nullptr, fs::perms(0640)},
      {"a read-only file is refused", "locked.iv3",
       [](TextFileTest& t) {
         ASSERT_TRUE(ReplaceFile(t.Path("locked.iv3"), "old").ok);
         fs::permissions(t.Path("locked.iv3"), fs::perms(0444));
       },
       "the file is read-only", fs::perms(0444)},
      {"a folder is refused", "folder.iv3", [](TextFileTest& t) { fs::create_directory(t.Path("folder.iv3")); },
       "Is a directory", fs::perms(0755)},
      {"a pipe is refused", "pipe.iv3",
       [](TextFileTest& t) { ASSERT_EQ(::mkfifo(t.Path("pipe.iv3").c_str(), 0644), 0); }, "not a regular file",
       fs::perms(0644)},
      {"the longest name the folder allows", std::string(255 - 4, 'n') + ".iv3", [](TextFileTest&) {}, nullptr,
       fs::perms(0644)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    c.before(*this);
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
    EXPECT_EQ(fs::status(Path(c.name)).permissions() & fs::perms::mask, c.mode);
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

TEST(SplitLines, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace ivgen
