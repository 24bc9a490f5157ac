// What the program tells about itself and the file: the help window over the guide, the About
// box, the splash and the Properties and System Info dialogs, kept apart from the document
// commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/info_dialogs.h"
#include "platform/platform.h"
#include "record/character_record.h"

namespace ivgen {

/// What the splash and the About box show.
struct AboutView {
  bool splashVisible = false;
  std::string splashVersion;
  /// The About box's version line; empty while the box is not loaded.
  std::string aboutVersion;
  bool aboutLoaded = false;
};

class HelpAndAbout {
 public:
  /// versionText: the long version ("3.2.6 - 2 July 2000"), shortVersion the About box's reloaded
  /// one; settingsFile: the settings file in use, for System Info.
  HelpAndAbout(Platform& platform, std::string programFolder, std::string versionText, std::string shortVersion,
               std::string settingsFile);

  /// Start-up: the splash shows, and the About box holds the long version.
  void ShowSplash();
  void HideSplash() { about_.splashVisible = false; }
  const AboutView& About() const { return about_; }

  /// File > Properties: the Properties dialog over the file's facts (`InfoLines`).
  void Properties(const std::string& currentFile, const CharacterRecord& record);
  /// Help > Contents: the help window over the guide beside the program, or today's fixed
  /// message when there is no guide.
  void HelpContents() { OpenHelp(false); }
  /// "Search For Help On...": the same window, its search field first.
  void HelpSearch() { OpenHelp(true); }
  /// Typing in the help window's search field.
  void SearchHelp(const std::string& text);
  void CloseHelp();
  const HelpView& Help() const { return help_; }
  void ShowAbout();
  /// The About box's "System Info...": the System Info dialog (`InfoLines`); `toolkit` is a line
  /// the window adds ("Qt 6.4.2").
  void AboutSystemInfo(const std::optional<InfoLine>& toolkit = std::nullopt);
  /// Closes the Properties or System Info dialog.
  void CloseInfo(Dialog dialog) { platform_.CloseDialog(dialog); }
  /// What the Properties or System Info dialog shows, as it was last opened.
  const std::vector<InfoLine>& InfoLines() const { return infoLines_; }
  void AboutOk();

 private:
  void OpenHelp(bool searching);

  Platform& platform_;
  std::string programFolder_;
  std::string versionText_;
  std::string shortVersion_;
  std::string settingsFile_;
  AboutView about_;
  HelpView help_;
  std::vector<InfoLine> infoLines_;
};

}  // namespace ivgen
