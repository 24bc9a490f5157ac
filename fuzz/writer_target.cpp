// The character writer, over records filled from the input: every line ends with CR LF, and the
// real reader gets every value back as the file's format keeps it (line breaks dropped outside the
// description and contacts, blanks and TABs in entries escaped, a value that starts or ends with
// a blank, a TAB or a quote wrapped in quotes of its own).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <tuple>

#include "charfile/character_reader.h"
#include "charfile/character_writer.h"
#include "fuzz_support.h"
#include "record/money.h"
#include "record/record_fields.h"
#include "record/values.h"

namespace ivgen::fuzz {
namespace {

constexpr const char* kDefaultGif = "face.gif";

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

std::string WithoutBreaks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsBreak(c)) kept += c;
  }
  return kept;
}

// An entry as the reader gives it back: "_" and "~" are the file's blank and TAB, so a written
// "_" comes back a blank; a contact's line break is "__", two blanks.
std::string EntryReadBack(std::string_view entry, bool keepBreaks) {
  std::string back;
  for (size_t i = 0; i < entry.size(); ++i) {
    const char c = entry[i];
    if (IsBreak(c)) {
      if (c == '\r' && i + 1 < entry.size() && entry[i + 1] == '\n') ++i;
      if (keepBreaks) back += "  ";
    } else {
      back += c == '_' ? ' ' : c == '~' ? '\t' : c;
    }
  }
  return back;
}

std::vector<std::string> ListReadBack(const std::vector<std::string>& entries, bool keepBreaks) {
  std::vector<std::string> back;
  for (const std::string& entry : entries) {
    std::string read = EntryReadBack(entry, keepBreaks);
    if (!read.empty()) back.push_back(std::move(read));
  }
  return back;
}

// Each line comes back ended by CR LF; a line that starts with the empty-line mark reads as
// empty, as the format has always read it.
std::string DescriptionReadBack(std::string_view description) {
  std::string back;
  for (std::string line : SplitLines(description)) {
    if (line.starts_with('\xB6')) line.clear();
    std::replace(line.begin(), line.end(), '_', ' ');
    back += line + std::string(kCrLf);
  }
  return back;
}

// Whether the five priority rows are 0 to 4 once each, the only rows the reader takes.
bool RowsTaken(const CharacterRecord& r) {
  std::array<int16_t, 5> rows = {r.PriRace, r.PriMagic, r.PriAttributes, r.PriSkills, r.PriResources};
  std::sort(rows.begin(), rows.end());
  return rows == std::array<int16_t, 5>{0, 1, 2, 3, 4};
}

void Fill(FuzzedDataProvider& in, CharacterRecord& r) {
  auto text = [&] { return in.ConsumeRandomLengthString(24); };
  // The program holds every amount within kMostAmount, and so does the reader.
  auto heldFloat = [&] { return in.ConsumeFloatingPointInRange<float>(-kMostAmount, kMostAmount); };
  auto number = [&] { return std::to_string(in.ConsumeIntegralInRange(-99, 99)); };
  for (const RecordField& field : RecordFields()) {
    switch (field.kind) {
      case FieldKind::Text:
        *field.text(r) = text();
        break;
      case FieldKind::Int16:
        // Options and priority rows are small; any value must survive all the same.
        *field.int16(r) = in.ConsumeBool() ? in.ConsumeIntegralInRange<int16_t>(-1, 5) : in.ConsumeIntegral<int16_t>();
        break;
      case FieldKind::Int32:
        *field.int32(r) = in.ConsumeIntegral<int32_t>();
        break;
      case FieldKind::Float:
        *field.real(r) = heldFloat();
        break;
      case FieldKind::Flag:
        *field.flag(r) = in.ConsumeBool();
        break;
    }
  }
  if (in.ConsumeBool()) {
    std::array<int16_t, 5> rows = {0, 1, 2, 3, 4};
    for (int n = in.ConsumeIntegralInRange(0, 119); n > 0; --n) std::next_permutation(rows.begin(), rows.end());
    std::tie(r.PriRace, r.PriMagic, r.PriAttributes, r.PriSkills, r.PriResources) =
        std::tuple(rows[0], rows[1], rows[2], rows[3], rows[4]);
  }
  if (in.ConsumeBool()) r.GraphicsFilename = kDefaultGif;
  for (AttributeRow& row : r.Attr) {
    row.Base = number();
    row.Racial = number();
  }
  r.Reaction.Base = number();
  r.Initative.Base = number();
  for (DerivedRow* row :
       {&r.Animal.Attr[0], &r.Animal.Attr[1], &r.Animal.Attr[2], &r.Animal.Reaction, &r.Animal.Initative}) {
    row->Base = number();
    row->Modifier = number();
  }
  r.RunMult = text();
  r.Animal.RunMult = text();
  r.NuyenSpent = in.ConsumeIntegral<int32_t>();
  r.Essence = in.ConsumeFloatingPointInRange(-10.0, 10.0);
  r.BodyIndex = in.ConsumeFloatingPointInRange(-10.0f, 10.0f);
  r.TotalWeight = heldFloat();
  for (auto* entries :
       {&r.RaceDesc, &r.Edges, &r.Skills, &r.Cyberware, &r.Bioware, &r.Powers, &r.Spells, &r.Gear, &r.Contacts}) {
    entries->resize(in.ConsumeIntegralInRange<size_t>(0, 4));
    for (std::string& entry : entries->Edit()) entry = in.ConsumeRandomLengthString(40);
  }
  r.Description = in.ConsumeRandomLengthString(120);
}

// Whether the writer writes the field for this character; a field left out is the reader's to
// default and not compared.
bool Written(const CharacterRecord& r, const RecordField& field) {
  switch (field.presence) {
    case FieldPresence::NonNegative:
      return *field.int16(const_cast<CharacterRecord&>(r)) >= 0;
    case FieldPresence::MagicUser:
      return r.MagicUser();
    default:
      return true;
  }
}

void CheckFields(const CharacterRecord& written, const CharacterRecord& read, std::string_view section,
                 bool rowsTaken) {
  CharacterRecord expected = written;
  expected.Initiation = written.Initiation >= 1 ? 1 : 0;
  if (expected.Initiation == 0) expected.Grade = 0;
  for (const RecordField& field : SectionFields(section)) {
    if (!Written(written, field)) continue;
    if (section == "Priorities" && !rowsTaken && field.kind == FieldKind::Int16 && field.key != "Rsel" &&
        field.key != "PhysAdMagic") {
      continue;
    }
    const std::string want =
        field.kind == FieldKind::Text ? WithoutBreaks(FieldValue(expected, field)) : FieldValue(expected, field);
    const std::string got = FieldValue(read, field);
    if (got != want)
      std::fprintf(stderr, "%s: wrote [%s], read [%s]\n", std::string(field.key).c_str(), want.c_str(), got.c_str());
    Check(got == want, "every single value is read back as written");
  }
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  using fuzz::Check;
  FuzzedDataProvider in(data, size);
  CharacterRecord record;
  fuzz::Fill(in, record);
  const std::string bytes = CharacterFileText(record, {"3.2.6 - 2 July 2000", fuzz::kDefaultGif});

  Check(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == kCrLf, "the file ends with CR LF");
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') Check(i + 1 < bytes.size() && bytes[i + 1] == '\n', "a CR is followed by LF");
    if (bytes[i] == '\n') Check(i > 0 && bytes[i - 1] == '\r', "an LF follows a CR");
  }

  // Read as Open reads, step by step.
  const CharacterFile file(IniFile::Parse(bytes));
  CharacterRecord read;
  file.ReadCharacter(read, fuzz::kDefaultGif);
  const bool rowsTaken = file.ReadGeneration(read);
  file.ReadAttributes(read);
  file.ReadShapeshift(read);
  file.ReadDicePools(read);

  Check(read.GeneratorPoints == record.GeneratorPoints, "the generation method is read back");
  fuzz::CheckFields(record, read, "Character", rowsTaken);
  const std::string_view generation = record.GeneratorPoints ? "PointSys" : "Priorities";
  fuzz::CheckFields(record, read, generation, rowsTaken);
  if (!record.GeneratorPoints) Check(rowsTaken == fuzz::RowsTaken(record), "priority rows are taken when valid");
  fuzz::CheckFields(record, read, "Dice pools", rowsTaken);
  if (record.MagicUser()) Check(file.Tradition() == record.Tradition, "the tradition is read back");

  for (int i = 0; i < kAttributeCount; ++i) {
    Check(read.Attr[i].Base == record.Attr[i].Base && read.Attr[i].Racial == record.Attr[i].Racial,
          "attribute cells are read back");
  }
  Check(read.Reaction.Base == record.Reaction.Base && read.Initative.Base == record.Initative.Base,
        "reaction and initiative are read back");
  Check(read.RunMult == fuzz::WithoutBreaks(record.RunMult), "the run multiplier is read back");
  Check(GeneralNumber(read.Essence) == GeneralNumber(record.Essence), "Essence is read back");
  Check(FormatFixed2(read.BodyIndex) == FormatFixed2(record.BodyIndex), "the Bio-index is read back");
  // The balance is held to what 32 bits hold, as every page shows it; within that it gives back
  // the money spent exactly.
  Check(MoneyLeft(read) == MoneyLeft(record), "the money left is read back");
  const int64_t balance = int64_t{record.Maxresources} - record.NuyenSpent;
  if (balance >= std::numeric_limits<int32_t>::min() && balance <= std::numeric_limits<int32_t>::max()) {
    Check(read.NuyenSpent == record.NuyenSpent, "the money spent is read back from the balance");
  }
  if (record.Shapeshift) {
    for (int i = 0; i < 3; ++i)
      Check(read.Animal.Attr[i].Base == record.Animal.Attr[i].Base &&
                read.Animal.Attr[i].Modifier == record.Animal.Attr[i].Modifier,
            "the animal form's cells are read back");
    Check(read.Animal.Reaction.Base == record.Animal.Reaction.Base &&
              read.Animal.Reaction.Modifier == record.Animal.Reaction.Modifier &&
              read.Animal.Initative.Base == record.Animal.Initative.Base &&
              read.Animal.Initative.Modifier == record.Animal.Initative.Modifier,
          "the animal form's cells are read back");
    Check(read.Animal.RunMult == fuzz::WithoutBreaks(record.Animal.RunMult), "the animal run multiplier is read back");
  }

  const struct {
    const ListKeys& keys;
    const std::vector<std::string>& entries;
    bool written;
  } lists[] = {
      {kRaceDescList, record.RaceDesc, true},
      {kEdgeList, record.Edges, true},
      {kSkillList, record.Skills, true},
      {kCyberList, record.Cyberware, true},
      {kBioList, record.Bioware, true},
      {kPowerList, record.Powers, record.Adept == 0},
      {kSpellList, record.Spells, record.MagicUser()},
      {kGearList, record.Gear, true},
  };
  for (const auto& list : lists) {
    if (list.written)
      Check(file.List(list.keys) == fuzz::ListReadBack(list.entries, false), "every list entry is read back");
  }
  Check(file.List(kContactList) == fuzz::ListReadBack(record.Contacts, true), "every contact is read back");
  Check(file.Description() == fuzz::DescriptionReadBack(record.Description), "the description is read back");
  Check(GeneralNumber(file.TotalWeight()) == GeneralNumber(record.TotalWeight), "the total weight is read back");
  return 0;
}
