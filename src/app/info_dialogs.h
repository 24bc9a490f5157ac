// The dialogs that only inform: the player's guide with its search, the character file's
// properties and the About box's system information. The window and ivgen-batch show the same
// lines, so a bug report from either names the same facts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "record/character_record.h"
#include "record/shown_text.h"

namespace ivgen {

/// The guide shipped beside the programs.
inline constexpr const char* kGuideFileName = "guide.md";
inline constexpr const char* kNoHelpMessage =
    "Unable to display Help Contents. There is no Help associated with this project.";

/// One heading of the guide and the lines under it up to the next heading.
struct GuideSection {
  std::string heading;
  /// 1 for "#", 2 for "##", ...
  int level = 1;
  std::vector<std::string> lines;
  bool operator==(const GuideSection&) const = default;
};

/// The guide in sections; lines before the first heading belong to an untitled first section.
std::vector<GuideSection> ParseGuide(std::string_view text);

/// The headings of the sections whose heading or lines hold the text, without regard to case; all
/// headings for an empty text.
std::vector<std::string> SearchGuide(const std::vector<GuideSection>& guide, std::string_view text);
/// A heading as a contents list shows it: two blanks a level below the first.
std::string ContentsLine(const GuideSection& section);
/// The same sections as SearchGuide, as contents lines.
std::vector<std::string> SearchGuideContents(const std::vector<GuideSection>& guide, std::string_view text);

/// What the help window shows: the guide's text, and under its search field the sections found.
struct HelpView {
  bool open = false;
  /// Opened by "Search For Help On...": the search field has the focus.
  bool searching = false;
  std::string text;
  std::vector<GuideSection> sections;
  std::string search;
  std::vector<std::string> found;
  /// The found headings as the window's contents list shows them, indented by level.
  std::vector<std::string> foundContents;
  bool operator==(const HelpView&) const = default;
};

/// One line of an information dialog: "Label: value"; a path keeps its own bytes.
struct InfoLine {
  std::string label;
  ShownText value;
};

/// "Label: value", in Windows-1252 with "?" for what a path holds beyond it.
std::string InfoLineText(const InfoLine& line);

/// The character file's facts for File > Properties: its path, size and last save (from the
/// file itself), and the generation method of the character being edited.
std::vector<InfoLine> FileProperties(const std::string& currentFile, const CharacterRecord& record);

/// What a bug report needs, as far as the core knows it: the program's version, the operating
/// system, the program folder, the settings file and each catalog with its line count and the
/// lines its loader skips. The window adds its Qt version.
std::vector<InfoLine> SystemInformation(const std::string& version, const std::string& programFolder,
                                        const std::string& settingsFile);

}  // namespace ivgen
