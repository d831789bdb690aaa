#pragma once
// Applies the keystroke filter of a mode (0 to 3) to a line edit, beeping at a rejected key.
#include <QLineEdit>
#include <QObject>
#include <functional>

namespace teebrook {

class KeyFilter : public QObject {
  Q_OBJECT
 public:
  KeyFilter(QLineEdit* box, int mode, std::function<void()> beep);
  int mode() const { return mode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* box_;
  int mode_;
  std::function<void()> beep_;
};

}  // namespace teebrook
