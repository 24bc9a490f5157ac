#include "catalog/modifier_codes.h"

#include <algorithm>

#include "record/entries.h"

namespace ivgen {

bool IsModifierCode(std::string_view code) {
  return std::find(kModifierCodes.begin(), kModifierCodes.end(), code) != kModifierCodes.end();
}

std::vector<std::string> ModifierListFaults(std::string_view list) {
  std::vector<std::string> faults;
  for (const std::string& raw : Split(list, ',')) {
    // The attribute rules trim each piece before applying it.
    const std::string piece = Trim(raw);
    if (piece.empty()) continue;
    const std::string quoted = "\"" + piece + "\"";
    if (piece[0] != '+' && piece[0] != '-') {
      faults.push_back("modifier code " + quoted + " does not start with \"+\" or \"-\"");
      continue;
    }
    if (piece.size() < 2 || piece[1] < '0' || piece[1] > '9') {
      faults.push_back("modifier code " + quoted + " has no digit after its sign");
      continue;
    }
    std::string_view code = std::string_view(piece).substr(2);
    if (!code.empty() && code.back() == '*') code.remove_suffix(1);
    if (!IsModifierCode(code)) {
      // The attribute rules would turn an unknown code into a change of Body.
      faults.push_back("modifier code " + quoted + " names \"" + std::string(code) +
                       "\", which is not an attribute code");
    }
  }
  return faults;
}

}  // namespace ivgen
