// The character writer, over records filled from the input: every line ends with CR LF, and
// every list entry and description line the writer keeps is found again by a reader that stops at
// the first missing or empty key.
#include <fuzzer/FuzzedDataProvider.h>

#include "charfile/character_writer.h"
#include "fuzz_support.h"

namespace ivgen::fuzz {
namespace {

// Entries that keep no character after their line breaks are left out by the writer.
size_t KeptEntries(const std::vector<std::string>& entries, bool keepBreaks) {
  size_t kept = 0;
  for (const std::string& entry : entries) {
    if (keepBreaks ? !entry.empty() : entry.find_first_not_of("\r\n") != std::string::npos) ++kept;
  }
  return kept;
}

size_t KeysReadBack(const IniFile& ini, const char* section, const char* prefix) {
  size_t count = 0;
  while (!ini.Get(section, prefix + std::to_string(count)).empty()) ++count;
  return count;
}

// Each line of the description is one Line key; an empty last line, after a final break, is
// where the reader stops.
size_t DescriptionLines(const std::string& description) { return SplitLines(description).size(); }

void Fill(FuzzedDataProvider& in, CharacterRecord& r) {
  auto text = [&] { return in.ConsumeRandomLengthString(24); };
  auto list = [&](std::vector<std::string>& entries) {
    entries.resize(in.ConsumeIntegralInRange<size_t>(0, 4));
    for (std::string& entry : entries) entry = in.ConsumeRandomLengthString(40);
  };
  r.GeneratorPoints = in.ConsumeBool();
  for (std::string* field : {&r.StreetName,    &r.RealName,         &r.Archetype,      &r.Race,
                             &r.Gender,        &r.Height,           &r.Weight,         &r.Eyes,
                             &r.Hair,          &r.Birthdate,        &r.Birthplace,     &r.KarmaTotal,
                             &r.KarmaRemain,   &r.GraphicsFilename, &r.RunMult,        &r.Pools.Karma,
                             &r.Pools.Hacking, &r.Pools.Astral,     &r.Pools.lblPool1, &r.Pools.txtPool1,
                             &r.Attr[0].Base,  &r.Attr[5].Total}) {
    *field = text();
  }
  r.Adept = in.ConsumeIntegralInRange<int16_t>(-1, 4);
  r.PriMagic = in.ConsumeIntegralInRange<int16_t>(0, 4);
  r.Shapeshift = in.ConsumeBool();
  r.PtsRsel = in.ConsumeIntegral<int16_t>();
  r.Grade = in.ConsumeIntegral<int16_t>();
  r.Maxresources = in.ConsumeIntegral<int32_t>();
  r.NuyenSpent = in.ConsumeIntegral<int32_t>();
  r.MagicPts = in.ConsumeFloatingPoint<float>();
  r.TotalWeight = in.ConsumeFloatingPoint<float>();
  r.Essence = in.ConsumeFloatingPoint<double>();
  for (auto* entries :
       {&r.RaceDesc, &r.Edges, &r.Skills, &r.Cyberware, &r.Bioware, &r.Powers, &r.Spells, &r.Gear, &r.Contacts}) {
    list(*entries);
  }
  r.Description = in.ConsumeRandomLengthString(120);
}

}  // namespace
}  // namespace ivgen::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace ivgen;
  using fuzz::Check;
  FuzzedDataProvider in(data, size);
  CharacterRecord record;
  fuzz::Fill(in, record);
  const std::string bytes = CharacterFileText(record, {"3.2.6 - 2 July 2000", "face.gif"});

  Check(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == kCrLf, "the file ends with CR LF");
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') Check(i + 1 < bytes.size() && bytes[i + 1] == '\n', "a CR is followed by LF");
    if (bytes[i] == '\n') Check(i > 0 && bytes[i - 1] == '\r', "an LF follows a CR");
  }

  const IniFile ini = IniFile::Parse(bytes);
  const struct {
    const char* section;
    const char* prefix;
    const std::vector<std::string>& entries;
    bool written;
  } lists[] = {
      {"RaceDesc", "Desc", record.RaceDesc, true},
      {"Edges", "Edge", record.Edges, true},
      {"Skills", "Skill", record.Skills, true},
      {"Cyberware", "Cyber", record.Cyberware, !record.Cyberware.empty()},
      {"Bioware", "Bio", record.Bioware, !record.Bioware.empty()},
      {"Powers", "Power", record.Powers, record.Adept == 0},
      {"Magic", "Spell", record.Spells, record.MagicUser()},
      {"Gear", "Gear", record.Gear, true},
  };
  for (const auto& list : lists) {
    if (list.written) {
      Check(fuzz::KeysReadBack(ini, list.section, list.prefix) == fuzz::KeptEntries(list.entries, false),
            "every list entry written is read back");
    }
  }
  Check(fuzz::KeysReadBack(ini, "Contacts", "Contact") == fuzz::KeptEntries(record.Contacts, true),
        "every contact written is read back");
  Check(fuzz::KeysReadBack(ini, "Description", "Line") == fuzz::DescriptionLines(record.Description),
        "every description line is read back");
  for (const char* key : {"StreetName", "RealName", "Adept", "Initiation", "Grade", "norules", "Shapeshift", "OnceThru",
                          "CurSkill", "Attributes", "MagicPts", "Maxresources"}) {
    Check(ini.Has("Character", key), "every key of [Character] is written");
  }
  return 0;
}
