#include "ui/skills_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

QStringList ToQtList(const std::vector<std::string>& items) {
  QStringList out;
  for (const std::string& item : items) out << ivgen::ToQt(item);
  return out;
}

// Refills a list only when its items changed, so a refresh keeps its scroll position.
void Show(QListWidget* list, const std::vector<std::string>& items, int current) {
  const QSignalBlocker block(list);
  const QStringList wanted = ToQtList(items);
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown != wanted) {
    list->clear();
    list->addItems(wanted);
  }
  if (list->currentRow() != current) list->setCurrentRow(current);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

}  // namespace

QListWidget* SkillsPage::List(const char* name, void (*click)(Editor&, int)) {
  auto* list = new QListWidget(this);
  list->setObjectName(name);
  connect(list, &QListWidget::currentRowChanged, this, [this, click](int row) {
    click(editor_, row);
    emit Changed();
  });
  // Clicking the chosen row again chooses it afresh, as the keyboard does not.
  connect(list, &QListWidget::itemClicked, this, [this, list, click] {
    click(editor_, list->currentRow());
    emit Changed();
  });
  return list;
}

QToolButton* SkillsPage::Arrow(const char* name, Qt::ArrowType arrow, void (*click)(Editor&)) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setArrowType(arrow);
  connect(button, &QToolButton::clicked, this, [this, click] {
    click(editor_);
    emit Changed();
  });
  return button;
}

SkillsPage::SkillsPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  categories_ = List("skillCategories", [](Editor& e, int row) { e.Skills().SelectCategory(row); });
  skills_ = List("catalogSkills", [](Editor& e, int row) { e.Skills().SelectCatalogSkill(row); });
  specializations_ = List("specializations", [](Editor& e, int row) { e.Skills().SelectSpecialization(row); });
  OnHighlightChange(skills_, this, [this] { ShowAddEnabled(); });
  for (QListWidget* list : {skills_, specializations_}) {
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
      editor_.Skills().Add();
      emit Changed();
    });
  }
  search_ = SearchBox("skillSearch", tr("Search all skills..."), this, [this](const QString& text) {
    editor_.Skills().Search(FromQt(text));
    emit Changed();
  });
  matches_ = ColumnList("skillMatches", {tr("Skill"), tr("Group")}, this);
  matches_->hide();
  auto chooseMatch = [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    editor_.Skills().ChooseMatch(RowOf(matches_, item));
    emit Changed();
  };
  connect(matches_, &QTreeWidget::currentItemChanged, this, chooseMatch);
  connect(matches_, &QTreeWidget::itemClicked, this, chooseMatch);
  OnHighlightChange(matches_, this, [this] { ShowAddEnabled(); });
  connect(matches_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    SkillsUnit& skills = editor_.Skills();
    skills.ChooseMatch(RowOf(matches_, item));
    if (skills.View().search.chosen == RowOf(matches_, item)) skills.Add();
    emit Changed();
  });
  LeadInto(search_, [this]() -> QAbstractItemView* {
    if (search_->text().isEmpty()) return skills_;
    return matches_;
  });
  add_ = new QPushButton(tr("&Add Skill"), this);
  add_->setObjectName("addSkill");
  further_ = new QPushButton("&" + QString(kFurtherSpecializationCaption), this);
  further_->setObjectName("furtherSpecialization");
  connect(add_, &QPushButton::clicked, this, [this] {
    editor_.Skills().Add();
    emit Changed();
  });
  connect(further_, &QPushButton::clicked, this, [this] {
    editor_.Skills().AddFurther();
    emit Changed();
  });

  auto* catalog = new QGroupBox(tr("Skill catalog"), this);
  auto* catalogLayout = new QVBoxLayout(catalog);
  catalogLayout->addWidget(new QLabel(tr("Categories"), this));
  catalogLayout->addWidget(categories_, 2);
  catalogLayout->addWidget(new QLabel(tr("Skills"), this));
  catalogLayout->addWidget(search_);
  catalogLayout->addWidget(skills_, 3);
  catalogLayout->addWidget(matches_, 3);
  catalogLayout->addWidget(new QLabel(tr("Specializations"), this));
  catalogLayout->addWidget(specializations_, 2);
  catalogLayout->addLayout(Row({add_, further_}));

  list_ = ColumnList("characterSkills", {tr("Skill"), tr("Rating"), tr("Specialization")}, this);
  NumberColumns(list_, {1, 2});
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
    editor_.Skills().Select(list_->indexOfTopLevelItem(list_->currentItem()));
    emit Changed();
  });

  spinner_ = new QWidget(this);
  auto* spinLayout = new QHBoxLayout(spinner_);
  spinLayout->setContentsMargins(0, 0, 0, 0);
  spinLayout->setSpacing(0);
  spinLayout->addWidget(new QLabel(tr("Rating "), this));
  spinLayout->addWidget(Arrow("skillRaise", Qt::UpArrow, [](Editor& e) { e.Skills().Raise(); }));
  spinLayout->addWidget(Arrow("skillLower", Qt::DownArrow, [](Editor& e) { e.Skills().Lower(); }));
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName("removeSkill");
  connect(remove_, &QPushButton::clicked, this, [this] {
    editor_.Skills().Remove();
    emit Changed();
  });
  auto* order = new QLabel(tr("Order"), this);
  auto* commands = Row({spinner_, remove_, order,
                        moveUp_ = Arrow("skillMoveUp", Qt::UpArrow, [](Editor& e) { e.Skills().MoveUp(); }),
                        moveDown_ = Arrow("skillMoveDown", Qt::DownArrow, [](Editor& e) { e.Skills().MoveDown(); })});

  adjusters_ = new QWidget(this);
  adjusters_->setObjectName("skillAdjusters");
  auto* adjust = new QHBoxLayout(adjusters_);
  adjust->setContentsMargins(0, 0, 0, 0);
  adjust->addWidget(new QLabel(kBaseSkillLabel, this));
  adjust->addWidget(Arrow("baseSkillUp", Qt::UpArrow, [](Editor& e) { e.Skills().AdjustBase(1); }));
  adjust->addWidget(Arrow("baseSkillDown", Qt::DownArrow, [](Editor& e) { e.Skills().AdjustBase(-1); }));
  adjust->addSpacing(16);
  adjust->addWidget(new QLabel(kSpecializationSkillLabel, this));
  adjust->addWidget(Arrow("specSkillUp", Qt::UpArrow, [](Editor& e) { e.Skills().AdjustSpecialization(1); }));
  adjust->addWidget(Arrow("specSkillDown", Qt::DownArrow, [](Editor& e) { e.Skills().AdjustSpecialization(-1); }));
  adjust->addStretch();

  auto* poolGrid = new QGridLayout;
  const std::array<QString, 3> captions = {tr("Active skill points"), tr("Knowledge skill points"),
                                           tr("Language skill points")};
  const std::array<const char*, 3> names = {"activePoints", "knowledgePoints", "languagePoints"};
  for (int i = 0; i < 3; ++i) {
    PoolRow& pool = pools_[i];
    pool.display = ReadOnlyNumber(names[i], this, 72);
    pool.stop = new QLabel(kSkillStopMarker, this);
    pool.stop->setObjectName(QString(names[i]) + "Stop");
    pool.display->setToolTip(tr("%1: spent of those you have").arg(captions[i]));
    pool.stop->setToolTip(tr("More %1 spent than you have").arg(captions[i].toLower()));
    pool.stop->setStyleSheet("color: white; background: #b00000; padding: 1px 4px; font-weight: bold;");
    poolGrid->addWidget(new QLabel(captions[i], this), i, 0);
    poolGrid->addWidget(pool.display, i, 1);
    poolGrid->addWidget(pool.stop, i, 2);
  }
  poolGrid->setColumnStretch(3, 1);

  auto* character = new QGroupBox(tr("Character's skills"), this);
  auto* characterLayout = new QVBoxLayout(character);
  characterLayout->addWidget(list_, 1);
  characterLayout->addLayout(commands);
  characterLayout->addWidget(adjusters_);
  characterLayout->addLayout(poolGrid);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(catalog, 1);
  layout->addWidget(character, 1);
  KeepFocusNear(remove_, list_);
  // The search box sits above the skills it searches, and Tab reaches it there.
  setTabOrder(categories_, search_);
  setTabOrder(search_, skills_);
  setTabOrder(skills_, matches_);
  for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{skills_, matches_, specializations_}) {
    PressOnKey(list, {Qt::Key_Return, Qt::Key_Enter}, add_);
  }
  PressOnKey(list_, {Qt::Key_Delete}, remove_);
}

void SkillsPage::ShowAddEnabled() {
  // Add takes the skill highlighted in the list the page shows.
  const QAbstractItemView* shown = skills_->isHidden() ? static_cast<QAbstractItemView*>(matches_) : skills_;
  add_->setEnabled(editor_.Skills().View().addEnabled && CurrentShown(shown));
}

void SkillsPage::Refresh() {
  const SkillsView& view = editor_.Skills().View();
  Show(categories_, view.categories, view.category);
  // Whole rows only: a row cut in half at the bottom reads as a clipped list.
  if (const int rows = std::min(categories_->count(), 12); rows > 0)
    categories_->setFixedHeight(categories_->sizeHintForRow(0) * rows + 2 * categories_->frameWidth());
  Show(skills_, view.skills, view.skill);
  std::vector<std::string> specializations;
  specializations.reserve(view.specializations.size());
  for (const std::string& entry : view.specializations) {
    const MarkedName marked = ReadMarkers(entry);
    specializations.push_back(marked.asksTarget ? marked.name + " (asks for a specialization)" : entry);
  }
  Show(specializations_, specializations, view.specialization);
  further_->setVisible(view.furtherVisible);
  further_->setEnabled(view.furtherEnabled);

  ShowText(search_, view.search.text);
  const bool searching = !view.search.text.empty();
  skills_->setVisible(!searching);
  matches_->setVisible(searching);
  std::vector<QStringList> matches;
  for (const CatalogMatch& match : view.search.matches) matches.push_back({ToQt(match.name), ToQt(match.group)});
  FillRows(matches_, matches, view.search.chosen);
  ShowNoMatches(matches_, view.search.NoMatches());
  ShowAddEnabled();

  std::vector<QStringList> rows;
  rows.reserve(view.names.size());
  for (size_t i = 0; i < view.names.size(); ++i) {
    const BracketNumbers rating = NumbersInBrackets(view.ratings[i]);
    rows.push_back({ToQt(view.names[i]), ToQt(rating.first), ToQt(rating.second)});
  }
  FillRows(list_, rows, view.selected);
  spinner_->setEnabled(view.spinnerEnabled);
  remove_->setEnabled(view.removeEnabled);
  // The order arrows move the selected skill, as Remove removes it.
  moveUp_->setEnabled(view.orderEnabled);
  moveDown_->setEnabled(view.orderEnabled);
  adjusters_->setVisible(view.adjustersVisible);
  adjusters_->setEnabled(view.adjustersEnabled);

  const std::array<const SkillPoolView*, 3> pools = {&view.active, &view.knowledge, &view.language};
  for (size_t i = 0; i < pools.size(); ++i) {
    pools_[i].display->setText(ivgen::ToQt(pools[i]->display));
    pools_[i].stop->setVisible(pools[i]->stop);
  }
}

}  // namespace ivgen
