// ivgen-batch commands of a page's search box: PREFIX-search types into it and prints what it
// found, PREFIX-match clicks one of the matches.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>

#include "batch/script_runner.h"
#include "catalog/catalog_search.h"

namespace ivgen {

/// What the commands reach of a page: its search, and the unit's two actions.
struct SearchBox {
  std::function<const CatalogSearch&()> search;
  std::function<void(std::string)> type;
  std::function<void(int)> choose;
};

/// Adds PREFIX-search and PREFIX-match to a script runner's table.
void AddSearchCommands(const std::string& prefix, SearchBox box, std::ostream& out,
                       std::map<std::string, BatchCommand>& commands);

}  // namespace ivgen
