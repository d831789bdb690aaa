#pragma once
// The small borderless tip window shown at the mouse pointer (`poptip`).
#include <QLabel>
#include <QWidget>

namespace teebrook {

class TipWindow : public QWidget {
  Q_OBJECT
 public:
  TipWindow();
  // Shows the text 20 pixels below and 2 right of the pointer; empty text hides the window.
  void poptip(const QString& text);

 private:
  QLabel* label_;
};

}  // namespace teebrook
