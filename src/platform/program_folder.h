// Where the program's executable lies: the catalogs and ivgen.ini are read from there.
#pragma once

#include <string>

namespace ivgen {

/// The executable's folder with a trailing "/", or "./" when it cannot be found.
std::string ProgramFolder();
/// A folder name with one trailing separator, so file names can be appended.
std::string WithTrailingSeparator(const std::string& folder);

}  // namespace ivgen
