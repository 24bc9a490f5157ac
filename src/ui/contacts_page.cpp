#include "ui/contacts_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/editor.h"
#include "purchase/list_rows.h"
#include "ui/gear_page.h"
#include "ui/page_parts.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

constexpr int kDescriptionField = 6;

// The texts hold line breaks as CR LF; the text box holds them as LF.
QString Plain(const std::string& text) { return ToQt(text).replace("\r\n", "\n"); }

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

// The description and the history may run over several lines; the other texts are one line.
QWidget* ContactsPage::Field(int index) {
  const auto i = static_cast<size_t>(index);
  const QString name = QString("contactField%1").arg(index);
  if (index >= kDescriptionField) {
    texts_[i] = new QPlainTextEdit(this);
    texts_[i]->setObjectName(name);
    texts_[i]->setMaximumHeight(70);
    texts_[i]->setTabChangesFocus(true);
    connect(texts_[i], &QPlainTextEdit::textChanged, this, [this, index, i] {
      editor_.Contacts().SetField(index, FromQt(texts_[i]->toPlainText()));
      // What the text may not hold was taken out: show what is kept, typing on at its end.
      const QString kept = Plain(editor_.Contacts().View().fields[i]);
      if (texts_[i]->toPlainText() == kept) return;
      const QSignalBlocker block(texts_[i]);
      texts_[i]->setPlainText(kept);
      texts_[i]->moveCursor(QTextCursor::End);
    });
    return texts_[i];
  }
  lines_[i] = new QLineEdit(this);
  lines_[i]->setObjectName(name);
  connect(lines_[i], &QLineEdit::textEdited, this, [this, index](const QString& text) {
    editor_.Contacts().SetField(index, FromQt(text));
    Refresh();
  });
  return lines_[i];
}

ContactsPage::ContactsPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  auto* form = new QGridLayout;
  for (int i = 0; i < kContactTextFields; ++i) {
    form->addWidget(new QLabel(ToQt(kContactHeadings[static_cast<size_t>(i)]), this), i, 0, Qt::AlignTop);
    form->addWidget(Field(i), i, 1);
  }
  auto* levelHint = new QLabel(ToQt(kContactLevelHint), this);
  form->addWidget(levelHint, kContactLevelField, 2);
  form->setColumnStretch(1, 1);

  auto* add = Button(tr("&Add"), "contactAdd", this);
  update_ = Button(tr("&Update"), "contactUpdate", this);
  remove_ = Button(tr("&Remove"), "contactRemove", this);
  auto* clear = Button(tr("C&lear"), "contactClear", this);
  auto act = [this](void (ContactsUnit::*action)()) {
    return [this, action] {
      (editor_.Contacts().*action)();
      emit Changed();
    };
  };
  connect(add, &QPushButton::clicked, this, act(&ContactsUnit::Add));
  connect(update_, &QPushButton::clicked, this, act(&ContactsUnit::Update));
  connect(remove_, &QPushButton::clicked, this, act(&ContactsUnit::Remove));
  connect(clear, &QPushButton::clicked, this, act(&ContactsUnit::Clear));
  price_ = new QLabel(this);
  price_->setObjectName("contactPrice");
  money_ = new QLabel(this);
  money_->setToolTip(tr("Nuyen left: your resources minus everything bought"));
  money_->setObjectName("contactMoney");
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {add, update_, remove_, clear}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(new QLabel(tr("Price"), this));
  buttons->addWidget(price_);
  buttons->addWidget(new QLabel(tr("Money left"), this));
  buttons->addWidget(money_);
  auto* top = new QHBoxLayout;
  top->addLayout(form, 1);
  top->addLayout(buttons);

  QStringList headings;
  for (const char* heading : kContactHeadings) headings << ToQt(heading);
  headings << tr("Price");
  list_ = ColumnList("contactList", headings, this);
  NumberColumns(list_, {kContactLevelField, kContactPriceField});
  auto choose = [this](QTreeWidgetItem* row) {
    if (row == nullptr) return;
    editor_.Contacts().Choose(list_->indexOfTopLevelItem(row));
    emit Changed();
  };
  connect(list_, &QTreeWidget::currentItemChanged, this, choose);
  // A click on the contact already current loads its texts again over what was typed since.
  connect(list_, &QTreeWidget::itemClicked, this, choose);
  QToolButton* up = ArrowButton(Qt::UpArrow, "contactUp", this);
  QToolButton* down = ArrowButton(Qt::DownArrow, "contactDown", this);
  connect(up, &QToolButton::clicked, this, act(&ContactsUnit::MoveUp));
  connect(down, &QToolButton::clicked, this, act(&ContactsUnit::MoveDown));
  auto* arrows = new QVBoxLayout;
  arrows->addWidget(up);
  arrows->addWidget(down);
  arrows->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(list_, 1);
  bottom->addLayout(arrows);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom, 1);
  KeepFocusNear(remove_, list_);
  PressOnKey(list_, {Qt::Key_Delete}, remove_);
}

void ContactsPage::Refresh() {
  const ContactsView& view = editor_.Contacts().View();
  for (size_t i = 0; i < kContactTextFields; ++i) {
    const std::string& text = view.fields[i];
    if (lines_[i] != nullptr && FromQt(lines_[i]->text()) != text) lines_[i]->setText(ToQt(text));
    if (texts_[i] != nullptr && texts_[i]->toPlainText() != Plain(text)) {
      const QSignalBlocker block(texts_[i]);
      texts_[i]->setPlainText(Plain(text));
    }
  }
  update_->setEnabled(view.updateEnabled);
  remove_->setEnabled(view.removeEnabled);
  price_->setText(ToQt(view.price));
  money_->setText(ToQt(view.moneyLeft));
  std::vector<QStringList> rows;
  for (const ContactRow& contact : ContactRows(editor_.Record().Contacts)) {
    QStringList row;
    for (const std::string& cell : contact.cells) row << ToQt(cell).simplified();
    rows.push_back(row);
  }
  FillRows(list_, rows, view.selected);
}

}  // namespace ivgen
