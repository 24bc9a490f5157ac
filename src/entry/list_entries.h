// Every kind of entry of the character's lists, declared once: its columns with their names and
// kinds, and its numbers read as the rules read them. Cyberware and bioware catalog items have
// the columns of the entries they become.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "entry/columns.h"

namespace ivgen {

/// Width of the name column of gear entries and of the shop lists they are bought from.
inline constexpr size_t kGearNameWidth = 30;

/// The numbers of a bracketed column, "[B]" or "[B/S]", each taken down to a whole number; 0
/// for one that is missing, both 0 without a "[".
struct BracketPair {
  int first = 0;
  int second = 0;
};
BracketPair ReadBrackets(std::string_view text);

/// A skill: its name with the class code in parentheses and any specializations after "/", and
/// its ratings after the last TAB.
struct SkillEntry {
  std::string name;
  std::string ratings;
  EntryShape shape;

  static constexpr TabSplit kSplit = TabSplit::FirstTakesRest;
  static constexpr auto Columns() {
    using C = Column<SkillEntry>;
    return std::array{C{"name", &SkillEntry::name, ColumnType::Text},
                      C{"ratings", &SkillEntry::ratings, ColumnType::Bracketed}};
  }
  /// The ratings of a stored entry read in place, as a parsed one reads them: a long skill list
  /// is counted after every action.
  static BracketPair RatingsOf(std::string_view entry) {
    const size_t tab = entry.rfind('\t');
    return ReadBrackets(tab == std::string_view::npos ? entry : entry.substr(tab + 1));
  }
  /// The general rating, and the specialization's (0 for a plain skill).
  int Rating() const { return ReadBrackets(RatingsText()).first; }
  int Specialization() const { return ReadBrackets(RatingsText()).second; }
  /// Where the ratings are read and written: an entry without a TAB has them in its one field.
  const std::string& RatingsText() const { return shape.Tabbed() ? ratings : name; }
  std::string& RatingsText() { return shape.Tabbed() ? ratings : name; }
  bool operator==(const SkillEntry&) const = default;
};

/// Installed cyberware, and a cyberware catalog item (which has no grade code).
struct CyberwareEntry {
  std::string name;
  std::string essence;
  std::string price;
  std::string book;
  std::string codes;
  std::string streetIndex;
  std::string note;
  /// What its capacity item covers of the accessories of its group, "" for none.
  std::string capacity;
  /// The capacity group, "E" (eyes) or "R" (ears), or "".
  std::string group;
  /// "0" to "3", or "" for an entry without a grade code.
  std::string grade;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<CyberwareEntry>;
    return std::array{C{"name", &CyberwareEntry::name, ColumnType::Text},
                      C{"essence", &CyberwareEntry::essence, ColumnType::Number},
                      C{"price", &CyberwareEntry::price, ColumnType::Integer},
                      C{"book", &CyberwareEntry::book, ColumnType::BookReference},
                      C{"codes", &CyberwareEntry::codes, ColumnType::ModifierCodes},
                      C{"street_index", &CyberwareEntry::streetIndex, ColumnType::Number},
                      C{"note", &CyberwareEntry::note, ColumnType::Text},
                      C{"capacity", &CyberwareEntry::capacity, ColumnType::Number},
                      C{"group", &CyberwareEntry::group, ColumnType::Text},
                      C{"grade", &CyberwareEntry::grade, ColumnType::GradeCode}};
  }
  double Essence() const;
  int32_t Price() const;
  double Capacity() const;
  /// The grade, -1 without a grade code.
  int Grade() const;
  bool operator==(const CyberwareEntry&) const = default;
};

/// Installed bioware, and a bioware catalog item.
struct BiowareEntry {
  std::string name;
  std::string bioIndex;
  std::string price;
  std::string book;
  /// "c" cultured, "u" used, or "" standard.
  std::string type;
  std::string codes;
  std::string note;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<BiowareEntry>;
    return std::array{C{"name", &BiowareEntry::name, ColumnType::Text},
                      C{"bio_index", &BiowareEntry::bioIndex, ColumnType::Number},
                      C{"price", &BiowareEntry::price, ColumnType::Integer},
                      C{"book", &BiowareEntry::book, ColumnType::BookReference},
                      C{"type", &BiowareEntry::type, ColumnType::Text},
                      C{"codes", &BiowareEntry::codes, ColumnType::ModifierCodes},
                      C{"note", &BiowareEntry::note, ColumnType::Text}};
  }
  double BioIndex() const;
  int32_t Price() const;
  bool operator==(const BiowareEntry&) const = default;
};

/// Gear, and a shop list item: the name column (30 wide, with "[N]" after it for a count), and
/// after the first TAB the gear type and its values, each closed by "|".
struct GearEntry {
  std::string name;
  std::string values;
  EntryShape shape;

  static constexpr TabSplit kSplit = TabSplit::LastTakesRest;
  static constexpr auto Columns() {
    using C = Column<GearEntry>;
    return std::array{C{"name", &GearEntry::name, ColumnType::Text},
                      C{"values", &GearEntry::values, ColumnType::GearValues}};
  }
  /// Whether it has its TAB: one without has neither type nor values.
  bool HasValues() const { return shape.Tabbed(); }
  /// The gear type as written, and as a number (0 without one).
  std::string TypeText() const;
  int Type() const;
  /// Value i, counted from 1 as the type's field names count; "" past the end.
  std::string Value(int i) const;
  /// Writes value i, adding empty values up to it; i below 1 does nothing.
  void SetValue(int i, std::string value);
  /// The count written after the name column; 1 when there is none.
  int64_t Count() const;
  /// The item's name without padding or count.
  std::string Item() const;
  bool operator==(const GearEntry&) const = default;
};

/// A spell the character chose: the catalog's name and five data columns, the spell points and
/// the book reference.
struct SpellEntry {
  std::string name;
  std::string type;
  std::string target;
  std::string duration;
  std::string range;
  std::string drain;
  std::string points;
  std::string book;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<SpellEntry>;
    return std::array{C{"name", &SpellEntry::name, ColumnType::Text},
                      C{"type", &SpellEntry::type, ColumnType::Text},
                      C{"target", &SpellEntry::target, ColumnType::Text},
                      C{"duration", &SpellEntry::duration, ColumnType::Text},
                      C{"range", &SpellEntry::range, ColumnType::Text},
                      C{"drain", &SpellEntry::drain, ColumnType::Text},
                      C{"points", &SpellEntry::points, ColumnType::Bracketed, 2},
                      C{"book", &SpellEntry::book, ColumnType::BookReference}};
  }
  int Points() const { return ReadBrackets(points).first; }
  bool operator==(const SpellEntry&) const = default;
};

/// A spell category of the catalog: its name and the code letter its spells carry.
struct SpellCategoryEntry {
  std::string name;
  std::string code;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<SpellCategoryEntry>;
    return std::array{C{"name", &SpellCategoryEntry::name, ColumnType::Text},
                      C{"code", &SpellCategoryEntry::code, ColumnType::Text}};
  }
  bool operator==(const SpellCategoryEntry&) const = default;
};

/// An adept power, bought (its name with "[level]" above 1, its cost times the level) or in the
/// catalog.
struct PowerEntry {
  std::string name;
  std::string cost;
  std::string codes;
  std::string book;
  std::string note;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<PowerEntry>;
    return std::array{C{"name", &PowerEntry::name, ColumnType::Text}, C{"cost", &PowerEntry::cost, ColumnType::Number},
                      C{"codes", &PowerEntry::codes, ColumnType::ModifierCodes},
                      C{"book", &PowerEntry::book, ColumnType::BookReference},
                      C{"note", &PowerEntry::note, ColumnType::Text}};
  }
  double Cost() const;
  bool operator==(const PowerEntry&) const = default;
};

/// A contact: the eight texts of the contacts page, then the price paid. A new one is written
/// with three empty fields after the price.
struct ContactEntry {
  std::string name;
  std::string archetype;
  std::string occupation;
  std::string location;
  std::string ltg;
  std::string level;
  std::string description;
  std::string history;
  std::string price;
  EntryShape shape;

  static constexpr size_t kNewFields = 12;
  static constexpr auto Columns() {
    using C = Column<ContactEntry>;
    return std::array{C{"name", &ContactEntry::name, ColumnType::Text},
                      C{"archetype", &ContactEntry::archetype, ColumnType::Text},
                      C{"occupation", &ContactEntry::occupation, ColumnType::Text},
                      C{"location", &ContactEntry::location, ColumnType::Text},
                      C{"ltg", &ContactEntry::ltg, ColumnType::Text},
                      C{"level", &ContactEntry::level, ColumnType::Number},
                      C{"description", &ContactEntry::description, ColumnType::Text},
                      C{"history", &ContactEntry::history, ColumnType::Text},
                      C{"price", &ContactEntry::price, ColumnType::Integer}};
  }
  double Level() const;
  int32_t Price() const;
  bool operator==(const ContactEntry&) const = default;
};

/// An edge or flaw as the catalog has it. The racial and ghoul flaws the rules add are one field,
/// their point value in brackets at the end of the name.
struct EdgeEntry {
  std::string name;
  std::string value;
  std::string book;
  /// Applied as attribute modifier codes.
  std::string description;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<EdgeEntry>;
    return std::array{C{"name", &EdgeEntry::name, ColumnType::Text},
                      C{"value", &EdgeEntry::value, ColumnType::Bracketed},
                      C{"book", &EdgeEntry::book, ColumnType::BookReference},
                      C{"description", &EdgeEntry::description, ColumnType::ModifierCodes}};
  }
  bool operator==(const EdgeEntry&) const = default;
};

/// A sourcebook of the books lists.
struct BookEntry {
  std::string title;
  std::string code;
  EntryShape shape;

  static constexpr auto Columns() {
    using C = Column<BookEntry>;
    return std::array{C{"title", &BookEntry::title, ColumnType::Text},
                      C{"code", &BookEntry::code, ColumnType::BookCode}};
  }
  bool operator==(const BookEntry&) const = default;
};

}  // namespace ivgen
