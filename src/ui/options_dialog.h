// The Options dialog: the settings file's four values.
#pragma once

#include <QDialog>
#include <QLineEdit>

namespace ivgen {

class Editor;

class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(Editor& editor, QWidget* parent);
  void Refresh();

 protected:
  void reject() override;

 private:
  void PushFields();
  Editor& editor_;
  QLineEdit* maxpoints_;
  QLineEdit* maxAbsEpts_;
  QLineEdit* defaultGif_;
  QLineEdit* maxFlawEdge_;
};

}  // namespace ivgen
