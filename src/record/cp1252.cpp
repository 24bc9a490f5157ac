#include "record/cp1252.h"

#include <cstdint>

namespace ivgen {

namespace {

// Code points of bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves unassigned.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ByteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// The code point at i, moving i past it; false (moving one byte) for a malformed sequence.
bool NextCodePoint(std::string_view text, size_t& i, char32_t& cp) {
  const auto lead = static_cast<uint8_t>(text[i]);
  const size_t length = lead < 0x80             ? 1
                        : (lead & 0xE0) == 0xC0 ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 0;
  cp = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  bool valid = length != 0 && i + length <= text.size();
  for (size_t k = 1; valid && k < length; ++k) {
    const auto next = static_cast<uint8_t>(text[i + k]);
    valid = (next & 0xC0) == 0x80;
    cp = (cp << 6) | (next & 0x3F);
  }
  i += valid ? length : 1;
  return valid;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  char32_t cp = 0;
  for (size_t i = 0; i < text.size();) {
    if (!NextCodePoint(text, i, cp)) return false;
  }
  return true;
}

std::string PathToText(std::string_view path) { return IsUtf8(path) ? Utf8ToCp1252(path) : std::string(path); }

std::string TextToPath(std::string_view text) { return Cp1252ToUtf8(text); }

std::string AsUtf8(std::string_view bytes) { return IsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes); }

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte < 0x80) {
      out += c;
    } else if (byte < 0xA0) {
      const char32_t cp = kHigh[byte - 0x80];
      AppendUtf8(out, cp == 0 ? 0xFFFD : cp);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    out += NextCodePoint(text, i, cp) ? ByteFor(cp) : '?';
  }
  return out;
}

std::string Cp1252ToUtf8Kept(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x80 && byte < 0xA0 && kHigh[byte - 0x80] != 0) {
      AppendUtf8(out, kHigh[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252Kept(std::string_view text, char32_t* refused) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const bool wellFormed = NextCodePoint(text, i, cp);
    const bool unassigned = cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0;
    const char byte = unassigned ? static_cast<char>(cp) : ByteFor(cp);
    if (!wellFormed || (byte == '?' && cp != '?')) {
      if (refused != nullptr) *refused = wellFormed ? cp : 0xFFFD;
      return std::nullopt;
    }
    out += byte;
  }
  return out;
}

}  // namespace ivgen
