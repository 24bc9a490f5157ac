// The Race page: the five race options, the race description, and the metatype group with its
// modifier fields and the animal form of a shapeshifter.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <array>

#include "ui/page_view.h"

namespace ivgen {

class RacePage : public PageView {
  Q_OBJECT
 public:
  RacePage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  std::array<QRadioButton*, 5> races_{};
  QLabel* notOffered_ = nullptr;
  QListWidget* description_ = nullptr;
  QGroupBox* metaGroup_ = nullptr;
  QListWidget* subtypes_ = nullptr;
  QLabel* modCaption_ = nullptr;
  std::array<QLineEdit*, 7> metaFields_{};
  QWidget* animal_ = nullptr;
  std::array<QLineEdit*, 6> animalFields_{};
  QCheckBox* albino_ = nullptr;
  QGroupBox* albinoFlaw_ = nullptr;
  std::array<QRadioButton*, 5> albinoFlaws_{};
};

}  // namespace ivgen
