// The Skills page: the skill catalog in three lists with the add commands, the character's skill
// list with its rating spinner, adjusters and order buttons, and the three pools of points.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <array>

#include "ui/page_view.h"

namespace ivgen {

class SkillsPage : public PageView {
  Q_OBJECT
 public:
  SkillsPage(Editor& editor, QWidget* parent);
  void Refresh() override;

 private:
  /// The button that takes the catalog's entry, as the highlight allows.
  void ShowAddEnabled();
  struct PoolRow {
    QLineEdit* display = nullptr;
    QLabel* stop = nullptr;
  };
  QListWidget* List(const char* name, void (*click)(Editor&, int));
  QToolButton* Arrow(const char* name, Qt::ArrowType arrow, void (*click)(Editor&));

  QListWidget* categories_ = nullptr;
  QListWidget* skills_ = nullptr;
  QListWidget* specializations_ = nullptr;
  /// The search of every category, and its matches, shown in the skill list's place while it
  /// holds a text.
  QLineEdit* search_ = nullptr;
  QTreeWidget* matches_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* further_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QWidget* spinner_ = nullptr;
  QPushButton* remove_ = nullptr;
  QToolButton* moveUp_ = nullptr;
  QToolButton* moveDown_ = nullptr;
  QWidget* adjusters_ = nullptr;
  std::array<PoolRow, 3> pools_{};
};

}  // namespace ivgen
