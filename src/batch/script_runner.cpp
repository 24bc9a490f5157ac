#include "batch/script_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

#include "record/record_fields.h"

#include "batch/contacts_commands.h"
#include "batch/creation_commands.h"
#include "batch/gear_commands.h"
#include "batch/implant_commands.h"
#include "batch/json_commands.h"
#include "batch/magic_commands.h"
#include "batch/options_commands.h"
#include "batch/points_commands.h"
#include "batch/random_commands.h"
#include "batch/sheet_commands.h"
#include "batch/skills_commands.h"
#include "batch/texts_commands.h"

#include "record/cp1252.h"
#include "record/text_file.h"
#include "record/values.h"

namespace ivgen {

bool ParseScriptLine(const std::string& line, ScriptLine& parsed, std::string& error) {
  parsed = {};
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  };
  skipBlanks();
  const size_t verbStart = i;
  while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
  parsed.verb = line.substr(verbStart, i - verbStart);
  skipBlanks();
  size_t restEnd = line.size();
  while (restEnd > i && (line[restEnd - 1] == ' ' || line[restEnd - 1] == '\t' || line[restEnd - 1] == '\r')) {
    --restEnd;
  }
  parsed.rest = line.substr(i, restEnd - i);
  while (i < restEnd) {
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < restEnd) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < restEnd) {
          const char e = line[i++];
          word += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        } else {
          word += c;
        }
      }
      if (!closed) {
        error = "a quoted text is not closed";
        return false;
      }
    } else {
      while (i < restEnd && line[i] != ' ' && line[i] != '\t') word += line[i++];
    }
    parsed.words.push_back(std::move(word));
    skipBlanks();
  }
  return true;
}

BatchCommand NoArguments(std::function<void()> action) {
  return [action = std::move(action)](const ScriptLine& line, std::string& error) {
    if (!line.words.empty()) {
      error = "takes no arguments";
      return false;
    }
    action();
    return true;
  };
}

std::optional<int64_t> WholeNumber(std::string_view word, int64_t low, int64_t high) {
  // More digits than any int64_t holds are out of range whatever they say.
  if (word.empty() || word.size() > 18 || word.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int64_t value = 0;
  for (char digit : word) value = value * 10 + (digit - '0');
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<double> DieValue(std::string_view word) {
  // Digits with at most one point: the leading-number reading would take "abc" or "nan" for 0
  // and "0x10" or "0.5x" for their first digits.
  const size_t point = word.find('.');
  const bool plain = word.find_first_not_of("0123456789.") == std::string_view::npos &&
                     word.find_first_of("0123456789") != std::string_view::npos &&
                     (point == std::string_view::npos || word.find('.', point + 1) == std::string_view::npos);
  if (!plain) return std::nullopt;
  const double value = Val(word);
  if (value >= 1) return std::nullopt;
  return value;
}

std::optional<std::string> ReadScript(const std::string& name, std::string& problem) {
  const std::string shown = name == "-" ? "<stdin>" : name;
  StreamProblem failure = StreamProblem::None;
  std::string reason;
  std::optional<std::string> bytes = ReadStream(name, kMaxFileSize, failure, reason);
  switch (failure) {
    case StreamProblem::None:
      break;
    case StreamProblem::CannotOpen:
      problem = "cannot open script " + name;
      break;
    case StreamProblem::IsFolder:
      problem = "script " + shown + " is a folder";
      break;
    case StreamProblem::CannotRead:
      problem = "cannot read script " + shown + ": " + reason;
      break;
    case StreamProblem::TooLarge:
      problem = "script " + shown + " is larger than " + std::to_string(kMaxFileSize / (1024 * 1024)) + " MB";
      break;
  }
  return bytes;
}

std::string ConfinedPath(const std::string& folder, const std::string& path) {
  if (path.empty()) return path;
  std::string inside = folder;
  for (size_t start = 0; start <= path.size();) {
    const size_t slash = std::min(path.find_first_of(kPathSeparators, start), path.size());
    const std::string name = path.substr(start, slash - start);
    if (!name.empty() && name != "." && name != "..") {
      if (inside.empty() || inside.back() != '/') inside += '/';
      inside += name;
    }
    start = slash + 1;
  }
  return inside;
}

int Utf8Output::overflow(int c) {
  if (c == traits_type::eof()) return traits_type::not_eof(c);
  const std::string bytes = Cp1252ToUtf8(std::string(1, static_cast<char>(c)));
  const auto size = static_cast<std::streamsize>(bytes.size());
  return target_->sputn(bytes.data(), size) == size ? c : traits_type::eof();
}

std::optional<bool> OnOff(const std::string& word) {
  if (word == "on") return true;
  if (word == "off") return false;
  return std::nullopt;
}

BatchCommand OnOffArgument(std::function<void(bool)> action) {
  return [action = std::move(action)](const ScriptLine& line, std::string& error) {
    const auto on = line.words.size() == 1 ? OnOff(line.words[0]) : std::nullopt;
    if (!on) {
      error = "expects on or off";
      return false;
    }
    action(*on);
    return true;
  };
}

BatchCommand Choosing(std::function<std::vector<std::string>()> texts, std::string what,
                      std::function<void(int)> action) {
  return [texts = std::move(texts), what = std::move(what), action = std::move(action)](const ScriptLine& line,
                                                                                        std::string& error) {
    const std::string word = line.words.size() == 1 ? line.words[0] : line.rest;
    const std::vector<std::string> entries = texts();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (word == IntText(static_cast<int64_t>(i) + 1) || word == entries[i]) {
        action(static_cast<int>(i));
        return true;
      }
    }
    error = "expects the number or name of " + what + ", not '" + word + "'";
    return false;
  };
}

std::vector<std::string> NumberTexts(size_t count) {
  std::vector<std::string> texts(count);
  for (size_t i = 0; i < count; ++i) texts[i] = IntText(static_cast<int64_t>(i) + 1);
  return texts;
}

BatchCommand Reachable(std::function<bool()> usable, std::string what, BatchCommand command) {
  return [usable = std::move(usable), what = std::move(what), command = std::move(command)](const ScriptLine& line,
                                                                                            std::string& error) {
    if (!usable()) {
      error = what + " cannot be used now";
      return false;
    }
    return command(line, error);
  };
}

std::optional<Dialog> FrontDialog(const ScriptedPlatform& platform) {
  const std::vector<Dialog>& open = platform.OpenDialogs();
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    if (*it != Dialog::AnimalForm && *it != Dialog::Help) return *it;
  }
  return std::nullopt;
}

BatchCommand InWindow(const ScriptedPlatform& platform, std::optional<Dialog> window, std::string what,
                      BatchCommand command) {
  return Reachable([&platform, window] { return FrontDialog(platform) == window; }, std::move(what),
                   std::move(command));
}

ScriptRunner::ScriptRunner(ScriptedPlatform& platform, Editor& editor, std::ostream& out)
    : platform_(platform), editor_(editor), terminal_(out), converter_(out.rdbuf()), out_(&converter_) {
  AddCommands();
}

void ScriptRunner::SayShown(const ShownText& text) { terminal_ << ScriptedPlatform::Visible(text.Utf8()) << "\n"; }

namespace {

std::string Flag(bool value) { return value ? "true" : "false"; }

// What a script may do whatever window is in front: queue answers, print, and use the dialogs'
// own controls (each checks its dialog) and the animal-form window's (it checks for itself).
// Every other command is the main window's, out of reach while a modal dialog is open.
bool NotTheMainWindows(const std::string& verb) {
  static const std::set<std::string, std::less<>> kVerbs = {
      "answer",         "roll",     "print",    "echo",          "show-file",   "list",           "book-allowed",
      "books",          "check",    "about-ok", "about-sysinfo", "options-set", "options-browse", "options-done",
      "options-cancel", "edge-add", "flaw-add", "edge-remove",   "edges-done",  "reasons",        "help-close"};
  for (const char* prefix : {"show-", "points-", "print-options-", "animal-", "random-"}) {
    if (verb.starts_with(prefix)) return true;
  }
  return kVerbs.contains(verb);
}

}  // namespace

std::string TextArgument(const ScriptLine& line, size_t skipWords) {
  if (line.words.size() == skipWords + 1 && !line.rest.empty()) {
    // A lone word, quoted or not, is the text itself (quotes and escapes resolved).
    return line.words[skipWords];
  }
  std::string rest = line.rest;
  for (size_t w = 0; w < skipWords; ++w) {
    const size_t blank = rest.find_first_of(" \t");
    rest = blank == std::string::npos ? "" : rest.substr(rest.find_first_not_of(" \t", blank));
  }
  return rest;
}

std::string PathArgument(const ScriptLine& line, size_t skipWords) {
  ScriptLine spelled;
  std::string error;
  // As UTF-8 the line parses as it did as text.
  if (line.utf8.empty() || !ParseScriptLine(line.utf8, spelled, error))
    return TextToPath(TextArgument(line, skipWords));
  return TextArgument(spelled, skipWords);
}

std::optional<std::string> ScriptRunner::Printable(const std::string& name) const {
  const CharacterRecord& record = editor_.Record();
  const DocumentState& document = editor_.Document();
  const FrameView& frame = editor_.Frame();
  const Settings& settings = editor_.CurrentSettings();
  const OptionsFields& options = editor_.Options().Fields();
  const std::map<std::string, std::function<std::string()>> values = {
      {"title", [&] { return ScriptedPlatform::Visible(frame.title.Text()); }},
      {"page", [&] { return std::string(kPageCaptions[editor_.CurrentPage()]); }},
      {"statusbar", [&] { return Flag(frame.statusBarVisible); }},
      {"about", [&] { return editor_.Info().About().aboutVersion; }},
      {"Modified", [&] { return Flag(document.Modified); }},
      {"CurrentFile", [&] { return ScriptedPlatform::Visible(PathToText(document.CurrentFile)); }},
      {"DefaultSaveName", [&] { return document.DefaultSaveName; }},
      {"maxpoints", [&] { return IntText(settings.maxpoints); }},
      {"MaxAbsEpts", [&] { return IntText(settings.MaxAbsEpts); }},
      {"DefaultGIF", [&] { return settings.DefaultGIF; }},
      {"MaxFlawEdge", [&] { return IntText(settings.MaxFlawEdge); }},
      {"options.maxpoints", [&] { return options.maxpoints; }},
      {"options.MaxAbsEpts", [&] { return options.MaxAbsEpts; }},
      {"options.DefaultGIF", [&] { return options.DefaultGIF; }},
      {"options.MaxFlawEdge", [&] { return options.MaxFlawEdge; }},
      {"GraphicsFilename", [&] { return ScriptedPlatform::Visible(record.GraphicsFilename); }},
      {"Description", [&] { return ScriptedPlatform::Visible(record.Description); }},
  };
  if (const auto it = values.find(name); it != values.end()) return it->second();
  if (auto value = CreationPrintable(editor_, name)) return value;
  if (auto value = MagicPrintable(editor_, name)) return value;
  if (auto value = SkillsPrintable(editor_, name)) return value;
  if (auto value = PointsPrintable(editor_, name)) return value;
  if (auto value = editor_.Texts().Get(name)) return value;
  if (const RecordField* field = FindField(name)) return FieldValue(editor_.Record(), *field);
  return std::nullopt;
}

void ScriptRunner::AddScriptCommands() {
  commands_["answer"] = [this](const ScriptLine& line, std::string&) {
    // Should a file dialog take the answer, it is a path.
    platform_.QueueAnswer(TextArgument(line), PathArgument(line));
    return true;
  };
  commands_["roll"] = [this](const ScriptLine& line, std::string& error) {
    const auto value = line.words.size() == 1 ? DieValue(line.words[0]) : std::nullopt;
    if (!value) {
      error = "expects one value in [0, 1)";
      return false;
    }
    platform_.QueueRandom(*value);
    return true;
  };
  commands_["reasons"] = OnOffArgument([this](bool on) { reasonsShown_ = on; });
  commands_["print"] = [this](const ScriptLine& line, std::string& error) {
    if (line.words.empty()) {
      error = "expects the names to print";
      return false;
    }
    for (const std::string& name : line.words) {
      if (name == "CurrentFile" || name == "title") {
        SayShown(name + "=" +
                 (name == "title" ? editor_.Frame().title : ShownText::Path(editor_.Document().CurrentFile)));
        continue;
      }
      const auto value = Printable(name);
      if (!value) {
        error = "nothing to print called '" + name + "'";
        return false;
      }
      Say(name + "=" + *value);
    }
    return true;
  };
  commands_["echo"] = [this](const ScriptLine& line, std::string&) {
    // A quoted text prints as it reads, as every other command takes it.
    Say(TextArgument(line));
    return true;
  };
  // The file a save would write now, one file line per output line (CR LF shown as a line end,
  // bytes as written); an optional section name prints only that section and its empty lines.
  commands_["show-file"] = [this](const ScriptLine& line, std::string& error) {
    if (line.words.size() > 1) {
      error = "takes at most one section name";
      return false;
    }
    const std::string bytes = editor_.FileText();
    const std::string wanted = line.words.empty() ? "" : "[" + line.words[0] + "]";
    bool inside = wanted.empty();
    bool found = inside;
    for (size_t start = 0; start < bytes.size();) {
      size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) end = bytes.size();
      const std::string fileLine = bytes.substr(start, end - start);
      start = end + 2;
      if (!wanted.empty() && !fileLine.empty() && fileLine.front() == '[') {
        inside = fileLine == wanted;
        found = found || inside;
      }
      if (inside) Say(fileLine);
    }
    if (!found) {
      error = "the file has no section " + wanted;
      return false;
    }
    return true;
  };
  // The Left to Do pane's lines; the script goes on, and only its exit status remembers.
  commands_["check"] = [this](const ScriptLine& line, std::string& error) {
    const bool strict = line.words.size() == 1 && line.words[0] == "--strict";
    if (!line.words.empty() && !strict) {
      error = "takes no argument but --strict";
      return false;
    }
    const std::vector<TodoLine>& lines = editor_.Todo().Lines();
    if (lines.empty()) Say(kNothingLeftToDo);
    for (const TodoLine& todo : lines) {
      Say(TodoLineText(todo));
      if (todo.kind == TodoKind::Error || (strict && todo.kind == TodoKind::Left)) checkFailed_ = true;
    }
    return true;
  };
}

void ScriptRunner::AddCommands() {
  AddScriptCommands();
  AddWindowCommands();
  AddOptionsCommands(editor_, platform_, commands_);
  // Each page's commands, from the page table; a registrar that serves several pages runs once.
  const std::map<std::string_view, std::function<void()>> registrars = {
      {"Creation", [this] { AddCreationCommands(editor_, out_, commands_); }},
      {"Skills", [this] { AddSkillsCommands(editor_, out_, commands_); }},
      {"Implant", [this] { AddImplantCommands(editor_, out_, commands_); }},
      {"Magic", [this] { AddMagicCommands(editor_, out_, commands_); }},
      {"Gear", [this] { AddGearCommands(editor_, out_, commands_); }},
      {"Texts", [this] { AddTextsCommands(editor_, commands_); }},
      {"Catalog", [this] { AddCatalogCommands(); }},
      {"Contacts", [this] { AddContactsCommands(editor_, out_, commands_); }}};
  std::set<std::string_view> registered;
#define IVGEN_PAGE_COMMANDS(page, caption, unit, widget, commands) \
  if (registered.insert(#commands).second) registrars.at(#commands)();
  IVGEN_PAGES(IVGEN_PAGE_COMMANDS)
#undef IVGEN_PAGE_COMMANDS
  AddPointsCommands(editor_, platform_, out_, commands_);
  AddSheetCommands(editor_, platform_, out_, commands_);
  AddJsonCommands(editor_, platform_, terminal_, commands_);
  AddRandomCommands(editor_, platform_, out_, commands_);
  for (auto& [verb, command] : commands_) {
    if (!NotTheMainWindows(verb)) command = InWindow(platform_, std::nullopt, "the main window", std::move(command));
  }
}

int ScriptRunner::ExitStatus(RunStatus status) const {
  switch (status) {
    case RunStatus::StartupFailed:
      return 1;
    case RunStatus::ScriptError:
      return 2;
    default:
      return checkFailed_ ? 3 : 0;
  }
}

RunStatus ScriptRunner::Run(std::istream& script, const std::string& scriptName, std::ostream& err) {
  std::string text;
  int lineNumber = 0;
  while (!programEnded_ && std::getline(script, text)) {
    ++lineNumber;
    if (lineNumber == 1) text = std::string(WithoutByteOrderMark(text));
    // Scripts are written in UTF-8 by most editors; the editor's texts are Windows-1252.
    std::string utf8 = AsUtf8(text);
    if (IsUtf8(text)) text = Utf8ToCp1252(text);
    // A comment is skipped whole, whatever it holds (a lone quote included).
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && text[first] == '#') continue;
    ScriptLine line;
    std::string error;
    if (!ParseScriptLine(text, line, error)) {
      err << scriptName << ":" << lineNumber << ": " << error << "\n";
      return RunStatus::ScriptError;
    }
    line.utf8 = std::move(utf8);
    if (line.verb.empty() || line.verb[0] == '#') continue;
    const auto command = commands_.find(line.verb);
    if (command == commands_.end()) {
      err << scriptName << ":" << lineNumber << ": unknown command '" << line.verb << "'\n";
      return RunStatus::ScriptError;
    }
    bool done = command->second(line, error);
    if (const auto misfit = platform_.TakeMisfit(); done && misfit) {
      done = false;
      error = *misfit;
    }
    if (!done) {
      err << scriptName << ":" << lineNumber << ": " << line.verb << ": " << error << "\n";
      return RunStatus::ScriptError;
    }
    // Taken whether shown or not, so turning the reasons on never prints an older command's.
    for (const std::string& reason : platform_.TakeRefusals()) {
      if (reasonsShown_) Say("refused: " + reason);
    }
  }
  return programEnded_ ? RunStatus::ProgramEnded : RunStatus::Finished;
}

}  // namespace ivgen
