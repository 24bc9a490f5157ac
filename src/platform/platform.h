// Everything that asks the person something or waits on them goes through this interface:
// message boxes, input boxes, file dialogs, modal dialogs, the progress window, the busy pointer
// and the die. The window implements it with Qt; ivgen-batch and the tests with a script.
#pragma once

#include <deque>
#include <string>

#include "platform/random_source.h"
#include "record/shown_text.h"

namespace ivgen {

/// Title of message boxes that have no title of their own.
inline constexpr const char* kAppTitle = "Ironveil Character Generator";

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

/// A file dialog's request. The filter is "description|pattern", for example
/// "Ironveil 3 (*.iv3)|*.iv3".
struct FileRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string proposedName;
};

/// Everything that decides the die's next rolls: undo puts it back, so an undone roll comes out
/// the same when the action is done again.
struct DieState {
  RandomSource source;
  /// Rolls queued ahead (scripts and tests); empty in the window.
  std::deque<double> queued;
};

/// The program's modal and modeless dialogs; their content is state of the Editor.
enum class Dialog {
  Options,
  About,
  PointGeneration,
  EdgesFlaws,
  PrintOptions,
  AnimalForm,
  Help,
  Properties,
  SystemInfo,
  RandomCharacter
};

class Platform {
 public:
  virtual ~Platform() = default;

  /// Shows a message box and returns the button pressed; closing the box answers Cancel where
  /// the box has one, otherwise its first button. A path in the text shows as the file system
  /// spells it.
  virtual Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) = 0;
  /// Input box: the typed text, or "" when cancelled.
  virtual std::string Input(const std::string& prompt, const std::string& title, const std::string& initial) = 0;
  /// Open-file dialog: the chosen path in the file system's bytes, or "" when cancelled. The
  /// request's texts, the proposed name included, are Windows-1252.
  virtual std::string OpenFile(const FileRequest& request) = 0;
  /// Save-file dialog: as OpenFile.
  virtual std::string SaveFile(const FileRequest& request) = 0;
  /// Folder dialog: the chosen folder in the file system's bytes, or "" when cancelled.
  virtual std::string ChooseFolder(const std::string& title) = 0;

  /// Shows a modal dialog and returns when it has been closed.
  virtual void RunDialog(Dialog dialog) = 0;
  /// Shows a modeless dialog (or brings it forward) and returns at once.
  virtual void ShowDialog(Dialog dialog) = 0;
  /// Closes a dialog the Editor has finished with (Done, OK, Cancel).
  virtual void CloseDialog(Dialog dialog) = 0;

  /// The modeless progress window: shown with a caption and a first label, then relabelled per
  /// step; the window repaints between steps.
  virtual void ProgressShow(const std::string& title, const std::string& label) = 0;
  virtual void ProgressStep(const std::string& label) = 0;
  virtual void ProgressHide() = 0;

  /// The busy mouse pointer, on or off.
  virtual void SetBusy(bool busy) = 0;

  /// Why a step was refused without a message box, in plain words with the numbers. It is a
  /// passing remark, not a prompt: the window shows it for a few seconds in its status bar.
  virtual void Refused(const std::string& reason) = 0;

  /// The next value of the uniform generator, in [0, 1).
  virtual double NextRandom() = 0;
  virtual DieState SaveDie() const = 0;
  virtual void RestoreDie(const DieState& die) = 0;
};

/// The caption of a message-box button.
inline const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "OK";
}

}  // namespace ivgen
