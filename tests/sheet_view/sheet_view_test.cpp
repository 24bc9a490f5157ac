// The sheet as a reader of the PDF finds it: every cell's text, in reading order, on the pages a
// printer gets; the character's picture itself; and sheets made to hurt (scripts, remote files,
// pipes, endless rows, words and nesting) laid out quickly, or refused, never hanging.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "record/cp1252.h"
#include "sheet_view/sheet_document.h"
#include "support/program_test.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;
using test_support::ProgramTest;

std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

QString Words(const QString& text) { return text.simplified(); }

// The text of every cell that holds no table, as a reader reads it, in the sheet's order.
std::vector<QString> CellTexts(const std::string& html) {
  std::vector<QString> cells;
  const QString sheet = QString::fromUtf8(Cp1252ToUtf8(html));
  static const QRegularExpression cell("<t[dh][^>]*>(.*?)</t[dh]>", QRegularExpression::DotMatchesEverythingOption |
                                                                        QRegularExpression::CaseInsensitiveOption);
  for (auto match = cell.globalMatch(sheet); match.hasNext();) {
    QString text = match.next().captured(1);
    if (text.contains("<table", Qt::CaseInsensitive) || text.contains("<td", Qt::CaseInsensitive)) continue;
    text.remove(QRegularExpression("<[^>]*>"));
    text.replace("&nbsp;", " ").replace("&nbsp", " ").replace("&yen;", QString::fromUtf8("\u00a5"));
    text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">");
    text = Words(text);
    if (!text.isEmpty()) cells.push_back(text);
  }
  return cells;
}

class SheetViewTest : public ProgramTest {
 protected:
  std::string Pdf(const std::string& html, const std::string& name, const PictureFolders& folders) {
    QString error;
    const QByteArray pdf = SheetPdf(html, folders, SheetPageLayout(), error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary).write(pdf.constData(), pdf.size());
    return path;
  }
  static int PageCount(const std::string& pdf) {
    const std::string info = Output("pdfinfo '" + pdf + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
  }
  PictureFolders Folders() const { return {QString::fromStdString(Folder()), QString::fromStdString(Folder())}; }
};

// Each sample's sheet fits one page; every cell of it is in the PDF's text in the sheet's order,
// and its picture is the real image, at its own pixel size.
TEST_F(SheetViewTest, SamplesPrintOnOnePageWithEveryCellInReadingOrder) {
  fs::copy_file(fs::path(IVGEN_BUNDLED_DATA) / "iv.gif", Path("iv.gif"));
  Start();
  for (const char* name : {"razorback", "greymane", "lanternjack"}) {
    SCOPED_TRACE(name);
    editor_->OpenNamed(std::string(IVGEN_BUNDLED_DATA) + "/samples/" + name + ".iv3");
    const std::string html = editor_->Sheet().Preview();
    const std::string pdf = Pdf(html, std::string(name) + ".pdf", Folders());
    EXPECT_EQ(PageCount(pdf), 1);
    // A reader's search finds "fl" in the ligature the font draws for it.
    const QString text = Words(QString::fromStdString(Output("pdftotext -raw '" + pdf + "' -")))
                             .normalized(QString::NormalizationForm_KC);
    const std::vector<QString> cells = CellTexts(html);
    ASSERT_GT(cells.size(), 150u);
    qsizetype from = 0;
    for (const QString& cell : cells) {
      const qsizetype at = text.indexOf(cell, from, Qt::CaseInsensitive);
      ASSERT_NE(at, -1) << "\"" << cell.toStdString() << "\" not found after: " << text.mid(from, 200).toStdString();
      from = at + cell.size();
    }
    const std::string images = Output("pdfimages -list '" + pdf + "'");
    EXPECT_NE(images.find(" 96   120 "), std::string::npos) << images;
  }
}

// A long sheet is cut between rows, each page a full page; the table's heading starts every page
// it goes on to, and its columns line up all the way; a word wider than its column is broken, not
// cut off.
TEST_F(SheetViewTest, LongSheetsBreakBetweenRowsAndRepeatTheirHeading) {
  std::string rows;
  for (int i = 0; i < 10000; ++i) rows += "<tr><td>Item " + std::to_string(i) + "</td><td>1.5</td></tr>\n";
  const std::string html =
      "<html><body><table border=1 width=\"100%\"><tr><th colspan=2>Gear</th></tr>" + rows + "</table></body></html>";
  const auto started = std::chrono::steady_clock::now();
  const std::string pdf = Pdf(html, "rows.pdf", Folders());
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  const int pages = PageCount(pdf);
  EXPECT_GT(pages, 100);
  for (const int page : {2, pages}) {
    const QString text = Words(QString::fromStdString(
        Output("pdftotext -raw -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -")));
    EXPECT_TRUE(text.startsWith("Gear Item ")) << page << ": " << text.left(80).toStdString();
  }
  // No row is lost or cut in two between pages.
  const QString all = Words(QString::fromStdString(Output("pdftotext -raw '" + pdf + "' -")));
  EXPECT_EQ(all.count(QRegularExpression("Item \\d+ 1\\.5")), 10000);
  EXPECT_TRUE(all.contains("Item 9999 1.5"));
  // Laid out in pieces, so its cost grows with its rows and not their square, the table's columns
  // still line up from its first row to its last.
  const QString boxes = QString::fromStdString(Output("pdftotext -bbox '" + pdf + "' -"));
  QSet<QString> lefts;
  static const QRegularExpression weight("xMin=\"([0-9.]+)\"[^>]*>1\\.5<");
  for (auto match = weight.globalMatch(boxes); match.hasNext();) lefts.insert(match.next().captured(1));
  EXPECT_EQ(lefts.size(), 1) << QStringList(lefts.begin(), lefts.end()).join(" ").toStdString();

  const std::string word(3000, 'W');
  const auto sheet = SheetDocument::Lay(
      "<table border=1 width=\"100%\"><tr><td width=\"25%\">" + word + "</td><td>right</td></tr></table>", Folders(),
      700);
  EXPECT_EQ(sheet->Width(), 700);
  EXPECT_EQ(sheet->Text().count('W'), 3000);
  EXPECT_TRUE(sheet->Text().endsWith("right"));
}

// Sheets that a character file cannot make, but a hostile one might try to: nothing is fetched,
// run or waited for, and nesting beyond any sheet's is refused with the reason.
TEST_F(SheetViewTest, HostileSheetsAreLaidOutQuicklyOrRefused) {
  ASSERT_EQ(mkfifo(Path("pipe.gif").c_str(), 0600), 0);
  std::string deepTables;
  for (int i = 0; i < 12; ++i) deepTables += "<table><tr><td>";
  std::string deepDivs;
  for (int i = 0; i < 20000; ++i) deepDivs += "<div>";
  const struct {
    const char* name;
    std::string html;
    const char* error;
    const char* text;
  } cases[] = {
      {"script and remote style",
       "<html><head><link rel=stylesheet href=\"http://192.0.2.1/s.css\"><script>for(;;){}</script>"
       "<style>@import url(http://192.0.2.1/i.css);</style></head><body><p>shown</p></body></html>",
       "", "shown"},
      {"remote, device, pipe and system pictures",
       "<img src=\"http://192.0.2.1/a.png\"><img src=\"/dev/zero\"><img src=\"pipe.gif\">"
       "<img src=\"file:///etc/passwd\"><img src=\"/etc/passwd\"><p>after</p>",
       "", "after"},
      {"tables nested twelve deep", deepTables + "deep", "its tables are nested more than 8 deep", ""},
      {"twenty thousand divisions", deepDivs + "deep", "its elements are nested more than 200 deep", ""},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.name);
    const auto started = std::chrono::steady_clock::now();
    const auto sheet = SheetDocument::Lay(each.html, Folders(), 700);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(sheet->Error().toStdString(), each.error);
    EXPECT_EQ(sheet->Text().toStdString(), each.text);
  }
  QString error;
  EXPECT_TRUE(SheetPdf(deepTables, Folders(), SheetPageLayout(), error).isEmpty());
  EXPECT_EQ(error, "its tables are nested more than 8 deep");
}

// The picture is read only from a regular file holding a GIF, JPEG or PNG of at most 10 MB; a
// relative name is looked for beside the character, then beside the program.
TEST_F(SheetViewTest, PicturesComeOnlyFromRegularImageFiles) {
  const fs::path character = Path("character");
  const fs::path program = Path("program");
  fs::create_directories(character);
  fs::create_directories(program);
  const auto picture = [](const fs::path& path, int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), format));
  };
  picture(character / "own.png", 30, 40, "PNG");
  picture(program / "own.png", 50, 60, "PNG");
  picture(program / "iv.gif", 96, 120, "PNG");  // named .gif, but a PNG: the content decides
  picture(program / "photo.jpg", 20, 10, "JPG");
  std::ofstream(program / "text.gif") << "GIF89a, but nothing more";
  std::ofstream(program / "big.png", std::ios::binary) << std::string(kMostPictureBytes + 1, 'x');
  fs::create_symlink("/dev/zero", program / "zero.gif");
  ASSERT_EQ(mkfifo((program / "pipe.gif").c_str(), 0600), 0);
  const PictureFolders folders{QString::fromStdString(character.string()), QString::fromStdString(program.string())};
  const struct {
    const char* src;
    QSize size;
  } cases[] = {
      {"own.png", {30, 40}}, {".\\iv.gif", {96, 120}}, {" photo.jpg ", {20, 10}},
      {"text.gif", {}},      {"big.png", {}},          {"zero.gif", {}},
      {"pipe.gif", {}},      {"missing.gif", {}},      {"http://192.0.2.1/own.png", {}},
      {"file:own.png", {}},  {"/dev/zero", {}},        {"", {}},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.src);
    const QImage image = LoadSheetPicture(each.src, folders);
    EXPECT_EQ(image.isNull() ? QSize() : image.size(), each.size);
  }
  EXPECT_EQ(LoadSheetPicture(QString::fromStdString((program / "own.png").string()), folders).size(), QSize(50, 60));
}

}  // namespace
}  // namespace ivgen

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));  // A4 pages
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
