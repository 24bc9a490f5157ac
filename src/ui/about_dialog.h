// The About box and the splash window.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QWidget>

namespace ivgen {

class Editor;

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(Editor& editor, QWidget* parent);

 protected:
  void reject() override;

 private:
  Editor& editor_;
};

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(const QString& versionLine);

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace ivgen
