// The platform in the window: Qt's message boxes, input boxes, file dialogs and progress dialog,
// the override cursor for the busy pointer, and the program's dialogs through the main window.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <functional>

#include "platform/platform.h"
#include "platform/random_source.h"

namespace ivgen {

/// "description|pattern" as a Qt name filter: "Picture (*.gif; *.jpg)|*.gif;*.jpg" becomes
/// "Picture (*.gif *.jpg)".
QString QtFilter(const std::string& filter);
/// Where the file dialogs open: the current character's folder, else the player's documents
/// folder (never the program's, which an installed copy may not write).
QString FileDialogFolder(const std::string& currentFile);

class QtPlatform : public Platform {
 public:
  /// How the main window opens and closes the program's own dialogs.
  struct DialogHooks {
    std::function<void(Dialog, bool modal)> open;
    std::function<void(Dialog)> close;
  };

  void SetParent(QWidget* parent) { parent_ = parent; }
  /// The splash window stays on top; a prompt during start-up closes it first so it is seen.
  void SetSplash(QWidget* splash) { splash_ = splash; }
  void SetDialogHooks(DialogHooks hooks) { hooks_ = std::move(hooks); }
  /// The character file now open (empty for a new one), for where the file dialogs start.
  void SetCurrentFile(std::function<std::string()> currentFile) { currentFile_ = std::move(currentFile); }

  Answer Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) override;
  std::string Input(const std::string& prompt, const std::string& title, const std::string& initial) override;
  std::string OpenFile(const FileRequest& request) override;
  std::string SaveFile(const FileRequest& request) override;
  std::string ChooseFolder(const std::string& title) override;
  void RunDialog(Dialog dialog) override;
  void ShowDialog(Dialog dialog) override;
  void CloseDialog(Dialog dialog) override;
  void ProgressShow(const std::string& title, const std::string& label) override;
  void ProgressStep(const std::string& label) override;
  void ProgressHide() override;
  void SetBusy(bool busy) override;
  void Refused(const std::string& reason) override;
  double NextRandom() override { return random_.Next(); }
  DieState SaveDie() const override { return {random_, {}}; }
  void RestoreDie(const DieState& die) override { random_ = die.source; }

 private:
  static constexpr qint64 kProgressDelayMs = 300;
  // Long enough to read a sentence, short enough not to pass for the program's own status text.
  static constexpr int kReasonMs = 5000;
  void CloseSplash();
  void ShowProgress();

  QPointer<QWidget> parent_;
  QPointer<QWidget> splash_;
  DialogHooks hooks_;
  std::function<std::string()> currentFile_;
  QPointer<QProgressDialog> progress_;
  // The progress window appears only for a load long enough for a person to see it.
  QElapsedTimer progressClock_;
  std::string progressTitle_;
  std::string progressFirstLabel_;
  std::string progressLabel_;
  bool busy_ = false;
  RandomSource random_;
};

}  // namespace ivgen
