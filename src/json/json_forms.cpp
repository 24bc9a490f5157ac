#include "json/json_forms.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "catalog/modifier_codes.h"
#include "record/cp1252.h"
#include "record/text.h"

namespace ivgen {

namespace {

using Kind = JsonValue::Kind;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "-0" would come back as 0, so only texts a JSON reader gives back letter for letter are numbers.
bool IsIntegerText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

bool IsCanonicalInteger(std::string_view text) { return IsIntegerText(text) && text != "-0"; }

// The JSON number grammar: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsNumberText(std::string_view text) {
  size_t i = 0;
  auto digits = [&] {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > start;
  };
  if (i < text.size() && text[i] == '-') ++i;
  const size_t integral = i;
  if (!digits() || (text[integral] == '0' && i - integral > 1)) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  if (i != text.size() || text == "-0") return false;
  // A number no double holds would not be read back as written.
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && std::isfinite(value);
}

std::string Pad(std::string digits, int width) {
  if (!digits.empty() && digits.front() != '-' && static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  }
  return digits;
}

// The whole number a JSON number stands for, written as a record writes it; nothing for a
// fraction, an infinity or anything that is no number.
std::optional<std::string> IntegerText(const JsonValue& value) {
  if (value.kind != Kind::Number) return std::nullopt;
  if (value.IsIntegerToken()) return value.text == "-0" ? "0" : value.text;
  double number = 0;
  const auto [end, error] = std::from_chars(value.text.data(), value.text.data() + value.text.size(), number);
  if (error != std::errc() || !std::isfinite(number) || std::trunc(number) != number) return std::nullopt;
  if (number == 0) return "0";
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 0);
  return std::string(buffer, written.ptr);
}

struct Refused {};

// Reads a form's typed value; a wrong value says so at its path and gives up.
class FormReader {
 public:
  FormReader(JsonProblem& problem) : problem_(problem) {}

  [[noreturn]] void Fail(const std::string& path, const std::string& expected, const JsonValue& got) {
    problem_ = {path, "expected " + expected + ", got " + DescribeJson(got)};
    throw Refused{};
  }

  std::string Integer(const JsonValue& value, const std::string& path, std::string_view expected = "an integer") {
    if (std::optional<std::string> text = IntegerText(value)) return *text;
    Fail(path, std::string(expected), value);
  }

  // An object with exactly the given keys, each present.
  void Keys(const JsonValue& value, const std::string& path, std::initializer_list<std::string_view> keys,
            std::string_view expected) {
    if (value.kind != Kind::Object) Fail(path, std::string(expected), value);
    for (const auto& [key, member] : value.members) {
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
        problem_ = {PointerTo(path, key), "unknown key"};
        throw Refused{};
      }
    }
    for (std::string_view key : keys) {
      if (value.Find(key) == nullptr) {
        problem_ = {PointerTo(path, key), "required, but missing"};
        throw Refused{};
      }
    }
  }

  std::string Text(const JsonValue& value, const std::string& path) {
    std::optional<std::string> text = TextOf(value, path, problem_);
    if (!text) throw Refused{};
    return *text;
  }

 private:
  JsonProblem& problem_;
};

bool IsCodeList(std::string_view text) {
  for (const std::string& piece : Split(text, ',')) {
    if (piece.size() < 3 || (piece[0] != '+' && piece[0] != '-') || !IsDigit(piece[1]) ||
        !IsModifierCode(piece.substr(2)) || piece.back() == '*' || (piece[0] == '-' && piece[1] == '0')) {
      return false;
    }
  }
  return true;
}

JsonValue Codes(std::string_view text) {
  JsonValue codes = JsonValue::Array();
  if (text.empty()) return codes;
  for (const std::string& piece : Split(text, ',')) {
    JsonValue code = JsonValue::Object();
    code.Add("attribute", TextValue(piece.substr(2)));
    code.Add("value", JsonValue::Integer((piece[0] == '-' ? -1 : 1) * (piece[1] - '0')));
    codes.items.push_back(std::move(code));
  }
  return codes;
}

std::optional<JsonValue> Ratings(std::string_view text, int digits) {
  if (text.size() < 3 || text.front() != '[' || text.back() != ']') return std::nullopt;
  JsonValue ratings = JsonValue::Array();
  for (const std::string& number : Split(text.substr(1, text.size() - 2), '/')) {
    std::string plain = number;
    while (plain.size() > 1 && plain.front() == '0') plain.erase(0, 1);
    if (!IsCanonicalInteger(plain) || Pad(plain, digits) != number) return std::nullopt;
    ratings.items.push_back(JsonValue::Number(plain));
  }
  if (ratings.items.empty() || ratings.items.size() > 2) return std::nullopt;
  return ratings;
}

std::optional<JsonValue> BookReference(std::string_view text) {
  const size_t dash = text.find('-');
  if (dash == 0 || dash == std::string_view::npos) return std::nullopt;
  const std::string_view page = text.substr(dash + 1);
  if (!IsCanonicalInteger(page) || page.front() == '-') return std::nullopt;
  JsonValue book = JsonValue::Object();
  book.Add("code", TextValue(text.substr(0, dash)));
  book.Add("page", JsonValue::Number(std::string(page)));
  return book;
}

std::optional<JsonValue> GearValues(std::string_view text) {
  if (text.empty() || text.back() != '|') return std::nullopt;
  std::vector<std::string> values = Split(text.substr(0, text.size() - 1), '|');
  if (values.empty() || !IsCanonicalInteger(values.front())) return std::nullopt;
  JsonValue gear = JsonValue::Object();
  gear.Add("type", JsonValue::Number(values.front()));
  JsonValue& list = gear.Add("fields", JsonValue::Array());
  for (size_t i = 1; i < values.size(); ++i) list.items.push_back(FormValue(values[i], ColumnType::Number));
  return gear;
}

std::string ReadForm(FormReader& in, const JsonValue& value, ColumnType form, int digits, const std::string& path) {
  if (value.kind == Kind::String && form != ColumnType::GradeCode) return in.Text(value, path);
  const std::string expected = std::string(FormExpectation(form));
  const bool text = form == ColumnType::Text || form == ColumnType::BookCode;
  if (value.kind == Kind::Null && form != ColumnType::ModifierCodes && !text) return "";
  switch (form) {
    case ColumnType::Text:
    case ColumnType::BookCode:
      break;
    case ColumnType::Number:
      if (value.kind == Kind::Number) return value.text == "-0" ? "0" : value.text;
      break;
    case ColumnType::Integer:
      return in.Integer(value, path, expected);
    case ColumnType::Bracketed: {
      if (value.kind != Kind::Array || value.items.empty() || value.items.size() > 2) break;
      std::string text = "[";
      for (size_t i = 0; i < value.items.size(); ++i) {
        if (i > 0) text += '/';
        text += Pad(in.Integer(value.items[i], PointerTo(path, i)), digits);
      }
      return text + "]";
    }
    case ColumnType::ModifierCodes: {
      if (value.kind != Kind::Array) break;
      std::string text;
      for (size_t i = 0; i < value.items.size(); ++i) {
        const std::string at = PointerTo(path, i);
        const JsonValue& code = value.items[i];
        in.Keys(code, at, {"attribute", "value"}, "an object of an attribute code and a value");
        const JsonValue& attribute = *code.Find("attribute");
        if (attribute.kind != Kind::String || !IsModifierCode(attribute.text) || attribute.text.back() == '*') {
          in.Fail(PointerTo(at, "attribute"), "a modifier code such as \"RCT\"", attribute);
        }
        const std::optional<long long> amount = WholeNumber(*code.Find("value"));
        if (!amount || *amount < -9 || *amount > 9) {
          in.Fail(PointerTo(at, "value"), "an integer from -9 to 9", *code.Find("value"));
        }
        if (i > 0) text += ',';
        text += (*amount < 0 ? "-" : "+") + std::to_string(std::llabs(*amount)) + attribute.text;
      }
      return text;
    }
    case ColumnType::BookReference: {
      in.Keys(value, path, {"code", "page"}, expected);
      const std::string code = in.Text(*value.Find("code"), PointerTo(path, "code"));
      if (code.empty() || code.find('-') != std::string::npos) {
        in.Fail(PointerTo(path, "code"), "a book code without \"-\"", *value.Find("code"));
      }
      const std::string page = in.Integer(*value.Find("page"), PointerTo(path, "page"), "an integer of 0 or more");
      if (page.front() == '-') in.Fail(PointerTo(path, "page"), "an integer of 0 or more", *value.Find("page"));
      return code + "-" + page;
    }
    case ColumnType::GearValues: {
      in.Keys(value, path, {"type", "fields"}, expected);
      std::string text = in.Integer(*value.Find("type"), PointerTo(path, "type")) + "|";
      const JsonValue& values = *value.Find("fields");
      const std::string at = PointerTo(path, "fields");
      if (values.kind != Kind::Array) in.Fail(at, "an array", values);
      for (size_t i = 0; i < values.items.size(); ++i) {
        text += ReadForm(in, values.items[i], ColumnType::Number, 1, PointerTo(at, i)) + "|";
      }
      return text;
    }
    case ColumnType::GradeCode: {
      const std::optional<long long> grade = WholeNumber(value);
      if (grade && *grade >= 0 && *grade <= 3) return std::to_string(*grade);
      break;
    }
  }
  in.Fail(path, expected, value);
}

}  // namespace

JsonValue TextValue(std::string_view text) { return JsonValue::String(Cp1252ToUtf8Kept(text)); }

JsonValue FormValue(std::string_view text, ColumnType form, int digits) {
  if (form == ColumnType::ModifierCodes) return text.empty() || IsCodeList(text) ? Codes(text) : TextValue(text);
  if (form == ColumnType::Text || form == ColumnType::BookCode) return TextValue(text);
  if (text.empty()) return JsonValue::Null();
  std::optional<JsonValue> typed;
  switch (form) {
    case ColumnType::Number:
      if (IsNumberText(text)) typed = JsonValue::Number(std::string(text));
      break;
    case ColumnType::Integer:
      if (IsCanonicalInteger(text)) typed = JsonValue::Number(std::string(text));
      break;
    case ColumnType::Bracketed:
      typed = Ratings(text, digits);
      break;
    case ColumnType::BookReference:
      typed = BookReference(text);
      break;
    case ColumnType::GearValues:
      typed = GearValues(text);
      break;
    case ColumnType::GradeCode:
      if (text.size() == 1 && text[0] >= '0' && text[0] <= '3') typed = JsonValue::Number(std::string(text));
      break;
    default:
      break;
  }
  return typed ? *typed : TextValue(text);
}

std::optional<std::string> TextOf(const JsonValue& value, const std::string& path, JsonProblem& problem) {
  if (value.kind != Kind::String) {
    problem = {path, "expected a text, got " + DescribeJson(value)};
    return std::nullopt;
  }
  char32_t refused = 0;
  std::optional<std::string> text = Utf8ToCp1252Kept(value.text, &refused);
  if (!text) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(refused));
    problem = {path, std::string("holds a character Windows-1252 cannot hold (") + code + ")"};
    return std::nullopt;
  }
  if (text->size() > kJsonMaxText) {
    problem = {path, "longer than " + std::to_string(kJsonMaxText) + " characters"};
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> FormText(const JsonValue& value, ColumnType form, int digits, const std::string& path,
                                    JsonProblem& problem) {
  FormReader in(problem);
  try {
    return ReadForm(in, value, form, digits, path);
  } catch (const Refused&) {
    return std::nullopt;
  }
}

std::optional<long long> WholeNumber(const JsonValue& value) {
  const std::optional<std::string> text = IntegerText(value);
  if (!text) return std::nullopt;
  long long number = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  return number;
}

std::string_view FormExpectation(ColumnType form) {
  switch (form) {
    case ColumnType::Text:
    case ColumnType::BookCode:
      return "a text";
    case ColumnType::Number:
      return "a number, null or a text";
    case ColumnType::Integer:
      return "an integer, null or a text";
    case ColumnType::Bracketed:
      return "an array of one or two integers, null or a text";
    case ColumnType::ModifierCodes:
      return "an array of modifier codes or a text";
    case ColumnType::BookReference:
      return "a book code and page, null or a text";
    case ColumnType::GearValues:
      return "a gear type and its values, null or a text";
    case ColumnType::GradeCode:
      return "an integer from 0 to 3 or null";
  }
  return "";
}

}  // namespace ivgen
