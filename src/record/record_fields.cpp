#include "record/record_fields.h"

#include <array>

#include "record/entries.h"
#include "record/values.h"

namespace ivgen {

namespace {

using P = FieldPresence;

constexpr RecordField Text(std::string_view section, std::string_view key, std::string* (*at)(CharacterRecord&),
                           bool typed, P presence = P::Always) {
  RecordField f{section, key, FieldKind::Text, presence, typed};
  f.text = at;
  return f;
}
constexpr RecordField Int16(std::string_view section, std::string_view key, int16_t* (*at)(CharacterRecord&),
                            P presence = P::Always) {
  RecordField f{section, key, FieldKind::Int16, presence};
  f.int16 = at;
  return f;
}
constexpr RecordField Int32(std::string_view section, std::string_view key, int32_t* (*at)(CharacterRecord&)) {
  RecordField f{section, key, FieldKind::Int32};
  f.int32 = at;
  return f;
}
constexpr RecordField Float(std::string_view section, std::string_view key, float* (*at)(CharacterRecord&)) {
  RecordField f{section, key, FieldKind::Float};
  f.real = at;
  return f;
}
constexpr RecordField Flag(std::string_view section, std::string_view key, bool* (*at)(CharacterRecord&)) {
  RecordField f{section, key, FieldKind::Flag};
  f.flag = at;
  return f;
}

#define AT(member) [](CharacterRecord& r) { return &r.member; }

const std::array kFields = {
    Text("Character", "StreetName", AT(StreetName), true),
    Text("Character", "RealName", AT(RealName), true),
    Text("Character", "Archetype", AT(Archetype), true),
    Text("Character", "Race", AT(Race), true),
    Text("Character", "Gender", AT(Gender), true),
    Text("Character", "Height", AT(Height), true),
    Text("Character", "Weight", AT(Weight), true),
    Text("Character", "Eyes", AT(Eyes), true),
    Text("Character", "Hair", AT(Hair), true),
    Text("Character", "Birthdate", AT(Birthdate), true),
    Text("Character", "Birthplace", AT(Birthplace), true),
    Text("Character", "KarmaTotal", AT(KarmaTotal), true),
    Text("Character", "KarmaRemain", AT(KarmaRemain), true),
    Text("Character", "GraphicsFilename", AT(GraphicsFilename), false, P::NotDefaultPicture),
    Int16("Character", "Adept", AT(Adept)),
    Int16("Character", "Initiation", AT(Initiation)),
    Int16("Character", "Grade", AT(Grade)),
    Int16("Character", "norules", AT(norules)),
    Flag("Character", "Shapeshift", AT(Shapeshift)),
    Flag("Character", "OnceThru", AT(OnceThru)),
    Int16("Character", "CurSkill", AT(CurSkill)),
    Int16("Character", "Attributes", AT(Attributes)),
    Float("Character", "MagicPts", AT(MagicPts)),
    Int32("Character", "Maxresources", AT(Maxresources)),

    Int16("Priorities", "Race", AT(PriRace)),
    Int16("Priorities", "Rsel", AT(Rsel), P::NonNegative),
    Int16("Priorities", "Magic", AT(PriMagic)),
    Int16("Priorities", "Attributes", AT(PriAttributes)),
    Int16("Priorities", "Skills", AT(PriSkills)),
    Int16("Priorities", "Resources", AT(PriResources)),
    Int16("Priorities", "PhysAdMagic", AT(PhysAdMagic)),

    Int16("PointSys", "Race", AT(Rsel)),
    Int16("PointSys", "Rsel", AT(PtsRsel), P::NonNegative),
    Int16("PointSys", "Magic", AT(PriMagic)),
    // One field with [Character]'s: an "ATR" code after "Done" shows in both lines alike.
    Int16("PointSys", "Attributes", AT(Attributes)),
    Int16("PointSys", "Skills", AT(PtsSkills)),
    Int16("PointSys", "ResourceSel", AT(PtsResourceSel), P::NonNegative),
    Int16("PointSys", "Meta", AT(PtsMeta)),
    Int16("PointSys", "Ghoul", AT(PtsGhoul)),
    Int16("PointSys", "Otaku", AT(PtsOtaku)),
    Int16("PointSys", "NoRules", AT(PtsNoRules)),
    Flag("PointSys", "Shapeshift", AT(Shapeshift)),
    Int16("PointSys", "SelIndex", AT(SelIndex)),
    Int16("PointSys", "PhysAdMagic", AT(PtsPhysAdMagic)),

    Text("Dice pools", "Karma", AT(Pools.Karma), true),
    Text("Dice pools", "Combat", AT(Pools.Combat), false),
    Text("Dice pools", "Control", AT(Pools.Control), false),
    Text("Dice pools", "Hacking", AT(Pools.Hacking), true),
    Text("Dice pools", "Magic", AT(Pools.Magic), false, P::MagicUser),
    Text("Dice pools", "lblPool1", AT(Pools.lblPool1), true),
    Text("Dice pools", "lblPool2", AT(Pools.lblPool2), true),
    Text("Dice pools", "txtPool1", AT(Pools.txtPool1), true),
    Text("Dice pools", "txtPool2", AT(Pools.txtPool2), true),
    Text("Dice pools", "Astral", AT(Pools.Astral), true),

    Int16("Magic", "Tradition", AT(Tradition)),
};

#undef AT

bool SameKey(std::string_view a, std::string_view b) { return UpperCase(a) == UpperCase(b); }

}  // namespace

std::span<const RecordField> RecordFields() { return kFields; }

std::span<const RecordField> SectionFields(std::string_view section) {
  size_t first = kFields.size();
  size_t end = kFields.size();
  for (size_t i = 0; i < kFields.size(); ++i) {
    if (kFields[i].section != section) continue;
    if (first == kFields.size()) first = i;
    end = i + 1;
  }
  if (first == kFields.size()) return {};
  return std::span<const RecordField>(kFields).subspan(first, end - first);
}

const RecordField* FindField(std::string_view name) {
  const size_t dot = name.find('.');
  const std::string_view section = dot == std::string_view::npos ? std::string_view() : name.substr(0, dot);
  const std::string_view key = dot == std::string_view::npos ? name : name.substr(dot + 1);
  for (const RecordField& field : kFields) {
    if (SameKey(field.key, key) && (section.empty() || SameKey(field.section, section))) return &field;
  }
  return nullptr;
}

std::string FieldValue(const CharacterRecord& record, const RecordField& field) {
  // The accessors only point into the record; nothing is written through them here.
  CharacterRecord& r = const_cast<CharacterRecord&>(record);
  switch (field.kind) {
    case FieldKind::Text:
      return *field.text(r);
    case FieldKind::Int16:
      return PrintNumber(static_cast<int32_t>(*field.int16(r)));
    case FieldKind::Int32:
      return PrintNumber(*field.int32(r));
    case FieldKind::Float:
      return PrintNumber(*field.real(r));
    case FieldKind::Flag:
      return *field.flag(r) ? "1" : "0";
  }
  return {};
}

void SetFieldValue(CharacterRecord& record, const RecordField& field, std::string_view value) {
  switch (field.kind) {
    case FieldKind::Text:
      *field.text(record) = std::string(value);
      break;
    case FieldKind::Int16:
      *field.int16(record) = CInt(Val(value));
      break;
    case FieldKind::Int32:
      *field.int32(record) = CLng(Val(value));
      break;
    case FieldKind::Float:
      *field.real(record) = static_cast<float>(HeldAmount(Val(value)));
      break;
    case FieldKind::Flag:
      // Character files from other language settings say "Faux"; "false" is not one of them.
      *field.flag(record) = !(value == "0" || value == "False" || value == "Faux");
      break;
  }
}

}  // namespace ivgen
