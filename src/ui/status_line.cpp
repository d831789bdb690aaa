#include "ui/status_line.h"

#include <QEvent>

namespace teebrook {

StatusLine::StatusLine(QWidget* window, QLabel* panel, ShowTips showTips, TipSelector::TextOf textOf,
                       PopTip poptip)
    : QObject(window),
      panel_(panel),
      showTips_(std::move(showTips)),
      textOf_(std::move(textOf)),
      poptip_(std::move(poptip)) {
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &StatusLine::tick);
  bind(window, 0);
}

void StatusLine::bind(QWidget* control, int tip) {
  tips_.insert(control, tip);
  control->setAttribute(Qt::WA_Hover);
  control->installEventFilter(this);
}

void StatusLine::select(int tip) {
  const auto sel = selector_.select(tip, showTips_());
  if (sel.clearPanel) panel_->clear();
  if (sel.timer == TipSelector::Timer::Start) timer_.start();
  if (sel.timer == TipSelector::Timer::Stop) timer_.stop();
}

void StatusLine::tick() {
  const auto t = selector_.tick(showTips_(), textOf_);
  if (!t) return;
  panel_->setText(QString::fromStdString(t->text));
  if (t->hideTipWindow && poptip_) poptip_(QString());
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
    const auto it = tips_.constFind(watched);
    if (it != tips_.constEnd()) select(*it);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace teebrook
