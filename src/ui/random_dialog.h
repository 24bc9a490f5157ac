// Character Gen. > "Random Character...": an archetype and a seed make the current character, or
// several characters saved to a folder while a progress bar counts them.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "ui/dialog_view.h"

namespace ivgen {

class RandomDialog : public DialogView {
  Q_OBJECT
 public:
  RandomDialog(Editor& editor, QWidget* parent);
  void Refresh() override;

 protected:
  /// The frame's close button and Escape: "Cancel", which stops a run first.
  void reject() override;

 private:
  /// Saves the next character, then lets the window breathe before the one after.
  void SaveNext();

  QComboBox* archetype_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QPushButton* newSeed_ = nullptr;
  QRadioButton* current_ = nullptr;
  QRadioButton* toFolder_ = nullptr;
  QLineEdit* count_ = nullptr;
  QLineEdit* folder_ = nullptr;
  QPushButton* browse_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QListWidget* results_ = nullptr;
  QLabel* why_ = nullptr;
  QPushButton* generate_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace ivgen
