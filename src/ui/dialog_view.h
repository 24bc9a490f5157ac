// A dialog of the program: a passive view that calls the Editor's actions and refreshes from it.
#pragma once

#include <QDialog>

namespace ivgen {

class Editor;

class DialogView : public QDialog {
  Q_OBJECT
 public:
  DialogView(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {}
  /// Shows the Editor's current state.
  virtual void Refresh() = 0;

 signals:
  /// Something changed that the main window shows too.
  void Changed();

 protected:
  /// Runs one action of the Editor and shows its outcome here and in the window.
  template <typename Action>
  void Act(Action action) {
    action();
    emit Changed();
    Refresh();
  }

  Editor& editor_;
};

}  // namespace ivgen
