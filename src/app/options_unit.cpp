#include "app/options_unit.h"

#include "catalog/data_folders.h"
#include "record/cp1252.h"
#include "record/text_file.h"
#include "record/values.h"

namespace ivgen {

void OptionsUnit::Tell(const ShownText& text, Icon icon) { platform_.Message(text, kAppTitle, icon, Buttons::Ok); }

OptionsFields OptionsUnit::InEffect() const {
  // After a Done the file holds values that partly take effect only at the next start; the
  // dialog shows what it wrote.
  if (lastWritten_) return *lastWritten_;
  return {IntText(settings_.maxpoints), IntText(settings_.MaxAbsEpts), settings_.DefaultGIF,
          IntText(settings_.MaxFlawEdge)};
}

void OptionsUnit::Open() {
  fields_ = InEffect();
  open_ = true;
  platform_.RunDialog(Dialog::Options);
}

void OptionsUnit::SetField(std::string_view key, std::string text) {
  std::string kept;
  for (char c : text) {
    if (c != '\r' && c != '\n') kept += c;
  }
  if (key == "maxpoints") fields_.maxpoints = std::move(kept);
  if (key == "MaxAbsEpts") fields_.MaxAbsEpts = std::move(kept);
  if (key == "DefaultGIF") fields_.DefaultGIF = std::move(kept);
  if (key == "MaxFlawEdge") fields_.MaxFlawEdge = std::move(kept);
}

void OptionsUnit::Browse() {
  const std::string path = platform_.OpenFile({"Open", kPictureFilter, "", ""});
  if (path.empty()) return;
  ShownText refusal;
  if (const auto text = PictureFieldText(path, refusal)) {
    fields_.DefaultGIF = *text;
  } else {
    Tell(refusal, Icon::Warning);
  }
}

bool OptionsUnit::Done() {
  const double maxpoints = Val(fields_.maxpoints);
  const double maxAbsEpts = Val(fields_.MaxAbsEpts);
  const double maxFlawEdge = Val(fields_.MaxFlawEdge);
  if (maxpoints < 0 || maxpoints > 200) {
    Tell("Invalid entry... <0..200> only");
    return false;
  }
  if (maxAbsEpts < 0 || maxAbsEpts > 10) {
    Tell("Invalid entry  <0..10> only");
    return false;
  }
  // The two point limits take effect once they pass, before the edge/flaw count is checked;
  // a refused count leaves the file unwritten. A failed write takes them back: limits the file
  // does not hold would silently change at the next start.
  const Settings before = settings_;
  settings_.maxpoints = CInt(maxpoints);
  settings_.MaxAbsEpts = CInt(maxAbsEpts);
  if (maxFlawEdge < 0 || maxFlawEdge > 10) {
    Tell("Invalid entry  <0..10> only");
    return false;
  }
  IoResult written = settingsFile_.empty() ? IoResult::Failure(kSettingsFileName, std::string(kNoPlayerFolder))
                                           : PreparePlayerFolderFor(settingsFile_);
  if (written.ok) {
    written = ReplaceFile(settingsFile_, SettingsFileText(fields_.maxpoints, fields_.MaxAbsEpts, fields_.DefaultGIF,
                                                          fields_.MaxFlawEdge));
  }
  if (!written.ok) {
    settings_ = before;
    Tell("The settings were not saved.\r\n" + written.Describe("write"), Icon::Warning);
    return false;
  }
  // The picture and the edge/flaw count take effect at the next start.
  lastWritten_ = fields_;
  open_ = false;
  platform_.CloseDialog(Dialog::Options);
  return true;
}

void OptionsUnit::Cancel() {
  fields_ = InEffect();
  open_ = false;
  platform_.CloseDialog(Dialog::Options);
}

}  // namespace ivgen
