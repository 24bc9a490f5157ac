// The up and down arrows beside a number, as every spin of the window lays them out.
#pragma once

#include <QHBoxLayout>
#include <QString>
#include <QToolButton>
#include <functional>

namespace ivgen {

/// Two arrow buttons named name + "Up" and name + "Down", side by side, each running its action.
inline QHBoxLayout* SpinButtons(QWidget* parent, const QString& name, std::function<void()> up,
                                std::function<void()> down) {
  auto* layout = new QHBoxLayout;
  layout->setSpacing(0);
  for (auto [arrow, suffix, action] : {std::tuple{Qt::UpArrow, "Up", up}, std::tuple{Qt::DownArrow, "Down", down}}) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name + suffix);
    button->setArrowType(arrow);
    QObject::connect(button, &QToolButton::clicked, parent, action);
    layout->addWidget(button);
  }
  return layout;
}

}  // namespace ivgen
