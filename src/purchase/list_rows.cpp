#include "purchase/list_rows.h"

#include <utility>

#include "entry/list_entries.h"
#include "record/text.h"

namespace ivgen {

namespace {

// Each row from its entry read through its declaration; `cells` are the fields as stored.
template <typename Entry, typename Row, typename Fill>
std::vector<Row> RowsOf(const std::vector<std::string>& entries, Fill fill) {
  std::vector<Row> rows;
  rows.reserve(entries.size());
  for (const std::string& entry : entries) {
    Row row;
    row.cells = SplitTabs(entry);
    fill(ParseEntry<Entry>(entry), row);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::vector<BookRow> BookRows(const std::vector<std::string>& books) {
  return RowsOf<BookEntry, BookRow>(books, [](BookEntry book, BookRow& row) {
    row.title = std::move(book.title);
    row.code = std::move(book.code);
  });
}

std::vector<EdgeRow> EdgeRows(const std::vector<std::string>& entries) {
  return RowsOf<EdgeEntry, EdgeRow>(entries, [](EdgeEntry edge, EdgeRow& row) {
    row.name = std::move(edge.name);
    row.value = std::move(edge.value);
    row.book = std::move(edge.book);
    row.description = std::move(edge.description);
  });
}

std::vector<ContactRow> ContactRows(const std::vector<std::string>& contacts) {
  return RowsOf<ContactEntry, ContactRow>(contacts, [](ContactEntry contact, ContactRow& row) {
    row.cells.resize(FieldColumnCount<ContactEntry>());
    row.name = std::move(contact.name);
    row.level = std::move(contact.level);
    row.price = std::move(contact.price);
  });
}

std::vector<GearRow> GearRows(const std::vector<std::string>& gear, const GearCatalog& catalog) {
  const size_t carriedFrom = static_cast<size_t>(DivLineWhere(gear));
  const bool hasDivider = carriedFrom < gear.size() && gear[carriedFrom].find("===") != std::string::npos;
  size_t index = 0;
  return RowsOf<GearEntry, GearRow>(gear, [&](const GearEntry& entry, GearRow& row) {
    row.name = entry.name;
    row.values = entry.values;
    row.item = entry.Item();
    row.count = entry.Count();
    row.type = entry.Type();
    // Without a divider every entry is carried, as the weight counts them.
    row.divider = hasDivider && index == carriedFrom;
    row.carried = index++ >= carriedFrom && !row.divider;
    // Split once: a long gear list would otherwise split each entry again for every field.
    const std::vector<std::string> values = Split(row.values, '|');
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
  for (const std::string& item : shopItems) names.push_back(Trim(LeadingName(item)));
  return names;
}

std::vector<std::string> GearGroupTitles(const CatalogTree& tree) {
  std::vector<std::string> titles;
  titles.reserve(tree.size());
  for (const TreeNode& node : tree) titles.emplace_back(LeadingName(node.text));
  return titles;
}

std::vector<CyberwareRow> CyberwareRows(const std::vector<std::string>& installed) {
  // As stored, the grade code stays on whichever field is last.
  return RowsOf<CyberwareEntry, CyberwareRow>(installed, [](CyberwareEntry cyber, CyberwareRow& row) {
    row.name = FieldOf(row.cells, &CyberwareEntry::name);
    row.essence = FieldOf(row.cells, &CyberwareEntry::essence);
    row.price = FieldOf(row.cells, &CyberwareEntry::price);
    row.book = FieldOf(row.cells, &CyberwareEntry::book);
    row.codes = FieldOf(row.cells, &CyberwareEntry::codes);
    row.notes = FieldOf(row.cells, &CyberwareEntry::note);
    row.grade = std::move(cyber.grade);
  });
}

std::vector<BiowareRow> BiowareRows(const std::vector<std::string>& installed) {
  return RowsOf<BiowareEntry, BiowareRow>(installed, [](BiowareEntry bio, BiowareRow& row) {
    row.name = std::move(bio.name);
    row.bioIndex = std::move(bio.bioIndex);
    row.price = std::move(bio.price);
    row.book = std::move(bio.book);
    row.type = std::move(bio.type);
    row.codes = std::move(bio.codes);
    row.notes = std::move(bio.note);
  });
}

std::vector<PowerRow> PowerRows(const std::vector<std::string>& powers) {
  return RowsOf<PowerEntry, PowerRow>(powers, [](PowerEntry power, PowerRow& row) {
    row.name = power.name;
    std::string_view name = row.name;
    if (name.ends_with(']')) {
      if (const size_t open = name.rfind('['); open != std::string_view::npos) {
        row.level = NumbersInBrackets(name.substr(open)).first;
        name = name.substr(0, open);
      }
    }
    row.marked = ReadMarkers(name);
    row.cost = std::move(power.cost);
    row.codes = std::move(power.codes);
    row.book = std::move(power.book);
    row.note = std::move(power.note);
  });
}

std::vector<SpellRow> SpellRows(const std::vector<std::string>& spells) {
  return RowsOf<SpellEntry, SpellRow>(spells, [](SpellEntry spell, SpellRow& row) {
    row.name = std::move(spell.name);
    row.points = std::move(spell.points);
    row.book = std::move(spell.book);
  });
}

std::vector<SpellCategoryRow> SpellCategoryRows(const std::vector<std::string>& categories) {
  std::vector<SpellCategoryRow> rows;
  rows.reserve(categories.size());
  for (SpellCategoryEntry category : ParseEntries<SpellCategoryEntry>(categories))
    rows.push_back({std::move(category.name), std::move(category.code)});
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
  for (const std::string& entry : entries) names.emplace_back(LeadingName(entry));
  return names;
}

}  // namespace ivgen
