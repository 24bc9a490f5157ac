// ivgen --export-pdf CHARACTER.iv3 OUT.pdf: a saved character's sheet as PDF, without a window.
#pragma once

#include <string>

namespace ivgen {

/// Runs the whole export and returns the program's exit status: 0 when the PDF was written, 1
/// when the character could not be read or the PDF not written (told on standard error).
int ExportPdfMain(const std::string& character, const std::string& out, int argc, char** argv);

}  // namespace ivgen
