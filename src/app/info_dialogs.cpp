#include "app/info_dialogs.h"

#include <algorithm>
#include <map>

#include "catalog/catalog_checker.h"
#include "catalog/catalog_file.h"
#include "record/cp1252.h"
#include "record/text.h"
#include "record/values.h"
#include "system/system.h"

namespace ivgen {

std::vector<GuideSection> ParseGuide(std::string_view text) {
  std::vector<GuideSection> sections(1);
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    std::string line(TrimRightView(raw));
    const size_t hashes = line.find_first_not_of('#');
    if (hashes > 0 && hashes != std::string::npos && line[hashes] == ' ') {
      sections.push_back({Trim(std::string_view(line).substr(hashes)), static_cast<int>(hashes), {}});
    } else {
      sections.back().lines.push_back(std::move(line));
    }
  }
  // A guide that starts with its title has nothing before it.
  if (sections.size() > 1 && sections.front().lines.empty()) sections.erase(sections.begin());
  return sections;
}

std::vector<const GuideSection*> MatchingSections(const std::vector<GuideSection>& guide, std::string_view text) {
  const std::string wanted = LowerCase(Trim(text));
  std::vector<const GuideSection*> found;
  for (const GuideSection& section : guide) {
    if (section.heading.empty()) continue;
    bool holds = LowerCase(section.heading).find(wanted) != std::string::npos;
    for (size_t i = 0; !holds && i < section.lines.size(); ++i) {
      holds = LowerCase(section.lines[i]).find(wanted) != std::string::npos;
    }
    if (holds) found.push_back(&section);
  }
  return found;
}

std::vector<std::string> SearchGuide(const std::vector<GuideSection>& guide, std::string_view text) {
  std::vector<std::string> found;
  for (const GuideSection* section : MatchingSections(guide, text)) found.push_back(section->heading);
  return found;
}

std::string ContentsLine(const GuideSection& section) {
  return std::string(2 * std::max(0, section.level - 1), ' ') + section.heading;
}

std::vector<std::string> SearchGuideContents(const std::vector<GuideSection>& guide, std::string_view text) {
  std::vector<std::string> found;
  for (const GuideSection* section : MatchingSections(guide, text)) found.push_back(ContentsLine(*section));
  return found;
}

std::string InfoLineText(const InfoLine& line) { return line.label + ": " + line.value.Text(); }

std::vector<InfoLine> FileProperties(const std::string& currentFile, const CharacterRecord& record) {
  std::vector<InfoLine> lines;
  const std::string method = record.GeneratorPoints ? "Build Points" : "Priority";
  if (currentFile.empty()) {
    lines.push_back({"File", "not saved yet"});
  } else {
    lines.push_back({"File", ShownText::Path(currentFile)});
    if (const std::optional<FileFacts> facts = FactsOf(currentFile)) {
      lines.push_back({"Size", IntText(static_cast<int64_t>(facts->size)) + " bytes"});
      lines.push_back({"Last saved", LocalTimeText(facts->modified)});
    } else {
      lines.push_back({"Size", "the file is gone"});
    }
  }
  lines.push_back({"Generation method", method});
  return lines;
}

std::vector<InfoLine> SystemInformation(const std::string& version, const std::string& programFolder,
                                        const std::string& settingsFile) {
  std::vector<InfoLine> lines;
  lines.push_back({"Program", "ivgen " + version});
  if (const std::string system = OperatingSystemText(); !system.empty()) {
    lines.push_back({"Operating system", Utf8ToCp1252(system)});
  }
  lines.push_back({"Program folder", ShownText::Path(programFolder)});
  lines.push_back({"Settings file", ShownText::Path(settingsFile)});
  std::map<std::string, int> skipped;
  for (const CatalogProblem& problem : CheckCatalogFolder(programFolder)) {
    if (problem.line > 0) ++skipped[LowerCase(problem.file)];
  }
  for (std::string_view name : CatalogFileNames()) {
    const std::optional<CatalogText> catalog = ReadCatalog(programFolder, name);
    std::string text = "missing";
    if (catalog) {
      text = IntText(static_cast<int64_t>(catalog->lines.size())) + " lines";
      const auto problems = skipped.find(LowerCase(name));
      if (problems != skipped.end()) text += ", " + IntText(problems->second) + " with problems";
    }
    lines.push_back({"Catalog " + std::string(name), text});
  }
  return lines;
}

}  // namespace ivgen
