#pragma once
// Finding and driving the controls of a window in the Qt tests.
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace teebrook::test {

template <class T>
T* child(QWidget* w, const char* name) {
  return w->findChild<T*>(QString::fromUtf8(name));
}

// Types into a box as a user does: focus, everything selected, keystrokes.
inline void typeInto(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
}

// Makes the window the active one, so that focus changes happen as on a screen.
inline bool activate(QWidget* w) {
  w->activateWindow();
  return QTest::qWaitForWindowActive(w);
}

}  // namespace teebrook::test
