// A JSON document as the character export writes it and the import reads it: a small tree that
// keeps every number as it was written (so "2.00" stays "2.00") and members in their order, read
// by a strict parser that names the place of the first problem, and written with a fixed layout,
// so the same tree always gives the same bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ivgen {

struct JsonMember;

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  /// A string's UTF-8 text, or a number as written ("2.00", "-3", "1e5").
  std::string text;
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;

  static JsonValue Null();
  static JsonValue Boolean(bool value);
  /// token must be a JSON number as written.
  static JsonValue Number(std::string token);
  static JsonValue Integer(long long value);
  static JsonValue String(std::string utf8);
  static JsonValue Array();
  static JsonValue Object();
  static JsonValue Of(Kind kind);

  /// Appends a member to an object (no check for a key already there).
  JsonValue& Add(std::string key, JsonValue value);
  /// A member of an object, or nothing.
  const JsonValue* Find(std::string_view key) const;
  /// Whether a number has neither fraction nor exponent.
  bool IsIntegerToken() const;
};

/// A member of an object, in the document's order.
struct JsonMember {
  std::string key;
  JsonValue value;
};

/// Where in a document a problem lies, as a JSON Pointer ("/skills/3/ratings/0"; "/" for the
/// document itself), and what it is.
struct JsonProblem {
  std::string path;
  std::string what;
  std::string Text() const { return (path.empty() ? "/" : path) + ": " + what; }
};

/// Documents nest no deeper than this; deeper ones are refused before they cost a stack.
inline constexpr size_t kJsonMaxDepth = 32;

/// Parses UTF-8 JSON text. Refuses, with the path of the first problem: text that is not JSON
/// (ill-formed UTF-8 included), a key that appears twice in one object, and nesting deeper than
/// kJsonMaxDepth.
std::optional<JsonValue> ParseJson(std::string_view text, JsonProblem& problem);

/// The document as text: two blanks of indent per level, a container of nothing but plain values
/// on one line when it fits, CR LF line ends and one at the end.
std::string WriteJson(const JsonValue& value);

/// A JSON Pointer one step deeper: "~" and "/" in a key escaped as the pointer syntax wants.
std::string PointerTo(std::string_view parent, std::string_view key);
std::string PointerTo(std::string_view parent, size_t index);

/// A value as a message names it: a short quoted text, a number, or "an array" / "an object".
std::string DescribeJson(const JsonValue& value);

}  // namespace ivgen
