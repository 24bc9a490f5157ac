#include "sheet/sheet_html.h"

#include "record/text_file.h"
#include "record/values.h"

namespace ivgen {

void SheetText::Line(std::string_view text) {
  bytes_.append(text);
  bytes_.append(kCrLf);
}

void SheetText::Lines(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) Line(line);
}

void SheetText::Blank() { bytes_.append(kCrLf); }

std::string NbspIfEmpty(std::string_view text) { return text.empty() ? std::string(kNbsp) : std::string(text); }

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Cell(std::string_view value) { return NbspIfEmpty(EscapeHtml(value)); }

std::string CutCell(std::string_view value, size_t count) { return Cell(value.substr(0, count)); }

std::string Quoted(int percent) { return "\"" + IntText(percent) + "%\""; }

void WriteHeads(SheetText& out, std::initializer_list<Head> heads, bool opensRow, RowEnd end) {
  size_t index = 0;
  for (const Head& head : heads) {
    const bool last = ++index == heads.size();
    std::string line = (index == 1 && opensRow) ? "<tr>" : "";
    line += "<th class=col width=" + Quoted(head.width) + ">" + std::string(head.label) + "</th>";
    if (last && end == RowEnd::InLastHead) line += "</tr>";
    out.Line(line);
  }
  if (end == RowEnd::OwnLine) out.Line("</tr>");
}

std::string GearField(std::string_view entry, int n) {
  const size_t typeEnd = entry.find('|');
  if (n < 1 || typeEnd == std::string_view::npos) return "";
  std::string_view rest = entry.substr(typeEnd + 1);
  for (int position = 1;; ++position) {
    const size_t end = rest.find('|');
    if (end == std::string_view::npos) return "";
    if (position == n) return std::string(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
}

bool IsGearType(std::string_view entry, int type) {
  return entry.find("\t" + IntText(type) + "|") != std::string_view::npos;
}

}  // namespace ivgen
