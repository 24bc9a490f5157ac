// The attribute codes that modifier codes may name (+1RCT, -2CHA), kept here so the catalog
// checker can hold catalog lines against the same table the attribute rules apply.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ivgen {

/// Every code a modifier may name, in the order of the attribute rules' table.
inline constexpr std::array<std::string_view, 26> kModifierCodes = {
    "BOD", "QCK", "STR", "CHA", "INT", "WIL",  // attribute modifiers
    "RCT", "INI", "CPL", "IMP", "BAL",         // reaction, initiative, combat pool, armour
    "ROD", "RCK", "RTR", "RHA", "RNT", "RIL",  // bioware modifiers
    "XOD", "XCK", "XTR", "XHR", "XNT", "XIL",  // natural maxima
    "VCR", "ATR", "MAG"};

/// Whether a code (the letters after sign and digit, without a trailing "*") is in the table.
bool IsModifierCode(std::string_view code);

/// What is wrong with each piece of a comma-separated modifier list, one text per faulty piece:
/// a piece must be "+" or "-", one digit, a code of the table and at most one trailing "*".
/// Empty pieces are skipped, as the attribute rules skip them.
std::vector<std::string> ModifierListFaults(std::string_view list);

}  // namespace ivgen
