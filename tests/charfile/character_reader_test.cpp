#include "charfile/character_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "charfile/character_writer.h"
#include "record/entries.h"
#include "record/record_fields.h"
#include "record/text_file.h"
#include "record/values.h"

namespace ivgen {
namespace {

const WriterContext kContext{"3.2.6 - 2 July 2000", "portrait.gif"};

// Every step of the reader that needs no rules, over a new character.
CharacterRecord ReadAll(const std::string& text) {
  const CharacterFile file(IniFile::Parse(text));
  CharacterRecord r;
  ResetRecordFields(r, "");
  file.ReadCharacter(r, kContext.defaultGif);
  file.ReadGeneration(r);
  file.ReadAttributes(r);
  if (r.Shapeshift) file.ReadShapeshift(r);
  file.ReadDicePools(r);
  r.Skills = file.List(kSkillList);
  r.Description = file.Description();
  return r;
}

std::string Joined(const std::vector<std::string>& entries) {
  std::string out;
  for (const std::string& entry : entries) out += "<" + entry + ">";
  return out;
}

TEST(CharacterReader, HandWrittenFiles) {
  using Pick = std::function<std::string(const CharacterRecord&)>;
  const Pick shapeshift = [](const CharacterRecord& r) { return r.Shapeshift ? "true" : "false"; };
  const Pick spent = [](const CharacterRecord& r) { return std::to_string(r.NuyenSpent); };
  const Pick body = [](const CharacterRecord& r) { return r.Attr[0].Base + "+" + r.Attr[0].Racial; };
  const Pick rows = [](const CharacterRecord& r) {
    return std::to_string(r.PriRace) + std::to_string(r.PriMagic) + std::to_string(r.PriAttributes) +
           std::to_string(r.PriSkills) + std::to_string(r.PriResources) + " Rsel " + std::to_string(r.Rsel);
  };
  const struct {
    const char* file;
    Pick pick;
    const char* expected;
  } cases[] = {
      // The flag rule: exactly "0", "False" and "Faux" are false, a missing key is true.
      {"[Character]\nShapeshift=False\n", shapeshift, "false"},
      {"[Character]\nShapeshift=Faux\n", shapeshift, "false"},
      {"[Character]\nShapeshift=false\n", shapeshift, "true"},
      {"[Character]\nStreetName=Nyx\n", shapeshift, "true"},
      {"[Character]\nOnceThru=0\n", [](const CharacterRecord& r) { return r.OnceThru ? "true" : "false"; }, "false"},
      // Under build points the [PointSys] value decides, 1 meaning true.
      {"[System]\nGenerator=Points\n[PointSys]\nShapeshift=1\n", shapeshift, "true"},
      {"[System]\nGenerator=Points\n[PointSys]\nshapeshift=True\n", shapeshift, "false"},
      {"[System]\nGenerator=points\n[PointSys]\nShapeshift=0\n", shapeshift, "true"},
      {"[Attributes]\nEssence=5,8\nBody Index=0,45\n",
       [](const CharacterRecord& r) { return GeneralNumber(r.Essence) + " " + FormatFixed2(r.BodyIndex); }, "5.8 0.45"},
      {"[Character]\nMaxresources= 10000 \n[Attributes]\nResources=-500\xA5\n", spent, "10500"},
      {"[Character]\nMaxresources= 1000 \n[Attributes]\nResources=750\n", spent, "250"},
      {"[Character]\nMaxresources= 2147483647 \n[Attributes]\nResources=-2147483648\xA5\n", spent, "2147483647"},
      // A cell the line cannot give keeps the value it had.
      {"[Attributes]\nBody=3+2/0=5\n", body, "3+2"},
      {"[Attributes]\nBody=5\n", body, "1+0"},
      {"[Attributes]\nBody=4+2\n", body, "4+0"},
      {"[Attributes]\nBody=+-1/x\n", body, "+-1"},
      // A gap or an empty value ends a list.
      {"[Skills]\nSkill0=Etiquette_(CHA)~[3]\nSkill2=Pistols_(QCK)~[4]\n",
       [](const CharacterRecord& r) { return Joined(r.Skills); }, "<Etiquette (CHA)\t[3]>"},
      {"[skills]\nskill0=a\nSkill1=\nSkill2=b\n", [](const CharacterRecord& r) { return Joined(r.Skills); }, "<a>"},
      {"[Description]\nLine0=\xB6\nLine1=\xB6x\nLine2=a_b~c\nLine3=\nLine4=lost\n",
       [](const CharacterRecord& r) { return r.Description; }, "\r\n\r\na b~c\r\n"},
      {"[Priorities]\nRace= 4 \nRsel= 1 \nMagic= 3 \nAttributes= 2 \nSkills= 1 \nResources= 0 \n", rows,
       "43210 Rsel 1"},
      // Rows that do not name each row once are not taken; a missing option reads as "", the first one.
      {"[Priorities]\nRace= 0 \nMagic= 0 \nAttributes= 2 \nSkills= 1 \nResources= 3 \n", rows, "34012 Rsel 0"},
      {"[Priorities]\nRace= 5 \nRsel= 2 \nMagic= 3 \nAttributes= 2 \nSkills= 1 \nResources= 0 \n", rows,
       "34012 Rsel 2"},
      // The writer leaves the default picture out; a cleared picture stays cleared.
      {"[Character]\nStreetName=Nyx\n", [](const CharacterRecord& r) { return r.GraphicsFilename; }, "portrait.gif"},
      {"[Character]\nGraphicsFilename=\n", [](const CharacterRecord& r) { return r.GraphicsFilename; }, ""},
      // The grade counts only with the initiation on.
      {"[Character]\nInitiation= 0 \nGrade= 3 \n",
       [](const CharacterRecord& r) { return std::to_string(r.Initiation) + "/" + std::to_string(r.Grade); }, "0/0"},
      {"[Character]\nInitiation= 2 \nGrade= 3 \n",
       [](const CharacterRecord& r) { return std::to_string(r.Initiation) + "/" + std::to_string(r.Grade); }, "1/3"},
      {"[Shapeshift]\nBody=4+2=6\nReaction=3+1=4\n",
       [](const CharacterRecord& r) {
         return r.Animal.Attr[0].Base + "+" + r.Animal.Attr[0].Modifier + " " + r.Animal.Reaction.Base + "+" +
                r.Animal.Reaction.Modifier;
       },
       "4+2 3+1"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.pick(ReadAll(c.file)), c.expected) << c.file;
}

// Texts made of what the file treats specially: blanks, TABs, quotes, "_", "~", "=" and
// Windows-1252 letters.
std::string RandomText(std::mt19937& rng, size_t shortest) {
  static const std::string kLetters = " \t\"'_~=[a\xE9\xDF\xFC\xA5";
  std::uniform_int_distribution<size_t> length(shortest, 8);
  std::uniform_int_distribution<size_t> letter(0, kLetters.size() - 1);
  std::string text(length(rng), ' ');
  for (char& c : text) c = kLetters[letter(rng)];
  return text;
}

std::string Unescaped(std::string entry) {
  for (char& c : entry) {
    if (c == '_') c = ' ';
    if (c == '~') c = '\t';
  }
  return entry;
}

TEST(CharacterReader, EveryTextReadsBackAsWritten) {
  std::mt19937 rng(17);
  for (int round = 0; round < 400; ++round) {
    CharacterRecord written;
    ResetRecordFields(written, kContext.defaultGif);
    std::vector<const RecordField*> texts;
    for (const RecordField& field : RecordFields()) {
      if (field.kind != FieldKind::Text || field.presence == FieldPresence::MagicUser) continue;
      *field.text(written) = RandomText(rng, 0);
      texts.push_back(&field);
    }
    std::vector<std::string> expectedSkills;
    for (int n = 0; n < 3; ++n) {
      written.Skills.push_back(RandomText(rng, 1));
      expectedSkills.push_back(Unescaped(written.Skills.back()));
    }
    std::string expectedDescription;
    std::string line;
    for (int n = 0; n < 3; ++n) {
      line = RandomText(rng, 0);
      written.Description += (n == 0 ? "" : "\r\n") + line;
      expectedDescription += ReplaceAll(line, "_", " ") + "\r\n";
    }
    // An empty last line is the final line break the reader always adds.
    if (line.empty()) expectedDescription.resize(expectedDescription.size() - 2);

    const std::string bytes = CharacterFileText(written, kContext);
    const CharacterRecord read = ReadAll(bytes);
    for (const RecordField* field : texts) {
      CharacterRecord& r = const_cast<CharacterRecord&>(read);
      EXPECT_EQ(*field->text(r), *field->text(written)) << field->key << " in\n" << bytes;
    }
    EXPECT_EQ(read.Skills, expectedSkills) << bytes;
    EXPECT_EQ(read.Description, expectedDescription) << bytes;
  }
}

}  // namespace
}  // namespace ivgen
