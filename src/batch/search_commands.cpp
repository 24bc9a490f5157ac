#include "batch/search_commands.h"

#include <vector>

namespace ivgen {

namespace {

// One line a match, numbered from 1, `<` marking the one chosen; a text that found nothing says
// so, as the page does, and an empty box prints nothing.
void PrintMatches(const CatalogSearch& search, std::ostream& out) {
  if (search.NoMatches()) out << "No matches\n";
  for (size_t i = 0; i < search.matches.size(); ++i) {
    const CatalogMatch& match = search.matches[i];
    out << "  " << i + 1 << " " << match.name << " | " << match.group
        << (static_cast<int>(i) == search.chosen ? "  <" : "") << "\n";
  }
}

}  // namespace

void AddSearchCommands(const std::string& prefix, SearchBox box, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands) {
  // Without a text the matches are printed again; "" empties the box.
  commands[prefix + "-search"] = [box, &out](const ScriptLine& line, std::string&) {
    if (!line.words.empty()) box.type(TextArgument(line));
    PrintMatches(box.search(), out);
    return true;
  };
  commands[prefix + "-match"] = Choosing(
      [box] {
        std::vector<std::string> names;
        for (const CatalogMatch& match : box.search().matches) names.push_back(match.name);
        return names;
      },
      "a match of the search", box.choose);
}

}  // namespace ivgen
