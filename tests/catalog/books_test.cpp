#include "catalog/books.h"

#include <gtest/gtest.h>

#include "catalog/line_syntax.h"
#include "catalog_fixture.h"
#include "support/file_size_limit.h"

namespace ivgen {
namespace {

using testing::CatalogFolder;

TEST(LoadBooks, SortsBooksByTheirMarkAndBookAllowedIgnoresCase) {
  CatalogFolder folder;
  folder.Write("books.dat", {"! sourcebooks", "*Core;IV3", "Companion;XX", "no semicolon here", "*Grimoire;GR;2"});
  auto books = LoadBooks(folder.Path());
  ASSERT_TRUE(books.has_value());
  EXPECT_EQ(books->allowed, (std::vector<std::string>{"Core\tIV3", "Grimoire\tGR;2"}));
  EXPECT_EQ(books->notAllowed, std::vector<std::string>{"Companion\tXX"});
  EXPECT_EQ(AllowedBooks(*books), "[IV3][GR;2]");
  EXPECT_FALSE(LoadBooks(folder.Path() + "missing/").has_value());
  // The page's answer ignores case; the loaders' filter does not.
  for (const auto& [code, allowed] : {std::pair{"iv3", true}, {"IV3", true}, {"XX", false}, {"IV", false}}) {
    EXPECT_EQ(BookAllowed(*books, code), allowed) << code;
  }
  EXPECT_FALSE(InAllowedBooks(AllowedBooks(*books), "iv3", nullptr));
  SelectNotAllowedBook(*books, 5);  // outside the list
  EXPECT_FALSE(books->moveToAllowedEnabled || MoveToAllowed(*books));
}

// Comments and broken lines keep their place; every title found within an allowed entry is
// marked; a title that starts like a mark ("!" once made a comment of it, "*" an allowed book)
// stays the book it was.
TEST(SaveBooks, RewritesOnlyTheMarks) {
  CatalogFolder folder;
  const struct {
    const char* before;
    std::vector<std::string> allowed;
    const char* after;
  } cases[] = {
      {"! campaign books\n*Core;IV3\nCompanion;XX\n! more\nbroken line\n*Grimoire;GR\n",
       {"Core\tIV3", "Companion\tXX"},
       "! campaign books\r\n*Core;IV3\r\n*Companion;XX\r\n! more\r\nbroken line\r\nGrimoire;GR\r\n"},
      {"Core;IV3\r\n*Core Rules;CR\r\nRules;RU\r\nMagic;MG\r\n",
       {"Core Rules\tCR"},
       "*Core;IV3\r\n*Core Rules;CR\r\n*Rules;RU\r\nMagic;MG\r\n"},
      {"Core;IV3\r\n*Core Rules;CR\r\nRules;RU\r\n", {}, "Core;IV3\r\nCore Rules;CR\r\nRules;RU\r\n"},
      {"*!Hidden Lore;HL\r\n**Star Atlas;SA\r\n*Core;IV3\r\n",
       {"Core\tIV3"},
       " !Hidden Lore;HL\r\n *Star Atlas;SA\r\n*Core;IV3\r\n"},
      {" !Hidden Lore;HL\r\n *Star Atlas;SA\r\n*Core;IV3\r\n",
       {"!Hidden Lore\tHL", "*Star Atlas\tSA", "Core\tIV3"},
       "*!Hidden Lore;HL\r\n**Star Atlas;SA\r\n*Core;IV3\r\n"},
  };
  for (const auto& c : cases) {
    folder.WriteBytes("books.dat", c.before);
    auto books = *LoadBooks(folder.Path());
    books.allowed = c.allowed;
    const IoResult result = SaveBooks(folder.Path(), books);
    ASSERT_TRUE(result.ok) << result.Describe("write");
    EXPECT_EQ(folder.Read("books.dat"), c.after);
    EXPECT_EQ(folder.Read("booksdat.dat"), "<none>");
  }
  EXPECT_EQ(LoadBooks(folder.Path())->allowed,
            (std::vector<std::string>{"!Hidden Lore\tHL", "*Star Atlas\tSA", "Core\tIV3"}));
}

// The old way deleted books.dat before renaming the new file, so a failed write lost it and the
// next start-up ended.
TEST(SaveBooks, AFailedWriteLeavesBooksDatAsItWasAndNamesThePath) {
  CatalogFolder folder;
  const std::string original = "*Core;IV3\r\nCompanion;XX\r\n" + std::string(200, '!') + "\r\n";
  folder.WriteBytes("books.dat", original);
  auto books = *LoadBooks(folder.Path());
  books.allowed.clear();
  IoResult result;
  test_support::WithFileSizeLimit(16, [&] { return (result = SaveBooks(folder.Path(), books)).ok; });
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.path, folder.Path() + "books.dat");
  EXPECT_EQ(folder.Read("books.dat"), original);
  EXPECT_EQ(folder.Read("booksdat.dat"), "<none>");

  folder.Remove("books.dat");
  const IoResult missing = SaveBooks(folder.Path(), books);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.path, folder.Path() + "books.dat");
}

}  // namespace
}  // namespace ivgen
