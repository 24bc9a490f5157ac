// "Character Generation Using Points": race, options, magic, resources, attribute points and
// active skills bought from the build points.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "rules/point_generation.h"
#include "ui/dialog_view.h"

namespace ivgen {

class PointGenerationDialog : public DialogView {
  Q_OBJECT
 public:
  PointGenerationDialog(Editor& editor, QWidget* parent);
  void Refresh() override;

 protected:
  /// The frame's close button and Escape are "Done", with its checks.
  void reject() override;

 private:
  std::array<QRadioButton*, kPointRaceCount> races_{};
  QCheckBox* metaVariants_ = nullptr;
  QCheckBox* ghoul_ = nullptr;
  QCheckBox* otaku_ = nullptr;
  QCheckBox* noRules_ = nullptr;
  QCheckBox* magic_ = nullptr;
  QGroupBox* magicGroup_ = nullptr;
  std::array<QRadioButton*, kPointMagicCount> magicChoices_{};
  QCheckBox* physAd_ = nullptr;
  QGroupBox* resources_ = nullptr;
  std::array<QRadioButton*, kResourceCount> resourceChoices_{};
  QLineEdit* attributePoints_ = nullptr;
  QLineEdit* activeSkills_ = nullptr;
  QLineEdit* points_ = nullptr;
};

}  // namespace ivgen
