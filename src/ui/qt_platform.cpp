#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>

#include "ui/qt_text.h"

namespace ivgen {

QString QtFilter(const std::string& filter) {
  const QString text = ToQt(filter);
  const int bar = text.indexOf('|');
  if (bar < 0) return text;
  QString description = text.left(bar);
  description.remove(QRegularExpression(R"(\s*\(.*\)\s*$)"));
  QString patterns = text.mid(bar + 1);
  patterns.replace(';', ' ');
  return description + " (" + patterns.simplified() + ")";
}

namespace {

// Message texts use CR LF and LF CR; Qt wants plain line feeds.
QString MessageText(const QString& text) {
  QString shown = text;
  shown.replace("\r\n", "\n");
  shown.replace("\n\r", "\n");
  shown.replace('\r', '\n');
  return shown;
}

}  // namespace

void QtPlatform::CloseSplash() {
  if (splash_) splash_->close();
}

Answer QtPlatform::Message(const ShownText& text, const std::string& title, Icon icon, Buttons buttons) {
  CloseSplash();
  QMessageBox box(parent_);
  box.setWindowTitle(ToQt(title));
  // A file or catalog name that looks like markup is shown as it is spelled, never laid out.
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageText(ToQt(text)));
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
  }
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  const bool busy = busy_;
  if (busy) QApplication::restoreOverrideCursor();
  const int pressed = box.exec();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  switch (pressed) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      // Closed by the frame: Cancel where offered, otherwise the only button.
      if (buttons == Buttons::YesNo) return Answer::No;
      return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

std::string QtPlatform::Input(const std::string& prompt, const std::string& title, const std::string& initial) {
  CloseSplash();
  QInputDialog dialog(parent_);
  dialog.setWindowTitle(ToQt(title));
  dialog.setLabelText(MessageText(ToQt(prompt)));
  dialog.setTextValue(ToQt(initial));
  for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  return dialog.exec() == QDialog::Accepted ? FromQt(dialog.textValue()) : std::string();
}

QString FileDialogFolder(const std::string& currentFile) {
  if (!currentFile.empty()) {
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(currentFile)));
    if (file.absoluteDir().exists()) return file.absolutePath();
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

std::string QtPlatform::OpenFile(const FileRequest& request) {
  const QString folder = FileDialogFolder(currentFile_ ? currentFile_() : std::string());
  const QString start = request.proposedName.empty() ? folder : QDir(folder).filePath(ToQt(request.proposedName));
  const QString path = QFileDialog::getOpenFileName(parent_, ToQt(request.title), start, QtFilter(request.filter));
  return QFile::encodeName(path).toStdString();
}

std::string QtPlatform::SaveFile(const FileRequest& request) {
  QFileDialog dialog(parent_, ToQt(request.title), FileDialogFolder(currentFile_ ? currentFile_() : std::string()),
                     QtFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  if (!request.proposedName.empty()) dialog.selectFile(ToQt(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::string QtPlatform::ChooseFolder(const std::string& title) {
  return QFile::encodeName(QFileDialog::getExistingDirectory(parent_, ToQt(title))).toStdString();
}

void QtPlatform::RunDialog(Dialog dialog) {
  if (hooks_.open) hooks_.open(dialog, true);
}

void QtPlatform::ShowDialog(Dialog dialog) {
  if (hooks_.open) hooks_.open(dialog, false);
}

void QtPlatform::CloseDialog(Dialog dialog) {
  if (hooks_.close) hooks_.close(dialog);
}

void QtPlatform::ProgressShow(const std::string& title, const std::string& label) {
  progressTitle_ = title;
  progressFirstLabel_ = label;
  progressLabel_ = label;
  progressClock_.start();
  // Over a shown window (Reload Datafiles) the player asked for the load: show it at once.
  if (progress_ || (parent_ && parent_->isVisible())) ShowProgress();
}

void QtPlatform::ProgressStep(const std::string& label) {
  progressLabel_ = label;
  if (!progressClock_.isValid()) return;
  if (!progress_ && progressClock_.elapsed() < kProgressDelayMs) return;
  ShowProgress();
}

void QtPlatform::ShowProgress() {
  if (!progress_) {
    progress_ = new QProgressDialog(parent_);
    auto* label = new QLabel(progress_);
    label->setTextFormat(Qt::PlainText);
    progress_->setLabel(label);
    progress_->setCancelButton(nullptr);
    progress_->setRange(0, 0);
    progress_->setMinimumDuration(0);
    progress_->setWindowModality(Qt::NonModal);
  }
  progress_->setWindowTitle(ToQt(progressTitle_));
  // "Loading ...." stays above the name of the catalog being loaded.
  const std::string label =
      progressLabel_ == progressFirstLabel_ ? progressLabel_ : progressFirstLabel_ + "\n" + progressLabel_;
  progress_->setLabelText(ToQt(label));
  progress_->show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::ProgressHide() {
  progressClock_.invalidate();
  if (progress_) progress_->deleteLater();
  progress_ = nullptr;
}

void QtPlatform::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtPlatform::Refused(const std::string& reason) {
  // A temporary message covers the status text for its time and then gives it back unchanged.
  if (auto* window = qobject_cast<QMainWindow*>(parent_.data()))
    window->statusBar()->showMessage(ToQt(reason), kReasonMs);
}

}  // namespace ivgen
