#include "json/character_json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "entry/list_entries.h"
#include "json/json_forms.h"
#include "record/record_fields.h"
#include "record/text_file.h"

namespace ivgen {
namespace {

std::string Flat(const JsonValue& value) {
  std::string text = WriteJson(value);
  return text.substr(0, text.size() - 2);
}

// Each text comes back from its value; it is typed only where the type gives every byte back.
TEST(JsonForms, AValueIsTypedOnlyWhereItGivesItsTextBackExactly) {
  const struct {
    ColumnType form;
    int digits;
    std::string text, json;
  } cases[] = {
      {ColumnType::Text, 1, "Zo\xEB \x81", R"("Zoë \u0081")"},
      {ColumnType::Text, 1, "a\tb\"\\", R"("a\tb\"\\")"},
      {ColumnType::Number, 1, "2.00", "2.00"},
      {ColumnType::Number, 1, "1.5", "1.5"},
      {ColumnType::Number, 1, "-3", "-3"},
      {ColumnType::Number, 1, "1e5", "1e5"},
      {ColumnType::Number, 1, "", "null"},
      // Texts a JSON reader would not give back letter for letter.
      {ColumnType::Number, 1, ".9", R"(".9")"},
      {ColumnType::Number, 1, "-0", R"("-0")"},
      {ColumnType::Number, 1, "1,5", R"("1,5")"},
      {ColumnType::Number, 1, " 2", R"(" 2")"},
      {ColumnType::Number, 1, "1e999", R"("1e999")"},
      {ColumnType::Integer, 1, "55000", "55000"},
      {ColumnType::Integer, 1, "-1", "-1"},
      {ColumnType::Integer, 1, "007", R"("007")"},
      {ColumnType::Integer, 1, "1.0", R"("1.0")"},
      {ColumnType::Integer, 1, "", "null"},
      {ColumnType::Bracketed, 1, "[6]", "[6]"},
      {ColumnType::Bracketed, 1, "[4/6]", "[4, 6]"},
      {ColumnType::Bracketed, 1, "[-3]", "[-3]"},
      {ColumnType::Bracketed, 2, "[05]", "[5]"},
      {ColumnType::Bracketed, 2, "[12]", "[12]"},
      {ColumnType::Bracketed, 2, "[5]", R"("[5]")"},
      {ColumnType::Bracketed, 1, "[06]", R"("[06]")"},
      {ColumnType::Bracketed, 1, "[six]", R"("[six]")"},
      {ColumnType::Bracketed, 1, "[1/2/3]", R"("[1/2/3]")"},
      {ColumnType::Bracketed, 1, "Flaw [-2]", R"("Flaw [-2]")"},
      {ColumnType::ModifierCodes, 1, "+2RCT,-1CHA",
       R"([{"attribute": "RCT", "value": 2}, {"attribute": "CHA", "value": -1}])"},
      {ColumnType::ModifierCodes, 1, "", "[]"},
      {ColumnType::ModifierCodes, 1, "+1INI*", R"("+1INI*")"},
      {ColumnType::ModifierCodes, 1, "-0CHA", R"("-0CHA")"},
      {ColumnType::ModifierCodes, 1, "+1XYZ", R"("+1XYZ")"},
      {ColumnType::ModifierCodes, 1, "+1WIL, +1CHA", R"("+1WIL, +1CHA")"},
      {ColumnType::ModifierCodes, 1, "Needs only four hours of sleep.", R"("Needs only four hours of sleep.")"},
      {ColumnType::BookReference, 1, "IV3-208", R"({"code": "IV3", "page": 208})"},
      {ColumnType::BookReference, 1, "IV3-???", R"("IV3-???")"},
      {ColumnType::BookReference, 1, "IV3", R"("IV3")"},
      {ColumnType::BookReference, 1, "-5", R"("-5")"},
      {ColumnType::BookReference, 1, "IV3-08", R"("IV3-08")"},
      {ColumnType::BookReference, 1, "", "null"},
      {ColumnType::GearValues, 1, "3|5|10(c)||1.3|", R"j({"type": 3, "fields": [5, "10(c)", null, 1.3]})j"},
      {ColumnType::GearValues, 1, "26|0|IV3-???|", R"({"type": 26, "fields": [0, "IV3-???"]})"},
      {ColumnType::GearValues, 1, "3|", R"({"type": 3, "fields": []})"},
      {ColumnType::GearValues, 1, "3|5", R"("3|5")"},
      {ColumnType::GearValues, 1, "|5|", R"("|5|")"},
      {ColumnType::GearValues, 1, "3|5|\t7|", R"({"type": 3, "fields": [5, "\t7"]})"},
      {ColumnType::GradeCode, 1, "2", "2"},
      {ColumnType::GradeCode, 1, "", "null"},
  };
  for (const auto& c : cases) {
    const JsonValue value = FormValue(c.text, c.form, c.digits);
    EXPECT_EQ(Flat(value), c.json) << c.text;
    JsonProblem problem;
    EXPECT_EQ(FormText(value, c.form, c.digits, "/x", problem), c.text) << c.json << " " << problem.Text();
  }
}

// What a player writes by hand in another form than the export's is read as the export would
// have written it.
TEST(JsonForms, ReadsOtherSpellingsAsTheExportWritesThem) {
  const struct {
    ColumnType form;
    int digits;
    std::string json, text;
  } cases[] = {
      {ColumnType::Integer, 1, "1.0", "1"},
      {ColumnType::Integer, 1, "-0", "0"},
      {ColumnType::Integer, 1, "2e3", "2000"},
      {ColumnType::Integer, 1, R"("12")", "12"},
      {ColumnType::Bracketed, 2, "[7]", "[07]"},
      {ColumnType::Bracketed, 2, "[7.0]", "[07]"},
      {ColumnType::ModifierCodes, 1, R"([{"value": 3, "attribute": "WIL"}])", "+3WIL"},
      {ColumnType::GradeCode, 1, "3.0", "3"},
  };
  for (const auto& c : cases) {
    JsonProblem problem;
    const std::optional<JsonValue> value = ParseJson(c.json, problem);
    ASSERT_TRUE(value) << problem.Text();
    EXPECT_EQ(FormText(*value, c.form, c.digits, "/x", problem), c.text) << c.json << " " << problem.Text();
  }
}

// The schema players validate against is the one the importer checks by.
TEST(CharacterSchema, IsTheOneTheDocsPublish) {
  const std::string path = IVGEN_SOURCE_DIR "/docs/character.schema.json";
  if (std::getenv("IVGEN_UPDATE_SCHEMA") != nullptr) {
    ASSERT_TRUE(ReplaceFile(path, CharacterSchema()).ok);
  }
  EXPECT_EQ(ReadWholeFile(path).value_or(""), CharacterSchema())
      << "run the json tests with IVGEN_UPDATE_SCHEMA=1 to write the schema again";
}

// Every single value and every list entry a file stores comes back from the document, however
// odd; computed values in the document are not taken.
TEST(CharacterJson, CarriesEveryStoredFieldAndNoComputedOne) {
  CharacterRecord record;
  ResetRecordFields(record, "iv.gif");
  int n = 0;
  for (const RecordField& field : RecordFields()) {
    const std::string number = field.kind == FieldKind::Int32 ? std::to_string(-70000 - n) : std::to_string(++n);
    SetFieldValue(record, field,
                  field.kind == FieldKind::Text    ? "Zo\xEB \x81\x8D\x8F\x90\x9D " + std::string(field.key)
                  : field.kind == FieldKind::Float ? number + ".25"
                                                   : number);
  }
  // What the rules compute is the rules' own.
  record.CurSkill = 0;
  record.Pools.Combat = record.Pools.Control = record.Pools.Magic = "";
  record.PriMagic = 1;  // a magician: the spells and the spell pool are written
  record.Adept = 0;     // a physical adept: the powers are written
  record.GeneratorPoints = true;
  record.Attr[kBody].Base = "07";
  record.Attr[kBody].Racial = "-1";
  record.RunMult = "2.5";
  record.Animal.Attr[1].Modifier = "x";
  record.BodyIndex = 1.25f;
  record.TotalWeight = 12.5f;
  record.NuyenSpent = 1234;
  record.RaceDesc = {"Low Light Vision", "Tusks"};
  record.Description = "a\r\n\r\nb c\r\n";
  record.Edges = {"Steady Hands\t[1]\t\tNo penalty", "Ork flaw [-1]"};
  record.Skills = {"Pistols (QCK)\t[4/6]", "Lore (KNO)/Gangs/Reds\t[06]", "Odd\t[x]"};
  record.Cyberware = {"Reflex Weave\t2.00\t55000\tIV3-208\t+2RCT,+1INI\t4\tnote\t\t!2",
                      "Eye\t.10\t2500\tIV3\t+1INI*\t1.5\t\t0.50\tE\textra\t\t!0", "Short\t0.20"};
  record.Bioware = {"Tone\t0.40\t200\tIV3-2\tc\t+1QCK\tnote"};
  record.Powers = {"Quick [2]\t3.00\t+2RCT\tIV3-150\t"};
  record.Spells = {"Bolt\tM\tS\tI\tLOS\tM(F/2)\t[05]\tIV3-170", "Odd\tM\tS\tI\tLOS\tM\t[5]\tIV3-171"};
  record.Gear = {"Knife                         \t1|8|0|(STR)L|0.5|1|60|IV3-262|", std::string(kGearDivider),
                 "Rope [3]\t9|\t|"};
  record.Contacts = {"Old Mags\tFixer\t\t\t\t1\t\t\t0\t\t\t", "Short\tx"};

  const std::string json = CharacterJson(record);
  EXPECT_NE(json.find(R"("street_name": "Zoë \u0081\u008d\u008f\u0090\u009d StreetName")"), std::string::npos);
  JsonProblem problem;
  const std::optional<CharacterRecord> read = ReadCharacterJson(json, "iv.gif", problem);
  ASSERT_TRUE(read) << problem.Text();
  const WriterContext context{"3.2.6", "iv.gif"};
  EXPECT_EQ(CharacterFileText(*read, context), CharacterFileText(record, context));
  EXPECT_EQ(CharacterJson(*read), json);

  // The computed cells of the document are checked for their type and left to the rules.
  std::string changed = json;
  const std::string total = R"("total": 1})";
  changed.replace(changed.find(total), total.size(), R"("total": 99})");
  const std::optional<CharacterRecord> computed = ReadCharacterJson(changed, "iv.gif", problem);
  ASSERT_TRUE(computed) << problem.Text();
  EXPECT_EQ(computed->Attr[kBody].Total, "1");
}

}  // namespace
}  // namespace ivgen
