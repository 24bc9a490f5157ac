// The Spells page: the tradition or totem, the spell catalog by category, the character's spells
// with their spin buttons, the spell points and buying them with nuyen.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/page_view.h"

namespace ivgen {

class SpellsPage : public PageView {
  Q_OBJECT
 public:
  SpellsPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  /// The button that takes the catalog's entry, as the highlight allows.
  void ShowAddEnabled();
  /// Runs a unit action and lets the window refresh.
  void Act(const std::function<void()>& action);

  QListWidget* traditions_ = nullptr;
  QGroupBox* spellGroup_ = nullptr;
  QListWidget* categories_ = nullptr;
  /// The search of every category, and its matches, shown in the spell list's place while it
  /// holds a text.
  QLineEdit* search_ = nullptr;
  QTreeWidget* catalog_ = nullptr;
  QTreeWidget* matches_ = nullptr;
  QPushButton* add_ = nullptr;
  QTreeWidget* chosen_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLineEdit* points_ = nullptr;
  QLabel* overSpent_ = nullptr;
  QLineEdit* moneyLeft_ = nullptr;
};

}  // namespace ivgen
