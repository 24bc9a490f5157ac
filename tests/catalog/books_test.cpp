#include "catalog/books.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include "catalog/line_syntax.h"
#include "catalog_fixture.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;

TEST(LoadBooks, SortsBooksByTheirMark) {
  CatalogFolder folder;
  folder.Write("books.dat", {"! sourcebooks", "*Core;IV3", "Companion;XX", "no semicolon here", "*Grimoire;GR;2"});
  const auto books = LoadBooks(folder.Path());
  ASSERT_TRUE(books.has_value());
  EXPECT_EQ(books->allowed, (std::vector<std::string>{"Core\tIV3", "Grimoire\tGR;2"}));
  EXPECT_EQ(books->notAllowed, std::vector<std::string>{"Companion\tXX"});
  EXPECT_EQ(AllowedBooks(*books), "[IV3][GR;2]");
  EXPECT_FALSE(LoadBooks(folder.Path() + "missing/").has_value());
}

TEST(BookAllowed, IgnoresCaseWhileTheLoaderFilterDoesNot) {
  BookLists books;
  books.allowed = {"Core\tIV3"};
  books.notAllowed = {"Companion\tXX"};
  EXPECT_TRUE(BookAllowed(books, "iv3"));
  EXPECT_TRUE(BookAllowed(books, "IV3"));
  EXPECT_FALSE(BookAllowed(books, "XX"));
  EXPECT_FALSE(BookAllowed(books, "IV"));
  EXPECT_FALSE(InAllowedBooks(AllowedBooks(books), "iv3", nullptr));
}

TEST(BookLists, MoveButtonsAreDisabledAfterAMoveUntilAnEntryIsClicked) {
  BookLists books;
  books.allowed = {"Core\tIV3", "Grimoire\tGR"};
  books.notAllowed = {"Companion\tXX"};
  EXPECT_FALSE(MoveToNotAllowed(books)) << "nothing selected: nothing moves";
  EXPECT_FALSE(books.moveToNotAllowedEnabled);

  SelectAllowedBook(books, 0);
  EXPECT_TRUE(books.moveToNotAllowedEnabled);
  EXPECT_FALSE(books.moveToAllowedEnabled);
  ASSERT_TRUE(MoveToNotAllowed(books));
  EXPECT_EQ(books.allowed, std::vector<std::string>{"Grimoire\tGR"});
  EXPECT_EQ(books.notAllowed, (std::vector<std::string>{"Companion\tXX", "Core\tIV3"}));
  EXPECT_FALSE(books.moveToNotAllowedEnabled);
  EXPECT_FALSE(BookAllowed(books, "IV3")) << "the answer changes at once";
  EXPECT_FALSE(MoveToNotAllowed(books)) << "a second press moves nothing";
  EXPECT_EQ(books.allowed.size(), 1u);

  SelectNotAllowedBook(books, 5);  // outside the list
  EXPECT_FALSE(books.moveToAllowedEnabled);
  SelectNotAllowedBook(books, 1);
  ASSERT_TRUE(MoveToAllowed(books));
  EXPECT_EQ(books.allowed, (std::vector<std::string>{"Grimoire\tGR", "Core\tIV3"}));
  EXPECT_FALSE(books.moveToAllowedEnabled);
}

TEST(SaveBooks, RewritesTheMarksAndKeepsCommentsInPlace) {
  CatalogFolder folder;
  folder.WriteBytes("books.dat", "! campaign books\n*Core;IV3\nCompanion;XX\n! more\nbroken line\n*Grimoire;GR\n");
  auto books = *LoadBooks(folder.Path());
  SelectAllowedBook(books, 1);
  ASSERT_TRUE(MoveToNotAllowed(books));  // Grimoire
  SelectNotAllowedBook(books, 0);
  ASSERT_TRUE(MoveToAllowed(books));  // Companion
  const IoResult result = SaveBooks(folder.Path(), books);
  ASSERT_TRUE(result.ok) << result.Describe("write");
  EXPECT_EQ(folder.Read("books.dat"),
            "! campaign books\r\n*Core;IV3\r\n*Companion;XX\r\n! more\r\nbroken line\r\nGrimoire;GR\r\n");
  EXPECT_FALSE(folder.Exists("booksdat.dat"));
  const auto reloaded = *LoadBooks(folder.Path());
  EXPECT_EQ(reloaded.allowed, (std::vector<std::string>{"Core\tIV3", "Companion\tXX"}));
}

TEST(SaveBooks, MarksEveryTitleFoundWithinAnAllowedEntryAndNoneWhenNothingIsAllowed) {
  CatalogFolder folder;
  folder.Write("books.dat", {"Core;IV3", "*Core Rules;CR", "Rules;RU", "Magic;MG"});
  auto books = *LoadBooks(folder.Path());
  ASSERT_TRUE(SaveBooks(folder.Path(), books).ok);
  EXPECT_EQ(folder.Read("books.dat"), "*Core;IV3\r\n*Core Rules;CR\r\n*Rules;RU\r\nMagic;MG\r\n");

  books.allowed.clear();
  ASSERT_TRUE(SaveBooks(folder.Path(), books).ok);
  EXPECT_EQ(folder.Read("books.dat"), "Core;IV3\r\nCore Rules;CR\r\nRules;RU\r\nMagic;MG\r\n");
}

// A title starting with "!" came back as a comment, the book gone; one starting with "*" came
// back allowed.
TEST(SaveBooks, TitlesThatLookLikeMarksStayTheBooksTheyWere) {
  CatalogFolder folder;
  folder.Write("books.dat", {"*!Hidden Lore;HL", "**Star Atlas;SA", "*Core;IV3"});
  auto books = *LoadBooks(folder.Path());
  for (int i = 0; i < 2; ++i) {
    SelectAllowedBook(books, 0);
    ASSERT_TRUE(MoveToNotAllowed(books));
  }
  ASSERT_TRUE(SaveBooks(folder.Path(), books).ok);
  EXPECT_EQ(folder.Read("books.dat"), " !Hidden Lore;HL\r\n *Star Atlas;SA\r\n*Core;IV3\r\n");

  books = *LoadBooks(folder.Path());
  EXPECT_EQ(books.notAllowed, (std::vector<std::string>{"!Hidden Lore\tHL", "*Star Atlas\tSA"}));
  for (int i = 0; i < 2; ++i) {
    SelectNotAllowedBook(books, 0);
    ASSERT_TRUE(MoveToAllowed(books));
  }
  ASSERT_TRUE(SaveBooks(folder.Path(), books).ok);
  EXPECT_EQ(folder.Read("books.dat"), "*!Hidden Lore;HL\r\n**Star Atlas;SA\r\n*Core;IV3\r\n");
}

// The old way deleted books.dat before renaming the new file, so a failed write lost it and the
// next start-up ended.
TEST(SaveBooks, AFailedWriteLeavesBooksDatAsItWasAndNamesThePath) {
  CatalogFolder folder;
  const std::string original = "*Core;IV3\r\nCompanion;XX\r\n" + std::string(200, '!') + "\r\n";
  folder.WriteBytes("books.dat", original);
  auto books = *LoadBooks(folder.Path());
  books.allowed.clear();

  // A file-size limit makes the write fail even for a user whom permissions do not stop.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const IoResult result = SaveBooks(folder.Path(), books);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.path, folder.Path() + "books.dat");
  EXPECT_EQ(folder.Read("books.dat"), original);
  EXPECT_FALSE(folder.Exists("booksdat.dat"));

  folder.Remove("books.dat");
  const IoResult missing = SaveBooks(folder.Path(), books);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.path, folder.Path() + "books.dat");
}

}  // namespace
}  // namespace ivgen
