#include "ui/about_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/editor.h"
#include "ui/artwork.h"
#include "ui/qt_text.h"

namespace ivgen {

AboutDialog::AboutDialog(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setWindowTitle(kAppTitle);
  auto* logo = new QLabel(this);
  logo->setPixmap(LogoPixmap(96, devicePixelRatioF()));
  auto* name = new QLabel("Ironveil 3rd ed Character Generator", this);
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  name->setFont(bold);
  auto* version = new QLabel(ToQt(editor.Info().About().aboutVersion), this);
  version->setObjectName("version");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  auto* sysInfo = new QPushButton("&System Info...", this);
  sysInfo->setObjectName("sysinfo");
  sysInfo->setAutoDefault(false);

  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(version);
  text->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(sysInfo);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(logo, 0, Qt::AlignTop);
  layout->addLayout(text, 1);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, [this] { editor_.Info().AboutOk(); });
  connect(sysInfo, &QPushButton::clicked, this, [this] {
    editor_.Info().AboutSystemInfo(InfoLine{"Qt version", std::string(qVersion())});
  });
}

void AboutDialog::reject() {
  if (editor_.Info().About().aboutLoaded) {
    editor_.Info().AboutOk();
  } else {
    QDialog::reject();
  }
}

SplashWindow::SplashWindow(const QString& versionLine)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("splash");
  setStyleSheet("#splash { background: #1d2228; } QLabel { color: #e8ecef; }");
  auto* logo = new QLabel(this);
  logo->setPixmap(LogoPixmap(160, devicePixelRatioF()));
  logo->setAlignment(Qt::AlignCenter);
  auto* title = new QLabel("Ironveil 3rd ed Character Generator", this);
  QFont big = title->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.6);
  title->setFont(big);
  title->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(versionLine, this);
  version->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 24);
  layout->addWidget(logo);
  layout->addWidget(title);
  layout->addWidget(version);
  adjustSize();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
  emit Clicked();
  event->accept();
}

}  // namespace ivgen
