#include "platform/scripted_platform.h"

#include <algorithm>
#include <string_view>

#include "record/cp1252.h"
#include "system/system.h"

namespace ivgen {

namespace {

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "";
    case Icon::Information:
      return "information, ";
    case Icon::Warning:
      return "warning, ";
    case Icon::Critical:
      return "critical, ";
    case Icon::Question:
      return "question, ";
  }
  return "";
}

std::vector<Answer> ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return {Answer::Ok};
    case Buttons::OkCancel:
      return {Answer::Ok, Answer::Cancel};
    case Buttons::YesNo:
      return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel:
      return {Answer::Yes, Answer::No, Answer::Cancel};
  }
  return {Answer::Ok};
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return text;
}

// The window's save dialog adds the default extension to a file name that has none; a script's
// answer becomes the same file.
std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  const std::string_view name = LastName(path);
  if (extension.empty() || name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + std::string(extension);
}

}  // namespace

std::string ScriptedPlatform::Visible(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out;
}

const char* ScriptedPlatform::DialogName(Dialog dialog) {
  switch (dialog) {
    case Dialog::Options:
      return "Options";
    case Dialog::About:
      return "About";
    case Dialog::PointGeneration:
      return "PointGeneration";
    case Dialog::EdgesFlaws:
      return "EdgesFlaws";
    case Dialog::PrintOptions:
      return "PrintOptions";
    case Dialog::AnimalForm:
      return "AnimalForm";
    case Dialog::Help:
      return "Help";
    case Dialog::Properties:
      return "Properties";
    case Dialog::SystemInfo:
      return "SystemInfo";
    case Dialog::RandomCharacter:
      return "RandomCharacter";
  }
  return "?";
}

void ScriptedPlatform::Record(std::string line, std::optional<std::string> terminal) {
  log_.push_back(std::move(line));
  if (echo_) echo_(terminal ? *terminal : Cp1252ToUtf8(log_.back()));
}

std::optional<ScriptedPlatform::Queued> ScriptedPlatform::NextAnswer() {
  if (answers_.empty()) return std::nullopt;
  Queued answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

Answer ScriptedPlatform::Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) {
  const std::vector<Answer> offered = ButtonsOf(buttons);
  Answer chosen = offered.front();
  std::string names;
  for (Answer candidate : offered) {
    if (!names.empty()) names += '/';
    names += AnswerName(candidate);
  }
  if (auto answer = NextAnswer()) {
    const std::string wanted = Lower(answer->text);
    bool fits = false;
    for (Answer candidate : offered) {
      if (Lower(AnswerName(candidate)) == wanted) {
        chosen = candidate;
        fits = true;
      }
    }
    // A script that meant to decline must not go on as if it had: the box takes its first
    // button, as a box without an answer does, and the script stops after the command.
    if (!fits) misfit_ = "answer '" + answer->text + "' is not a button of the box (" + names + ")";
  }
  const std::string head = "message [" + title + "] (" + IconName(icon) + names + ") ";
  const std::string tail = std::string(" -> ") + AnswerName(chosen);
  Record(head + Visible(text.Text()) + tail, Cp1252ToUtf8(head) + Visible(text.Utf8()) + tail);
  return chosen;
}

std::string ScriptedPlatform::Input(const std::string& prompt, const std::string& title, const std::string& initial) {
  const std::string typed = NextAnswer().value_or(Queued{}).text;
  Record("input [" + title + "] " + Visible(prompt) + (initial.empty() ? "" : " {" + Visible(initial) + "}") +
         " -> \"" + Visible(typed) + "\"");
  return typed;
}

std::string ScriptedPlatform::FileDialog(const char* kind, const FileRequest& request, bool addExtension) {
  std::string path = NextAnswer().value_or(Queued{}).path;
  if (addExtension) path = WithDefaultExtension(path, request.defaultExtension);
  const std::string head = std::string(kind) + " [" + request.title + "] " + request.filter +
                           (request.proposedName.empty() ? "" : " {" + Visible(request.proposedName) + "}") + " -> \"";
  // The path stays one line, and reaches a terminal with every character it has.
  Record(head + Visible(PathToText(path)) + "\"", Cp1252ToUtf8(head) + Visible(AsUtf8(path)) + "\"");
  return path;
}

std::string ScriptedPlatform::OpenFile(const FileRequest& request) { return FileDialog("open-file", request, false); }

std::string ScriptedPlatform::SaveFile(const FileRequest& request) { return FileDialog("save-file", request, true); }

std::string ScriptedPlatform::ChooseFolder(const std::string& title) {
  const std::string path = NextAnswer().value_or(Queued{}).path;
  const std::string head = "folder [" + title + "] -> \"";
  Record(head + Visible(PathToText(path)) + "\"", Cp1252ToUtf8(head) + Visible(AsUtf8(path)) + "\"");
  return path;
}

void ScriptedPlatform::RunDialog(Dialog dialog) {
  Record(std::string("dialog ") + DialogName(dialog));
  openDialogs_.push_back(dialog);
}

void ScriptedPlatform::ShowDialog(Dialog dialog) {
  if (std::find(openDialogs_.begin(), openDialogs_.end(), dialog) != openDialogs_.end()) return;
  Record(std::string("dialog ") + DialogName(dialog));
  openDialogs_.push_back(dialog);
}

void ScriptedPlatform::CloseDialog(Dialog dialog) {
  const auto it = std::find(openDialogs_.begin(), openDialogs_.end(), dialog);
  if (it == openDialogs_.end()) return;
  openDialogs_.erase(it);
  Record(std::string("closed ") + DialogName(dialog));
}

void ScriptedPlatform::ProgressShow(const std::string& title, const std::string& label) {
  progressVisible_ = true;
  Record("progress [" + title + "] " + label);
}

void ScriptedPlatform::ProgressStep(const std::string& label) { Record("progress " + label); }

void ScriptedPlatform::ProgressHide() {
  if (!progressVisible_) return;
  progressVisible_ = false;
  Record("progress closed");
}

double ScriptedPlatform::NextRandom() {
  if (randoms_.empty()) return random_.Next();
  const double value = randoms_.front();
  randoms_.pop_front();
  return value;
}

}  // namespace ivgen
