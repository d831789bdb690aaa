#include "ui/spin_button.h"

#include <QResizeEvent>

namespace teebrook {

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setObjectName(QStringLiteral("qt_spin_up"));
  down_->setObjectName(QStringLiteral("qt_spin_down"));
  up_->setAutoRepeat(true);
  down_->setAutoRepeat(true);
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void SpinButton::resizeEvent(QResizeEvent* event) {
  const int h = event->size().height() / 2;
  up_->setGeometry(0, 0, event->size().width(), h);
  down_->setGeometry(0, h, event->size().width(), event->size().height() - h);
}

}  // namespace teebrook
