#pragma once
#include <QToolButton>
#include <QWidget>

namespace teebrook {

// A spin button: two arrows, forward and back.
class SpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit SpinButton(QWidget* parent);
  QToolButton* forward() const { return up_; }
  QToolButton* back() const { return down_; }

 signals:
  void stepped(int direction);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace teebrook
