#include "catalog/gear_catalog.h"

#include <algorithm>

#include "record/entries.h"
#include "record/values.h"

namespace ivgen {

namespace {

bool IsLevelDigit(char c) { return c >= '1' && c <= '9'; }

bool IsItemLine(std::string_view line) { return line.size() >= 3 && line[2] == '*'; }

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads the texts each ended by "|" from `text`; fewer than `count` means the line is malformed.
std::vector<std::string> ReadBarValues(std::string_view text, size_t count) {
  std::vector<std::string> values;
  size_t start = 0;
  while (values.size() < count) {
    const size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) break;
    values.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  return values;
}

// A type line: two ignored characters, then number|name|count|field|field|...
void ReadTypeLine(std::string_view line, std::string_view file, int lineNumber, GearCatalog& gear, LoadNotes* notes) {
  const std::string_view rest = line.size() > 2 ? line.substr(2) : std::string_view();
  auto skip = [&](std::string what) {
    if (notes != nullptr) notes->Problem(file, lineNumber, std::move(what) + "; the type line is skipped");
  };
  const std::vector<std::string> head = ReadBarValues(rest, 3);
  if (head.size() < 3) return skip("type line has fewer than three \"|\" (number|name|count|)");
  const std::string number = Trim(head[0]);
  const std::string count = Trim(head[2]);
  if (!AllDigits(number)) return skip("type number \"" + head[0] + "\" is not a whole number");
  if (!AllDigits(count)) return skip("field count \"" + head[2] + "\" is not a whole number");
  const double type = Val(number);
  const double fieldCount = Val(count);
  if (type > kGearTypeMax) return skip("type number " + number + " is above " + std::to_string(kGearTypeMax));
  if (fieldCount > kGearFieldMax)
    return skip("type has " + count + " fields, more than " + std::to_string(kGearFieldMax));
  const size_t fields = static_cast<size_t>(fieldCount);
  const std::vector<std::string> all = ReadBarValues(rest, 3 + fields);
  if (all.size() < 3 + fields) {
    return skip("type line names " + std::to_string(all.size() - 3) + " of its " + count + " fields");
  }
  GearType result;
  result.name = head[1];
  result.fieldCount = static_cast<int>(fields);
  result.fieldNames.assign(all.begin() + 3, all.end());
  result.fieldNames.insert(result.fieldNames.begin(), "");
  for (size_t position = 0; position < result.fieldNames.size(); ++position) {
    std::string& name = result.fieldNames[position];
    if (!name.empty() && name.front() == '$') {
      result.priceField = static_cast<int>(position) - 1;
      name.erase(0, 1);
    }
  }
  gear.types[static_cast<size_t>(type)] = std::move(result);
}

const GearType* TypeAt(const GearCatalog& gear, int type) {
  if (type < 0 || type > kGearTypeMax) return nullptr;
  return &gear.types[static_cast<size_t>(type)];
}

// One item line's shop-list entry and book field; nothing when the line is malformed.
struct ParsedItem {
  std::string entry;
  std::string bookField;
};

std::optional<ParsedItem> ParseGearItem(std::string_view line, std::string_view file, int lineNumber,
                                        const GearCatalog& gear, LoadNotes* notes) {
  auto skip = [&](std::string what) -> std::optional<ParsedItem> {
    if (notes != nullptr) notes->Problem(file, lineNumber, std::move(what) + "; the item is not listed");
    return std::nullopt;
  };
  std::string text(CutFrom(line, 5));
  const std::string data = text.size() > 31 ? text.substr(31) : std::string();
  const size_t bar = data.find('|');
  if (bar == std::string::npos) return skip("item line has no \"|\" after its type number (from column 36)");
  const std::string number = Trim(data.substr(0, bar));
  if (!AllDigits(number) || Val(number) > kGearTypeMax) {
    return skip("item type \"" + data.substr(0, bar) + "\" is not a type number 0-64");
  }
  const GearType& type = gear.types[static_cast<size_t>(Val(number))];
  if (type.fieldCount == 0) return skip("item type " + number + " has no fields defined in a type line");
  const std::vector<std::string> values =
      ReadBarValues(std::string_view(data).substr(bar + 1), static_cast<size_t>(type.fieldCount));
  if (values.size() < static_cast<size_t>(type.fieldCount)) {
    return skip("item has " + std::to_string(values.size()) + " of the " + std::to_string(type.fieldCount) +
                " values type " + number + " needs");
  }
  // The item list puts its TAB in column 35, over whatever stands there.
  if (notes != nullptr && text[30] != ' ') {
    notes->Problem(file, lineNumber,
                   "text in column 35, which the item list replaces by a TAB: the name is longer than 30 "
                   "characters or out of place");
  }
  text[30] = '\t';
  return ParsedItem{std::move(text), values.back()};
}

}  // namespace

void AddGearNode(CatalogTree& tree, std::string text, int level) {
  tree.push_back({std::move(text), std::clamp(level, 1, 9)});
}

std::optional<GearCatalog> LoadGear(const std::string& folder, LoadNotes* notes) {
  const auto catalog = ReadCatalog(folder, kGearFile);
  if (!catalog) return std::nullopt;
  GearCatalog gear;
  int lineNumber = 0;
  for (std::string_view line : catalog->lines) {
    ++lineNumber;
    if (IsComment(line)) continue;
    if (line.empty()) {
      if (notes != nullptr) notes->Problem(catalog->name, lineNumber, "empty line; skipped");
      continue;
    }
    if (IsLevelDigit(line[0])) {
      if (IsItemLine(line)) continue;
      const std::string_view title = CutFrom(line, 3);
      if (notes != nullptr && title.find(',') != std::string_view::npos) {
        notes->Problem(catalog->name, lineNumber, "group title holds \",\", which the gear tree uses as separator");
      }
      if (notes != nullptr && TrimView(title).empty()) {
        notes->Problem(catalog->name, lineNumber, "group line has no title");
      }
      static constexpr std::string_view kToLine = "\t\t\t\t\t\t\t\t\t,";
      const std::string number = std::to_string(lineNumber);
      std::string text;
      text.reserve(title.size() + kToLine.size() + number.size());
      text.append(title).append(kToLine).append(number);
      AddGearNode(gear.tree, std::move(text), line[0] - '0');
    } else {
      ReadTypeLine(line, catalog->name, lineNumber, gear, notes);
    }
  }
  return gear;
}

std::string GearTypeName(const GearCatalog& gear, int type) {
  const GearType* found = TypeAt(gear, type);
  return found != nullptr ? found->name : std::string();
}

int GearFieldCount(const GearCatalog& gear, int type) {
  const GearType* found = TypeAt(gear, type);
  return found != nullptr ? found->fieldCount : 0;
}

std::string GearFieldName(const GearCatalog& gear, int type, int position) {
  const GearType* found = TypeAt(gear, type);
  if (found == nullptr || position < 0 || position >= static_cast<int>(found->fieldNames.size())) return "";
  return found->fieldNames[static_cast<size_t>(position)];
}

int GearPriceField(const GearCatalog& gear, int type) {
  const GearType* found = TypeAt(gear, type);
  return found != nullptr ? found->priceField : 0;
}

int FieldIndex(const GearCatalog& gear, int type, std::string_view name) {
  const GearType* found = TypeAt(gear, type);
  if (found == nullptr || type == 0) return 0;
  for (int position = 1; position <= found->fieldCount; ++position) {
    if (found->fieldNames[static_cast<size_t>(position)] == name) return position;
  }
  return 0;
}

int DivLineWhere(const std::vector<std::string>& gearList) {
  for (size_t i = 0; i < gearList.size(); ++i) {
    if (gearList[i].find("===") != std::string::npos) return static_cast<int>(i);
  }
  return 0;
}

bool HasChildNodes(const CatalogTree& tree, size_t node) {
  return node + 1 < tree.size() && tree[node + 1].indent > tree[node].indent;
}

namespace {

// The shop list of a group without child nodes from gear.dat's lines, as ShowGearGroup gives it.
std::vector<std::string> GroupItems(const CatalogText& catalog, const GearCatalog& gear, size_t node,
                                    const BookLists& books, LoadNotes* notes) {
  std::vector<std::string> items;
  const std::string& nodeText = gear.tree[node].text;
  // The line number follows the last ",", so a title that holds "," still finds its group.
  const size_t comma = nodeText.rfind(',');
  const double groupLine = comma == std::string::npos ? 0 : Val(std::string_view(nodeText).substr(comma + 1));
  if (groupLine < 1 || groupLine >= static_cast<double>(catalog.lines.size())) return items;
  bool pageReferences = false;
  for (size_t i = static_cast<size_t>(groupLine); i < catalog.lines.size(); ++i) {
    const std::string_view line = catalog.lines[i];
    if (!IsItemLine(line)) break;
    const auto item = ParseGearItem(line, catalog.name, static_cast<int>(i) + 1, gear, notes);
    if (!item) continue;
    std::string code = item->bookField;
    const size_t dash = code.find('-');
    if (dash != std::string::npos) {
      code = TrimRight(code.substr(0, dash));
      pageReferences = true;
    }
    if (!pageReferences || BookAllowed(books, code)) items.push_back(item->entry);
  }
  return items;
}

std::string NodeTitle(const GearCatalog& gear, size_t node) {
  const std::string& text = gear.tree[node].text;
  return text.substr(0, text.find('\t'));
}

}  // namespace

std::optional<GearGroup> ShowGearGroup(const std::string& folder, const GearCatalog& gear, size_t node,
                                       const BookLists& books, LoadNotes* notes) {
  if (node >= gear.tree.size() || HasChildNodes(gear.tree, node)) return std::nullopt;
  GearGroup group;
  group.title = NodeTitle(gear, node);
  if (const auto catalog = ReadCatalog(folder, kGearFile, &group.file)) {
    group.items = GroupItems(*catalog, gear, node, books, notes);
  }
  return group;
}

GearSearch SearchGear(const std::string& folder, const GearCatalog& gear, const BookLists& books,
                      std::string_view text) {
  GearSearch search;
  if (text.empty()) return search;
  const auto catalog = ReadCatalog(folder, kGearFile, &search.file);
  if (!catalog) return search;
  for (size_t node = 0; node < gear.tree.size(); ++node) {
    if (HasChildNodes(gear.tree, node)) continue;
    const std::string group = NodeTitle(gear, node);
    const std::vector<std::string> items = GroupItems(*catalog, gear, node, books, nullptr);
    for (size_t row = 0; row < items.size(); ++row) {
      std::string name = Trim(items[row].substr(0, items[row].find('\t')));
      if (SearchFinds(text, name, group)) {
        search.matches.push_back({std::move(name), group, static_cast<int>(node), static_cast<int>(row)});
      }
    }
  }
  return search;
}

void NoteGearItems(const CatalogText& text, const GearCatalog& gear, LoadNotes& notes) {
  bool inGroup = false;
  for (size_t i = 0; i < text.lines.size(); ++i) {
    const std::string_view line = text.lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    const bool levelLine = !line.empty() && IsLevelDigit(line[0]);
    // The listing goes on through every line whose third character is "*", as ShowGearGroup does.
    if (IsItemLine(line) && (inGroup || levelLine)) {
      if (!inGroup) {
        notes.Problem(text.name, lineNumber, "item line is under no group: the line before it ends the group");
      }
      if (const auto item = ParseGearItem(line, text.name, lineNumber, gear, &notes)) {
        const std::string& field = item->bookField;
        const size_t dash = field.find('-');
        notes.Book(text.name, lineNumber, dash == std::string::npos ? field : TrimRight(field.substr(0, dash)),
                   BookMatch::IgnoreCase);
      }
      continue;
    }
    inGroup = levelLine;
  }
}

}  // namespace ivgen
