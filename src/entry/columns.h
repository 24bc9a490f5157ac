// How a kind of list entry is declared: its columns named and typed once, read from the stored
// TAB-separated text and written back as it was read, so every file round-trips byte for byte.
// Outputs and generators walk an entry's `Columns()` instead of knowing where its fields lie.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record/entries.h"

namespace ivgen {

/// What a column holds, for outputs that show or make values by kind.
enum class ColumnType {
  Text,
  /// A decimal number as the pages show it: "2.00".
  Number,
  /// A whole number: a price, a level.
  Integer,
  /// One or two numbers in square brackets: "[3]", "[4/6]", "[06]".
  Bracketed,
  /// Attribute modifier codes: "+2RCT,+1INI".
  ModifierCodes,
  /// A sourcebook code, "-" and a page: "IV3-208".
  BookReference,
  /// A sourcebook code alone: "IV3".
  BookCode,
  /// A gear type number, then the type's values, each closed by "|": "3|5|10(c)|SA|".
  GearValues,
  /// Not a TAB field: "!" and the grade digit glued to the end of the entry.
  GradeCode,
};

template <typename Entry>
struct Column {
  /// Lower case, as an export names it.
  std::string_view name;
  std::string Entry::*member;
  ColumnType type;
  /// The fewest digits a number of the column is written with, zeros before it: "[05]" is 2.
  int digits = 1;
};

/// Where the TABs of a stored entry divide its columns.
enum class TabSplit {
  EveryTab,
  /// The last column takes all after the TABs before it, TABs and all.
  LastTakesRest,
  /// The first column takes all before the TABs after it.
  FirstTakesRest,
};

/// What a stored entry had beyond its declared columns, so it is written back as it was read.
struct EntryShape {
  /// How many TAB-separated fields it had; 0 for an entry made here, written with all of them.
  size_t fields = 0;
  /// The fields after the declared columns.
  std::vector<std::string> extra;
  /// Whether it has a TAB: one of a single field has no columns past its first.
  bool Tabbed() const { return fields != 1; }
  bool operator==(const EntryShape&) const = default;
};

namespace entry_detail {

std::vector<std::string> SplitFields(std::string_view text, TabSplit split, size_t columns);
/// Takes "!" and a grade digit 0 to 3 off the end of text and puts the digit into grade.
std::string_view TakeGradeCode(std::string_view text, std::string& grade);

template <typename Entry>
constexpr TabSplit SplitOf() {
  if constexpr (requires { Entry::kSplit; }) {
    return Entry::kSplit;
  } else {
    return TabSplit::EveryTab;
  }
}

template <typename Entry>
constexpr std::string Entry::*GradeMember() {
  for (const auto& column : Entry::Columns()) {
    if (column.type == ColumnType::GradeCode) return column.member;
  }
  return nullptr;
}

}  // namespace entry_detail

/// How many of an entry's columns are TAB fields.
template <typename Entry>
constexpr size_t FieldColumnCount() {
  size_t count = 0;
  for (const auto& column : Entry::Columns()) count += column.type == ColumnType::GradeCode ? 0 : 1;
  return count;
}

/// How many fields an entry made here is written with.
template <typename Entry>
constexpr size_t NewFieldCount() {
  if constexpr (requires { Entry::kNewFields; }) {
    return Entry::kNewFields;
  } else {
    return FieldColumnCount<Entry>();
  }
}

/// The TAB field a column is stored in, counted from 0; a grade code or a member that is no column
/// gives FieldColumnCount.
template <typename Entry>
constexpr size_t ColumnIndex(std::string Entry::*member) {
  size_t index = 0;
  for (const auto& column : Entry::Columns()) {
    if (column.type == ColumnType::GradeCode) continue;
    if (column.member == member) return index;
    ++index;
  }
  return index;
}

/// An entry from its fields in column order; missing ones stay empty, extra ones are kept.
template <typename Entry>
Entry EntryFromFields(std::vector<std::string> fields) {
  Entry entry;
  entry.shape.fields = fields.size();
  size_t i = 0;
  for (const auto& column : Entry::Columns()) {
    if (column.type == ColumnType::GradeCode) continue;
    if (i < fields.size()) entry.*column.member = std::move(fields[i]);
    ++i;
  }
  if (fields.size() > i)
    entry.shape.extra.assign(std::make_move_iterator(fields.begin() + static_cast<std::ptrdiff_t>(i)),
                             std::make_move_iterator(fields.end()));
  return entry;
}

/// The fields of a stored entry as its TABs divide it, a grade code still on the last one.
template <typename Entry>
std::vector<std::string> StoredFields(std::string_view text) {
  return entry_detail::SplitFields(text, entry_detail::SplitOf<Entry>(), FieldColumnCount<Entry>());
}

/// Makes a short entry write every declared column, as a catalog item bought becomes an entry.
template <typename Entry>
void WriteEveryColumn(Entry& entry) {
  if (entry.shape.fields != 0) entry.shape.fields = std::max(entry.shape.fields, FieldColumnCount<Entry>());
}

/// Reads an entry as the character's list stores it.
template <typename Entry>
Entry ParseEntry(std::string_view text) {
  std::string grade;
  if constexpr (entry_detail::GradeMember<Entry>() != nullptr) text = entry_detail::TakeGradeCode(text, grade);
  Entry entry = EntryFromFields<Entry>(StoredFields<Entry>(text));
  if constexpr (entry_detail::GradeMember<Entry>() != nullptr)
    entry.*entry_detail::GradeMember<Entry>() = std::move(grade);
  return entry;
}

/// Writes an entry back: as many fields as it was read with, or as a new one has, and more when a
/// column beyond them holds something; its extra fields after them; its grade code last.
template <typename Entry>
std::string FormatEntry(const Entry& entry) {
  size_t count = entry.shape.fields == 0 ? NewFieldCount<Entry>() : entry.shape.fields;
  if (!entry.shape.extra.empty()) count = std::max(count, FieldColumnCount<Entry>() + entry.shape.extra.size());
  std::vector<std::string_view> fields;
  fields.reserve(count);
  std::string_view grade;
  for (const auto& column : Entry::Columns()) {
    const std::string& text = entry.*column.member;
    if (column.type == ColumnType::GradeCode) {
      grade = text;
    } else {
      fields.push_back(text);
      if (!text.empty()) count = std::max(count, fields.size());
    }
  }
  fields.resize(std::min(fields.size(), count));
  for (const std::string& extra : entry.shape.extra) fields.push_back(extra);
  fields.resize(count);
  std::string text = JoinTabs(fields);
  if (!grade.empty()) text += "!" + std::string(grade);
  return text;
}

/// A column's field of stored fields, "" when the entry is shorter.
template <typename Entry>
std::string FieldOf(const std::vector<std::string>& stored, std::string Entry::*member) {
  const size_t index = ColumnIndex(member);
  return index < stored.size() ? stored[index] : "";
}

/// Stored fields from a column's to the last, with their TABs.
template <typename Entry>
std::string FieldsFrom(const std::vector<std::string>& stored, std::string Entry::*member) {
  const size_t index = std::min(ColumnIndex(member), stored.size());
  return JoinTabs(std::vector<std::string>(stored.begin() + static_cast<std::ptrdiff_t>(index), stored.end()));
}

/// Parses every entry of a list.
template <typename Entry>
std::vector<Entry> ParseEntries(const std::vector<std::string>& list) {
  std::vector<Entry> entries;
  entries.reserve(list.size());
  for (const std::string& text : list) entries.push_back(ParseEntry<Entry>(text));
  return entries;
}

/// The text before an entry's first TAB: the name of every kind of entry that starts with one.
std::string_view LeadingName(std::string_view entry);

}  // namespace ivgen
