#include "ui/key_filter.h"

#include <QKeyEvent>

#include "data/utilities.h"

namespace teebrook {

KeyFilter::KeyFilter(QLineEdit* box, int mode, std::function<void()> beep)
    : KeyFilter(
          box, [mode](char32_t key, bool selection) { return keyflt(key, mode, selection); },
          std::move(beep)) {}

KeyFilter::KeyFilter(QLineEdit* box, std::function<KeyResult(char32_t, bool)> filter,
                     std::function<void()> beep)
    : QObject(box), box_(box), filter_(std::move(filter)), beep_(std::move(beep)) {
  box->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  char32_t code = 0;
  switch (key->key()) {
    case Qt::Key_Backspace:
      code = 8;
      break;
    case Qt::Key_Tab:
      code = 9;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      code = 13;
      break;
    default: {
      const QString text = key->text();
      if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return QObject::eventFilter(watched, event);  // arrows, deletion, shortcuts
      }
      code = text.toUcs4().value(0);
    }
  }
  const KeyResult r = filter_(code, box_->hasSelectedText());
  if (r.beep && beep_) beep_();
  if (r.key == 0) return true;
  if (r.key == 8 || r.key == 9) return QObject::eventFilter(watched, event);
  if (r.selectOne && box_->cursorPosition() < box_->text().size()) {
    box_->setSelection(box_->cursorPosition(), 1);
  }
  box_->insert(QString::fromUcs4(&r.key, 1));
  return true;
}

}  // namespace teebrook
