// Lists compared as one text, so a failure shows the whole list.
#pragma once

#include <string>

namespace ivgen::test_support {

/// The texts joined with `separator`.
template <typename Range>
std::string Joined(const Range& texts, const std::string& separator = " | ") {
  std::string out;
  bool first = true;
  for (const auto& text : texts) {
    out += (first ? "" : separator) + std::string(text);
    first = false;
  }
  return out;
}

}  // namespace ivgen::test_support
