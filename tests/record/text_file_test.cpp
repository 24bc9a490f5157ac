#include "record/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ivgen {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() / ("ivgen-text-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  fs::path folder_;
};

TEST_F(TextFileTest, ReplaceFileWritesTheExactBytesAndLeavesNoTemporaryFile) {
  const std::string path = (folder_ / "a.iv3").string();
  const std::string bytes = "[System]\r\nVersion=3\r\n\xA5\xB6";
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  const IoResult result = ReplaceFile(path, bytes);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(ReadWholeFile(path).value_or(""), bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, AFailedReplaceLeavesTheOldFileAndNamesThePath) {
  const std::string path = (folder_ / "keep.iv3").string();
  ASSERT_TRUE(ReplaceFile(path, "precious").ok);
  // A target that is a folder cannot be replaced by a file.
  const std::string blocked = (folder_ / "sub").string();
  fs::create_directories(blocked);
  const IoResult result = ReplaceFile(blocked, "x");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.path, blocked);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_EQ(ReadWholeFile(path).value_or(""), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2) << "no temporary left";
}

TEST(SplitLines, AcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace ivgen
