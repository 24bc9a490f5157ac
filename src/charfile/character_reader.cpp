#include "charfile/character_reader.h"

#include <algorithm>
#include <array>

#include "record/entries.h"
#include "record/record_fields.h"
#include "record/values.h"

namespace ivgen {

namespace {

constexpr char kYen = '\xA5';
constexpr char kEmptyLineMarker = '\xB6';
constexpr std::array<std::string_view, 5> kPriorityAreas = {"Race", "Magic", "Attributes", "Skills", "Resources"};

// Files written under a comma locale load anywhere. A hand-edited size is held where a float
// holds it, so it is not shown and saved as "inf".
double DecimalValue(std::string text) {
  if (const size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return HeldAmount(Val(text));
}

// The text before the first "+" and the text from there to the first `end` after it. A cell the
// line cannot give keeps its value.
void CutCells(std::string_view line, char end, std::string& first, std::string* second) {
  const size_t plus = line.find('+');
  if (plus == std::string_view::npos) return;
  first = std::string(line.substr(0, plus));
  const size_t stop = line.find(end, plus + 1);
  if (second != nullptr && stop != std::string_view::npos)
    *second = std::string(line.substr(plus + 1, stop - plus - 1));
}

bool IsPriorityArea(std::string_view key) {
  return std::find(kPriorityAreas.begin(), kPriorityAreas.end(), key) != kPriorityAreas.end();
}

}  // namespace

std::optional<CharacterFile> CharacterFile::Load(const std::string& path, IoResult& problem) {
  IniFile ini = IniFile::Load(path, &problem);
  if (!problem.ok) return std::nullopt;
  return CharacterFile(std::move(ini));
}

bool CharacterFile::IsCharacter() const { return ini_.HasSection("System") || ini_.HasSection("Character"); }

void CharacterFile::ReadCharacter(CharacterRecord& record, const std::string& defaultGif) const {
  record.GeneratorPoints = Get("System", "Generator") == "Points";
  for (const RecordField& field : SectionFields("Character")) {
    if (field.key == "Grade") continue;
    const std::string value = Get(field.section, field.key);
    if (field.key == "GraphicsFilename") {
      record.GraphicsFilename = ini_.Has(field.section, field.key) ? value : defaultGif;
    } else {
      SetFieldValue(record, field, value);
    }
  }
  record.Initiation = record.Initiation >= 1 ? 1 : 0;
  record.Grade = record.Initiation != 0 ? CInt(Val(Get("Character", "Grade"))) : 0;
}

bool CharacterFile::ReadGeneration(CharacterRecord& record) const {
  const std::string_view section = record.GeneratorPoints ? "PointSys" : "Priorities";
  std::vector<std::pair<const RecordField*, int16_t>> rows;
  for (const RecordField& field : SectionFields(section)) {
    const std::string value = Get(section, field.key);
    if (field.presence == FieldPresence::NonNegative && !ini_.Has(section, field.key)) {
      // A missing key reads as "", which is 0: the first option.
      *field.int16(record) = 0;
    } else if (field.kind == FieldKind::Flag) {
      *field.flag(record) = CInt(Val(value)) == 1;
    } else if (!record.GeneratorPoints && IsPriorityArea(field.key)) {
      rows.emplace_back(&field, CInt(Val(value)));
    } else {
      SetFieldValue(record, field, value);
    }
  }
  if (rows.empty()) return false;
  // Rows taken twice or out of range would leave an area without a row.
  std::array<bool, kPriorityAreas.size()> taken{};
  for (const auto& [field, row] : rows) {
    if (row < 0 || row >= static_cast<int>(taken.size()) || taken[row]) return false;
    taken[row] = true;
  }
  for (const auto& [field, row] : rows) *field->int16(record) = row;
  return true;
}

void CharacterFile::ReadAttributes(CharacterRecord& record) const {
  for (int i = 0; i < kAttributeCount; ++i) {
    AttributeRow& row = record.Attr[i];
    CutCells(Get("Attributes", kAttributeKeys[i]), '/', row.Base, &row.Racial);
  }
  CutCells(Get("Attributes", "Reaction"), '=', record.Reaction.Base, nullptr);
  CutCells(Get("Attributes", "Initative"), '=', record.Initative.Base, nullptr);
  record.Essence = DecimalValue(Get("Attributes", "Essence"));
  record.EssenceText = GeneralNumber(record.Essence);
  record.RunMult = Get("Attributes", "RunMult");
  record.BodyIndex = static_cast<float>(DecimalValue(Get("Attributes", "Body Index")));
  record.BodyIndexText = FormatFixed2(record.BodyIndex);
  std::string balance = Get("Attributes", "Resources");
  if (!balance.empty() && balance.back() == kYen) balance.pop_back();
  record.NuyenSpent = CLng(static_cast<double>(record.Maxresources) - Val(balance));
}

void CharacterFile::ReadShapeshift(CharacterRecord& record) const {
  ShapeshiftGroup& animal = record.Animal;
  for (int i = 0; i < 3; ++i)
    CutCells(Get("Shapeshift", kAttributeKeys[i]), '=', animal.Attr[i].Base, &animal.Attr[i].Modifier);
  animal.RunMult = Get("Shapeshift", "RunMult");
  CutCells(Get("Shapeshift", "Reaction"), '=', animal.Reaction.Base, &animal.Reaction.Modifier);
  CutCells(Get("Shapeshift", "Initative"), '=', animal.Initative.Base, &animal.Initative.Modifier);
}

void CharacterFile::ReadDicePools(CharacterRecord& record) const {
  for (const RecordField& field : SectionFields("Dice pools"))
    SetFieldValue(record, field, Get(field.section, field.key));
}

std::vector<std::string> CharacterFile::List(const ListKeys& list) const {
  std::vector<std::string> entries;
  for (size_t n = 0;; ++n) {
    std::string entry = Get(list.section, std::string(list.prefix) + std::to_string(n));
    if (entry.empty()) break;
    std::replace(entry.begin(), entry.end(), '_', ' ');
    std::replace(entry.begin(), entry.end(), '~', kTab);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<int16_t> CharacterFile::Tradition() const {
  const std::string value = Get("Magic", "Tradition");
  if (value.empty()) return std::nullopt;
  return CInt(Val(value));
}

float CharacterFile::TotalWeight() const { return static_cast<float>(HeldAmount(Val(Get("Gear", "TotalWeight")))); }

std::string CharacterFile::Description() const {
  std::string text;
  for (size_t n = 0;; ++n) {
    std::string line = Get(kDescriptionLines.section, std::string(kDescriptionLines.prefix) + std::to_string(n));
    if (line.empty()) break;
    if (line.front() == kEmptyLineMarker) line.clear();
    std::replace(line.begin(), line.end(), '_', ' ');
    text += line;
    text += kCrLf;
  }
  return text;
}

}  // namespace ivgen
