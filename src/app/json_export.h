// ivgen --export-json CHARACTER.iv3 OUT.json: a saved character as its JSON document, without a
// window, for scripts that turn a folder of characters into documents.
#pragma once

#include <ostream>
#include <string>

namespace ivgen {

inline constexpr const char* kExportJsonOption = "--export-json";

/// Runs the whole export with the catalogs of programFolder (the arguments: the program, the
/// option, the character, the document) and returns the program's exit status: 0 when the document
/// was written, 1 when the character could not be read or the document not written, 2 for a wrong
/// command line; what went wrong is told on err.
int ExportJsonMain(int argc, const char* const* argv, const std::string& programFolder, std::ostream& err);

}  // namespace ivgen
