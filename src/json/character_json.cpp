#include "json/character_json.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>
#include <vector>

#include "catalog/modifier_codes.h"
#include "entry/list_entries.h"
#include "json/json_forms.h"
#include "record/cp1252.h"
#include "record/ini_file.h"
#include "record/money.h"
#include "record/record_fields.h"
#include "record/values.h"

namespace ivgen {

namespace {

using Kind = JsonValue::Kind;

/// Whether a value is the character's own (read back on import) or computed by the rules.
enum class Role { Stored, Computed };

/// A part of the document that is there exactly when a value of another part says so.
struct Condition {
  std::string_view object;
  std::string_view key;
  JsonValue value;
  std::string_view when;
};

const RecordField& Field(std::string_view name) {
  const RecordField* field = FindField(name);
  assert(field != nullptr);
  return *field;
}

constexpr std::array<std::string_view, kAttributeCount> kAttributeNames = {"body",     "quickness",    "strength",
                                                                           "charisma", "intelligence", "willpower"};

// A number as the shortest text that reads back as the same value.
template <typename T>
std::string Shortest(T value) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

// A JSON number's value; one past the type's range is its largest value of that sign.
template <typename T>
T TokenValue(const std::string& token) {
  T value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error == std::errc::result_out_of_range) {
    const size_t exponent = token.find_first_of("eE");
    const bool tiny = exponent != std::string::npos && token.compare(exponent + 1, 1, "-") == 0;
    if (tiny) return 0;
    return token.front() == '-' ? std::numeric_limits<T>::lowest() : std::numeric_limits<T>::max();
  }
  return value;
}

// The description's line breaks (CR LF, a lone CR or a lone LF) end its lines; a final break ends
// the last line rather than starting an empty one, as the file reader gives every line one.
std::vector<std::string> DescriptionLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(std::move(line));
      line.clear();
      open = false;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(std::move(line));
  return lines;
}

std::string DescriptionText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + std::string(kCrLf);
  return text;
}

// An entry as an object of its columns. Where the columns alone would not write it back as it
// is, "extra" holds the fields past them and "field_count" how many it has.
template <typename Entry>
JsonValue EntryValue(const std::string& text) {
  const Entry entry = ParseEntry<Entry>(text);
  JsonValue object = JsonValue::Object();
  for (const auto& column : Entry::Columns()) {
    object.Add(std::string(column.name), FormValue(entry.*column.member, column.type, column.digits));
  }
  Entry plain = entry;
  plain.shape = {};
  if (std::any_of(entry.shape.extra.begin(), entry.shape.extra.end(), [](const auto& e) { return !e.empty(); })) {
    JsonValue& extra = object.Add("extra", JsonValue::Array());
    for (const std::string& field : entry.shape.extra) extra.items.push_back(TextValue(field));
    plain.shape.extra = entry.shape.extra;
  }
  if (FormatEntry(plain) != text)
    object.Add("field_count", JsonValue::Integer(static_cast<long long>(entry.shape.fields)));
  return object;
}

// The most fields an entry can have within the longest value the file reader reads.
constexpr long long kMaxEntryFields = 4096;

// ---------------------------------------------------------------------------------------------
// The export: the description read from the record into a tree.

class Exporter {
 public:
  Exporter(JsonValue& root, CharacterRecord& record) : record_(record) { stack_.push_back(&root); }

  void Const(std::string_view name, JsonValue value, std::string_view) { Put(name, std::move(value)); }

  template <typename Fn>
  void Object(std::string_view name, std::string_view, Fn fn) {
    stack_.push_back(&Put(name, JsonValue::Object()));
    fn();
    stack_.pop_back();
  }

  template <typename Fn>
  void Section(std::string_view name, std::string_view description, const Condition&, bool present, Fn fn) {
    if (present) Object(name, description, fn);
  }

  void Value(std::string_view name, const RecordField& field, std::string_view, Role = Role::Stored,
             std::optional<bool> present = std::nullopt) {
    if (present && !*present) {
      Put(name, JsonValue::Null());
      return;
    }
    switch (field.kind) {
      case FieldKind::Text:
        Put(name, TextValue(*field.text(record_)));
        return;
      case FieldKind::Int16:
        Put(name, JsonValue::Integer(*field.int16(record_)));
        return;
      case FieldKind::Int32:
        Put(name, JsonValue::Integer(*field.int32(record_)));
        return;
      case FieldKind::Float:
        Put(name, JsonValue::Number(Shortest(*field.real(record_))));
        return;
      case FieldKind::Flag:
        Put(name, JsonValue::Boolean(*field.flag(record_)));
        return;
    }
  }

  void Cell(std::string_view name, std::string& text, ColumnType form, std::string_view, Role = Role::Stored,
            std::optional<bool> present = std::nullopt) {
    Put(name, present && !*present ? JsonValue::Null() : FormValue(text, form));
  }

  template <typename Set>
  void Whole(std::string_view name, long long value, Set, long long, long long, std::string_view, Role) {
    Put(name, JsonValue::Integer(value));
  }

  template <typename T, typename Set>
  void Real(std::string_view name, T value, Set, std::string_view, Role) {
    // A double is shown as the file shows it (5.4, not 5.3999999999999995) where that is a number.
    std::string text = Shortest(value);
    if constexpr (std::is_same_v<T, double>) {
      if (const std::string general = GeneralNumber(value); FormValue(general, ColumnType::Number).kind == Kind::Number)
        text = general;
    }
    Put(name, JsonValue::Number(text));
  }

  template <typename Set>
  void Choice(std::string_view name, std::initializer_list<std::string_view> options, int index, Set,
              std::string_view) {
    Put(name, JsonValue::String(std::string(*(options.begin() + index))));
  }

  template <typename Set>
  void Lines(std::string_view name, const std::vector<std::string>& lines, Set, std::string_view) {
    JsonValue array = JsonValue::Array();
    for (const std::string& line : lines) array.items.push_back(TextValue(line));
    Put(name, std::move(array));
  }

  template <typename Entry>
  void Entries(std::string_view name, SharedList<std::string>& list, bool written, std::string_view) {
    JsonValue array = JsonValue::Array();
    if (written) {
      for (const std::string& text : list) {
        // The writer leaves empty entries out.
        if (!text.empty()) array.items.push_back(EntryValue<Entry>(text));
      }
    }
    Put(name, std::move(array));
  }

 private:
  JsonValue& Put(std::string_view name, JsonValue value) {
    return stack_.back()->Add(std::string(name), std::move(value));
  }

  CharacterRecord& record_;
  std::vector<JsonValue*> stack_;
};

// ---------------------------------------------------------------------------------------------
// The import: the description read from a tree into the record, checking every value.

struct Refused {};

class Importer {
 public:
  Importer(const JsonValue& root, CharacterRecord& record, JsonProblem& problem)
      : root_(root), record_(record), problem_(problem) {}

  void Document(const std::function<void()>& describe) {
    if (root_.kind != Kind::Object) Fail("", "expected an object, got " + DescribeJson(root_));
    levels_.push_back({&root_, "", {}});
    describe();
    CheckUnknownKeys();
  }

  void Const(std::string_view name, const JsonValue& expected, std::string_view) {
    const JsonValue& value = Need(name);
    const bool same = expected.kind == Kind::Number ? WholeNumber(value) && WholeNumber(value) == WholeNumber(expected)
                                                    : value.kind == expected.kind && value.text == expected.text;
    if (!same) Expected(name, DescribeJson(expected), value);
  }

  template <typename Fn>
  void Object(std::string_view name, std::string_view, Fn fn) {
    const JsonValue& value = Need(name);
    if (value.kind != Kind::Object) Expected(name, "an object", value);
    levels_.push_back({&value, PointerTo(Path(), name), {}});
    fn();
    CheckUnknownKeys();
    levels_.pop_back();
  }

  template <typename Fn>
  void Section(std::string_view name, std::string_view description, const Condition& condition, bool, Fn fn) {
    const JsonValue* owner = root_.Find(condition.object);
    const JsonValue* value = owner != nullptr ? owner->Find(condition.key) : nullptr;
    const bool wanted = value != nullptr && value->kind == condition.value.kind &&
                        value->text == condition.value.text && value->boolean == condition.value.boolean;
    if (wanted) {
      Object(name, description, fn);
    } else if (Maybe(name) != nullptr) {
      Fail(PointerTo(Path(), name), "allowed only " + std::string(condition.when));
    }
  }

  void Value(std::string_view name, const RecordField& field, std::string_view, Role role = Role::Stored,
             std::optional<bool> present = std::nullopt) {
    const JsonValue* value = role == Role::Computed || present ? Maybe(name) : &Need(name);
    if (value == nullptr || (present && value->kind == Kind::Null)) return;
    const bool keep = role == Role::Stored;
    switch (field.kind) {
      case FieldKind::Text: {
        std::string text = Text(*value, PointerTo(Path(), name));
        if (keep) *field.text(record_) = std::move(text);
        return;
      }
      case FieldKind::Int16: {
        const auto number = static_cast<int16_t>(WholeIn(name, *value, INT16_MIN, INT16_MAX));
        if (keep) *field.int16(record_) = number;
        return;
      }
      case FieldKind::Int32: {
        const auto number = static_cast<int32_t>(WholeIn(name, *value, INT32_MIN, INT32_MAX));
        if (keep) *field.int32(record_) = number;
        return;
      }
      case FieldKind::Float: {
        if (value->kind != Kind::Number) Expected(name, "a number", *value);
        if (keep) *field.real(record_) = static_cast<float>(HeldAmount(TokenValue<float>(value->text)));
        return;
      }
      case FieldKind::Flag:
        if (value->kind != Kind::Boolean) Expected(name, "true or false", *value);
        if (keep) *field.flag(record_) = value->boolean;
        return;
    }
  }

  void Cell(std::string_view name, std::string& text, ColumnType form, std::string_view, Role role = Role::Stored,
            std::optional<bool> = std::nullopt) {
    const JsonValue* value = role == Role::Computed ? Maybe(name) : &Need(name);
    if (value == nullptr) return;
    std::optional<std::string> read = FormText(*value, form, 1, PointerTo(Path(), name), problem_);
    if (!read) throw Refused{};
    if (role == Role::Stored) text = std::move(*read);
  }

  template <typename Set>
  void Whole(std::string_view name, long long, Set set, long long low, long long high, std::string_view, Role role) {
    const JsonValue* value = role == Role::Computed ? Maybe(name) : &Need(name);
    if (value == nullptr) return;
    const long long number = WholeIn(name, *value, low, high);
    if (role == Role::Stored) set(number);
  }

  template <typename T, typename Set>
  void Real(std::string_view name, T, Set set, std::string_view, Role role) {
    const JsonValue* value = role == Role::Computed ? Maybe(name) : &Need(name);
    if (value == nullptr) return;
    if (value->kind != Kind::Number) Expected(name, "a number", *value);
    if (role == Role::Stored) set(static_cast<T>(HeldAmount(TokenValue<T>(value->text))));
  }

  template <typename Set>
  void Choice(std::string_view name, std::initializer_list<std::string_view> options, int, Set set, std::string_view) {
    const JsonValue& value = Need(name);
    std::string expected = "one of";
    int index = 0;
    for (std::string_view option : options) {
      if (value.kind == Kind::String && value.text == option) {
        set(index);
        return;
      }
      expected += (index++ > 0 ? ", \"" : " \"") + std::string(option) + "\"";
    }
    Expected(name, expected, value);
  }

  template <typename Set>
  void Lines(std::string_view name, const std::vector<std::string>&, Set set, std::string_view) {
    const JsonValue& value = Need(name);
    if (value.kind != Kind::Array) Expected(name, "an array of texts", value);
    std::vector<std::string> lines;
    const std::string path = PointerTo(Path(), name);
    for (size_t i = 0; i < value.items.size(); ++i) lines.push_back(Text(value.items[i], PointerTo(path, i)));
    set(std::move(lines));
  }

  template <typename Entry>
  void Entries(std::string_view name, SharedList<std::string>& list, bool, std::string_view) {
    const JsonValue& value = Need(name);
    if (value.kind != Kind::Array) Expected(name, "an array of entries", value);
    const std::string path = PointerTo(Path(), name);
    std::vector<std::string> entries;
    entries.reserve(value.items.size());
    for (size_t i = 0; i < value.items.size(); ++i)
      entries.push_back(ReadEntry<Entry>(value.items[i], PointerTo(path, i)));
    list = std::move(entries);
  }

 private:
  struct Level {
    const JsonValue* object;
    std::string path;
    std::vector<std::string_view> described;
  };

  const std::string& Path() const { return levels_.back().path; }

  [[noreturn]] void Fail(std::string path, std::string what) {
    problem_ = {std::move(path), std::move(what)};
    throw Refused{};
  }
  [[noreturn]] void Expected(std::string_view name, const std::string& what, const JsonValue& got) {
    Fail(PointerTo(Path(), name), "expected " + what + ", got " + DescribeJson(got));
  }

  const JsonValue* Maybe(std::string_view name) {
    levels_.back().described.push_back(name);
    return levels_.back().object->Find(name);
  }
  const JsonValue& Need(std::string_view name) {
    const JsonValue* value = Maybe(name);
    if (value == nullptr) Fail(PointerTo(Path(), name), "required, but missing");
    return *value;
  }

  void CheckUnknownKeys() {
    const Level& level = levels_.back();
    for (const auto& [key, value] : level.object->members) {
      if (std::find(level.described.begin(), level.described.end(), key) == level.described.end()) {
        Fail(PointerTo(level.path, key), "unknown key");
      }
    }
  }

  long long WholeIn(std::string_view name, const JsonValue& value, long long low, long long high) {
    const std::optional<long long> number = WholeNumber(value);
    if (!number || *number < low || *number > high) {
      Expected(name, "an integer from " + std::to_string(low) + " to " + std::to_string(high), value);
    }
    return *number;
  }

  std::string Text(const JsonValue& value, const std::string& path) {
    std::optional<std::string> text = TextOf(value, path, problem_);
    if (!text) throw Refused{};
    return std::move(*text);
  }

  template <typename Entry>
  std::string ReadEntry(const JsonValue& value, const std::string& path) {
    if (value.kind != Kind::Object) Fail(path, "expected an entry object, got " + DescribeJson(value));
    levels_.push_back({&value, path, {}});
    Entry entry;
    for (const auto& column : Entry::Columns()) {
      const JsonValue& cell = Need(column.name);
      std::optional<std::string> text =
          FormText(cell, column.type, column.digits, PointerTo(path, column.name), problem_);
      if (!text) throw Refused{};
      entry.*column.member = std::move(*text);
    }
    if (const JsonValue* extra = Maybe("extra")) {
      if (extra->kind != Kind::Array || extra->items.size() > static_cast<size_t>(kMaxEntryFields)) {
        Expected("extra", "an array of at most " + std::to_string(kMaxEntryFields) + " texts", *extra);
      }
      for (size_t i = 0; i < extra->items.size(); ++i) {
        entry.shape.extra.push_back(Text(extra->items[i], PointerTo(PointerTo(path, "extra"), i)));
      }
    }
    if (const JsonValue* count = Maybe("field_count")) {
      entry.shape.fields = static_cast<size_t>(WholeIn("field_count", *count, 1, kMaxEntryFields));
    }
    CheckUnknownKeys();
    levels_.pop_back();
    return FormatEntry(entry);
  }

  const JsonValue& root_;
  CharacterRecord& record_;
  JsonProblem& problem_;
  std::vector<Level> levels_;
};

// ---------------------------------------------------------------------------------------------
// The schema: the description written as JSON Schema.

JsonValue RefTo(std::string_view def) {
  JsonValue ref = JsonValue::Object();
  ref.Add("$ref", JsonValue::String("#/$defs/" + std::string(def)));
  return ref;
}

JsonValue TypeOf(std::string_view type) {
  JsonValue schema = JsonValue::Object();
  schema.Add("type", JsonValue::String(std::string(type)));
  return schema;
}

JsonValue Range(std::string_view type, long long low, long long high) {
  JsonValue schema = TypeOf(type);
  schema.Add("minimum", JsonValue::Integer(low));
  schema.Add("maximum", JsonValue::Integer(high));
  return schema;
}

JsonValue AnyOf(std::vector<JsonValue> choices) {
  JsonValue schema = JsonValue::Object();
  JsonValue& any = schema.Add("anyOf", JsonValue::Array());
  any.items = std::move(choices);
  return schema;
}

JsonValue StringArray(std::vector<std::string_view> texts) {
  JsonValue array = JsonValue::Array();
  for (std::string_view text : texts) array.items.push_back(JsonValue::String(std::string(text)));
  return array;
}

std::string_view FormDef(ColumnType form) {
  switch (form) {
    case ColumnType::Text:
    case ColumnType::BookCode:
      return "text";
    case ColumnType::Number:
      return "number";
    case ColumnType::Integer:
      return "integer";
    case ColumnType::Bracketed:
      return "ratings";
    case ColumnType::ModifierCodes:
      return "modifier_codes";
    case ColumnType::BookReference:
      return "book_reference";
    case ColumnType::GearValues:
      return "gear_values";
    case ColumnType::GradeCode:
      return "grade";
  }
  return "text";
}

// Every character Windows-1252 holds, as a regular expression's class of code points.
std::string Cp1252Pattern() {
  std::vector<char32_t> points;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string utf8 = Cp1252ToUtf8Kept(std::string(1, static_cast<char>(byte)));
    char32_t cp = static_cast<unsigned char>(utf8[0]);
    if (utf8.size() == 2) cp = ((cp & 0x1F) << 6) | (utf8[1] & 0x3F);
    if (utf8.size() == 3) cp = ((cp & 0x0F) << 12) | ((utf8[1] & 0x3F) << 6) | (utf8[2] & 0x3F);
    points.push_back(cp);
  }
  std::sort(points.begin(), points.end());
  auto hex = [](char32_t cp) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(cp));
    return std::string(text);
  };
  std::string pattern = "^[";
  for (size_t i = 0; i < points.size();) {
    size_t j = i;
    while (j + 1 < points.size() && points[j + 1] == points[j] + 1) ++j;
    pattern += hex(points[i]);
    if (j > i) pattern += (j > i + 1 ? "-" : "") + hex(points[j]);
    i = j + 1;
  }
  return pattern + "]*$";
}

JsonValue Definitions() {
  JsonValue defs = JsonValue::Object();
  JsonValue text = TypeOf("string");
  text.Add("description", JsonValue::String("A text: characters that Windows-1252 holds (U+0081, U+008D, U+008F, "
                                            "U+0090 and U+009D stand for its unassigned bytes), at most 4095."));
  text.Add("maxLength", JsonValue::Integer(kJsonMaxText));
  text.Add("pattern", JsonValue::String(Cp1252Pattern()));
  defs.Add("text", std::move(text));

  auto orText = [](std::vector<JsonValue> choices, bool nullable, std::string_view description) {
    if (nullable) choices.push_back(TypeOf("null"));
    choices.push_back(RefTo("text"));
    JsonValue schema = AnyOf(std::move(choices));
    schema.members.insert(schema.members.begin(), {"description", JsonValue::String(std::string(description))});
    return schema;
  };
  defs.Add("number", orText({TypeOf("number")}, true,
                            "A number as the file holds it; null when empty; the text when it is not a number."));
  defs.Add("integer", orText({TypeOf("integer")}, true,
                             "A whole number; null when empty; the text when it is not a whole number."));
  JsonValue ratings = TypeOf("array");
  ratings.Add("items", TypeOf("integer"));
  ratings.Add("minItems", JsonValue::Integer(1));
  ratings.Add("maxItems", JsonValue::Integer(2));
  defs.Add("ratings", orText({std::move(ratings)}, true,
                             "The numbers in square brackets: [rating] or [general rating, specialization]; null "
                             "when empty; the text when it is not so."));

  JsonValue code = TypeOf("object");
  JsonValue& codeProperties = code.Add("properties", JsonValue::Object());
  std::vector<std::string_view> codes(kModifierCodes.begin(), kModifierCodes.end());
  codeProperties.Add("attribute", JsonValue::Object()).Add("enum", StringArray(codes));
  codeProperties.Add("value", Range("integer", -9, 9));
  code.Add("required", StringArray({"attribute", "value"}));
  code.Add("additionalProperties", JsonValue::Boolean(false));
  JsonValue codeList = TypeOf("array");
  codeList.Add("items", std::move(code));
  defs.Add("modifier_codes",
           orText({std::move(codeList)}, false,
                  "Attribute modifier codes, +2RCT as {\"attribute\": \"RCT\", \"value\": 2}; the text when "
                  "it is not a list of codes (an edge's description)."));

  JsonValue book = TypeOf("object");
  JsonValue& bookProperties = book.Add("properties", JsonValue::Object());
  JsonValue bookCode = JsonValue::Object();
  JsonValue& bookCodeAll = bookCode.Add("allOf", JsonValue::Array());
  bookCodeAll.items.push_back(RefTo("text"));
  JsonValue noDash = JsonValue::Object();
  noDash.Add("minLength", JsonValue::Integer(1));
  noDash.Add("pattern", JsonValue::String("^[^-]*$"));
  bookCodeAll.items.push_back(std::move(noDash));
  bookProperties.Add("code", std::move(bookCode));
  JsonValue page = TypeOf("integer");
  page.Add("minimum", JsonValue::Integer(0));
  bookProperties.Add("page", std::move(page));
  book.Add("required", StringArray({"code", "page"}));
  book.Add("additionalProperties", JsonValue::Boolean(false));
  defs.Add("book_reference", orText({std::move(book)}, true,
                                    "A sourcebook by its code and a page of it; null when empty; the text when "
                                    "it is not so."));

  JsonValue gear = TypeOf("object");
  JsonValue& gearProperties = gear.Add("properties", JsonValue::Object());
  gearProperties.Add("type", TypeOf("integer"));
  JsonValue values = TypeOf("array");
  values.Add("items", RefTo("number"));
  gearProperties.Add("fields", std::move(values));
  gear.Add("required", StringArray({"type", "fields"}));
  gear.Add("additionalProperties", JsonValue::Boolean(false));
  defs.Add("gear_values", orText({std::move(gear)}, true,
                                 "The gear type and its values in the order of the type's fields; null when "
                                 "empty; the text when it is not so."));

  JsonValue grade = AnyOf({Range("integer", 0, 3), TypeOf("null")});
  grade.members.insert(grade.members.begin(),
                       {"description", JsonValue::String("The grade code glued to the entry, 0 to 3; null for none.")});
  defs.Add("grade", std::move(grade));
  return defs;
}

class SchemaWriter {
 public:
  explicit SchemaWriter(JsonValue& root) { levels_.push_back(Open(root)); }

  void Finish() { Close(levels_.back()); }

  void Const(std::string_view name, JsonValue value, std::string_view description) {
    JsonValue schema = Described(description);
    schema.Add("const", std::move(value));
    Put(name, std::move(schema), true);
  }

  template <typename Fn>
  void Object(std::string_view name, std::string_view description, Fn fn) {
    JsonValue& schema = Put(name, Described(description), true);
    Nested(schema, fn);
  }

  template <typename Fn>
  void Section(std::string_view name, std::string_view description, const Condition& condition, bool, Fn fn) {
    JsonValue& schema = Put(name, Described(description), false);
    Nested(schema, fn);
    // if /object/key is the value then the section is required, else it is not allowed.
    JsonValue rule = JsonValue::Object();
    JsonValue& ifOwner = rule.Add("if", JsonValue::Object()).Add("properties", JsonValue::Object());
    ifOwner.Add(std::string(condition.object), JsonValue::Object())
        .Add("properties", JsonValue::Object())
        .Add(std::string(condition.key), JsonValue::Object())
        .Add("const", condition.value);
    rule.Add("then", JsonValue::Object()).Add("required", StringArray({name}));
    rule.Add("else", JsonValue::Object()).Add("not", JsonValue::Object()).Add("required", StringArray({name}));
    levels_.back().conditions.push_back(std::move(rule));
  }

  void Value(std::string_view name, const RecordField& field, std::string_view description, Role role = Role::Stored,
             std::optional<bool> present = std::nullopt) {
    JsonValue type;
    switch (field.kind) {
      case FieldKind::Text:
        type = RefTo("text");
        break;
      case FieldKind::Int16:
        type = Range("integer", INT16_MIN, INT16_MAX);
        break;
      case FieldKind::Int32:
        type = Range("integer", INT32_MIN, INT32_MAX);
        break;
      case FieldKind::Float:
        type = TypeOf("number");
        break;
      case FieldKind::Flag:
        type = TypeOf("boolean");
        break;
    }
    if (present) type = AnyOf({std::move(type), TypeOf("null")});
    Typed(name, std::move(type), description, role, !present);
  }

  void Cell(std::string_view name, std::string&, ColumnType form, std::string_view description,
            Role role = Role::Stored, std::optional<bool> = std::nullopt) {
    Typed(name, RefTo(FormDef(form)), description, role, true);
  }

  template <typename Set>
  void Whole(std::string_view name, long long, Set, long long low, long long high, std::string_view description,
             Role role) {
    Typed(name, Range("integer", low, high), description, role, true);
  }

  template <typename T, typename Set>
  void Real(std::string_view name, T, Set, std::string_view description, Role role) {
    Typed(name, TypeOf("number"), description, role, true);
  }

  template <typename Set>
  void Choice(std::string_view name, std::initializer_list<std::string_view> options, int, Set,
              std::string_view description) {
    JsonValue schema = JsonValue::Object();
    schema.Add("enum", StringArray(std::vector<std::string_view>(options)));
    Typed(name, std::move(schema), description, Role::Stored, true);
  }

  template <typename Set>
  void Lines(std::string_view name, const std::vector<std::string>&, Set, std::string_view description) {
    JsonValue schema = TypeOf("array");
    schema.Add("items", RefTo("text"));
    Typed(name, std::move(schema), description, Role::Stored, true);
  }

  template <typename Entry>
  void Entries(std::string_view name, SharedList<std::string>&, bool, std::string_view description) {
    JsonValue item = TypeOf("object");
    JsonValue& properties = item.Add("properties", JsonValue::Object());
    std::vector<std::string_view> required;
    for (const auto& column : Entry::Columns()) {
      properties.Add(std::string(column.name), RefTo(FormDef(column.type)));
      required.push_back(column.name);
    }
    JsonValue extra = Described("The entry's fields after its columns, where it has more.");
    extra.Add("type", JsonValue::String("array"));
    extra.Add("items", RefTo("text"));
    extra.Add("maxItems", JsonValue::Integer(kMaxEntryFields));
    properties.Add("extra", std::move(extra));
    JsonValue fields = Described(
        "How many TAB-separated fields the entry has, where a new entry of its kind "
        "would have another number.");
    fields.Add("type", JsonValue::String("integer"));
    fields.Add("minimum", JsonValue::Integer(1));
    fields.Add("maximum", JsonValue::Integer(kMaxEntryFields));
    properties.Add("field_count", std::move(fields));
    item.Add("required", StringArray(required));
    item.Add("additionalProperties", JsonValue::Boolean(false));
    JsonValue schema = TypeOf("array");
    schema.Add("items", std::move(item));
    Typed(name, std::move(schema), description, Role::Stored, true);
  }

 private:
  struct Level {
    JsonValue* schema;
    JsonValue* properties;
    std::vector<std::string_view> required;
    std::vector<JsonValue> conditions;
  };

  static Level Open(JsonValue& schema) {
    schema.Add("type", JsonValue::String("object"));
    return {&schema, &schema.Add("properties", JsonValue::Object()), {}, {}};
  }

  static void Close(Level& level) {
    level.schema->Add("required", StringArray(level.required));
    level.schema->Add("additionalProperties", JsonValue::Boolean(false));
    if (!level.conditions.empty()) level.schema->Add("allOf", JsonValue::Array()).items = std::move(level.conditions);
  }

  template <typename Fn>
  void Nested(JsonValue& schema, Fn fn) {
    levels_.push_back(Open(schema));
    fn();
    Close(levels_.back());
    levels_.pop_back();
  }

  static JsonValue Described(std::string_view description) {
    JsonValue schema = JsonValue::Object();
    if (!description.empty()) schema.Add("description", JsonValue::String(std::string(description)));
    return schema;
  }

  JsonValue& Put(std::string_view name, JsonValue schema, bool required) {
    if (required) levels_.back().required.push_back(name);
    return levels_.back().properties->Add(std::string(name), std::move(schema));
  }

  // A stored value is required unless it may be null; a computed one may be left out.
  void Typed(std::string_view name, JsonValue type, std::string_view description, Role role, bool required) {
    JsonValue schema = Described(description);
    for (auto& member : type.members) schema.members.push_back(std::move(member));
    if (role == Role::Computed) schema.Add("readOnly", JsonValue::Boolean(true));
    Put(name, std::move(schema), role == Role::Stored && required);
  }

  std::vector<Level> levels_;
};

// ---------------------------------------------------------------------------------------------
// The document, described once.

constexpr Role kStored = Role::Stored;
constexpr Role kComputed = Role::Computed;
// A computed value is never set.
constexpr auto kNoSet = [](auto) {};

template <typename V>
void Describe(V& v, CharacterRecord& r, const BuildPointCount& buildPoints = {}) {
  v.Const("format", JsonValue::String(std::string(kJsonFormat)), "Always \"ivgen-character\".");
  v.Const("version", JsonValue::Integer(kJsonVersion), "The version of this format: 1.");
  v.Object("identity", "The texts of the BioInfo page that name and describe the character.", [&] {
    v.Value("street_name", Field("Character.StreetName"), "The street name; a save proposes it as the file name.");
    v.Value("real_name", Field("Character.RealName"), "The legal name.");
    v.Value("archetype", Field("Character.Archetype"), "The archetype.");
    v.Value("race", Field("Character.Race"), "The race as the BioInfo page names it.");
    v.Value("gender", Field("Character.Gender"), "Gender.");
    v.Value("height", Field("Character.Height"), "Height.");
    v.Value("weight", Field("Character.Weight"), "Weight.");
    v.Value("eyes", Field("Character.Eyes"), "Eye colour.");
    v.Value("hair", Field("Character.Hair"), "Hair.");
    v.Value("birthdate", Field("Character.Birthdate"), "Date of birth.");
    v.Value("birthplace", Field("Character.Birthplace"), "Place of birth.");
    v.Value("karma_total", Field("Character.KarmaTotal"), "Karma earned.");
    v.Value("karma_remain", Field("Character.KarmaRemain"), "Karma left.");
  });
  v.Value("picture", Field("Character.GraphicsFilename"), "The picture file the sheet shows; \"\" for none.");
  v.Object("generation", "How the character is built and the options that decide it.", [&] {
    v.Choice(
        "method", {"priorities", "points"}, r.GeneratorPoints ? 1 : 0,
        [&](int method) { r.GeneratorPoints = method == 1; },
        "Built by priorities (see \"priorities\") or with build points (see \"build_points\").");
    v.Value("adept", Field("Character.Adept"),
            "Adept (Aspected): -1 none, 0 physical adept, 1 elementalist, 2 sorcerer, 3 conjurer, 4 shamanist.");
    v.Value("initiation", Field("Character.Initiation"), "Initiation/Geas Mod: 1 on, 0 off.");
    v.Value("grade", Field("Character.Grade"), "The initiate grade; read only while initiation is on.");
    v.Value("override_limits", Field("Character.norules"), "Override Limits (Existing Char): 1 on, 0 off.");
    v.Value("shapeshifter", Field("Character.Shapeshift"), "Whether the character is a shapeshifter.");
    v.Value("race_completed", Field("Character.OnceThru"),
            "Whether the race is fixed: the race page was left for Attributes, the sheet printed, or the "
            "ghoul transformation done.");
  });
  v.Section("priorities", "The priority rows (0 = A to 4 = E) and the race choice, when built by priorities.",
            Condition{"generation", "method", JsonValue::String("priorities"), "when the method is \"priorities\""},
            !r.GeneratorPoints, [&] {
              v.Value("race", Field("Priorities.Race"), "The priority row of Race.");
              v.Value("magic", Field("Priorities.Magic"), "The priority row of Magic.");
              v.Value("attributes", Field("Priorities.Attributes"), "The priority row of Attributes.");
              v.Value("skills", Field("Priorities.Skills"), "The priority row of Skills.");
              v.Value("resources", Field("Priorities.Resources"), "The priority row of Resources.");
              v.Value("race_choice", Field("Priorities.Rsel"),
                      "The race: 0 Human, 1 Elf, 2 Dwarf, 3 Ork, 4 Troll (-1 none).");
              v.Value("physad_magician", Field("Priorities.PhysAdMagic"), "PhysAd: Path of the Magician: 1 on.");
            });
  v.Section("build_points", "The point-based generation dialog's choices, when built with build points.",
            Condition{"generation", "method", JsonValue::String("points"), "when the method is \"points\""},
            r.GeneratorPoints, [&] {
              v.Value("race_choice", Field("PointSys.Race"), "The race: 0 Human, 1 Elf, 2 Dwarf, 3 Ork, 4 Troll.");
              v.Value("race_option", Field("PointSys.Rsel"), "The dialog's race option (-1 none).");
              v.Value("magic", Field("PointSys.Magic"), "The dialog's magic choice.");
              v.Value("skills", Field("PointSys.Skills"), "Active skill points.");
              v.Value("resource_option", Field("PointSys.ResourceSel"), "The dialog's resource option (-1 none).");
              v.Value("metatype", Field("PointSys.Meta"), "The dialog's Meta option: 1 on.");
              v.Value("ghoul", Field("PointSys.Ghoul"), "The dialog's Ghoul option: 1 on.");
              v.Value("otaku", Field("PointSys.Otaku"), "The dialog's Otaku option: 1 on.");
              v.Value("no_rules", Field("PointSys.NoRules"), "The dialog's NoRules option: 1 on.");
              v.Value("metatype_index", Field("PointSys.SelIndex"), "The metatype chosen in the list (-1 none).");
              v.Value("physad_magician", Field("PointSys.PhysAdMagic"), "The dialog's path-of-the-magician option.");
              v.Whole("available", buildPoints.available, kNoSet, INT16_MIN, INT16_MAX,
                      "The build points to spend: the maxpoints setting.", kComputed);
              v.Whole("spent", buildPoints.spent, kNoSet, INT16_MIN, INT16_MAX, "The build points the dialog spent.",
                      kComputed);
            });
  v.Object("points", "The points granted and those spent.", [&] {
    v.Value("attributes", Field("Character.Attributes"), "Attribute points granted.");
    v.Whole("attributes_used", r.AttributePointsUsed, kNoSet, INT16_MIN, INT16_MAX, "Attribute points spent.",
            kComputed);
    v.Value("active_skills_used", Field("Character.CurSkill"), "Active skill points spent.", kComputed);
    v.Whole("knowledge_skills_used", r.KnowledgePointsUsed, kNoSet, INT16_MIN, INT16_MAX,
            "Knowledge skill points spent.", kComputed);
    v.Whole("language_skills_used", r.LanguagePointsUsed, kNoSet, INT16_MIN, INT16_MAX, "Language skill points spent.",
            kComputed);
    v.Value("spells", Field("Character.MagicPts"), "Spell points granted.");
    v.Real("spells_used", r.SpellPointsUsed, kNoSet, "Spell points spent.", kComputed);
    v.Real("powers_used", r.PowerPointsUsed, kNoSet, "Power points spent.", kComputed);
  });
  v.Object("money", "Nuyen.", [&] {
    v.Value("granted", Field("Character.Maxresources"), "Nuyen granted.");
    v.Whole(
        "left", MoneyLeft(r),
        [&](long long left) { r.NuyenSpent = CLng(static_cast<double>(r.Maxresources) - static_cast<double>(left)); },
        INT32_MIN, INT32_MAX, "Nuyen left; what was spent follows from it.", kStored);
    v.Whole("spent", r.NuyenSpent, kNoSet, INT32_MIN, INT32_MAX, "Nuyen spent: granted minus left.", kComputed);
  });
  v.Lines(
      "race_description", r.RaceDesc, [&](std::vector<std::string> lines) { r.RaceDesc = std::move(lines); },
      "The lines the race page shows about the race and metatype.");
  v.Object("attributes", "The attributes and the values that follow from them.", [&] {
    for (int i = 0; i < kAttributeCount; ++i) {
      AttributeRow& row = r.Attr[i];
      v.Object(kAttributeNames[i], "", [&] {
        v.Cell("base", row.Base, ColumnType::Integer, "The rating bought.");
        v.Cell("racial", row.Racial, ColumnType::Integer, "The racial modifier.");
        v.Cell("modifier", row.Modifier, ColumnType::Integer, "What cyberware, bioware, edges, flaws and powers add.",
               kComputed);
        v.Cell("total", row.Total, ColumnType::Integer, "The final rating.", kComputed);
      });
    }
    auto derived = [&](std::string_view name, DerivedRow& row, std::string_view description) {
      v.Object(name, description, [&] {
        v.Cell("base", row.Base, ColumnType::Integer, "", kComputed);
        v.Cell("modifier", row.Modifier, ColumnType::Integer, "", kComputed);
        v.Cell("total", row.Total, ColumnType::Integer, "", kComputed);
      });
    };
    derived("reaction", r.Reaction, "Reaction.");
    derived("initiative", r.Initative, "Initiative dice.");
    derived("magic", r.Magic, "The Magic attribute.");
    v.Cell("run_multiplier", r.RunMult, ColumnType::Number, "The running multiplier.");
    v.Real("essence", r.Essence, kNoSet, "Essence left after cyberware.", kComputed);
    v.Real(
        "bio_index", r.BodyIndex, [&](float index) { r.BodyIndex = index; },
        "The Bio-index bioware uses; counted again from the bioware when there is any.", kStored);
  });
  v.Section("animal_form", "The animal form of a shapeshifter.",
            Condition{"generation", "shapeshifter", JsonValue::Boolean(true), "for a shapeshifter"}, r.Shapeshift, [&] {
              auto row = [&](std::string_view name, DerivedRow& cells, std::string_view description) {
                v.Object(name, description, [&] {
                  v.Cell("base", cells.Base, ColumnType::Integer, "The animal's rating.");
                  v.Cell("modifier", cells.Modifier, ColumnType::Integer, "The animal form's modifier.");
                  v.Cell("total", cells.Total, ColumnType::Integer, "The total.", kComputed);
                });
              };
              for (int i = 0; i < 3; ++i) row(kAttributeNames[i], r.Animal.Attr[i], "");
              v.Cell("run_multiplier", r.Animal.RunMult, ColumnType::Number, "The animal form's running multiplier.");
              row("reaction", r.Animal.Reaction, "Reaction.");
              row("initiative", r.Animal.Initative, "Initiative dice.");
              v.Whole("animal_index", r.Animal.SSindex, kNoSet, INT16_MIN, INT16_MAX,
                      "The animal's place in the metatype list.", kComputed);
            });
  v.Object("dice_pools", "The dice pools of the attributes page.", [&] {
    auto pool = [&](std::string_view name, std::string_view key, std::string_view description,
                    std::optional<bool> present = std::nullopt) {
      const RecordField& field = Field(key);
      v.Cell(name, *field.text(r), ColumnType::Integer, description, field.typed ? kStored : kComputed, present);
    };
    pool("karma", "Dice pools.Karma", "Karma pool.");
    pool("combat", "Dice pools.Combat", "Combat pool.");
    pool("control", "Dice pools.Control", "Control pool.");
    pool("hacking", "Dice pools.Hacking", "Hacking pool.");
    pool("spell", "Dice pools.Magic", "Spell pool; null without magic.", r.MagicUser());
    pool("astral", "Dice pools.Astral", "Astral pool.");
    v.Value("pool1_name", Field("Dice pools.lblPool1"), "The name of the first free pool.");
    pool("pool1", "Dice pools.txtPool1", "The first free pool.");
    v.Value("pool2_name", Field("Dice pools.lblPool2"), "The name of the second free pool.");
    pool("pool2", "Dice pools.txtPool2", "The second free pool.");
  });
  v.template Entries<EdgeEntry>("edges", r.Edges, true, "Edges and flaws.");
  v.template Entries<SkillEntry>("skills", r.Skills, true, "Skills.");
  v.template Entries<CyberwareEntry>("cyberware", r.Cyberware, true, "Installed cyberware.");
  v.template Entries<BiowareEntry>("bioware", r.Bioware, true, "Installed bioware.");
  v.template Entries<PowerEntry>("powers", r.Powers, r.Adept == 0, "Adept powers; kept for a physical adept only.");
  v.Value("tradition", Field("Magic.Tradition"),
          "The tradition or totem by its place in the list (-1 none); null without magic.", kStored, r.MagicUser());
  v.template Entries<SpellEntry>("spells", r.Spells, r.MagicUser(), "Spells; kept for a magician only.");
  v.template Entries<GearEntry>("gear", r.Gear, true,
                                "Gear, weapons and vehicles; the entries after the carried-gear divider are carried.");
  v.Real(
      "total_weight", r.TotalWeight, [&](float weight) { r.TotalWeight = weight; }, "The weight of the carried gear.",
      kStored);
  v.Lines(
      "description", DescriptionLines(r.Description),
      [&](const std::vector<std::string>& lines) { r.Description = DescriptionText(lines); },
      "The description, one text per line.");
  v.template Entries<ContactEntry>("contacts", r.Contacts, true, "Contacts.");
}

}  // namespace

std::string CharacterJson(const CharacterRecord& record, const BuildPointCount& buildPoints) {
  CharacterRecord copy = record;
  JsonValue root = JsonValue::Object();
  Exporter exporter(root, copy);
  Describe(exporter, copy, buildPoints);
  return WriteJson(root);
}

std::optional<CharacterRecord> ReadCharacterJson(std::string_view text, const std::string& defaultGif,
                                                 JsonProblem& problem) {
  std::optional<JsonValue> document = ParseJson(text, problem);
  if (!document) return std::nullopt;
  CharacterRecord record;
  ResetRecordFields(record, defaultGif);
  Importer importer(*document, record, problem);
  try {
    importer.Document([&] { Describe(importer, record); });
  } catch (const Refused&) {
    return std::nullopt;
  }
  return record;
}

std::optional<CharacterFile> CharacterFileFromJson(std::string_view text, const WriterContext& context,
                                                   JsonProblem& problem) {
  std::optional<CharacterRecord> record = ReadCharacterJson(text, context.defaultGif, problem);
  if (!record) return std::nullopt;
  return CharacterFile(IniFile::Parse(CharacterFileText(*record, context)));
}

std::string CharacterSchema() {
  JsonValue root = JsonValue::Object();
  root.Add("$schema", JsonValue::String("https://json-schema.org/draft/2020-12/schema"));
  root.Add("title", JsonValue::String("Ironveil character"));
  root.Add("description", JsonValue::String("One character of the Ironveil character generator, as File > "
                                            "\"Export as JSON...\" writes it. Values marked readOnly are "
                                            "computed by the rules: an import checks their type and "
                                            "computes them again."));
  CharacterRecord record;
  SchemaWriter writer(root);
  Describe(writer, record);
  writer.Finish();
  root.Add("$defs", Definitions());
  return WriteJson(root);
}

}  // namespace ivgen
