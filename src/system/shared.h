// What the POSIX and the Windows implementations share: the names of the save's temporary files
// and the reason a file is too large. Included by the implementations only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ivgen::system_shared {

/// A save's temporary file: this, then random letters and digits.
inline constexpr std::string_view kTemporaryPrefix = ".~ivgen";
inline constexpr size_t kTemporaryRandomLetters = 6;
/// Older than any save takes, so a temporary file this old belongs to a save that was killed.
inline constexpr std::int64_t kStaleSeconds = 60 * 60;

/// Whether a name is one a save's temporary file gets.
bool IsTemporaryName(std::string_view name);
/// "the file is larger than 64 MB" for a limit of 64 MB.
std::string TooLarge(std::uintmax_t limit);

}  // namespace ivgen::system_shared
