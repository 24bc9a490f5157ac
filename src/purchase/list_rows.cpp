#include "purchase/list_rows.h"

#include <algorithm>

#include "purchase/contacts.h"
#include "purchase/gear.h"
#include "record/entries.h"
#include "record/text.h"

namespace ivgen {

namespace {

// Field n of an already split entry, or "" past its end.
std::string Cell(const std::vector<std::string>& cells, size_t n) { return n < cells.size() ? cells[n] : ""; }

template <typename Row, typename Fill>
std::vector<Row> RowsOf(const std::vector<std::string>& entries, Fill fill) {
  std::vector<Row> rows;
  rows.reserve(entries.size());
  for (const std::string& entry : entries) {
    Row row;
    row.cells = SplitTabs(entry);
    fill(entry, row);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::vector<BookRow> BookRows(const std::vector<std::string>& books) {
  return RowsOf<BookRow>(books, [](const std::string&, BookRow& row) {
    row.title = Cell(row.cells, 0);
    row.code = Cell(row.cells, 1);
  });
}

std::vector<EdgeRow> EdgeRows(const std::vector<std::string>& entries) {
  return RowsOf<EdgeRow>(entries, [](const std::string&, EdgeRow& row) {
    row.name = Cell(row.cells, 0);
    row.value = Cell(row.cells, 1);
    row.book = Cell(row.cells, 2);
    row.description = Cell(row.cells, 3);
  });
}

std::vector<ContactRow> ContactRows(const std::vector<std::string>& contacts) {
  return RowsOf<ContactRow>(contacts, [](const std::string&, ContactRow& row) {
    row.cells.resize(kContactPriceField + 1);
    row.name = row.cells[0];
    row.level = row.cells[kContactLevelField];
    row.price = row.cells[kContactPriceField];
  });
}

std::vector<GearRow> GearRows(const std::vector<std::string>& gear, const GearCatalog& catalog) {
  const size_t carriedFrom = static_cast<size_t>(DivLineWhere(gear));
  const bool hasDivider = carriedFrom < gear.size() && gear[carriedFrom].find("===") != std::string::npos;
  size_t index = 0;
  return RowsOf<GearRow>(gear, [&](const std::string& entry, GearRow& row) {
    const size_t tab = entry.find(kTab);
    row.name = entry.substr(0, tab);
    row.values = tab == std::string::npos ? "" : entry.substr(tab + 1);
    row.item = Trim(row.name.substr(0, std::min(row.name.size(), kGearNameWidth)));
    row.count = GearEntryCount(entry);
    row.type = GearEntryType(entry);
    // Without a divider every entry is carried, as the weight counts them.
    row.divider = hasDivider && index == carriedFrom;
    row.carried = index++ >= carriedFrom && !row.divider;
    // Split once: a long gear list would otherwise split each entry again for every field.
    const std::vector<std::string> values =
        tab == std::string::npos ? std::vector<std::string>{} : Split(row.values, '|');
    auto field = [&values](int i) {
      return i >= 1 && static_cast<size_t>(i) < values.size() ? values[static_cast<size_t>(i)] : "";
    };
    const int weight = FieldIndex(catalog, row.type, "Weight");
    if (weight > 0) row.weight = field(weight);
    const int price = GearPriceField(catalog, row.type) + 1;
    if (row.type > 0 && row.type <= kGearTypeMax) row.price = field(price);
    const int book = FieldIndex(catalog, row.type, "Book-Page");
    if (book > 0) row.book = field(book);
    for (int i = 1; i <= GearFieldCount(catalog, row.type); ++i) {
      if (i == weight || i == price || i == book) continue;
      if (!row.details.empty()) row.details += ", ";
      row.details += GearFieldName(catalog, row.type, i) + " " + field(i);
    }
  });
}

std::vector<std::string> GearShopNames(const std::vector<std::string>& shopItems) {
  std::vector<std::string> names;
  names.reserve(shopItems.size());
  for (const std::string& item : shopItems) names.push_back(Trim(item.substr(0, item.find(kTab))));
  return names;
}

std::vector<std::string> GearGroupTitles(const CatalogTree& tree) {
  std::vector<std::string> titles;
  titles.reserve(tree.size());
  for (const TreeNode& node : tree) titles.push_back(node.text.substr(0, node.text.find(kTab)));
  return titles;
}

std::vector<CyberwareRow> CyberwareRows(const std::vector<std::string>& installed) {
  return RowsOf<CyberwareRow>(installed, [](const std::string& entry, CyberwareRow& row) {
    row.name = Cell(row.cells, 0);
    row.essence = Cell(row.cells, 1);
    row.price = Cell(row.cells, 2);
    row.book = Cell(row.cells, 3);
    row.codes = Cell(row.cells, 4);
    row.notes = Cell(row.cells, 6);
    const size_t bang = entry.rfind('!');
    if (bang != std::string::npos && bang + 2 == entry.size() && entry[bang + 1] >= '0' && entry[bang + 1] <= '3') {
      row.grade = entry.substr(bang + 1);
    }
  });
}

std::vector<BiowareRow> BiowareRows(const std::vector<std::string>& installed) {
  return RowsOf<BiowareRow>(installed, [](const std::string&, BiowareRow& row) {
    row.name = Cell(row.cells, 0);
    row.bioIndex = Cell(row.cells, 1);
    row.price = Cell(row.cells, 2);
    row.book = Cell(row.cells, 3);
    row.type = Cell(row.cells, 4);
    row.codes = Cell(row.cells, 5);
    row.notes = Cell(row.cells, 6);
  });
}

std::vector<PowerRow> PowerRows(const std::vector<std::string>& powers) {
  return RowsOf<PowerRow>(powers, [](const std::string&, PowerRow& row) {
    row.name = Cell(row.cells, 0);
    std::string_view name = row.name;
    if (name.ends_with(']')) {
      if (const size_t open = name.rfind('['); open != std::string_view::npos) {
        row.level = NumbersInBrackets(name.substr(open)).first;
        name = name.substr(0, open);
      }
    }
    row.marked = ReadMarkers(name);
    row.cost = Cell(row.cells, 1);
    row.codes = Cell(row.cells, 2);
    row.book = Cell(row.cells, 3);
    row.note = Cell(row.cells, 4);
  });
}

std::vector<SpellRow> SpellRows(const std::vector<std::string>& spells) {
  return RowsOf<SpellRow>(spells, [](const std::string&, SpellRow& row) {
    row.name = Cell(row.cells, 0);
    row.points = Cell(row.cells, 6);
    row.book = Cell(row.cells, 7);
  });
}

std::vector<SpellCategoryRow> SpellCategoryRows(const std::vector<std::string>& categories) {
  std::vector<SpellCategoryRow> rows;
  rows.reserve(categories.size());
  for (const std::string& entry : categories) rows.push_back({TabField(entry, 0), TabField(entry, 1)});
  return rows;
}

MarkedName ReadMarkers(std::string_view raw) {
  MarkedName marked;
  marked.asksLevel = raw.find('*') != std::string_view::npos;
  marked.asksTarget = raw.find("->") != std::string_view::npos;
  // The markers go, and the blanks around them close up to one.
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '*' || (raw[i] == '-' && i + 1 < raw.size() && raw[i + 1] == '>')) {
      i += raw[i] == '-' ? 1 : 0;
      continue;
    }
    if (raw[i] == ' ' && (marked.name.empty() || marked.name.back() == ' ')) continue;
    marked.name += raw[i];
  }
  while (!marked.name.empty() && marked.name.back() == ' ') marked.name.pop_back();
  return marked;
}

BracketNumbers NumbersInBrackets(std::string_view text) {
  if (text.starts_with('[')) text.remove_prefix(1);
  if (text.ends_with(']')) text.remove_suffix(1);
  auto number = [](std::string_view part) {
    while (part.size() > 1 && part.front() == '0') part.remove_prefix(1);
    return std::string(part);
  };
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return {number(text), ""};
  return {number(text.substr(0, slash)), number(text.substr(slash + 1))};
}

std::vector<std::string> EntryNames(const std::vector<std::string>& entries) {
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const std::string& entry : entries) names.push_back(TabField(entry, 0));
  return names;
}

}  // namespace ivgen
