#include "charfile/character_writer.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "record/values.h"

namespace ivgen {

namespace {

constexpr char kYen = '\xA5';
constexpr char kEmptyLineMarker = '\xB6';

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Every line of the file ends with CR LF; the builder keeps that in one place.
class FileBuilder {
 public:
  void Line(std::string_view text) {
    bytes_.append(text);
    bytes_.append(kCrLf);
  }
  void Empty() { bytes_.append(kCrLf); }
  void Section(std::string_view name) {
    bytes_ += '[';
    bytes_.append(name);
    bytes_ += ']';
    bytes_.append(kCrLf);
  }
  // A line break inside a value would start a new INI line of its own, so a pasted "x", line
  // break, "Adept=0" would change the character when read; single values lose their breaks.
  void Text(std::string_view key, std::string_view value) {
    bytes_.append(key);
    bytes_ += '=';
    for (char c : value) {
      if (!IsLineBreak(c)) bytes_ += c;
    }
    bytes_.append(kCrLf);
  }
  void Number(std::string_view key, int32_t value) { Text(key, PrintNumber(value)); }
  void Number(std::string_view key, float value) { Text(key, PrintNumber(value)); }
  void Flag(std::string_view key, bool value) { Text(key, value ? "1" : "0"); }

  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Blanks and TABs are escaped so the reader's trimming cannot eat them. A contact may hold line
// breaks and keeps each as "__"; CR LF, a lone CR and a lone LF are each one break, so a lone CR
// does not swallow the character after it. Other entries are single lines and lose any break.
std::string EscapeEntry(std::string_view entry, bool keepBreaks) {
  std::string out;
  out.reserve(entry.size());
  for (size_t i = 0; i < entry.size(); ++i) {
    const char c = entry[i];
    if (c == ' ') {
      out += '_';
    } else if (c == '\t') {
      out += '~';
    } else if (IsLineBreak(c)) {
      if (c == '\r' && i + 1 < entry.size() && entry[i + 1] == '\n') ++i;
      if (keepBreaks) out += "__";
    } else {
      out += c;
    }
  }
  return out;
}

// The reader stops at the first missing or empty key, so an empty entry would hide every entry
// after it; empty entries are left out and the numbering closes up behind them.
void WriteList(FileBuilder& file, std::string_view prefix, const std::vector<std::string>& entries,
               bool keepBreaks = false) {
  int index = 0;
  for (const std::string& entry : entries) {
    const std::string escaped = EscapeEntry(entry, keepBreaks);
    if (escaped.empty()) continue;
    file.Text(std::string(prefix) + std::to_string(index), escaped);
    ++index;
  }
}

// One Line key per line of the description. CR LF, a lone CR and a lone LF each end a line; an
// empty line is marked so the reader does not take it for the end; a final line break leaves an
// empty last key, which is where the reader stops.
void WriteDescription(FileBuilder& file, std::string_view description) {
  if (description.empty()) return;
  int index = 0;
  std::string line;
  auto emit = [&](bool last) {
    if (line.empty() && !last) line = std::string(1, kEmptyLineMarker);
    file.Text("Line" + std::to_string(index), line);
    line.clear();
    ++index;
  };
  for (size_t i = 0; i < description.size(); ++i) {
    const char c = description[i];
    if (IsLineBreak(c)) {
      if (c == '\r' && i + 1 < description.size() && description[i + 1] == '\n') ++i;
      emit(false);
    } else {
      line += c == ' ' ? '_' : c;
    }
  }
  emit(true);
}

std::string AttributeValue(const AttributeRow& row) {
  return row.Base + "+" + row.Racial + "/" + row.Modifier + "=" + row.Total;
}

std::string AnimalValue(const DerivedRow& row) { return row.Base + "+" + row.Modifier + "=" + row.Total; }

void WriteCharacter(FileBuilder& file, const CharacterRecord& r, const WriterContext& context) {
  file.Section("Character");
  file.Text("StreetName", r.StreetName);
  file.Text("RealName", r.RealName);
  file.Text("Archetype", r.Archetype);
  file.Text("Race", r.Race);
  file.Text("Gender", r.Gender);
  file.Text("Height", r.Height);
  file.Text("Weight", r.Weight);
  file.Text("Eyes", r.Eyes);
  file.Text("Hair", r.Hair);
  file.Text("Birthdate", r.Birthdate);
  file.Text("Birthplace", r.Birthplace);
  file.Text("KarmaTotal", r.KarmaTotal);
  file.Text("KarmaRemain", r.KarmaRemain);
  if (r.GraphicsFilename != context.defaultGif) file.Text("GraphicsFilename", r.GraphicsFilename);
  file.Number("Adept", r.Adept);
  file.Number("Initiation", r.Initiation);
  file.Number("Grade", r.Grade);
  file.Number("norules", r.norules);
  file.Flag("Shapeshift", r.Shapeshift);
  file.Flag("OnceThru", r.OnceThru);
  file.Number("CurSkill", r.CurSkill);
  file.Number("Attributes", r.Attributes);
  file.Number("MagicPts", r.MagicPts);
  file.Number("Maxresources", r.Maxresources);
  file.Empty();
}

void WriteGeneration(FileBuilder& file, const CharacterRecord& r) {
  if (r.GeneratorPoints) {
    file.Section("PointSys");
    file.Number("Race", r.PtsRace);
    if (r.PtsRsel >= 0) file.Number("Rsel", r.PtsRsel);
    file.Number("Magic", r.PriMagic);
    file.Number("Attributes", r.Attributes);
    file.Number("Skills", r.PtsSkills);
    if (r.PtsResourceSel >= 0) file.Number("ResourceSel", r.PtsResourceSel);
    file.Number("Meta", r.PtsMeta);
    file.Number("Ghoul", r.PtsGhoul);
    file.Number("Otaku", r.PtsOtaku);
    file.Number("NoRules", r.PtsNoRules);
    file.Flag("Shapeshift", r.Shapeshift);
    file.Number("SelIndex", r.SelIndex);
    file.Number("PhysAdMagic", r.PtsPhysAdMagic);
  } else {
    file.Section("Priorities");
    file.Number("Race", r.PriRace);
    if (r.Rsel >= 0) file.Number("Rsel", r.Rsel);
    file.Number("Magic", r.PriMagic);
    file.Number("Attributes", r.PriAttributes);
    file.Number("Skills", r.PriSkills);
    file.Number("Resources", r.PriResources);
    file.Number("PhysAdMagic", r.PhysAdMagic);
  }
  file.Empty();
}

void WriteAttributes(FileBuilder& file, const CharacterRecord& r) {
  file.Section("Attributes");
  for (int i = 0; i < kAttributeCount; ++i) file.Text(kAttributeKeys[i], AttributeValue(r.Attr[i]));
  file.Text("Reaction", r.Reaction.Base + "+" + r.Reaction.Modifier);
  file.Text("Initative", r.Initative.Base + "+" + r.Initative.Modifier + "D6");
  file.Text("Magic", r.Magic.Base);
  // From the value, not from whichever display was refreshed last (5.80 on one page, 5.8 on
  // another), so the same character always gives the same file.
  file.Text("Essence", GeneralNumber(r.Essence));
  file.Text("RunMult", r.RunMult);
  file.Text("Body Index", FormatFixed2(r.BodyIndex));
  // Widened so an extreme balance cannot overflow.
  const int64_t left = static_cast<int64_t>(r.Maxresources) - static_cast<int64_t>(r.NuyenSpent);
  file.Text("Resources", std::to_string(left) + kYen);
  file.Empty();
}

void WriteShapeshift(FileBuilder& file, const ShapeshiftGroup& animal) {
  file.Section("Shapeshift");
  for (int i = 0; i < 3; ++i) file.Text(kAttributeKeys[i], AnimalValue(animal.Attr[i]));
  file.Text("RunMult", animal.RunMult);
  file.Text("Reaction", AnimalValue(animal.Reaction));
  file.Text("Initative", AnimalValue(animal.Initative));
  file.Number("SSindex", animal.SSindex);
  file.Empty();
}

void WritePools(FileBuilder& file, const CharacterRecord& r) {
  const DicePools& p = r.Pools;
  file.Section("Dice pools");
  file.Text("Karma", p.Karma);
  file.Text("Combat", p.Combat);
  file.Text("Control", p.Control);
  file.Text("Hacking", p.Hacking);
  if (r.MagicUser()) file.Text("Magic", p.Magic);
  file.Text("lblPool1", p.lblPool1);
  file.Text("lblPool2", p.lblPool2);
  file.Text("txtPool1", p.txtPool1);
  file.Text("txtPool2", p.txtPool2);
  file.Text("Astral", p.Astral);
  file.Empty();
}

}  // namespace

std::string CharacterFileText(const CharacterRecord& record, const WriterContext& context) {
  FileBuilder file;
  file.Section("System");
  file.Line(record.GeneratorPoints ? "Generator=Points" : "Generator=Priority");
  file.Text("Version", context.versionText);

  WriteCharacter(file, record, context);
  WriteGeneration(file, record);

  file.Section("RaceDesc");
  WriteList(file, "Desc", record.RaceDesc);

  WriteAttributes(file, record);
  if (record.Shapeshift) WriteShapeshift(file, record.Animal);

  file.Section("Edges");
  WriteList(file, "Edge", record.Edges);
  file.Empty();

  file.Section("Skills");
  WriteList(file, "Skill", record.Skills);
  file.Empty();

  WritePools(file, record);

  if (!record.Cyberware.empty()) {
    file.Section("Cyberware");
    WriteList(file, "Cyber", record.Cyberware);
    file.Empty();
  }
  file.Empty();

  if (!record.Bioware.empty()) {
    file.Section("Bioware");
    WriteList(file, "Bio", record.Bioware);
    file.Empty();
  }

  if (record.Adept == 0) {
    file.Section("Powers");
    WriteList(file, "Power", record.Powers);
    file.Empty();
  }

  if (record.MagicUser()) {
    file.Section("Magic");
    file.Number("Tradition", record.Tradition);
    WriteList(file, "Spell", record.Spells);
    file.Empty();
  }

  file.Section("Gear");
  WriteList(file, "Gear", record.Gear);
  file.Text("TotalWeight", GeneralNumber(record.TotalWeight));
  file.Empty();

  file.Section("Description");
  WriteDescription(file, record.Description);
  file.Empty();

  file.Section("Contacts");
  WriteList(file, "Contact", record.Contacts, /*keepBreaks=*/true);
  return file.Take();
}

SaveResult SaveCharacter(const CharacterRecord& record, const WriterContext& context, const std::string& path,
                         Platform& platform) {
  if (path.empty()) {
    platform.Message("No filename specified", kAppTitle, Icon::None, Buttons::Ok);
    return {SaveOutcome::NoFileName, IoResult::Failure("", "No filename specified")};
  }
  IoResult io = ReplaceFile(path, CharacterFileText(record, context));
  return {io.ok ? SaveOutcome::Written : SaveOutcome::Failed, std::move(io)};
}

}  // namespace ivgen
