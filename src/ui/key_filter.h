#pragma once
// Applies the keystroke filter of a mode (0 to 3) to a line edit, beeping at a rejected key.
#include <QLineEdit>
#include <QObject>
#include <functional>

#include "data/utilities.h"

namespace teebrook {

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* box, int mode, std::function<void()> beep);
  // A box with a filter of its own.
  KeyFilter(QLineEdit* box, std::function<KeyResult(char32_t, bool)> filter, std::function<void()> beep);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* box_;
  std::function<KeyResult(char32_t, bool)> filter_;
  std::function<void()> beep_;
};

}  // namespace teebrook
