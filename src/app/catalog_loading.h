// Loading the catalogs as the person sees it: the progress window, the busy pointer and the
// messages that name a catalog that cannot be opened.
#pragma once

#include <string>

#include "catalog/catalogs.h"
#include "platform/platform.h"

namespace ivgen {

/// Who runs ReloadDatafiles: start-up ends on a catalog that cannot be opened; the button reports
/// it, shows the busy pointer and goes on.
enum class ReloadTrigger { StartUp, Button };

/// books.dat, then skills.dat. When one cannot be opened the person is told which (a critical
/// message) and false is returned: start-up ends there.
bool LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills, Platform& platform);

/// Rebuilds AllowedBooks from the allowed list and reloads every other catalog in order, showing
/// the progress window. A missing cyber.dat shows "Crash: <folder>Cyber.dat not found.!" and
/// loading goes on. Any other catalog that cannot be opened: at start-up it is reported as
/// critical and false is returned at once; from the button it is reported, left empty, and
/// loading goes on.
bool ReloadDatafiles(const std::string& folder, const BookLists& books, Catalogs& catalogs, Platform& platform,
                     ReloadTrigger trigger);

}  // namespace ivgen
