// A page of the editor: a passive view that calls Editor methods and refreshes from the Editor.
#pragma once

#include <QWidget>

namespace ivgen {

class Editor;

class PageView : public QWidget {
  Q_OBJECT
 public:
  PageView(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {}
  /// Shows the Editor's current state.
  virtual void Refresh() = 0;

 signals:
  /// Something changed that other parts of the window show (the title, other pages).
  void Changed();

 protected:
  Editor& editor_;
};

}  // namespace ivgen
