#include "app/help_and_about.h"

#include <utility>

#include "record/cp1252.h"
#include "record/text_file.h"

namespace ivgen {

HelpAndAbout::HelpAndAbout(Platform& platform, std::string programFolder, std::string versionText,
                           std::string shortVersion, std::string settingsFile)
    : platform_(platform),
      programFolder_(std::move(programFolder)),
      versionText_(std::move(versionText)),
      shortVersion_(std::move(shortVersion)),
      settingsFile_(std::move(settingsFile)) {}

void HelpAndAbout::ShowSplash() {
  about_.splashVisible = true;
  about_.splashVersion = "version " + versionText_;
  about_.aboutLoaded = true;
  about_.aboutVersion = about_.splashVersion;
}

void HelpAndAbout::Properties(const std::string& currentFile, const CharacterRecord& record) {
  infoLines_ = FileProperties(currentFile, record);
  platform_.RunDialog(Dialog::Properties);
}

void HelpAndAbout::OpenHelp(bool searching) {
  const std::optional<std::string> guide = ReadWholeFile(programFolder_ + "/" + kGuideFileName);
  if (!guide) {
    platform_.Message(kNoHelpMessage, kAppTitle, Icon::Information, Buttons::Ok);
    return;
  }
  const std::string text = IsUtf8(*guide) ? Utf8ToCp1252(*guide) : *guide;
  if (text != help_.text) {
    help_.text = text;
    help_.sections = ParseGuide(text);
    help_.found = SearchGuide(help_.sections, help_.search);
    help_.foundContents = SearchGuideContents(help_.sections, help_.search);
  }
  help_.open = true;
  // Set before the window shows, so it opens with the focus where the player will type.
  help_.searching = searching;
  platform_.ShowDialog(Dialog::Help);
}

void HelpAndAbout::SearchHelp(const std::string& text) {
  help_.search = text;
  help_.found = SearchGuide(help_.sections, text);
  help_.foundContents = SearchGuideContents(help_.sections, text);
}

void HelpAndAbout::CloseHelp() {
  help_.open = false;
  platform_.CloseDialog(Dialog::Help);
}

void HelpAndAbout::ShowAbout() {
  if (!about_.aboutLoaded) {
    about_.aboutLoaded = true;
    about_.aboutVersion = "Version " + shortVersion_;
  }
  platform_.RunDialog(Dialog::About);
}

void HelpAndAbout::AboutSystemInfo(const std::optional<InfoLine>& toolkit) {
  infoLines_ = SystemInformation(versionText_, programFolder_, settingsFile_);
  if (toolkit) infoLines_.insert(infoLines_.begin() + 1, *toolkit);
  platform_.RunDialog(Dialog::SystemInfo);
}

void HelpAndAbout::AboutOk() {
  about_.aboutLoaded = false;
  about_.aboutVersion.clear();
  platform_.CloseDialog(Dialog::About);
}

}  // namespace ivgen
