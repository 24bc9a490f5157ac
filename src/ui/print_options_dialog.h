// The "Print Options" dialog: the picture at the head of the sheet and the optional sections.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "sheet/print_options.h"

namespace ivgen {

class Editor;

class PrintOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  PrintOptionsDialog(Editor& editor, QWidget* parent);
  void Refresh();

 protected:
  void reject() override;

 private:
  Editor& editor_;
  QLineEdit* picture_;
  QPushButton* browse_;
  QPushButton* print_;
  QCheckBox* printPicture_;
  std::array<QCheckBox*, kPrintSectionCount> sections_{};
  std::array<QRadioButton*, kSheetKindCount> kinds_{};
};

}  // namespace ivgen
