#pragma once
// Status-line tips for any window: controls are bound to tip numbers; pointing at one selects its
// tip, and a one-second timer writes the tip's text into the status panel while tips are shown.
#include <QHash>
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <functional>

#include "data/status_tips.h"

namespace teebrook {

class StatusLine : public QObject {
  Q_OBJECT
 public:
  using ShowTips = std::function<bool()>;
  using PopTip = std::function<void(const QString&)>;

  StatusLine(QWidget* window, QLabel* panel, ShowTips showTips, TipSelector::TextOf textOf,
             PopTip poptip = {});

  // Pointing at the control selects the tip number (0: the background, no tip).
  void bind(QWidget* control, int tip);
  // What pointing at a control does; also for tests.
  void select(int tip);
  // One timer tick; also for tests.
  void tick();
  QTimer& timer() { return timer_; }
  int number() const { return selector_.number(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* panel_;
  ShowTips showTips_;
  TipSelector::TextOf textOf_;
  PopTip poptip_;
  TipSelector selector_;
  QTimer timer_;
  QHash<QObject*, int> tips_;
};

}  // namespace teebrook
