// "Shapeshifter Animal Attributes": the modeless window of a shapeshifter's animal form.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "ui/dialog_view.h"
#include "ui/number_cells.h"

namespace ivgen {

class AnimalFormDialog : public DialogView {
  Q_OBJECT
 public:
  AnimalFormDialog(Editor& editor, QWidget* parent);
  void Refresh() override;

 protected:
  /// The frame's close button is "Hide".
  void reject() override;

 private:
  QLineEdit* Cell(const QString& name);
  void Show(const QString& name, const std::string& text);

  NumberCells cells_;
  QLabel* overLimit_ = nullptr;
};

}  // namespace ivgen
