// The BioInfo page: the character's identity texts and free description.
#pragma once

#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>

#include "ui/page_view.h"

namespace ivgen {

class BioInfoPage : public PageView {
  Q_OBJECT
 public:
  BioInfoPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  QMap<QString, QLineEdit*> fields_;
  QPlainTextEdit* description_ = nullptr;
};

}  // namespace ivgen
