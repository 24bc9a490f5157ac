#include "ui/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "app/editor.h"
#include "ui/qt_text.h"

namespace ivgen {

namespace {

// The keys of the sections and the sheet kinds, each unique in the dialog beside Browse's W,
// the picture's I, Print's P (or OK's O) and Cancel's C.
constexpr std::array<char, kPrintSectionCount> kSectionKeys = {'h', 'y', 'l', 'V', 'k', 'B', 'f'};
constexpr std::array<char, kSheetKindCount> kKindKeys = {'S', 'M', 'D', 'R', 'U', 'n'};

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setWindowTitle("Print Options");
  SheetUnit& sheet = editor_.Sheet();

  auto* pictureFrame = new QGroupBox("Insert Graphics [FileName]", this);
  picture_ = new QLineEdit(pictureFrame);
  picture_->setObjectName("pictureFile");
  browse_ = new QPushButton("Bro&wse", pictureFrame);
  browse_->setObjectName("browse");
  browse_->setAutoDefault(false);
  printPicture_ = new QCheckBox("Pr&int", pictureFrame);
  printPicture_->setObjectName("printPicture");
  auto* pictureRow = new QHBoxLayout(pictureFrame);
  pictureRow->addWidget(picture_, 1);
  pictureRow->addWidget(browse_);
  pictureRow->addWidget(printPicture_);

  auto* sectionFrame = new QGroupBox("Sections", this);
  auto* sectionGrid = new QGridLayout(sectionFrame);
  for (int box = 0; box < kPrintSectionCount; ++box) {
    sections_[box] = new QCheckBox(
        WithAccelerator(ToQt(std::string(kPrintSectionCaptions[box])), kSectionKeys[static_cast<size_t>(box)]),
        sectionFrame);
    sections_[box]->setObjectName(QString("chkPrOp%1").arg(box));
    sectionGrid->addWidget(sections_[box], box / 4, box % 4);
    connect(sections_[box], &QCheckBox::clicked, this, [this, box](bool on) {
      editor_.Sheet().SetSection(box, on);
      Refresh();
    });
  }

  auto* kindFrame = new QGroupBox("Sheet", this);
  auto* kindGrid = new QGridLayout(kindFrame);
  for (int kind = 0; kind < kSheetKindCount; ++kind) {
    kinds_[kind] = new QRadioButton(
        WithAccelerator(ToQt(std::string(kSheetKindCaptions[kind])), kKindKeys[static_cast<size_t>(kind)]), kindFrame);
    kinds_[kind]->setObjectName(QString("optPrOp%1").arg(kind));
    kindGrid->addWidget(kinds_[kind], kind / 3, kind % 3);
    connect(kinds_[kind], &QRadioButton::clicked, this, [this, kind] {
      editor_.Sheet().SetSheetKind(kind);
      Refresh();
    });
  }

  auto* buttons = new QDialogButtonBox(this);
  print_ = buttons->addButton("&Print", QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  print_->setObjectName("print");
  print_->setDefault(true);
  cancel->setObjectName("cancel");
  cancel->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pictureFrame);
  layout->addWidget(sectionFrame);
  layout->addWidget(kindFrame);
  layout->addWidget(buttons);
  setMinimumWidth(440);

  connect(picture_, &QLineEdit::textEdited, this,
          [&sheet](const QString& text) { sheet.SetPictureFile(FromQt(text)); });
  connect(browse_, &QPushButton::clicked, this, [this] {
    editor_.Sheet().BrowsePicture();
    Refresh();
  });
  connect(printPicture_, &QCheckBox::clicked, this, [this](bool on) {
    editor_.Sheet().SetPrintPicture(on);
    Refresh();
  });
  // The unit closes the dialog through the platform before it asks for the file.
  connect(print_, &QPushButton::clicked, this, [this] { editor_.Sheet().Print(); });
  connect(cancel, &QPushButton::clicked, this, [this] { editor_.Sheet().Cancel(); });
  Refresh();
}

void PrintOptionsDialog::Refresh() {
  const PrintOptions& options = editor_.Sheet().Options();
  if (FromQt(picture_->text()) != options.pictureFile) picture_->setText(ToQt(options.pictureFile));
  printPicture_->setChecked(options.printPicture);
  for (int box = 0; box < kPrintSectionCount; ++box) sections_[box]->setChecked(options.sections[box]);
  kinds_[options.sheetKind]->setChecked(true);
  // Opened from the sheet preview, the dialog changes the options and prints nothing.
  const bool optionsOnly = editor_.Sheet().OptionsOnly();
  picture_->setEnabled(!optionsOnly);
  browse_->setEnabled(!optionsOnly);
  print_->setText(optionsOnly ? "&OK" : "&Print");
}

void PrintOptionsDialog::reject() {
  // Escape and the frame's close button are the Cancel button.
  if (editor_.Sheet().IsOpen()) {
    editor_.Sheet().Cancel();
  } else {
    QDialog::reject();
  }
}

}  // namespace ivgen
