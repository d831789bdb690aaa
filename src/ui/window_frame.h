#pragma once
// What every window of the program has besides its controls, attached to it: the design size in
// twips with proportional resizing, Esc to close, the right mouse button for its help topic, the
// status line with its tips, and centring on the screen.
#include <QLabel>
#include <QObject>
#include <QWidget>
#include <functional>

#include "data/state.h"
#include "ui/resizer.h"
#include "ui/status_line.h"

namespace teebrook {

class WindowFrame : public QObject {
  Q_OBJECT
 public:
  WindowFrame(QWidget* window, State& state, Resizer& resizer, long designWidth, long designHeight,
              int helpTopic);

  // The status line at the bottom edge, with the window's tip texts.
  StatusLine* addStatusLine(const QString& panelName, TipSelector::TextOf tips);
  // Call when every control is placed: the design size becomes the 100 % reference.
  void finish();
  void centre();
  QLabel* statusPanel() const { return panel_; }
  StatusLine* statusLine() const { return status_; }

 signals:
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  State& state_;
  Resizer& resizer_;
  long designWidth_, designHeight_;
  int helpTopic_;
  QLabel* panel_ = nullptr;
  StatusLine* status_ = nullptr;
  bool ready_ = false;
};

// The fixed-pitch font of the player and course lists ("Fixedsys" 9, or the nearest fixed face).
QFont listFont();

// A line edit that selects its whole text when it gets the focus.
void selectAllOnFocus(QWidget* box);
// Runs f each time the widget loses the focus.
void onFocusOut(QWidget* w, std::function<void()> f);

}  // namespace teebrook
