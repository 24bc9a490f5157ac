#include "ui/bioinfo_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

struct FieldLabel {
  const char* key;
  const char* label;
};

constexpr FieldLabel kIdentity[] = {{"StreetName", "Street name"},
                                    {"RealName", "Real name"},
                                    {"Archetype", "Archetype"},
                                    {"Race", "Race"},
                                    {"Gender", "Gender"},
                                    {"Height", "Height"},
                                    {"Weight", "Weight"},
                                    {"Eyes", "Eyes"},
                                    {"Hair", "Hair"},
                                    {"Birthdate", "Birthdate"},
                                    {"Birthplace", "Birthplace"}};
constexpr FieldLabel kKarma[] = {{"KarmaTotal", "Karma total"}, {"KarmaRemain", "Karma left"}};

}  // namespace

BioInfoPage::BioInfoPage(Editor& editor, QWidget* parent) : PageView(editor, parent) {
  auto* identity = new QGroupBox(tr("Identity"), this);
  auto* identityForm = new QFormLayout(identity);
  auto addField = [&](QFormLayout* form, const FieldLabel& field) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(field.key);
    const QString key = field.key;
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
      editor_.Texts().Set(key.toStdString(), FromQt(text));
      emit Changed();
    });
    form->addRow(tr(field.label), edit);
    fields_.insert(key, edit);
  };
  for (const FieldLabel& field : kIdentity) addField(identityForm, field);

  auto* karma = new QGroupBox(tr("Karma"), this);
  auto* karmaForm = new QFormLayout(karma);
  for (const FieldLabel& field : kKarma) addField(karmaForm, field);

  auto* left = new QVBoxLayout;
  left->addWidget(identity);
  left->addWidget(karma);
  left->addStretch();

  auto* descriptionBox = new QGroupBox(tr("Description"), this);
  auto* descriptionLayout = new QVBoxLayout(descriptionBox);
  description_ = new QPlainTextEdit(this);
  // Tab moves on to the next field, as in every other box of the page.
  description_->setTabChangesFocus(true);
  description_->setObjectName("Description");
  descriptionLayout->addWidget(description_);
  connect(description_, &QPlainTextEdit::textChanged, this, [this] {
    editor_.Texts().SetDescription(FromQt(description_->toPlainText()));
    emit Changed();
  });

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 2);
  layout->addWidget(descriptionBox, 3);
}

void BioInfoPage::Refresh() {
  for (auto it = fields_.begin(); it != fields_.end(); ++it) {
    const QString text = ToQt(editor_.Texts().Get(it.key().toStdString()).value_or(""));
    // Setting an unchanged text would move the cursor while the player types.
    if (it.value()->text() != text) it.value()->setText(text);
  }
  QString description = ToQt(editor_.Record().Description);
  description.replace("\r\n", "\n");
  if (description_->toPlainText() != description) {
    const QSignalBlocker block(description_);
    description_->setPlainText(description);
  }
}

}  // namespace ivgen
