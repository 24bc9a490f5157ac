#include "catalog/catalog_search.h"

#include "record/text.h"

namespace ivgen {

bool SearchFinds(std::string_view text, std::string_view name, std::string_view group) {
  return !text.empty() && (HoldsIgnoringCase(name, text) || HoldsIgnoringCase(group, text));
}

const CatalogMatch* MatchAt(const CatalogSearch& search, int index) {
  return index >= 0 && static_cast<size_t>(index) < search.matches.size() ? &search.matches[static_cast<size_t>(index)]
                                                                          : nullptr;
}

std::vector<CatalogMatch> SearchCatalogTree(const CatalogTree& tree, std::string_view text) {
  std::vector<CatalogMatch> matches;
  std::string category;
  for (size_t i = 0; i < tree.size(); ++i) {
    std::string name = TreeEntryFields(tree[i].text)[0];
    if (tree[i].indent < 2) {
      category = std::move(name);
      continue;
    }
    if (SearchFinds(text, name, category)) matches.push_back({std::move(name), category, -1, static_cast<int>(i)});
  }
  return matches;
}

}  // namespace ivgen
