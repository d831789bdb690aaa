#include "ui/help_window.h"

#include <QFile>
#include <QVBoxLayout>

// The help pages are compiled into a static library, whose resources must be registered by hand.
static void registerHelpPages() {
  Q_INIT_RESOURCE(help);
}

namespace teebrook {

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)) {
  registerHelpPages();
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Teebrook Help"));
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(560, 480);
}

bool HelpWindow::showTopic(int topic) {
  const QString page = QStringLiteral(":/help/%1.html").arg(topic);
  if (!QFile::exists(page)) return false;
  topic_ = topic;
  browser_->setSource(QUrl(QStringLiteral("qrc") + page));
  return true;
}

void QtHelp::show(int topic) {
  if (!window_) window_ = std::make_unique<HelpWindow>();
  // A topic without a page is passed over, like any failure to show help.
  if (!window_->showTopic(topic)) return;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelp::close() {
  if (window_) window_->close();
}

}  // namespace teebrook
