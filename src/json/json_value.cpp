#include "json/json_value.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <utility>

namespace ivgen {

JsonValue JsonValue::Of(Kind kind) {
  JsonValue value;
  value.kind = kind;
  return value;
}

JsonValue JsonValue::Null() { return Of(Kind::Null); }

JsonValue JsonValue::Array() { return Of(Kind::Array); }

JsonValue JsonValue::Object() { return Of(Kind::Object); }

JsonValue JsonValue::Boolean(bool value) {
  JsonValue v = Of(Kind::Boolean);
  v.boolean = value;
  return v;
}

JsonValue JsonValue::Number(std::string token) {
  JsonValue v = Of(Kind::Number);
  v.text = std::move(token);
  return v;
}

JsonValue JsonValue::Integer(long long value) { return Number(std::to_string(value)); }

JsonValue JsonValue::String(std::string utf8) {
  JsonValue v = Of(Kind::String);
  v.text = std::move(utf8);
  return v;
}

JsonValue& JsonValue::Add(std::string key, JsonValue value) {
  members.push_back({std::move(key), std::move(value)});
  return members.back().value;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return &value;
  }
  return nullptr;
}

bool JsonValue::IsIntegerToken() const {
  return kind == Kind::Number && text.find_first_of(".eE") == std::string::npos;
}

std::string PointerTo(std::string_view parent, std::string_view key) {
  std::string path(parent);
  path += '/';
  for (char c : key) {
    if (c == '~') {
      path += "~0";
    } else if (c == '/') {
      path += "~1";
    } else {
      path += c;
    }
  }
  return path;
}

std::string PointerTo(std::string_view parent, size_t index) {
  return std::string(parent) + "/" + std::to_string(index);
}

namespace {

// Builds the tree as nlohmann's parser reads the text, which keeps the parser's own checks (UTF-8,
// escapes, grammar) and adds ours: no key twice, no nesting past the limit, numbers as written.
class TreeBuilder {
 public:
  using json = nlohmann::json;

  explicit TreeBuilder(JsonProblem& problem) : problem_(problem) {}

  bool null() { return Put(JsonValue::Null()); }
  bool boolean(bool value) { return Put(JsonValue::Boolean(value)); }
  bool number_integer(json::number_integer_t value) { return Put(JsonValue::Integer(value)); }
  bool number_unsigned(json::number_unsigned_t value) { return Put(JsonValue::Number(std::to_string(value))); }
  bool number_float(json::number_float_t, const json::string_t& token) { return Put(JsonValue::Number(token)); }
  bool string(json::string_t& text) { return Put(JsonValue::String(std::move(text))); }
  bool binary(json::binary_t&) { return Fail(Path(), "binary data is not JSON"); }
  bool start_object(size_t) { return Open(JsonValue::Object()); }
  bool start_array(size_t) { return Open(JsonValue::Array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(json::string_t& key) {
    Level& level = stack_.back();
    if (std::any_of(level.value.members.begin(), level.value.members.end(),
                    [&](const auto& member) { return member.key == key; })) {
      return Fail(PointerTo(level.path, key), "the key appears twice");
    }
    level.key = std::move(key);
    return true;
  }
  bool parse_error(size_t, const std::string&, const nlohmann::detail::exception& error) {
    // "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error ..."
    std::string what = error.what();
    if (const size_t at = what.find("at line "); at != std::string::npos) what = what.substr(at);
    // What the parser last read may hold the very bytes that broke it.
    if (const size_t last = what.find("; last read"); last != std::string::npos) what.resize(last);
    return Fail(Path(), "not valid JSON " + what);
  }

  std::optional<JsonValue> Take() { return std::move(root_); }

 private:
  struct Level {
    JsonValue value;
    std::string path;
    std::string key;
  };

  // The path of the value being read now; between an object's members, the object's.
  std::string Path() const {
    if (stack_.empty()) return "";
    const Level& level = stack_.back();
    if (level.value.kind == JsonValue::Kind::Array) return PointerTo(level.path, level.value.items.size());
    return level.key.empty() ? level.path : PointerTo(level.path, level.key);
  }

  bool Fail(std::string path, std::string what) {
    if (problem_.what.empty()) problem_ = {std::move(path), std::move(what)};
    return false;
  }

  bool Put(JsonValue value) {
    if (stack_.empty()) {
      root_ = std::move(value);
    } else if (Level& level = stack_.back(); level.value.kind == JsonValue::Kind::Object) {
      level.value.Add(std::exchange(level.key, {}), std::move(value));
    } else {
      level.value.items.push_back(std::move(value));
    }
    return true;
  }

  bool Open(JsonValue container) {
    std::string path = Path();
    if (stack_.size() >= kJsonMaxDepth)
      return Fail(path, "nested deeper than " + std::to_string(kJsonMaxDepth) + " levels");
    stack_.push_back({std::move(container), std::move(path), {}});
    return true;
  }

  bool Close() {
    JsonValue value = std::move(stack_.back().value);
    stack_.pop_back();
    return Put(std::move(value));
  }

  JsonProblem& problem_;
  std::vector<Level> stack_;
  std::optional<JsonValue> root_;
};

void WriteString(std::string& out, std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    // The C1 controls (the bytes Windows-1252 leaves unassigned come as U+0081 ...) are shown
    // escaped, as the C0 ones must be, so no reader takes them for line ends.
    const bool c1 = c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F || c1) {
      const unsigned code = c1 ? static_cast<unsigned char>(utf8[++i]) : c;
      out += "\\u00";
      out += kHex[code >> 4];
      out += kHex[code & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

bool IsContainer(const JsonValue& value) {
  return value.kind == JsonValue::Kind::Array || value.kind == JsonValue::Kind::Object;
}

// A container holding no container, written on one line.
void WriteFlat(std::string& out, const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::Null:
      out += "null";
      return;
    case JsonValue::Kind::Boolean:
      out += value.boolean ? "true" : "false";
      return;
    case JsonValue::Kind::Number:
      out += value.text;
      return;
    case JsonValue::Kind::String:
      WriteString(out, value.text);
      return;
    case JsonValue::Kind::Array:
      out += '[';
      for (size_t i = 0; i < value.items.size(); ++i) {
        if (i > 0) out += ", ";
        WriteFlat(out, value.items[i]);
      }
      out += ']';
      return;
    case JsonValue::Kind::Object:
      out += '{';
      for (size_t i = 0; i < value.members.size(); ++i) {
        if (i > 0) out += ", ";
        WriteString(out, value.members[i].key);
        out += ": ";
        WriteFlat(out, value.members[i].value);
      }
      out += '}';
      return;
  }
}

constexpr size_t kLineWidth = 100;

// How many levels of containers a value holds: 0 for a plain value.
size_t Depth(const JsonValue& value) {
  size_t depth = 0;
  for (const JsonValue& item : value.items) depth = std::max(depth, Depth(item));
  for (const auto& member : value.members) depth = std::max(depth, Depth(member.value));
  return IsContainer(value) ? depth + 1 : 0;
}

// A container of at most two levels goes on one line when it fits there.
void WriteIndented(std::string& out, const JsonValue& value, size_t indent) {
  if (Depth(value) <= 2) {
    const size_t start = out.size();
    WriteFlat(out, value);
    if (!IsContainer(value) || out.size() - start + indent <= kLineWidth) return;
    out.resize(start);
  }
  const bool object = value.kind == JsonValue::Kind::Object;
  const size_t count = object ? value.members.size() : value.items.size();
  out += object ? '{' : '[';
  for (size_t i = 0; i < count; ++i) {
    out += i > 0 ? ",\r\n" : "\r\n";
    out.append(indent + 2, ' ');
    if (object) {
      WriteString(out, value.members[i].key);
      out += ": ";
    }
    WriteIndented(out, object ? value.members[i].value : value.items[i], indent + 2);
  }
  out += "\r\n";
  out.append(indent, ' ');
  out += object ? '}' : ']';
}

std::string Shortened(std::string_view utf8) {
  constexpr size_t kShown = 40;
  if (utf8.size() <= kShown) return std::string(utf8);
  size_t cut = kShown;
  // Never in the middle of a character.
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  return std::string(utf8.substr(0, cut)) + "...";
}

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, JsonProblem& problem) {
  problem = {};
  TreeBuilder builder(problem);
  const bool parsed = nlohmann::json::sax_parse(text.begin(), text.end(), &builder);
  if (!parsed) {
    if (problem.what.empty()) problem = {"", "not valid JSON"};
    return std::nullopt;
  }
  return builder.Take();
}

std::string WriteJson(const JsonValue& value) {
  std::string out;
  WriteIndented(out, value, 0);
  out += "\r\n";
  return out;
}

std::string DescribeJson(const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::Null:
      return "null";
    case JsonValue::Kind::Boolean:
      return value.boolean ? "true" : "false";
    case JsonValue::Kind::Number:
      return Shortened(value.text);
    case JsonValue::Kind::String: {
      std::string quoted;
      WriteString(quoted, Shortened(value.text));
      return quoted;
    }
    case JsonValue::Kind::Array:
      return "an array";
    case JsonValue::Kind::Object:
      return "an object";
  }
  return {};
}

}  // namespace ivgen
