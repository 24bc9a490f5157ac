#include "ui/info_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/qt_text.h"

namespace ivgen {

HelpWindow::HelpWindow(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setWindowTitle("Ironveil Character Generator Help");
  setModal(false);
  search_ = new QLineEdit(this);
  search_->setObjectName("search");
  search_->setPlaceholderText("Search the guide...");
  search_->setClearButtonEnabled(true);
  found_ = new QListWidget(this);
  found_->setObjectName("found");
  text_ = new QTextBrowser(this);
  text_->setObjectName("guide");
  text_->setOpenExternalLinks(false);

  auto* searchLabel = new QLabel("&Search:", this);
  searchLabel->setBuddy(search_);
  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(searchLabel);
  leftLayout->addWidget(search_);
  leftLayout->addWidget(found_, 1);
  auto* split = new QSplitter(this);
  split->addWidget(left);
  split->addWidget(text_);
  split->setStretchFactor(1, 1);
  split->setSizes({QFontMetrics(font()).averageCharWidth() * 34, QFontMetrics(font()).averageCharWidth() * 96});
  auto* close = new QPushButton("&Close", this);
  connect(close, &QPushButton::clicked, this, &HelpWindow::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);

  connect(search_, &QLineEdit::textChanged, this, &HelpWindow::Search);
  connect(found_, &QListWidget::currentTextChanged, this, &HelpWindow::GoTo);
  Refresh();
}

void HelpWindow::Refresh() {
  const HelpView& help = editor_.Info().Help();
  if (help.text != shownText_) {
    shownText_ = help.text;
    text_->setMarkdown(ToQt(help.text));
  }
  const QSignalBlocker quiet(found_);
  found_->clear();
  for (const std::string& heading : help.foundContents) found_->addItem(ToQt(heading));
  if (help.searching) search_->setFocus();
}

void HelpWindow::Search(const QString& text) {
  editor_.Info().SearchHelp(FromQt(text));
  Refresh();
  if (text.isEmpty()) return;
  // The first place the text stands, from the top, so the reader sees it at once.
  text_->moveCursor(QTextCursor::Start);
  text_->find(text);
}

void HelpWindow::GoTo(const QString& line) {
  const QString heading = line.trimmed();
  if (heading.isEmpty()) return;
  text_->moveCursor(QTextCursor::Start);
  text_->find(heading);
}

QSize HelpWindow::sizeHint() const {
  // Wide enough for the guide's lines beside the contents, tall enough to read a section.
  const QFontMetrics metrics(font());
  QSize size(metrics.averageCharWidth() * 130, metrics.lineSpacing() * 40);
  if (screen() != nullptr) size = size.boundedTo(screen()->availableGeometry().size() * 9 / 10);
  return size;
}

void HelpWindow::reject() { editor_.Info().CloseHelp(); }

InfoDialog::InfoDialog(Editor& editor, Dialog dialog, QWidget* parent)
    : QDialog(parent), editor_(editor), dialog_(dialog) {
  const bool system = dialog == Dialog::SystemInfo;
  setWindowTitle(system ? "System Information" : "Properties");
  QStringList lines;
  for (const InfoLine& line : editor.Info().InfoLines()) lines << ToQt(line.label + ": ") + ToQt(line.value);
  auto* text = new QPlainTextEdit(lines.join('\n'), this);
  text->setObjectName("lines");
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFontMetrics metrics(text->font());
  text->setMinimumSize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * std::min<int>(lines.size() + 2, 24));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  if (system) {
    auto* copy = new QPushButton("C&opy", this);
    copy->setObjectName("copy");
    connect(copy, &QPushButton::clicked, this,
            [lines] { QApplication::clipboard()->setText(lines.join('\n') + '\n'); });
    buttons->addWidget(copy);
  }
  auto* close = new QPushButton("&Close", this);
  close->setObjectName("close");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &InfoDialog::reject);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text, 1);
  layout->addLayout(buttons);
}

void InfoDialog::reject() { editor_.Info().CloseInfo(dialog_); }

}  // namespace ivgen
