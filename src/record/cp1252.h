// Windows-1252 text: the core keeps single-byte strings because the catalogs and the character
// file are single-byte; the window converts at its edge through these two functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ivgen {

/// Each byte as its Windows-1252 character in UTF-8; the five unassigned bytes map to U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);
/// Each UTF-8 character as its Windows-1252 byte; a character without one becomes "?".
/// Malformed UTF-8 sequences also become "?".
std::string Utf8ToCp1252(std::string_view text);
/// Each byte as its Windows-1252 character in UTF-8, the five unassigned bytes as the code points
/// of the same number (U+0081, U+008D, U+008F, U+0090, U+009D), so every byte comes back.
std::string Cp1252ToUtf8Kept(std::string_view text);
/// The way back from Cp1252ToUtf8Kept. Nothing for malformed UTF-8 or a character Windows-1252
/// cannot hold; `refused` then holds that character's code point (U+FFFD for malformed bytes).
std::optional<std::string> Utf8ToCp1252Kept(std::string_view text, char32_t* refused = nullptr);
/// Whether the bytes are well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);

// File paths are the file system's bytes (UTF-8 here), while the texts the program shows and
// stores are Windows-1252; a path shown in a message or a title is converted first.

/// A path as text to show: UTF-8 is converted, other bytes are taken as they are.
std::string PathToText(std::string_view path);
/// A text (a typed or stored file name) as a path.
std::string TextToPath(std::string_view text);
/// Bytes for a UTF-8 reader: well-formed UTF-8 stays as it is, anything else is taken as
/// Windows-1252.
std::string AsUtf8(std::string_view bytes);

}  // namespace ivgen
