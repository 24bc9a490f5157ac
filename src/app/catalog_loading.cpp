#include "app/catalog_loading.h"

#include "catalog/catalog_file.h"

namespace ivgen {

namespace {

void ReportMissing(Platform& platform, const std::string& folder, std::string_view name, Icon icon) {
  IoResult problem;
  // A file that is there but refused (a folder, a device, far too large) says why.
  const bool present = FindCatalogFile(folder, name) && !ReadCatalog(folder, name, &problem);
  platform.Message(present ? problem.Describe("read") : CatalogNotFoundMessage(CatalogPath(folder, name)), kAppTitle,
                   icon, Buttons::Ok);
}

}  // namespace

bool LoadStartupLists(const std::string& folder, BookLists& books, SkillCatalog& skills, Platform& platform) {
  const auto missing = LoadStartupLists(folder, books, skills);
  if (missing) ReportMissing(platform, folder, *missing, Icon::Critical);
  return !missing;
}

bool ReloadDatafiles(const std::string& folder, const BookLists& books, Catalogs& catalogs, Platform& platform,
                     ReloadTrigger trigger) {
  const bool button = trigger == ReloadTrigger::Button;
  catalogs.allowedBooks = AllowedBooks(books);
  if (button) platform.SetBusy(true);
  platform.ProgressShow("Reloading files", "Loading ....");
  bool completed = true;
  for (const ReloadStep& step : ReloadSteps()) {
    platform.ProgressStep(std::string(step.label));
    if (step.load(folder, catalogs)) continue;
    if (step.file == kCyberwareFile) {
      // The cyberware catalog has always been optional: its page stays empty. One that is there
      // but cannot be read says why rather than that it is missing.
      if (FindCatalogFile(folder, step.file)) {
        ReportMissing(platform, folder, step.file, Icon::Warning);
      } else {
        platform.Message(CyberwareNotFoundMessage(folder), kAppTitle, Icon::None, Buttons::Ok);
      }
      continue;
    }
    ReportMissing(platform, folder, step.file, button ? Icon::Warning : Icon::Critical);
    if (!button) {
      completed = false;
      break;
    }
  }
  platform.ProgressHide();
  if (button) platform.SetBusy(false);
  return completed;
}

}  // namespace ivgen
