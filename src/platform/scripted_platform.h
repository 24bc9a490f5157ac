// The platform of ivgen-batch and the tests: answers are queued in advance and every prompt is
// recorded as one line, so a script or a test can see exactly what a player would have seen.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/random_source.h"

namespace ivgen {

class ScriptedPlatform : public Platform {
 public:
  /// A fixed seed, so unqueued rolls repeat from run to run.
  explicit ScriptedPlatform(uint64_t seed = 1) : random_(seed) {}

  /// Queues the answer to the next prompt: a button name ("Yes", "No", "Cancel", "OK", any case)
  /// for a message box, the typed text for an input box, a path for a file dialog ("" cancels).
  void QueueAnswer(const std::string& answer) { QueueAnswer(answer, answer); }
  /// Queues an answer whose path, should a file dialog take it, is spelled other than its text.
  void QueueAnswer(std::string text, std::string path) { answers_.push_back({std::move(text), std::move(path)}); }
  /// Queues the next value of the uniform generator.
  void QueueRandom(double value) { randoms_.push_back(value); }
  /// Why the last message box could not take its queued answer (it names none of the box's
  /// buttons), once; nothing when every answer fitted.
  std::optional<std::string> TakeMisfit() { return std::exchange(misfit_, std::nullopt); }

  /// Every prompt so far, one line each, in order.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }
  /// Called with each new log line as it is recorded, in UTF-8 for a terminal: texts converted,
  /// paths as the file system spells them.
  void SetEcho(std::function<void(const std::string&)> echo) { echo_ = std::move(echo); }

  /// The dialogs shown and not yet closed, most recent last.
  const std::vector<Dialog>& OpenDialogs() const { return openDialogs_; }
  bool Busy() const { return busy_; }

  Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override;
  std::string Input(const std::string& prompt, const std::string& title, const std::string& initial) override;
  std::string OpenFile(const FileRequest& request) override;
  std::string SaveFile(const FileRequest& request) override;
  /// A path a script names on a command's line, where the file dialogs would take it.
  virtual std::string NamedPath(const std::string& path) const { return path; }
  /// Logged as `folder [TITLE] -> "PATH"`, the path taken from the next answer.
  std::string ChooseFolder(const std::string& title) override;
  void RunDialog(Dialog dialog) override;
  void ShowDialog(Dialog dialog) override;
  void CloseDialog(Dialog dialog) override;
  void ProgressShow(const std::string& title, const std::string& label) override;
  void ProgressStep(const std::string& label) override;
  void ProgressHide() override;
  void SetBusy(bool busy) override { busy_ = busy; }
  /// Kept apart from the prompts' log: a transcript prints them only when asked to.
  void Refused(const std::string& reason) override { refusals_.push_back(reason); }
  /// The reasons given since the last call, oldest first.
  std::vector<std::string> TakeRefusals() { return std::exchange(refusals_, {}); }
  double NextRandom() override;
  DieState SaveDie() const override { return {random_, randoms_}; }
  void RestoreDie(const DieState& die) override {
    random_ = die.source;
    randoms_ = die.queued;
  }

  /// Text with CR and LF made visible, so one prompt is one line of output.
  static std::string Visible(const std::string& text);
  static const char* DialogName(Dialog dialog);

 private:
  struct Queued {
    std::string text;
    std::string path;
  };
  /// Logs a line; `terminal` is its UTF-8 form when it holds a path.
  void Record(std::string line, std::optional<std::string> terminal = std::nullopt);
  std::optional<Queued> NextAnswer();
  /// The answered path; a save dialog adds the request's extension to a name without one.
  std::string FileDialog(const char* kind, const FileRequest& request, bool addExtension);

  std::deque<Queued> answers_;
  std::deque<double> randoms_;
  std::vector<std::string> log_;
  std::vector<std::string> refusals_;
  std::function<void(const std::string&)> echo_;
  std::optional<std::string> misfit_;
  std::vector<Dialog> openDialogs_;
  bool busy_ = false;
  bool progressVisible_ = false;
  RandomSource random_;
};

/// No one is there to answer, as for the command-line exports: every prompt takes its first
/// button, and the last message is kept to say why the program stopped.
class UnattendedPlatform final : public ScriptedPlatform {
 public:
  Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override {
    said_ = text.Utf8();
    return ScriptedPlatform::Message(text, title, icon, buttons);
  }
  const std::string& Said() const { return said_; }

 private:
  std::string said_;
};

}  // namespace ivgen
