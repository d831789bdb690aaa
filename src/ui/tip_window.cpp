#include "ui/tip_window.h"

#include <QCursor>

namespace teebrook {

TipWindow::TipWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)) {
  setObjectName(QStringLiteral("tipWindow"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(255, 255, 225));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  label_->move(2, 1);
}

void TipWindow::poptip(const QString& text) {
  if (text.isEmpty()) {
    hide();
    return;
  }
  label_->setText(text);
  label_->adjustSize();
  resize(label_->width() + 4, label_->height() + 2);
  move(QCursor::pos() + QPoint(2, 20));
  raise();
  show();
}

}  // namespace teebrook
