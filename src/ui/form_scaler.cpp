#include "ui/form_scaler.h"

#include <QLayout>
#include <QMenu>
#include <QRegularExpression>
#include <cmath>

namespace teebrook {

double twipsPerPixelX(const QWidget* w) {
  return 1440.0 / (w->logicalDpiX() > 0 ? w->logicalDpiX() : 96);
}
double twipsPerPixelY(const QWidget* w) {
  return 1440.0 / (w->logicalDpiY() > 0 ? w->logicalDpiY() : 96);
}

namespace {

int px(long twips, double perPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}
long tw(int pixels, double perPixel) {
  return std::lround(pixels * perPixel);
}

// The controls that the scaling moves: named widgets that no layout manages.
QList<QWidget*> scaledControls(QWidget* area) {
  QList<QWidget*> out;
  for (QWidget* w : area->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || qobject_cast<QMenu*>(w)) continue;
    QWidget* parent = w->parentWidget();
    if (parent && parent->layout() && parent->layout()->indexOf(w) >= 0) continue;
    out << w;
  }
  return out;
}

ControlGeometry geometryOf(QWidget* w, double tx, double ty) {
  static const QRegularExpression arrayName(QStringLiteral("^(.*)\\((\\d+)\\)$"));
  ControlGeometry g;
  const auto m = arrayName.match(w->objectName());
  if (m.hasMatch()) {
    g.name = m.captured(1).toStdString();
    g.index = m.captured(2).toInt();
    g.inArray = true;
  } else {
    g.name = w->objectName().toStdString();
  }
  const QRect r = w->geometry();
  g.left = tw(r.x(), tx);
  g.top = tw(r.y(), ty);
  g.width = tw(r.width(), tx);
  g.height = tw(r.height(), ty);
  return g;
}

}  // namespace

void placeTwips(QWidget* control, long left, long top, long width, long height) {
  const double tx = twipsPerPixelX(control), ty = twipsPerPixelY(control);
  control->setGeometry(px(left, tx), px(top, ty), px(width, tx), px(height, ty));
}

void scaleWindow(Resizer& resizer, QWidget* window, QWidget* area) {
  if (resizer.busy()) return;
  const double tx = twipsPerPixelX(window), ty = twipsPerPixelY(window);
  WindowGeometry w;
  w.name = window->objectName().toStdString();
  const QRect outer = window->frameGeometry();
  w.top = window->isMinimized() ? 30000 : tw(outer.y(), ty);
  w.left = tw(outer.x(), tx);
  w.height = tw(outer.height(), ty);
  w.width = tw(outer.width(), tx);
  w.innerHeight = tw(area->height(), ty);
  w.innerWidth = tw(area->width(), tx);
  const QList<QWidget*> widgets = scaledControls(area);
  std::vector<ControlGeometry> controls;
  controls.reserve(static_cast<std::size_t>(widgets.size()));
  for (QWidget* c : widgets) controls.push_back(geometryOf(c, tx, ty));
  const std::vector<ControlGeometry> scaled = resizer.scalefrm(w, controls);
  resizer.setBusy(true);
  for (std::size_t i = 0; i < scaled.size(); ++i) {
    const ControlGeometry& g = scaled[i];
    widgets[static_cast<qsizetype>(i)]->setGeometry(px(g.left, tx), px(g.top, ty), px(g.width, tx),
                                                    px(g.height, ty));
  }
  resizer.setBusy(false);
  resizer.savefrm(w, controls);
}

}  // namespace teebrook
