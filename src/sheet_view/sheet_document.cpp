#include "sheet_view/sheet_document.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

#include "record/cp1252.h"
#include "sheet_view/sheet_container.h"

// The resource's initialiser lives outside any namespace.
static void InitSheetViewResources() { Q_INIT_RESOURCE(sheet_view); }

namespace ivgen {

namespace {

// A sheet that overflows its page by less than this share is shrunk onto the one page.
constexpr double kShrinkToFitShare = 0.10;
// Repeated table headings may take at most this share of a page, so every page moves on.
constexpr double kMostHeadingShare = 0.25;

const litehtml::context& MasterContext() {
  static const litehtml::context* context = [] {
    InitSheetViewResources();
    QFile file(":/ivgen/sheet_master.css");
    file.open(QIODevice::ReadOnly);
    auto* made = new litehtml::context;
    made->load_master_stylesheet(file.readAll().toStdString().c_str());
    return made;
  }();
  return *context;
}

// Walks the sheet's start tags with the elements open around each, reading the ends a browser
// implies (a cell ends the cell before it, a row the row before it), before anything is parsed.
class TagWalk {
 public:
  explicit TagWalk(const std::string& html) : html_(html) {}

  /// Moves to the next start tag; false at the end of the sheet.
  bool Next() {
    static const std::set<std::string> kEmpty = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                                 "input", "link", "meta", "param", "source", "track", "wbr"};
    for (at_ = html_.find('<', from_); at_ != std::string::npos; at_ = html_.find('<', at_ + 1)) {
      const bool closing = at_ + 1 < html_.size() && html_[at_ + 1] == '/';
      std::size_t end = at_ + (closing ? 2 : 1);
      tag_.clear();
      while (end < html_.size() && tag_.size() < 16 && !std::isspace(static_cast<unsigned char>(html_[end])) &&
             html_[end] != '>' && html_[end] != '/') {
        tag_ += static_cast<char>(std::tolower(static_cast<unsigned char>(html_[end++])));
      }
      if (tag_.empty() || tag_.starts_with("!")) continue;
      const std::size_t close = html_.find('>', end);
      end_ = close == std::string::npos ? html_.size() : close + 1;
      if (closing) {
        const auto found = std::find(open_.rbegin(), open_.rend(), tag_);
        if (found == open_.rend()) continue;
        while (open_.back() != tag_) Pop();
        Pop();
        continue;
      }
      if (tag_ == "td" || tag_ == "th") PopTo({"table", "tr"}, {"td", "th"});
      if (tag_ == "tr") PopTo({"table"}, {"td", "th", "tr"});
      if (tag_ == "p" || tag_ == "li") PopTo({"table", "td", "th", "div", "body"}, {tag_});
      from_ = at_ + 1;
      if (!kEmpty.contains(tag_) && !(close != std::string::npos && close > 0 && html_[close - 1] == '/')) {
        open_.push_back(tag_);
        tables_ += tag_ == "table";
      }
      return true;
    }
    from_ = html_.size();
    return false;
  }
  const std::string& Tag() const { return tag_; }
  /// Where the tag's '<' is, and just past its '>'.
  std::size_t At() const { return at_; }
  std::size_t End() const { return end_; }
  /// The elements open at the tag, itself included unless it holds nothing.
  std::size_t Open() const { return open_.size(); }
  /// The tables open at the tag, itself included.
  int Tables() const { return tables_; }

 private:
  void Pop() {
    tables_ -= open_.back() == "table";
    open_.pop_back();
  }
  void PopTo(const std::set<std::string>& stops, const std::set<std::string>& ends) {
    while (!open_.empty() && !stops.contains(open_.back()) && ends.contains(open_.back())) Pop();
  }

  const std::string& html_;
  std::size_t from_ = 0;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  std::string tag_;
  std::vector<std::string> open_;
  int tables_ = 0;
};

struct Depths {
  int tables = 0;
  int elements = 0;
};

// How deep the sheet's tables and elements nest.
Depths DepthsOf(const std::string& html) {
  Depths deepest;
  for (TagWalk walk(html); walk.Next();) {
    deepest.tables = std::max(deepest.tables, walk.Tables());
    deepest.elements = std::max(deepest.elements, static_cast<int>(walk.Open()));
  }
  return deepest;
}

// A table of tens of thousands of rows costs the layout engine the square of its rows: it looks
// back over every row above for each cell it places. Such a table is read as consecutive tables
// of kRowsPerTable rows, each opening with the table's heading rows again, so its columns line up
// with the ones before and a reader of its pages knows them.
constexpr int kRowsPerTable = 500;

std::string SplitLongTables(const std::string& html) {
  struct Table {
    std::string tag;  // its start tag
    int rows = 0;     // rows in the piece being read
    std::size_t firstRow = std::string::npos;
    std::size_t row = std::string::npos;  // where the row being read begins
    std::string heading;                  // its leading rows of heading cells
    bool headed = false;                  // past them
  };
  std::vector<Table> tables;
  std::string out;
  std::size_t copied = 0;
  for (TagWalk walk(html); walk.Next();) {
    const std::string& tag = walk.Tag();
    const int open = walk.Tables() - (tag == "table" ? 1 : 0);
    while (static_cast<int>(tables.size()) > open) tables.pop_back();
    if (tag == "table") {
      tables.emplace_back().tag = html.substr(walk.At(), walk.End() - walk.At());
      continue;
    }
    if (tables.empty() || static_cast<int>(tables.size()) != walk.Tables()) continue;
    Table& table = tables.back();
    if (tag == "td" && !table.headed) {
      table.headed = true;
      if (table.firstRow != std::string::npos && table.row != std::string::npos && table.row > table.firstRow) {
        table.heading = html.substr(table.firstRow, table.row - table.firstRow);
        // Only plain rows are repeated; a heading holding a table of its own is not.
        std::string lower = table.heading;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (lower.find("<table") != std::string::npos) table.heading.clear();
      }
    }
    if (tag != "tr") continue;
    if (table.firstRow == std::string::npos) table.firstRow = walk.At();
    table.row = walk.At();
    if (table.rows == kRowsPerTable) {
      out.append(html, copied, walk.At() - copied);
      out += "</table>" + table.tag + table.heading;
      copied = walk.At();
      table.rows = 0;
    }
    ++table.rows;
  }
  if (copied == 0) return html;
  out.append(html, copied, std::string::npos);
  return out;
}

std::string TagOf(const litehtml::element::ptr& element) {
  const char* tag = element->get_tagName();
  return tag == nullptr ? std::string() : std::string(tag);
}

// Spans of y no page may be cut inside, merged, and the y a page may end at.
class BreakMap {
 public:
  void Keep(int top, int bottom) {
    if (bottom > top) spans_.push_back({top, bottom});
  }
  void Offer(int y) { edges_.push_back(y); }
  void Finish() {
    std::sort(spans_.begin(), spans_.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& span : spans_) {
      if (!merged.empty() && span.first < merged.back().second) {
        merged.back().second = std::max(merged.back().second, span.second);
      } else {
        merged.push_back(span);
      }
    }
    spans_ = std::move(merged);
    std::sort(edges_.begin(), edges_.end());
    edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
  }
  bool Cuts(int y) const {
    auto after = std::upper_bound(spans_.begin(), spans_.end(), std::make_pair(y, INT_MAX));
    if (after == spans_.begin()) return false;
    --after;
    return after->first < y && y < after->second;
  }
  /// The lowest edge in (from, limit] that cuts nothing; 0 when there is none.
  int Best(int from, int limit) const {
    auto at = std::upper_bound(edges_.begin(), edges_.end(), limit);
    while (at != edges_.begin()) {
      --at;
      if (*at <= from) break;
      if (!Cuts(*at)) return *at;
    }
    return 0;
  }

 private:
  std::vector<std::pair<int, int>> spans_;
  std::vector<int> edges_;
};

struct TableBox {
  QRect box;
  QRect heading;  // the leading rows of headings only, empty when it has none
  int depth = 0;
};

// One column of the sheet as pages cut it: the outer table's cells are cut each on its own,
// since their rows do not line up.
struct Column {
  QRect box;
  BreakMap rows;   // cut between rows of tables
  BreakMap lines;  // a row taller than a page is cut between its lines
  std::vector<TableBox> tables;
};

bool IsCell(const std::string& tag) { return tag == "td" || tag == "th"; }

// The rows of a table, through any row groups.
std::vector<litehtml::element::ptr> RowsOf(const litehtml::element::ptr& table) {
  std::vector<litehtml::element::ptr> rows;
  for (std::size_t i = 0; i < table->get_children_count(); ++i) {
    const auto child = table->get_child(static_cast<int>(i));
    const std::string tag = TagOf(child);
    if (tag == "tr") rows.push_back(child);
    if (tag == "tbody" || tag == "thead" || tag == "tfoot") {
      for (const auto& row : RowsOf(child)) rows.push_back(row);
    }
  }
  return rows;
}

std::vector<litehtml::element::ptr> CellsOf(const litehtml::element::ptr& row) {
  std::vector<litehtml::element::ptr> cells;
  for (std::size_t i = 0; i < row->get_children_count(); ++i) {
    const auto child = row->get_child(static_cast<int>(i));
    if (IsCell(TagOf(child))) cells.push_back(child);
  }
  return cells;
}

int SpanOf(const litehtml::element::ptr& cell, const char* name) {
  const char* value = cell->get_attr(name);
  return value == nullptr ? 1 : std::clamp(std::atoi(value), 1, 1000);
}

// A cell spanning columns in which no cell of the table begins gives them up, as browsers do:
// the notes' heading spans four columns over rows of one cell, and those rows take the width.
// Returns whether the table changed.
bool TrimSpans(const litehtml::element::ptr& table) {
  struct Placed {
    litehtml::element::ptr cell;
    int column;
    int span;
  };
  std::vector<Placed> placed;
  std::vector<std::vector<bool>> taken;
  std::vector<bool> anchored;
  const auto rows = RowsOf(table);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (taken.size() <= r) taken.resize(r + 1);
    int column = 0;
    for (const auto& cell : CellsOf(rows[r])) {
      while (column < static_cast<int>(taken[r].size()) && taken[r][column]) ++column;
      const int span = SpanOf(cell, "colspan");
      const int down = std::min<int>(SpanOf(cell, "rowspan"), static_cast<int>(rows.size() - r));
      if (anchored.size() <= static_cast<std::size_t>(column)) anchored.resize(column + 1);
      anchored[column] = true;
      placed.push_back({cell, column, span});
      for (int dr = 0; dr < down; ++dr) {
        if (taken.size() <= r + dr) taken.resize(r + dr + 1);
        auto& line = taken[r + dr];
        if (line.size() < static_cast<std::size_t>(column + span)) line.resize(column + span);
        for (int dc = 0; dc < span; ++dc) line[column + dc] = true;
      }
      column += span;
    }
  }
  bool changed = false;
  for (const Placed& p : placed) {
    if (p.span == 1) continue;
    int kept = 0;
    for (int c = p.column; c < p.column + p.span; ++c) kept += c < static_cast<int>(anchored.size()) && anchored[c];
    if (kept >= 1 && kept < p.span) {
      p.cell->set_attr("colspan", std::to_string(kept).c_str());
      changed = true;
    }
  }
  return changed;
}

void TrimAllSpans(const litehtml::element::ptr& root) {
  std::vector<litehtml::element::ptr> pending{root};
  while (!pending.empty()) {
    const auto element = pending.back();
    pending.pop_back();
    // The table's grid is made when the document is read; made again, it sees the new spans.
    if (TagOf(element) == "table" && TrimSpans(element)) element->init();
    for (std::size_t i = 0; i < element->get_children_count(); ++i)
      pending.push_back(element->get_child(static_cast<int>(i)));
  }
}

}  // namespace

namespace {

// The box with its padding and border: what a page must not cut through.
QRect BoxOf(const litehtml::element::ptr& element) {
  const litehtml::position pos = element->get_placement();
  return QRect(
      pos.x - element->padding_left() - element->border_left(), pos.y - element->padding_top() - element->border_top(),
      pos.width + element->padding_left() + element->padding_right() + element->border_left() + element->border_right(),
      pos.height + element->padding_top() + element->padding_bottom() + element->border_top() +
          element->border_bottom());
}

// A row has no box of its own in the layout: it spans its cells, those that end in it.
QRect RowBox(const litehtml::element::ptr& row) {
  QRect box;
  QRect all;
  for (const auto& cell : CellsOf(row)) {
    all = all.united(BoxOf(cell));
    if (SpanOf(cell, "rowspan") == 1) box = box.united(BoxOf(cell));
  }
  return box.isEmpty() ? all : box;
}

bool HoldsTable(const litehtml::element::ptr& element) {
  for (std::size_t i = 0; i < element->get_children_count(); ++i) {
    const auto child = element->get_child(static_cast<int>(i));
    if (TagOf(child) == "table" || HoldsTable(child)) return true;
  }
  return false;
}

QRect HeadingOf(const litehtml::element::ptr& table) {
  QRect heading;
  for (const auto& row : RowsOf(table)) {
    const auto cells = CellsOf(row);
    if (cells.empty() || !std::all_of(cells.begin(), cells.end(), [](const auto& c) { return TagOf(c) == "th"; })) {
      break;
    }
    heading = heading.united(RowBox(row));
  }
  return heading;
}

// Walks one column's elements without recursion, so a deep sheet cannot exhaust the stack.
void Survey(const litehtml::element::ptr& top, Column& column) {
  std::vector<std::pair<litehtml::element::ptr, int>> pending{{top, 0}};
  while (!pending.empty()) {
    auto [element, depth] = pending.back();
    pending.pop_back();
    const std::string tag = TagOf(element);
    const litehtml::position pos = element->get_placement();
    const int count = static_cast<int>(element->get_children_count());
    if (tag == "table") {
      const QRect table = BoxOf(element);
      column.tables.push_back({table, HeadingOf(element), depth});
      column.rows.Offer(table.top() + table.height());
    } else if (tag == "tr") {
      const QRect row = RowBox(element);
      column.rows.Offer(row.top());
      column.rows.Offer(row.top() + row.height());
    } else if (IsCell(tag) && !HoldsTable(element)) {
      const QRect cell = BoxOf(element);
      column.rows.Keep(cell.top(), cell.top() + cell.height());
    }
    if (count == 0 || tag == "img") {
      column.rows.Keep(pos.top(), pos.bottom());
      column.lines.Keep(pos.top(), pos.bottom());
      column.lines.Offer(pos.bottom());
      continue;
    }
    for (int i = count - 1; i >= 0; --i) pending.push_back({element->get_child(i), depth + (tag == "table")});
  }
  column.rows.Finish();
  column.lines.Finish();
}

// The outer table's cells when the sheet is one table of one row, as the character sheet is.
std::vector<litehtml::element::ptr> OuterCells(const litehtml::element::ptr& root) {
  litehtml::element::ptr body;
  for (std::size_t i = 0; root && i < root->get_children_count(); ++i) {
    if (TagOf(root->get_child(static_cast<int>(i))) == "body") body = root->get_child(static_cast<int>(i));
  }
  if (!body) return {};
  litehtml::element::ptr table;
  for (std::size_t i = 0; i < body->get_children_count(); ++i) {
    const auto child = body->get_child(static_cast<int>(i));
    if (child->is_white_space() || child->is_comment()) continue;
    if (table || TagOf(child) != "table") return {};
    table = child;
  }
  if (!table) return {};
  const auto rows = RowsOf(table);
  return rows.size() == 1 ? CellsOf(rows.front()) : std::vector<litehtml::element::ptr>{};
}

// The heading to repeat over the rest of a table cut at y: the one innermost table cut there.
QRect HeadingCutAt(const Column& column, int y) {
  const TableBox* found = nullptr;
  bool alone = true;
  for (const TableBox& table : column.tables) {
    if (table.heading.isEmpty() || y <= table.heading.bottom() + 1 || y >= table.box.bottom() + 1) continue;
    if (found == nullptr || table.depth > found->depth) {
      found = &table;
      alone = true;
    } else if (table.depth == found->depth) {
      alone = false;
    }
  }
  return found != nullptr && alone ? found->heading : QRect();
}

std::vector<Column> Columns(const litehtml::element::ptr& root, int width, int height) {
  std::vector<Column> columns;
  for (const auto& cell : OuterCells(root)) {
    columns.push_back({BoxOf(cell), {}, {}, {}});
    Survey(cell, columns.back());
  }
  if (columns.empty()) {
    columns.push_back({QRect(0, 0, width, height), {}, {}, {}});
    Survey(root, columns.back());
  }
  return columns;
}

}  // namespace

struct SheetDocument::Layout {
  SheetCanvas canvas;
  std::vector<Column> columns;
};

SheetDocument::~SheetDocument() = default;

std::shared_ptr<const SheetDocument> SheetDocument::Lay(const std::string& html, const PictureFolders& folders,
                                                        int width) {
  std::shared_ptr<SheetDocument> sheet(new SheetDocument);
  const Depths depths = DepthsOf(html);
  if (depths.tables > kDeepestSheetTables) {
    sheet->error_ = QString("its tables are nested more than %1 deep").arg(kDeepestSheetTables);
    return sheet;
  }
  if (depths.elements > kDeepestSheetElements) {
    sheet->error_ = QString("its elements are nested more than %1 deep").arg(kDeepestSheetElements);
    return sheet;
  }
  // The engine's document lives only while it lays out and draws: the layout keeps what it drew
  // and where pages may end, and nothing of the engine crosses to the thread that paints.
  SheetContainer container(folders);
  container.SetWidth(width);
  // The sheet names no character set: it is Windows-1252, as every text of the program.
  const std::string utf8 = Cp1252ToUtf8(SplitLongTables(html));
  auto& context = const_cast<litehtml::context&>(MasterContext());
  auto document = litehtml::document::createFromUTF8(utf8.c_str(), &container, &context);
  if (!document) {
    sheet->error_ = "it could not be read";
    return sheet;
  }
  TrimAllSpans(document->root());
  document->render(width);
  document->draw(0, 0, 0, nullptr);
  sheet->layout_ = std::make_unique<Layout>();
  sheet->layout_->columns = Columns(document->root(), width, document->height());
  sheet->width_ = width;
  sheet->height_ = document->height();
  document.reset();
  sheet->layout_->canvas = std::move(container.Canvas());
  sheet->layout_->canvas.Finish();
  return sheet;
}

QString SheetDocument::Text() const { return layout_ ? layout_->canvas.Text() : QString(); }

void SheetDocument::Paint(QPainter& painter, const QRect& clip) const {
  if (layout_) layout_->canvas.Paint(painter, clip);
}

std::vector<SheetPage> SheetDocument::Pages(int pageHeight) const {
  if (!layout_ || height_ <= 0 || pageHeight <= 0) return {};
  if (height_ <= pageHeight * (1 + kShrinkToFitShare)) {
    const double scale = std::min(1.0, static_cast<double>(pageHeight) / height_);
    return {SheetPage{{PageSlice{QRect(0, 0, width_, height_), QPoint(0, 0)}}, scale}};
  }
  std::vector<SheetPage> pages;
  for (const Column& column : layout_->columns) {
    int from = column.box.top();
    const int end = column.box.top() + column.box.height();
    QRect heading;
    for (std::size_t page = 0; from < end; ++page) {
      if (pages.size() <= page) pages.emplace_back();
      std::vector<PageSlice>& slices = pages[page].slices;
      if (heading.height() > pageHeight * kMostHeadingShare) heading = QRect();
      const int top = page == 0 ? column.box.top() : 0;
      if (!heading.isEmpty()) slices.push_back({heading, QPoint(heading.x(), 0)});
      const int room = pageHeight - top - heading.height();
      int to = end;
      if (end - from > room) {
        to = column.rows.Best(from, from + room);
        if (to == 0) to = column.lines.Best(from, from + room);
        if (to == 0) to = from + room;
      }
      slices.push_back(
          {QRect(column.box.x(), from, column.box.width(), to - from), QPoint(column.box.x(), top + heading.height())});
      heading = HeadingCutAt(column, to);
      from = to;
    }
  }
  return pages;
}

QPageLayout SheetPageLayout() {
  const bool inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  // 12 mm is inside what every printer can reach, so the right column is never cut.
  return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

bool PaintSheetPages(const std::string& html, const PictureFolders& folders, QPagedPaintDevice& device,
                     QString& error) {
  const QRectF area = device.pageLayout().paintRect(QPageLayout::Inch);
  constexpr int kSheetDotsPerInch = 96;
  const auto sheet = SheetDocument::Lay(html, folders, static_cast<int>(area.width() * kSheetDotsPerInch));
  if (!sheet->Error().isEmpty()) {
    error = sheet->Error();
    return false;
  }
  const std::vector<SheetPage> pages = sheet->Pages(static_cast<int>(area.height() * kSheetDotsPerInch));
  QPainter painter;
  if (!painter.begin(&device)) {
    error = "the pages could not be started";
    return false;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double toDevice = static_cast<double>(device.logicalDpiX()) / kSheetDotsPerInch;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      error = "a new page could not be started";
      return false;
    }
    for (const PageSlice& slice : pages[i].slices) {
      painter.save();
      painter.scale(toDevice * pages[i].scale, toDevice * pages[i].scale);
      painter.translate(slice.target - slice.source.topLeft());
      painter.setClipRect(slice.source);
      sheet->Paint(painter, slice.source);
      painter.restore();
    }
  }
  return painter.end();
}

QByteArray SheetPdf(const std::string& html, const PictureFolders& folders, const QPageLayout& layout, QString& error) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator("ivgen");
    writer.setPageLayout(layout);
    writer.setResolution(1200);
    if (!PaintSheetPages(html, folders, writer, error)) return {};
  }
  return bytes;
}

}  // namespace ivgen
