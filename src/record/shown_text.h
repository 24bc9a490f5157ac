// A text shown to the person that may name files. The words are Windows-1252 like every other
// text, while a path keeps the file system's own bytes up to the screen: converted into the text,
// a name outside the code page would show as "?" and two such files would look the same.
#pragma once

#include <string>
#include <vector>

namespace ivgen {

class ShownText {
 public:
  ShownText() = default;
  // Plain texts convert on their own, so a message without a path reads as it always did.
  ShownText(std::string text);
  ShownText(const char* text);

  /// A path, shown as the file system spells it.
  static ShownText Path(std::string path);

  ShownText& operator+=(const ShownText& more);
  friend ShownText operator+(ShownText text, const ShownText& more) { return text += more; }
  friend bool operator==(const ShownText&, const ShownText&) = default;

  /// The Windows-1252 form, for a log or a test: each path as text, "?" where the code page has
  /// no character.
  std::string Text() const;
  /// The UTF-8 form for a screen: the words converted, each path with every character it has.
  std::string Utf8() const;

 private:
  struct Piece {
    bool path = false;
    std::string bytes;
    friend bool operator==(const Piece&, const Piece&) = default;
  };
  std::vector<Piece> pieces_;
};

}  // namespace ivgen
