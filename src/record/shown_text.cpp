#include "record/shown_text.h"

#include <utility>

#include "record/cp1252.h"

namespace ivgen {

ShownText::ShownText(std::string text) {
  if (!text.empty()) pieces_.push_back({false, std::move(text)});
}

ShownText::ShownText(const char* text) : ShownText(std::string(text)) {}

ShownText ShownText::Path(std::string path) {
  ShownText shown;
  if (!path.empty()) shown.pieces_.push_back({true, std::move(path)});
  return shown;
}

ShownText& ShownText::operator+=(const ShownText& more) {
  for (const Piece& piece : more.pieces_) {
    // Neighbouring words join, so equal texts compare equal however they were put together.
    if (!pieces_.empty() && !piece.path && !pieces_.back().path) {
      pieces_.back().bytes += piece.bytes;
    } else {
      pieces_.push_back(piece);
    }
  }
  return *this;
}

std::string ShownText::Text() const {
  std::string text;
  for (const Piece& piece : pieces_) text += piece.path ? PathToText(piece.bytes) : piece.bytes;
  return text;
}

std::string ShownText::Utf8() const {
  std::string text;
  for (const Piece& piece : pieces_) text += piece.path ? AsUtf8(piece.bytes) : Cp1252ToUtf8(piece.bytes);
  return text;
}

}  // namespace ivgen
