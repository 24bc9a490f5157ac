#include "ui/options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/qt_text.h"

namespace ivgen {

OptionsDialog::OptionsDialog(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setWindowTitle("Options");
  auto* frame = new QGroupBox("Karma Settings", this);
  auto* form = new QFormLayout(frame);
  maxpoints_ = new QLineEdit(this);
  maxAbsEpts_ = new QLineEdit(this);
  defaultGif_ = new QLineEdit(this);
  maxFlawEdge_ = new QLineEdit(this);
  maxpoints_->setObjectName("maxpoints");
  maxAbsEpts_->setObjectName("MaxAbsEpts");
  defaultGif_->setObjectName("DefaultGIF");
  maxFlawEdge_->setObjectName("MaxFlawEdge");
  auto* browse = new QPushButton("&Browse...", this);
  browse->setAutoDefault(false);
  browse->setObjectName("browse");
  browse->setToolTip("Choose a picture");
  auto* pictureRow = new QHBoxLayout;
  pictureRow->addWidget(defaultGif_);
  pictureRow->addWidget(browse);
  form->addRow("Default Initial Character Points", maxpoints_);
  form->addRow("Max. Edge/Flaw Points", maxAbsEpts_);
  form->addRow("Default GIF Character File", pictureRow);
  form->addRow("Max. Num Edges/Flaws", maxFlawEdge_);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* done = buttons->addButton("&Done", QDialogButtonBox::AcceptRole);
  QPushButton* cancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
  done->setObjectName("done");
  done->setDefault(true);
  cancel->setObjectName("cancel");
  cancel->setAutoDefault(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(buttons);
  setMinimumWidth(460);

  connect(browse, &QPushButton::clicked, this, [this] {
    PushFields();
    editor_.Options().Browse();
    Refresh();
  });
  connect(done, &QPushButton::clicked, this, [this] {
    PushFields();
    // The Editor closes the dialog through the platform when the values were taken.
    editor_.Options().Done();
  });
  connect(cancel, &QPushButton::clicked, this, [this] { editor_.Options().Cancel(); });
  Refresh();
}

void OptionsDialog::PushFields() {
  editor_.Options().SetField("maxpoints", FromQt(maxpoints_->text()));
  editor_.Options().SetField("MaxAbsEpts", FromQt(maxAbsEpts_->text()));
  editor_.Options().SetField("DefaultGIF", FromQt(defaultGif_->text()));
  editor_.Options().SetField("MaxFlawEdge", FromQt(maxFlawEdge_->text()));
}

void OptionsDialog::Refresh() {
  const OptionsFields& options = editor_.Options().Fields();
  maxpoints_->setText(ToQt(options.maxpoints));
  maxAbsEpts_->setText(ToQt(options.MaxAbsEpts));
  defaultGif_->setText(ToQt(options.DefaultGIF));
  maxFlawEdge_->setText(ToQt(options.MaxFlawEdge));
}

void OptionsDialog::reject() {
  // Escape and the frame's close button are the Cancel button.
  if (editor_.Options().IsOpen()) {
    editor_.Options().Cancel();
  } else {
    QDialog::reject();
  }
}

}  // namespace ivgen
