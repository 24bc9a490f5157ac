// The windows that only inform: the help window over the player's guide, and the Properties and
// System Info dialogs.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>

#include "platform/platform.h"

namespace ivgen {

class Editor;

/// Modeless: the guide rendered, a search field and the sections that hold the searched text.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(Editor& editor, QWidget* parent);
  /// Shows the Editor's help view; puts the focus in the search field when opened for a search.
  void Refresh();
  QSize sizeHint() const override;

 protected:
  void reject() override;

 private:
  void Search(const QString& text);
  void GoTo(const QString& heading);

  Editor& editor_;
  QLineEdit* search_ = nullptr;
  QListWidget* found_ = nullptr;
  QTextBrowser* text_ = nullptr;
  std::string shownText_;
};

/// Modal: the lines of File > Properties or of the About box's "System Info...", Close and, for
/// the system information, Copy.
class InfoDialog : public QDialog {
  Q_OBJECT
 public:
  InfoDialog(Editor& editor, Dialog dialog, QWidget* parent);

 protected:
  void reject() override;

 private:
  Editor& editor_;
  Dialog dialog_;
};

}  // namespace ivgen
