// The numbers and texts of the record as pages, files and sheets show them, and the files a
// player keeps: characters, catalogs, settings.
#include <gtest/gtest.h>

#include <sys/stat.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <tuple>

#include "record/character_record.h"
#include "record/cp1252.h"
#include "record/ini_file.h"
#include "record/money.h"
#include "record/text.h"
#include "record/text_file.h"
#include "record/values.h"
#include "support/joined.h"
#include "support/program_folder.h"
#include "support/test_system.h"
#include "system/system.h"
#ifdef _WIN32
#include <aclapi.h>
#endif

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
  // A search matches letters in either case, the code page's own capitals too, and nothing else.
  const std::tuple<std::string, std::string, bool> holds[] = {
      {"Zo\xEB's Vest", "ZO\xCB", true}, {"\x8Akoda \x8C\x8E\x9F", "\x9Akoda \x9C\x9E\xFF", true},
      {"Lined Coat", "COAT", true},      {"\xD7", "\xF7", false},
      {"Coat", "Coats", false},          {"Coat", "", true},
  };
  for (const auto& [text, part, held] : holds) EXPECT_EQ(HoldsIgnoringCase(text, part), held) << text << "/" << part;
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
#ifndef _WIN32
    previousMask_ = ::umask(022);
#endif
  }
  void TearDown() override {
#ifndef _WIN32
    ::umask(previousMask_);
#endif
    test_support::RemoveFolder(folder_);
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
  int previousMask_ = 0;
};

constexpr const char* kBytes = "[System]\r\nVersion=3\r\n\xA5\xB6";

// What a save finds at its path, and what must stand there afterwards; nothing is ever left
// beside it, and nothing but the target changes.
TEST_F(TextFileTest, ReplaceFileWritesOnlyWhatThePlayerMayWrite) {
  struct Case {
    std::string name;
    char before;          // what stands there: '-' nothing, 'f' a file, 'd' a folder, 'p' a pipe
    int mode;             // of what stands there, and of what stands there afterwards
    const char* refusal;  // nullptr: written
  };
#ifdef _WIN32
  // Windows keeps only the read-only mark of the modes, and forbids names that POSIX allows.
  const Case cases[] = {
      {"new.iv3", '-', 0666, nullptr},
      {"locked.iv3", 'f', 0444, "the file is read-only"},
      {"folder.iv3", 'd', 0777, "Is a directory"},
      {std::string(255 - 4, 'n') + ".iv3", '-', 0666, nullptr},
      {"aux.iv3", '-', 0, "Windows keeps the name \"aux.iv3\" for a device"},
      {"CON", '-', 0, "Windows keeps the name \"CON\" for a device"},
      {"Lpt1 .txt", '-', 0, "Windows keeps the name \"Lpt1 .txt\" for a device"},
      {"nyx.", '-', 0, "Windows does not allow a file name ending in a dot or a blank: \"nyx.\""},
      {"nyx ", '-', 0, "Windows does not allow a file name ending in a dot or a blank: \"nyx \""},
      {"nyx?.iv3", '-', 0, "Windows does not allow \"?\" in the file name \"nyx?.iv3\""},
      {"a<b>.iv3", '-', 0, "Windows does not allow \"<\" in the file name \"a<b>.iv3\""},
      {"console.iv3", '-', 0666, nullptr},
      {"com10.iv3", '-', 0666, nullptr},
  };
#else
  const Case cases[] = {
      {"new.iv3", '-', 0644, nullptr},
      {"old.iv3", 'f', 0640, nullptr},
      {"locked.iv3", 'f', 0444, "the file is read-only"},
      {"folder.iv3", 'd', 0755, "Is a directory"},
      {"pipe.iv3", 'p', 0644, "not a regular file"},
      {std::string(255 - 4, 'n') + ".iv3", '-', 0644, nullptr},  // the longest name the folder allows
      {"aux.iv3", '-', 0644, nullptr},
      {"nyx.", '-', 0644, nullptr},
  };
#endif
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 12));
    test_support::RemoveFolder(folder_);
    fs::create_directories(folder_);
    if (c.before == 'f') {
      ASSERT_TRUE(ReplaceFile(Path(c.name), "old").ok);
      fs::permissions(Path(c.name), fs::perms(c.mode));
    }
    if (c.before == 'd') fs::create_directory(Path(c.name));
#ifndef _WIN32
    if (c.before == 'p') {
      ASSERT_EQ(::mkfifo(Path(c.name).c_str(), 0644), 0);
    }
#endif
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
    if (c.mode != 0) {
      EXPECT_EQ(fs::status(Path(c.name)).permissions() & fs::perms::mask, fs::perms(c.mode));
    }
  }
}

// A character open in another program (a spreadsheet, a backup tool) when the player saves: the
// old file stays whole and the player is told why.
TEST_F(TextFileTest, ReplaceFileKeepsAFileAnotherProgramHoldsOpen) {
  if (!kWindows) GTEST_SKIP() << "POSIX replaces a file whoever holds it open";
  ASSERT_TRUE(ReplaceFile(Path("nyx.iv3"), "old").ok);
  IoResult result;
  test_support::WhileWritesFail(Path("nyx.iv3"), 0, [&] {
    result = ReplaceFile(Path("nyx.iv3"), kBytes);
    return result.ok;
  });
  EXPECT_EQ(result.Describe("write").Text(),
            "Could not write " + Path("nyx.iv3") + ": the file is open in another program");
  EXPECT_EQ(Read("nyx.iv3"), "old");
  // Wine's ReplaceFileW leaves a file of its own (rXXXX.tmp) beside the target when it fails;
  // Windows does not, and ours never stays.
  if (!test_support::UnderWine()) {
    EXPECT_EQ(Names(), std::vector<std::string>{"nyx.iv3"});
  }
  for (const std::string& name : Names()) EXPECT_FALSE(name.starts_with(".~ivgen")) << name;
}

// Windows refused paths past 260 characters to programs that do not ask for the long form.
TEST_F(TextFileTest, ReplaceFileSavesPathsPastTheOldWindowsLimit) {
  const std::string folder = Path(std::string(120, 'd') + "/" + std::string(120, 'e'));
  const std::string path = folder + "/" + std::string(40, 'n') + ".iv3";
  ASSERT_GT(path.size(), 260u);
  std::error_code error;
  fs::create_directories(NativePath(folder), error);
  ASSERT_FALSE(error) << error.message();
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  const IoResult result = ReplaceFile(path, kBytes);
  EXPECT_TRUE(result.ok) << result.reason;
  EXPECT_EQ(ReadWholeFile(path).value_or("<none>"), kBytes);
  // Under a shorter name, as only the program's own calls take the long form on Windows.
  fs::rename(NativePath(Path(std::string(120, 'd'))), folder_ / "d", error);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "d" / std::string(120, 'e')), fs::directory_iterator()), 1);
}

// A character or books.dat shared through a link stays shared, and a link planted where the
// temporary file once had its predictable name leads nowhere.
TEST_F(TextFileTest, ReplaceFileWritesThroughLinksAndNeverThroughPlantedOnes) {
#ifdef _WIN32
  GTEST_SKIP() << "a link on Windows needs a privilege a player rarely has; links are kept as on POSIX, untested";
#else
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
#endif
}

#ifndef _WIN32
// A second person on the machine: true when `act` succeeded run as that user in a child process.
constexpr uid_t kFriend = 65534;
bool AsFriend(const std::function<bool()>& act) {
  const pid_t child = ::fork();
  if (child == 0) {
    const bool done =
        ::setresgid(kFriend, kFriend, kFriend) == 0 && ::setresuid(kFriend, kFriend, kFriend) == 0 && act();
    ::_exit(done ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

// In a sticky folder anyone may write to, only the saver's and the folder owner's links are
// followed: anyone else's could lead a save onto the saver's own files.
TEST(MayFollowLink, FollowsOthersLinksOnlyOutsideSharedFolders) {
  constexpr std::uint32_t kMe = 1000;
  constexpr std::uint32_t kFolderOwner = 0;
  constexpr std::uint32_t kOther = 1001;
  const struct {
    std::uint32_t linkOwner;
    std::uint32_t folder;
    bool followed;
  } cases[] = {
      {kOther, 01777, false}, {kMe, 01777, true},    {kFolderOwner, 01777, true},
      {kOther, 0777, true},   {kOther, 01775, true}, {kOther, 01755, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MayFollowLink(kMe, c.linkOwner, kFolderOwner, 040000 | c.folder), c.followed)
        << c.linkOwner << " " << std::oct << c.folder;
  }
}

// The same for real: another user plants links in a shared folder, one to the saver's notes and
// one to a file that does not exist yet.
TEST_F(TextFileTest, ReplaceFileRefusesAnotherUsersLinkInASharedFolder) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no sticky folders";
#else
  if (::geteuid() != 0) GTEST_SKIP() << "a second user needs root";
  fs::create_directory(folder_ / "table");
  fs::permissions(folder_ / "table", fs::perms(01777));
  ASSERT_TRUE(ReplaceFile(Path("notes.txt"), "my notes").ok);
  ASSERT_TRUE(AsFriend([&] {
    return ::symlink(Path("notes.txt").c_str(), Path("table/nyx.iv3").c_str()) == 0 &&
           ::symlink(Path("ghost.txt").c_str(), Path("table/ghost.iv3").c_str()) == 0;
  }));
  fs::create_symlink(Path("notes.txt"), Path("table/mine.iv3"));
  const struct {
    const char* link;
    int folder;
    const char* notes;  // afterwards; the link's name when written through
    bool refused;
  } cases[] = {
      {"nyx.iv3", 01777, "my notes", true},
      {"ghost.iv3", 01777, "my notes", true},
      {"mine.iv3", 01777, "mine.iv3", false},
      {"nyx.iv3", 0777, "nyx.iv3", false},
  };
  for (const auto& c : cases) {
    fs::permissions(folder_ / "table", fs::perms(c.folder));
    const std::string link = Path(std::string("table/") + c.link);
    const IoResult result = ReplaceFile(link, c.link);
    EXPECT_EQ(
        result.ok ? "written" : result.Describe("write").Text(),
        c.refused ? "Could not write " + link + ": another user's link in a shared folder is not followed" : "written");
    EXPECT_EQ(Read("notes.txt"), c.notes) << c.link;
  }
  EXPECT_FALSE(fs::exists(Path("ghost.txt")));
#endif
}

// A file shared with a friend through an ACL, or marked by another program, stays so. ACL bytes:
// version 2, then tag, permissions and id of each entry: the owner, the friend, the group, the
// mask and the others.
#ifdef _WIN32
// Everyone, the one account every Windows has under the same id.
struct WorldSid {
  WorldSid() {
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid);
  }
  ~WorldSid() { FreeSid(sid); }
  PSID sid = nullptr;
};

// Gives everyone read access through an explicit entry of the file's ACL; whether it could.
bool ShareWithEveryone(const fs::path& path) {
  PACL old = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &old, nullptr,
                            &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const WorldSid everyone;
  EXPLICIT_ACCESSW access{};
  access.grfAccessPermissions = GENERIC_READ;
  access.grfAccessMode = GRANT_ACCESS;
  access.grfInheritance = NO_INHERITANCE;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPWSTR>(everyone.sid);
  PACL updated = nullptr;
  bool done = SetEntriesInAclW(1, &access, old, &updated) == ERROR_SUCCESS &&
              SetNamedSecurityInfoW(const_cast<wchar_t*>(path.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                    nullptr, nullptr, updated, nullptr) == ERROR_SUCCESS;
  LocalFree(updated);
  LocalFree(descriptor);
  return done;
}

// Whether the file's ACL holds an entry of its own (not inherited) that lets everyone in.
bool SharedWithEveryone(const fs::path& path) {
  PACL acl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl, nullptr,
                            &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const WorldSid everyone;
  bool found = false;
  for (DWORD i = 0; acl != nullptr && i < acl->AceCount && !found; ++i) {
    void* entry = nullptr;
    if (GetAce(acl, i, &entry) == 0) continue;
    const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
    found = allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && (allowed->Header.AceFlags & INHERITED_ACE) == 0 &&
            EqualSid(const_cast<DWORD*>(&allowed->SidStart), everyone.sid) != 0;
  }
  LocalFree(descriptor);
  return found;
}
#endif

TEST_F(TextFileTest, ReplaceFileKeepsExtendedAttributesAndACLs) {
#ifdef _WIN32
  // A character shared with the table through its ACL stays shared.
  const std::string path = Path("nyx.iv3");
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  if (!ShareWithEveryone(NativePath(path)) || !SharedWithEveryone(NativePath(path))) {
    GTEST_SKIP() << "this file system keeps no ACLs";
  }
  ASSERT_TRUE(ReplaceFile(path, kBytes).ok);
  EXPECT_EQ(Read("nyx.iv3"), kBytes);
  if (test_support::UnderWine() && !SharedWithEveryone(NativePath(path))) {
    GTEST_SKIP() << "Wine's ReplaceFileW does not carry the old file's ACL over, as Windows does";
  }
  EXPECT_TRUE(SharedWithEveryone(NativePath(path)));
#else
  std::string acl("\x02\0\0\0", 4);
  for (const auto& [tag, perm, id] : {std::tuple<uint16_t, uint16_t, uint32_t>{0x01, 6, ~0u},
                                      {0x02, 6, kFriend},
                                      {0x04, 4, ~0u},
                                      {0x10, 6, ~0u},
                                      {0x20, 4, ~0u}}) {
    char entry[8];
    std::memcpy(entry, &tag, 2);
    std::memcpy(entry + 2, &perm, 2);
    std::memcpy(entry + 4, &id, 4);
    acl.append(entry, sizeof entry);
  }
  const std::pair<const char*, std::string> attributes[] = {{"user.ivgen.table", "Friday game"},
                                                            {"system.posix_acl_access", acl}};
  const std::string path = Path("nyx.iv3");
  ASSERT_TRUE(ReplaceFile(path, "old").ok);
  std::vector<std::pair<const char*, std::string> > kept;
  for (const auto& [name, value] : attributes) {
    if (::setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0) {
      kept.emplace_back(name, value);
    } else {
      ASSERT_TRUE(errno == ENOTSUP || errno == EOPNOTSUPP) << name << ": " << std::strerror(errno);
    }
  }
  if (kept.empty()) GTEST_SKIP() << "the file system keeps no extended attributes";
  const fs::perms mode = fs::status(path).permissions();

  ASSERT_TRUE(ReplaceFile(path, kBytes).ok);
  EXPECT_EQ(Read("nyx.iv3"), kBytes);
  EXPECT_EQ(fs::status(path).permissions(), mode);
  for (const auto& [name, value] : kept) {
    std::string now(value.size() + 16, '\0');
    const ssize_t got = ::getxattr(path.c_str(), name, now.data(), now.size());
    EXPECT_EQ(now.substr(0, got < 0 ? 0 : static_cast<size_t>(got)), value) << name;
  }
  if (::geteuid() == 0 && kept.size() == 2) {
    EXPECT_TRUE(AsFriend([&] { return ::access(path.c_str(), W_OK) == 0; })) << "the friend may still write";
  }
#endif
}

// A save killed while writing left a full-size temporary file; a later save in that folder
// removes the person's own that are more than an hour old, and nothing else.
TEST_F(TextFileTest, ReplaceFileRemovesStaleTemporaryFiles) {
  const struct {
    const char* name;
    int minutes;  // since it was last written
    char kind;    // 'f' a file of the person's, 'o' another user's, 'd' a folder
    bool removed;
  } cases[] = {
      {".~ivgenAb12Cd", 61, 'f', true},   {".~ivgenZz99yy", 50, 'f', false},  {".~ivgenAb12C", 120, 'f', false},
      {".~ivgen-b12Cd", 120, 'f', false}, {"x~ivgenAb12Cd", 120, 'f', false}, {".~ivgenFolder", 120, 'd', false},
      {".~ivgenOthers", 120, 'o', false},
  };
  std::vector<std::string> expected = {"nyx.iv3"};
  for (const auto& c : cases) {
    // Another user's file needs root to make; Windows leaves whose it is to the folder's ACL.
    if (c.kind == 'o' && (!test_support::RunAsRoot() || kWindows)) continue;
    if (c.kind == 'd') {
      fs::create_directory(Path(c.name));
    } else {
      ASSERT_TRUE(ReplaceFile(Path(c.name), "half a character").ok);
    }
#ifndef _WIN32
    if (c.kind == 'o') {
      ASSERT_EQ(::chown(Path(c.name).c_str(), kFriend, kFriend), 0);
    }
#endif
    // Windows sets no time on a folder through the C library; a folder is never removed anyway.
    if (c.kind != 'd' || !kWindows) {
      fs::last_write_time(Path(c.name), fs::file_time_type::clock::now() - std::chrono::minutes(c.minutes));
    }
    if (!c.removed) expected.emplace_back(c.name);
  }
  std::sort(expected.begin(), expected.end());

  ASSERT_TRUE(ReplaceFile(Path("nyx.iv3"), kBytes).ok);
  EXPECT_EQ(Names(), expected);
}

TEST_F(TextFileTest, ReadWholeFileRefusesWhatIsNoFileOfOurs) {
  fs::create_directory(folder_ / "folder");
  ASSERT_TRUE(ReplaceFile(Path("huge.dat"), "").ok);
  fs::resize_file(Path("huge.dat"), kMaxFileSize + 1);  // sparse: nothing is really written
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {test_support::kEndlessDevice, "not a regular file"},
      {Path("folder"), "Is a directory"},
      {Path("huge.dat"), "the file is larger than 64 MB"},
      {Path("missing.dat"), "No such file or directory"},
  };
  for (const auto& c : cases) {
    IoResult problem;
    EXPECT_FALSE(ReadWholeFile(c.path, &problem).has_value()) << c.path;
    EXPECT_EQ(problem.Describe("read").Text(), "Could not read " + c.path + ": " + c.reason);
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

namespace ivgen {
namespace {

// Copies of a character share their lists until one changes them; a change never reaches the other.
TEST(SharedList, ACopyChangesOnlyItself) {
  CharacterRecord record;
  record.Skills = {"Pistols (QCK)\t[3]", "Clubs (STR)\t[2]"};
  const CharacterRecord copy = record;
  EXPECT_TRUE(copy.Skills.Shares(record.Skills));
  record.Skills[1] = "Clubs (STR)\t[4]";
  record.Gear.erase(record.Gear.begin());
  record.Edges.insert(record.Edges.begin(), "Lucky\t[1]");
  EXPECT_EQ(copy.Skills.Read(), (std::vector<std::string>{"Pistols (QCK)\t[3]", "Clubs (STR)\t[2]"}));
  EXPECT_EQ(copy.Gear.size(), 1u);
  EXPECT_TRUE(copy.Edges.empty());
  EXPECT_FALSE(copy.Skills.Shares(record.Skills));
  EXPECT_TRUE(copy.Contacts.Shares(record.Contacts));
  EXPECT_FALSE(copy == record);
  record.Skills[1] = "Clubs (STR)\t[2]";
  record.Gear = copy.Gear;
  record.Edges.clear();
  EXPECT_TRUE(copy == record);
}

// System Info names the distribution from its os-release file, as the file's rules read it.
TEST(DistributionName, ReadsTheOsReleaseFile) {
  const struct {
    const char* text;
    const char* name;
  } cases[] = {
      {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n",
       "Debian GNU/Linux 12 (bookworm)"},
      {"NAME='Arch Linux'\r\nVERSION=rolling\r\n", "Arch Linux rolling"},
      {"# a comment\nPRETTY_NAME=\"Say \\\"hi\\\" OS\"\n", "Say \"hi\" OS"},
      {"NAME=Plain\n", "Plain"},
      {"ID=debian\n", ""},
      {"", ""},
  };
  for (const auto& each : cases) EXPECT_EQ(DistributionName(each.text), each.name) << each.text;
}

}  // namespace
}  // namespace ivgen
