// Characters as JSON through the Editor: every character file through a document and back, the
// import as a player meets it, and the broken documents it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/editor.h"
#include "app/json_export.h"
#include "json/json_value.h"
#include "support/program_test.h"

namespace ivgen {
namespace {

namespace fs = std::filesystem;

const std::string kNewTitle = "Ironveil Character Generator 3.2.6 - 2 July 2000";
const std::string kJsonData = IVGEN_SOURCE_DIR "/tests/json/data/";

class JsonTest : public test_support::ProgramTest {
 protected:
  // With the bundled settings, whose build points the documents show.
  Editor& Start() { return ProgramTest::Start(ReadWholeFile(IVGEN_BUNDLED_DATA "/ivgen.ini").value_or("")); }
  // Opens a file over whatever character is there, letting that one go.
  void OpenOver(const std::string& path) {
    if (editor_->Document().Modified) platform_.QueueAnswer("No");
    editor_->OpenNamed(path);
    ASSERT_EQ(editor_->Document().CurrentFile, path);
  }
  void ImportOver(const std::string& path) {
    if (editor_->Document().Modified) platform_.QueueAnswer("No");
    editor_->ImportJsonNamed(path);
  }
};

// The test data's characters, the samples and the scenarios' (the fuzz targets' seeds).
std::vector<std::string> CharacterFiles() {
  std::vector<std::string> files;
  for (const char* folder :
       {IVGEN_CHARACTER_FILES, IVGEN_BUNDLED_DATA "/samples", IVGEN_SOURCE_DIR "/tests/scenarios"}) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (entry.path().extension() == ".iv3") files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST_F(JsonTest, EveryCharacterFileComesBackThroughJsonAsASaveWritesIt) {
  Editor& editor = Start();
  const std::vector<std::string> files = CharacterFiles();
  ASSERT_GE(files.size(), 13u);
  for (const std::string& file : files) {
    OpenOver(file);
    const std::string saved = editor.FileText();
    const std::string json = editor.JsonText();
    Write("character.json", json);
    ImportOver(Path("character.json"));
    ASSERT_TRUE(editor.Document().CurrentFile.empty()) << file << ": " << (Log().empty() ? "" : Log().back());
    EXPECT_EQ(editor.FileText(), saved) << file;
    EXPECT_EQ(editor.JsonText(), json) << file;
  }
}

// The samples' documents are published beside the schema; they are what the export writes.
TEST_F(JsonTest, TheSamplesExportAsTheirDocuments) {
  Editor& editor = Start();
  for (const std::string name : {"razorback", "lanternjack", "greymane"}) {
    OpenOver(IVGEN_BUNDLED_DATA "/samples/" + name + ".iv3");
    const std::string golden = kJsonData + name + ".json";
    if (std::getenv("IVGEN_UPDATE_GOLDEN") != nullptr) {
      ASSERT_TRUE(ReplaceFile(golden, editor.JsonText()).ok);
    }
    EXPECT_EQ(editor.JsonText(), ReadWholeFile(golden).value_or("")) << name;
  }
}

TEST_F(JsonTest, AnImportIsANewCharacterReadAsAnOpenedFileIs) {
  Editor& editor = Start();
  Write("razorback.json", ReadWholeFile(kJsonData + "razorback.json").value_or(""));
  editor.Contacts().Add();
  ASSERT_TRUE(editor.Document().Modified);

  // The save prompt comes first; Cancel keeps the character and asks for no document.
  platform_.QueueAnswer("Cancel");
  editor.ImportJson();
  EXPECT_EQ(Log().size(), 1u);
  EXPECT_EQ(editor.Record().Contacts.size(), 1u);

  platform_.ClearLog();
  platform_.QueueAnswer("No");
  platform_.QueueAnswer(Path("razorback.json"));
  editor.ImportJson();
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[1], "open-file [Import JSON] JSON (*.json)|*.json -> \"" + Path("razorback.json") + "\"");
  EXPECT_EQ(editor.Record().StreetName, "Razorback");
  EXPECT_EQ(editor.Record().Cyberware.size(), 5u);
  EXPECT_EQ(editor.Record().Reaction.Total, "7") << "the cyberware's codes are applied as at Open";
  EXPECT_EQ(editor.CurrentPage(), kPageRace);
  EXPECT_EQ(editor.Frame().title.Text(), kNewTitle);
  EXPECT_EQ(editor.Document().CurrentFile, "");
  EXPECT_TRUE(editor.Document().Modified);
  EXPECT_FALSE(editor.CanUndo());

  // Save asks for a name, proposing the street name as after Open.
  platform_.ClearLog();
  platform_.QueueAnswer(Path("tamsin"));
  ASSERT_TRUE(editor.Save());
  EXPECT_EQ(Log()[0], "save-file [SaveAs] Ironveil 3 (*.iv3)|*.iv3 {Razorback} -> \"" + Path("tamsin.iv3") + "\"");
  EXPECT_EQ(Read("tamsin.iv3"), ReadWholeFile(IVGEN_BUNDLED_DATA "/samples/razorback.iv3").value_or(""));
}

TEST_F(JsonTest, ExportWritesTheDocumentAndSaysWhenItCannot) {
  Editor& editor = Start();
  OpenOver(IVGEN_BUNDLED_DATA "/samples/greymane.iv3");
  platform_.ClearLog();
  platform_.QueueAnswer(Path("wolf"));
  ASSERT_TRUE(editor.ExportJson());
  EXPECT_EQ(Log()[0], "save-file [Export as JSON] JSON (*.json)|*.json {Greymane} -> \"" + Path("wolf.json") + "\"");
  EXPECT_EQ(Read("wolf.json"), ReadWholeFile(kJsonData + "greymane.json").value_or(""));
  EXPECT_FALSE(editor.Document().Modified) << "an export is no save";

  platform_.ClearLog();
  EXPECT_FALSE(editor.ExportJsonTo(Path("missing/wolf.json")));
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_NE(Log()[0].find("The character was not exported."), std::string::npos) << Log()[0];
  EXPECT_NE(Log()[0].find(Path("missing/wolf.json")), std::string::npos) << Log()[0];
}

// ivgen --export-json, as a game master's script runs it over a folder of characters.
TEST_F(JsonTest, TheCommandLineExportWritesTheDocumentOrSaysWhyNot) {
  const std::string sample = IVGEN_BUNDLED_DATA "/samples/lanternjack.iv3";
  const std::string out = Path("lanternjack.json");
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string said;
  } cases[] = {
      {{"ivgen", kExportJsonOption, sample, out}, 0, ""},
      {{"ivgen", kExportJsonOption, sample}, 2, "usage: ivgen --export-json CHARACTER.iv3 OUT.json\n"},
      {{"ivgen", kExportJsonOption, Path("none.iv3"), out},
       1,
       "ivgen: Could not open " + Path("none.iv3") + ": No such file or directory\n"},
      {{"ivgen", kExportJsonOption, sample, Path("missing/x.json")},
       1,
       "ivgen: The character was not exported.\r\nCould not write " + Path("missing/x.json") +
           ": No such file or directory\n"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv;
    for (const std::string& argument : c.arguments) argv.push_back(argument.c_str());
    std::ostringstream said;
    EXPECT_EQ(ExportJsonMain(static_cast<int>(argv.size()), argv.data(), Folder(), said), c.status);
    EXPECT_EQ(said.str(), c.said);
  }
  EXPECT_EQ(Read("lanternjack.json"), ReadWholeFile(kJsonData + "lanternjack.json").value_or(""));
}

// The rows of tests/json/data/broken.json: a document made from the razorback sample's, and the
// start of the message that refuses it. The schema test refuses each of them too.
std::string BrokenDocument(JsonValue document, const JsonValue& row);

TEST_F(JsonTest, ABrokenDocumentIsRefusedWithItsPathAndNothingChanges) {
  Editor& editor = Start();
  OpenOver(IVGEN_BUNDLED_DATA "/samples/lanternjack.iv3");
  editor.Contacts().Add();
  const std::string before = editor.FileText();
  JsonProblem problem;
  const std::optional<JsonValue> base = ParseJson(ReadWholeFile(kJsonData + "razorback.json").value_or(""), problem);
  const std::optional<JsonValue> rows = ParseJson(ReadWholeFile(kJsonData + "broken.json").value_or(""), problem);
  ASSERT_TRUE(base && rows) << problem.Text();
  for (const JsonValue& row : rows->items) {
    Write("broken.json", BrokenDocument(*base, row));
    platform_.ClearLog();
    ImportOver(Path("broken.json"));
    const std::string refusal = "message [Ironveil Character Generator] (warning, OK) " + Path("broken.json") +
                                " was not imported: " + row.Find("error")->text;
    ASSERT_EQ(Log().size(), 2u) << row.Find("why")->text;
    EXPECT_EQ(Log()[1].substr(0, refusal.size()), refusal) << row.Find("why")->text;
    EXPECT_EQ(editor.FileText(), before) << row.Find("why")->text;
    EXPECT_EQ(editor.Document().CurrentFile, IVGEN_BUNDLED_DATA "/samples/lanternjack.iv3");
    EXPECT_TRUE(editor.Document().Modified);
  }
}

// The value at a JSON Pointer, and the object or array holding it.
JsonValue* At(JsonValue& document, const std::string& pointer, JsonValue** parent, std::string* last) {
  JsonValue* value = &document;
  size_t start = 1;
  while (start <= pointer.size() && !pointer.empty()) {
    const size_t end = std::min(pointer.find('/', start), pointer.size());
    std::string key = pointer.substr(start, end - start);
    *parent = value;
    *last = key;
    if (value->kind == JsonValue::Kind::Array) {
      const size_t index = std::stoul(key);
      value = index < value->items.size() ? &value->items[index] : nullptr;
    } else {
      auto member =
          std::find_if(value->members.begin(), value->members.end(), [&](const auto& m) { return m.key == key; });
      value = member == value->members.end() ? nullptr : &member->value;
    }
    if (value == nullptr) return nullptr;
    start = end + 1;
  }
  return value;
}

// A placeholder the written document holds where a row puts bytes of its own.
constexpr const char* kPlaceholder = "@@SPLICE@@";

std::string BrokenDocument(JsonValue document, const JsonValue& row) {
  JsonValue* parent = nullptr;
  std::string key;
  if (const JsonValue* patch = row.Find("patch")) {
    for (const JsonValue& op : patch->items) {
      JsonValue* target = At(document, op.Find("path")->text, &parent, &key);
      const std::string& name = op.Find("op")->text;
      if (name == "replace") {
        *target = *op.Find("value");
      } else if (name == "add") {
        parent->Add(key, *op.Find("value"));
      } else if (name == "remove") {
        std::erase_if(parent->members, [&](const auto& m) { return m.key == key; });
      }
    }
    return WriteJson(document);
  }
  std::string path;
  std::string bytes;
  if (const JsonValue* deep = row.Find("deep")) {
    path = deep->Find("path")->text;
    const size_t depth = std::stoul(deep->Find("depth")->text);
    bytes = std::string(depth, '[') + std::string(depth, ']');
  } else if (const JsonValue* longText = row.Find("long")) {
    path = longText->Find("path")->text;
    bytes = "\"" + std::string(std::stoul(longText->Find("length")->text), 'x') + "\"";
  } else {
    const JsonValue& splice = *row.Find("splice");
    path = splice.Find("path")->text;
    // The text's characters up to U+00FF stand for bytes: a row can hold what is no UTF-8.
    const std::string& utf8 = splice.Find("text")->text;
    for (size_t i = 0; i < utf8.size(); ++i) {
      const auto c = static_cast<unsigned char>(utf8[i]);
      bytes += c < 0x80 ? static_cast<char>(c) : static_cast<char>(((c & 0x1F) << 6) | (utf8[++i] & 0x3F));
    }
  }
  if (path.empty()) return bytes;
  *At(document, path, &parent, &key) = JsonValue::String(kPlaceholder);
  std::string text = WriteJson(document);
  const std::string quoted = "\"" + std::string(kPlaceholder) + "\"";
  text.replace(text.find(quoted), quoted.size(), bytes);
  return text;
}

}  // namespace
}  // namespace ivgen
