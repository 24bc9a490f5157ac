#include "charfile/character_writer.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "charfile/list_keys.h"
#include "record/money.h"
#include "record/record_fields.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr char kYen = '\xA5';
constexpr char kEmptyLineMarker = '\xB6';

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

bool LostWhenRead(char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; }

bool NeedsQuotes(std::string_view text) {
  return !text.empty() && (LostWhenRead(text.front()) || LostWhenRead(text.back()));
}

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
  // The reader trims blanks and TABs and takes off one pair of quotes, so a text that begins or
  // ends with one of those gets a pair of quotes of its own to lose instead.
  void Text(std::string_view key, std::string_view value) {
    std::string kept;
    for (char c : value) {
      if (!IsLineBreak(c)) kept += c;
    }
    Value(key, NeedsQuotes(kept) ? '"' + kept + '"' : kept);
  }
  // Print numbers carry their blanks on purpose and are written as they are.
  void Value(std::string_view key, std::string_view value) {
    bytes_.append(key);
    bytes_ += '=';
    bytes_.append(value);
    bytes_.append(kCrLf);
  }
  void Number(std::string_view key, int32_t value) { Value(key, PrintNumber(value)); }

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
void WriteList(FileBuilder& file, const ListKeys& list, const std::vector<std::string>& entries,
               bool keepBreaks = false) {
  int index = 0;
  for (const std::string& entry : entries) {
    const std::string escaped = EscapeEntry(entry, keepBreaks);
    if (escaped.empty()) continue;
    file.Text(std::string(list.prefix) + std::to_string(index), escaped);
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
    file.Text(std::string(kDescriptionLines.prefix) + std::to_string(index), line);
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

// A field the table says to leave out in this character is not written at all.
bool Written(const CharacterRecord& r, const RecordField& field, const WriterContext& context) {
  switch (field.presence) {
    case FieldPresence::Always:
      return true;
    case FieldPresence::NonNegative:
      return *field.int16(const_cast<CharacterRecord&>(r)) >= 0;
    case FieldPresence::MagicUser:
      return r.MagicUser();
    case FieldPresence::NotDefaultPicture:
      return r.GraphicsFilename != context.defaultGif;
  }
  return true;
}

void WriteFields(FileBuilder& file, const CharacterRecord& r, std::string_view section, const WriterContext& context) {
  for (const RecordField& field : SectionFields(section)) {
    if (!Written(r, field, context)) continue;
    if (field.kind == FieldKind::Text) {
      file.Text(field.key, FieldValue(r, field));
    } else {
      file.Value(field.key, FieldValue(r, field));
    }
  }
}

void WriteAttributes(FileBuilder& file, const CharacterRecord& r) {
  file.Section("Attributes");
  for (int i = 0; i < kAttributeCount; ++i) file.Text(kAttributeKeys[i], AttributeValue(r.Attr[i]));
  file.Text("Reaction", r.Reaction.Base + "+" + r.Reaction.Modifier);
  file.Text("Initative", r.Initative.Base + "+" + r.Initative.Modifier + "D6");
  file.Text("Magic", r.Magic.Base);
  // From the value, not from whichever display was refreshed last (5.80 on one page, 5.8 on
  // another), so the same character always gives the same file.
  file.Value("Essence", GeneralNumber(r.Essence));
  file.Text("RunMult", r.RunMult);
  file.Value("Body Index", FormatFixed2(r.BodyIndex));
  file.Value("Resources", MoneyLeftText(r) + kYen);
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

}  // namespace

std::string CharacterFileText(const CharacterRecord& record, const WriterContext& context) {
  FileBuilder file;
  file.Section("System");
  file.Line(record.GeneratorPoints ? "Generator=Points" : "Generator=Priority");
  file.Text("Version", context.versionText);

  file.Section("Character");
  WriteFields(file, record, "Character", context);
  file.Empty();
  const std::string_view generation = record.GeneratorPoints ? "PointSys" : "Priorities";
  file.Section(generation);
  WriteFields(file, record, generation, context);
  file.Empty();

  file.Section(kRaceDescList.section);
  WriteList(file, kRaceDescList, record.RaceDesc);

  WriteAttributes(file, record);
  if (record.Shapeshift) WriteShapeshift(file, record.Animal);

  file.Section(kEdgeList.section);
  WriteList(file, kEdgeList, record.Edges);
  file.Empty();

  file.Section(kSkillList.section);
  WriteList(file, kSkillList, record.Skills);
  file.Empty();

  file.Section("Dice pools");
  WriteFields(file, record, "Dice pools", context);
  file.Empty();

  if (!record.Cyberware.empty()) {
    file.Section(kCyberList.section);
    WriteList(file, kCyberList, record.Cyberware);
    file.Empty();
  }
  file.Empty();

  if (!record.Bioware.empty()) {
    file.Section(kBioList.section);
    WriteList(file, kBioList, record.Bioware);
    file.Empty();
  }

  if (record.Adept == 0) {
    file.Section(kPowerList.section);
    WriteList(file, kPowerList, record.Powers);
    file.Empty();
  }

  if (record.MagicUser()) {
    file.Section(kSpellList.section);
    WriteFields(file, record, "Magic", context);
    WriteList(file, kSpellList, record.Spells);
    file.Empty();
  }

  file.Section(kGearList.section);
  WriteList(file, kGearList, record.Gear);
  file.Value("TotalWeight", GeneralNumber(record.TotalWeight));
  file.Empty();

  file.Section(kDescriptionLines.section);
  WriteDescription(file, record.Description);
  file.Empty();

  file.Section(kContactList.section);
  WriteList(file, kContactList, record.Contacts, /*keepBreaks=*/true);
  return file.Take();
}

SaveResult SaveCharacter(const CharacterRecord& record, const WriterContext& context, const std::string& path) {
  if (path.empty()) return {SaveOutcome::NoFileName, IoResult::Failure("", kNoFileName)};
  IoResult io = ReplaceFile(path, CharacterFileText(record, context));
  return {io.ok ? SaveOutcome::Written : SaveOutcome::Failed, std::move(io)};
}

}  // namespace ivgen
