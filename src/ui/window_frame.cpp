#include "ui/window_frame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "data/utilities.h"
#include "ui/form_scaler.h"

namespace teebrook {

WindowFrame::WindowFrame(QWidget* window, State& state, Resizer& resizer, long designWidth, long designHeight,
                         int helpTopic)
    : QObject(window),
      window_(window),
      state_(state),
      resizer_(resizer),
      designWidth_(designWidth),
      designHeight_(designHeight),
      helpTopic_(helpTopic) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSizeF(8.25);
  font.setBold(true);
  window->setFont(font);
  window->installEventFilter(this);
}

StatusLine* WindowFrame::addStatusLine(const QString& panelName, TipSelector::TextOf tips) {
  panel_ = new QLabel(window_);
  panel_->setObjectName(panelName);
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  placeTwips(panel_, 0, designHeight_ - 330, designWidth_, 330);
  status_ = new StatusLine(
      window_, panel_, [this] { return state_.settings.showTips.is("Y"); }, std::move(tips),
      [this](const QString& text) { state_.platform.feedback.tip(text.toStdString()); });
  status_->bind(panel_, 0);
  return status_;
}

void WindowFrame::finish() {
  window_->resize(static_cast<int>(designWidth_ / twipsPerPixelX(window_)),
                  static_cast<int>(designHeight_ / twipsPerPixelY(window_)));
  scaleWindow(resizer_, window_, window_);
  ready_ = true;
  if (status_ && state_.settings.showTips.is("Y")) status_->timer().start();
}

void WindowFrame::centre() {
  const QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect r = screen->availableGeometry();
  const Point at = cntrfrm(r.width(), r.height(), window_->width(), window_->height());
  window_->move(r.x() + at.x, r.y() + at.y);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Resize:
      if (ready_) scaleWindow(resizer_, window_, window_);
      break;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        window_->close();
        return true;
      }
      break;
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        state_.platform.help.show(helpTopic_);
        return true;
      }
      break;
    case QEvent::Close:
      if (status_) status_->timer().stop();
      emit closed();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

QFont listFont() {
  QFont fixed(QStringLiteral("Fixedsys"), 9);
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFixedPitch(true);
  return fixed;
}

namespace {
class SelectAll : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return false;
  }
};
class FocusOut : public QObject {
 public:
  FocusOut(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) f_();
    return false;
  }

 private:
  std::function<void()> f_;
};
}  // namespace

void selectAllOnFocus(QWidget* box) {
  box->installEventFilter(new SelectAll(box));
}
void onFocusOut(QWidget* w, std::function<void()> f) {
  w->installEventFilter(new FocusOut(w, std::move(f)));
}

}  // namespace teebrook
