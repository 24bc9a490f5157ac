// The pieces every part of the character sheet is made of: lines ended with CR LF, cell values,
// quoted widths, column heads, and the values of gear entries.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ivgen {

/// The opening line of every boxed table of the sheet.
inline constexpr std::string_view kTableOpen = "<table border=1 cellspacing=0 width=\"100%\">";
/// The opening line of the borderless layout tables.
inline constexpr std::string_view kLayoutTableOpen = "<table border=0 cellpadding=0 cellspacing=0 width=\"100%\">";
inline constexpr std::string_view kNbsp = "&nbsp;";

/// The sheet as it is written: every line ends with CR LF.
class SheetText {
 public:
  void Line(std::string_view text);
  void Lines(std::initializer_list<std::string_view> lines);
  /// An empty line.
  void Blank();
  const std::string& Bytes() const { return bytes_; }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

/// "&nbsp;" for an empty text, otherwise the text unchanged.
std::string NbspIfEmpty(std::string_view text);
/// "&", "<", ">" and '"' as entities, so a value always shows as text.
std::string EscapeHtml(std::string_view text);
/// A value of the character or the catalogs as a cell: escaped, "&nbsp;" when empty.
std::string Cell(std::string_view value);
/// The first `count` characters of a value, then escaped, so an entity is never cut in two.
std::string CutCell(std::string_view value, size_t count);
/// A width in double quotes with a percent sign: "25%".
std::string Quoted(int percent);

/// One column head: its label and its width in percent.
struct Head {
  std::string_view label;
  int width;
};
/// Where the row of heads ends: inside the last head's line, or on a line "</tr>" of its own.
enum class RowEnd { InLastHead, OwnLine };
/// Writes one line per head, the first beginning with "<tr>" when `opensRow`.
void WriteHeads(SheetText& out, std::initializer_list<Head> heads, bool opensRow, RowEnd end);

/// The n-th "|"-terminated value (n from 1) after the entry's first "|"; "" for position 0 or a
/// value that is not there.
std::string GearField(std::string_view entry, int n);
/// Whether an entry holds gear of type t: a TAB directly followed by t and "|".
bool IsGearType(std::string_view entry, int type);

}  // namespace ivgen
